#pragma once
// Start-up work that mostly waits on other processes, run on threads of its
// own while the window thread opens the display, loads the fonts and builds
// the windows.
//
// Qt's accessibility bridge connects to the D-Bus session bus at the first
// accessibility event, which comes while the main window is built, and
// start-up waits for it there. A bare X session has no session bus: then
// libdbus runs dbus-launch, which finds the display's bus or starts one,
// and that takes as long as a good part of start-up. So here dbus-launch is
// run the same way before the application object exists, and the bus is
// connected on a thread as soon as it does; the bridge finds the
// connection made (Qt keeps one session bus per process).

#include <QMetaObject>
#include <QString>

#include <string>
#include <thread>

namespace golexorb {

class EarlyStart {
public:
    // Call before the application object exists. `platform` is the value of
    // Qt's -platform option, if one was given. When the session bus would be
    // started through dbus-launch, runs it.
    explicit EarlyStart(const QString& platform);
    // Joins every thread: every way out of main passes here or through the
    // application's aboutToQuit, which comes before a caught signal ends the
    // process, or through join().
    ~EarlyStart();
    EarlyStart(const EarlyStart&) = delete;
    EarlyStart& operator=(const EarlyStart&) = delete;

    // Call once the application object exists and before any window: makes
    // the bus dbus-launch found the session's bus for this process, and
    // connects to the session bus on a thread. Does nothing more on a
    // platform without an accessibility bridge (offscreen, minimal).
    void applicationMade();

    // Waits for the work to end. Safe to call more than once.
    void join();

private:
    std::thread launcher_;
    std::string launchedAddress_; // written by launcher_ only
    std::thread bus_;
    QMetaObject::Connection quitting_;
};

} // namespace golexorb
