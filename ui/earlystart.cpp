#include "earlystart.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QGuiApplication>

namespace golexorb {

namespace {

// The platforms whose integration brings the accessibility bridge, the one
// part of Qt that asks for the session bus at start-up.
bool bridgeComes()
{
    const QString platform = QGuiApplication::platformName();
    return platform == QLatin1String("xcb") || platform.startsWith(QLatin1String("wayland"));
}

} // namespace

EarlyStart::EarlyStart()
{
    if (!bridgeComes())
        return;
    thread_ = std::thread([] { (void)QDBusConnection::sessionBus().isConnected(); });
    quitting_ = QObject::connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit,
                                 QCoreApplication::instance(), [this] { join(); });
}

EarlyStart::~EarlyStart()
{
    QObject::disconnect(quitting_);
    join();
}

void EarlyStart::join()
{
    if (thread_.joinable())
        thread_.join();
}

} // namespace golexorb
