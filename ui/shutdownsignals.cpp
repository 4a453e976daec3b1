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

// Closes the window once the event loop sees a signal, and ends the process
// by that signal once the application has quit.
class Closer : public QObject {
public:
    explicit Closer(QWidget* window)
        : QObject(window)
        , window_(window)
        , notifier_(new QSocketNotifier(g_wake[0], QSocketNotifier::Read, this))
    {
        // Until the window is shown, start-up is still under way (it yields
        // to the event loop once) and must not be cut short.
        notifier_->setEnabled(window->isVisible());
        window->installEventFilter(this);
        connect(notifier_, &QSocketNotifier::activated, this, &Closer::closeWindow);
        connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, this, &Closer::endBySignal);
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

    void endBySignal()
    {
        if (const int sig = g_caught) {
            std::signal(sig, SIG_DFL);
            std::raise(sig);
        }
    }

    QPointer<QWidget> window_;
    QSocketNotifier* notifier_;
};

} // namespace

void closeOnShutdownSignals(QWidget* window)
{
    if (g_wake[0] >= 0)
        return;
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0, g_wake) != 0)
        return; // the signals keep their default action
    new Closer(window);
    struct sigaction action {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    for (int sig : kSignals)
        sigaddset(&action.sa_mask, sig);
    action.sa_flags = SA_RESTART;
    for (int sig : kSignals) {
        // A signal the game was started to ignore (nohup) stays ignored.
        struct sigaction old {};
        if (::sigaction(sig, nullptr, &old) == 0 && old.sa_handler == SIG_IGN)
            continue;
        ::sigaction(sig, &action, nullptr);
    }
}

} // namespace golexorb
