#include "earlystart.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QGuiApplication>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <vector>

#include <fcntl.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace golexorb {

namespace {

bool isSet(const char* variable)
{
    const char* value = std::getenv(variable);
    return value && *value;
}

// Whether libdbus, asked for the session bus, would start it through
// dbus-launch: no bus named in the environment, no user bus in the runtime
// folder, and an X display (dbus-launch keeps one bus per display).
bool wouldAutolaunch(const QString& platform)
{
    if (isSet("DBUS_SESSION_BUS_ADDRESS") || !isSet("DISPLAY"))
        return false;
    if (const char* runtime = std::getenv("XDG_RUNTIME_DIR"); runtime && *runtime) {
        struct stat st {};
        const std::string bus = std::string(runtime) + "/bus";
        if (::stat(bus.c_str(), &st) == 0 && S_ISSOCK(st.st_mode) && st.st_uid == ::getuid())
            return false;
    }
    // On a platform other than X11 the bridge may not come, or not ask through X.
    const QString first = (platform.isEmpty() ? qEnvironmentVariable("QT_QPA_PLATFORM") : platform)
                              .section(QLatin1Char(';'), 0, 0)
                              .section(QLatin1Char(':'), 0, 0)
                              .trimmed();
    return first.isEmpty() || first == QLatin1String("xcb");
}

// The machine's id, which names its bus on the display, as libdbus reads it.
std::string machineId()
{
    for (const char* file : {"/var/lib/dbus/machine-id", "/etc/machine-id"}) {
        std::ifstream in(file);
        std::string id;
        if (in >> id && id.size() == 32)
            return id;
    }
    return {};
}

// Runs dbus-launch as libdbus does for its autolaunch, with the given
// environment; returns the address of the bus it found or started, or an
// empty string.
std::string runDbusLaunch(const std::string& id, const std::vector<std::string>& environment)
{
    int out[2];
    if (::pipe2(out, O_CLOEXEC) != 0)
        return {};
    std::vector<char*> env;
    for (const std::string& e : environment)
        env.push_back(const_cast<char*>(e.c_str()));
    env.push_back(nullptr);
    const char* argv[] = {"dbus-launch", "--autolaunch", id.c_str(), "--binary-syntax", "--close-stderr", nullptr};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_adddup2(&actions, out[1], 1);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    // The bus dbus-launch starts outlives the game: it must hold none of its
    // files, the display connection that Qt opens meanwhile least of all.
    posix_spawn_file_actions_addclosefrom_np(&actions, 3);
    pid_t pid = 0;
    // Where libdbus runs it from on Debian.
    const int spawned = ::posix_spawn(&pid, "/usr/bin/dbus-launch", &actions, nullptr, const_cast<char* const*>(argv),
                                      env.data());
    posix_spawn_file_actions_destroy(&actions);
    ::close(out[1]);
    std::string output;
    if (spawned == 0) {
        char buffer[512];
        for (;;) {
            const ssize_t n = ::read(out[0], buffer, sizeof buffer);
            if (n > 0)
                output.append(buffer, std::size_t(n));
            else if (n == 0 || errno != EINTR)
                break;
        }
    }
    ::close(out[0]);
    if (spawned != 0)
        return {};
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return {};
    // The binary syntax: the address, a NUL, then the bus's process and window ids.
    const std::string address = output.substr(0, output.find('\0'));
    return address.find(':') != std::string::npos ? address : std::string();
}

// The platforms whose integration brings the accessibility bridge, the one
// part of Qt that asks for the session bus at start-up.
bool bridgeComes()
{
    const QString platform = QGuiApplication::platformName();
    return platform == QLatin1String("xcb") || platform.startsWith(QLatin1String("wayland"));
}

} // namespace

EarlyStart::EarlyStart(const QString& platform)
{
    if (!wouldAutolaunch(platform))
        return;
    const std::string id = machineId();
    if (id.empty())
        return;
    // The environment is copied here: Qt changes it while it starts.
    std::vector<std::string> environment;
    for (char** e = environ; *e; ++e)
        environment.emplace_back(*e);
    launcher_ = std::thread([this, id, environment] { launchedAddress_ = runDbusLaunch(id, environment); });
}

EarlyStart::~EarlyStart()
{
    QObject::disconnect(quitting_);
    join();
}

void EarlyStart::applicationMade()
{
    if (launcher_.joinable()) {
        launcher_.join();
        // What libdbus reads when the session bus is first asked for.
        if (!launchedAddress_.empty())
            qputenv("DBUS_SESSION_BUS_ADDRESS", QByteArray::fromStdString(launchedAddress_));
    }
    if (!bridgeComes() || bus_.joinable())
        return;
    bus_ = std::thread([] { (void)QDBusConnection::sessionBus().isConnected(); });
    quitting_ = QObject::connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit,
                                 QCoreApplication::instance(), [this] { join(); });
}

void EarlyStart::join()
{
    if (launcher_.joinable())
        launcher_.join();
    if (bus_.joinable())
        bus_.join();
}

} // namespace golexorb
