#pragma once
// Start-up work that mostly waits on other processes, run on a thread of its
// own while the window thread loads the fonts and builds the windows.
//
// A bare X session has no D-Bus session bus: the first program that asks
// for one starts it through dbus-launch and waits for it. Qt's accessibility
// bridge asks on the window thread at the first accessibility event, which
// comes while the main window is built, and would hold start-up that long.
// Asked here first, the connection is made beside the window thread's work
// and the bridge finds it made (Qt keeps one session bus per process).

#include <QMetaObject>

#include <thread>

namespace golexorb {

class EarlyStart {
public:
    // Starts the work; call once the application object exists. Does nothing
    // on a platform without an accessibility bridge (offscreen, minimal).
    EarlyStart();
    // Joins the thread: every way out of main passes here or through the
    // application's aboutToQuit, which comes before a caught signal ends the
    // process.
    ~EarlyStart();
    EarlyStart(const EarlyStart&) = delete;
    EarlyStart& operator=(const EarlyStart&) = delete;

    // Waits for the work to end. Safe to call more than once.
    void join();

private:
    std::thread thread_;
    QMetaObject::Connection quitting_;
};

} // namespace golexorb
