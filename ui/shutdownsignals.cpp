#include "shutdownsignals.h"

#include <QCoreApplication>
#include <QEvent>
#include <QPointer>
#include <QSocketNotifier>
#include <QWidget>

#include <cerrno>
#include <csignal>

#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace golexorb {

namespace {

constexpr int kSignals[] = {SIGTERM, SIGHUP, SIGINT};

// The handler may only do what is safe in a signal handler: it writes the
// signal's number to a socket that the event loop watches.
int g_wake[2] = {-1, -1};
volatile std::sig_atomic_t g_caught = 0;

extern "C" void onSignal(int sig)
{
    if (g_caught != 0) {
        // Asked again while closing: end now, by the default action.
        std::signal(sig, SIG_DFL);
        std::raise(sig);
        return;
    }
    g_caught = sig;
    const int saved = errno;
    const unsigned char byte = static_cast<unsigned char>(sig);
    [[maybe_unused]] const ssize_t n = ::write(g_wake[1], &byte, 1);
    errno = saved;
}

// Closes its window once the event loop sees a signal and the window is
// shown: until the main window is, start-up is still under way (it yields
// to the event loop once) and must not be cut short.
class Closer : public QObject {
public:
    Closer()
        : QObject(QCoreApplication::instance())
        , notifier_(new QSocketNotifier(g_wake[0], QSocketNotifier::Read, this))
    {
        notifier_->setEnabled(false);
        connect(notifier_, &QSocketNotifier::activated, this, &Closer::closeWindow);
    }

    void watch(QWidget* window)
    {
        if (window_)
            window_->removeEventFilter(this);
        window_ = window;
        window->installEventFilter(this);
        notifier_->setEnabled(window->isVisible());
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == window_ && event->type() == QEvent::Show)
            notifier_->setEnabled(true);
        return false;
    }

private:
    void closeWindow()
    {
        unsigned char byte = 0;
        while (::read(g_wake[0], &byte, 1) > 0) {
        }
        notifier_->setEnabled(false);
        if (window_)
            window_->close();
    }

    QPointer<QWidget> window_;
    QSocketNotifier* notifier_;
};

QPointer<Closer> g_closer;

} // namespace

void catchShutdownSignals()
{
    if (g_wake[0] >= 0)
        return;
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0, g_wake) != 0)
        return; // the signals keep their default action
    struct sigaction action {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    for (int sig : kSignals)
        sigaddset(&action.sa_mask, sig);
    action.sa_flags = SA_RESTART;
    for (int sig : kSignals) {
        struct sigaction old {};
        if (::sigaction(sig, nullptr, &old) == 0 && old.sa_handler == SIG_IGN)
            continue;
        ::sigaction(sig, &action, nullptr);
    }
}

bool shutdownRequested()
{
    return g_caught != 0;
}

void closeOnShutdownSignals(QWidget* window)
{
    catchShutdownSignals();
    if (g_wake[0] < 0)
        return;
    if (!g_closer)
        g_closer = new Closer;
    g_closer->watch(window);
}

void endByShutdownSignal()
{
    if (const int sig = g_caught) {
        std::signal(sig, SIG_DFL);
        std::raise(sig);
    }
}

} // namespace golexorb
