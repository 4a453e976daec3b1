#include "hostedbroker.h"

#include "writeall.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QProcess>
#include <QStandardPaths>

#include <arpa/inet.h>
#include <fcntl.h>
#include <grp.h>
#include <ifaddrs.h>
#include <net/if.h>
#include <netinet/in.h>
#include <pwd.h>
#include <sys/mman.h>
#include <sys/prctl.h>
#include <unistd.h>

#include <csignal>
#include <cstring>
#include <optional>

namespace golexorb {

namespace {

constexpr int kPortsTried = 20;

QString lastLine(const QByteArray& log)
{
    const QList<QByteArray> lines = log.trimmed().split('\n');
    QString line = lines.isEmpty() ? QString() : QString::fromLocal8Bit(lines.last()).trimmed();
    // mosquitto starts each line with the time in seconds.
    if (const int colon = line.indexOf(QLatin1String(": ")); colon > 0 && line.left(colon).toLongLong() > 0)
        line = line.mid(colon + 2);
    return line;
}

// The broker's configuration in a file of memory, sealed against change;
// -1 with errno on failure. Closed on exec: the broker's own copy is opened
// for it alone, between fork and exec.
int configFile(const QByteArray& text)
{
    const int fd = ::memfd_create("golexorb-mosquitto.conf", MFD_CLOEXEC | MFD_ALLOW_SEALING);
    if (fd < 0)
        return -1;
    if (!wordlist::writeAll(fd, std::string_view(text.constData(), std::size_t(text.size())))) {
        const int err = errno;
        ::close(fd);
        errno = err;
        return -1;
    }
    ::fcntl(fd, F_ADD_SEALS, F_SEAL_SHRINK | F_SEAL_GROW | F_SEAL_WRITE | F_SEAL_SEAL);
    return fd;
}

// Whom the broker runs as when the game is root: the user it would drop to
// itself, which it then need not do (a change of user would clear the
// signal of the game's death).
struct Account {
    uid_t uid;
    gid_t gid;
};
std::optional<Account> brokerAccount()
{
    for (const char* name : {"mosquitto", "nobody"})
        if (const passwd* p = ::getpwnam(name))
            return Account{p->pw_uid, p->pw_gid};
    return std::nullopt;
}

} // namespace

HostedBroker::HostedBroker(QObject* parent)
    : QObject(parent)
    , program_(installedProgram())
{
}

HostedBroker::~HostedBroker()
{
    stop();
}

QString HostedBroker::installedProgram()
{
    QString found = QStandardPaths::findExecutable(QStringLiteral("mosquitto"), {QStringLiteral("/usr/sbin")});
    if (found.isEmpty())
        found = QStandardPaths::findExecutable(QStringLiteral("mosquitto"));
    return found;
}

void HostedBroker::setProgram(const QString& program, const QStringList& libraryFolders)
{
    program_ = program;
    libraryFolders_ = libraryFolders;
}

bool HostedBroker::running() const
{
    return process_ && process_->state() == QProcess::Running;
}

int HostedBroker::start(int firstPort, QString* why, bool loopbackOnly)
{
    stop();
    if (program_.isEmpty()) {
        *why = QCoreApplication::translate("PlayTogether", "Hosting needs Debian's MQTT broker: install the mosquitto "
                                                           "package (sudo apt install mosquitto).");
        return 0;
    }
    for (int port = firstPort; port < firstPort + kPortsTried && port <= 65535; ++port) {
        bool taken = false;
        if (tryPort(port, loopbackOnly, why, &taken)) {
            port_ = port;
            loopbackOnly_ = loopbackOnly;
            return port;
        }
        if (!taken)
            break;
    }
    if (why->isEmpty())
        *why = QCoreApplication::translate("PlayTogether", "No free port from %1 to %2.").arg(firstPort).arg(firstPort + kPortsTried - 1);
    stop();
    return 0;
}

int HostedBroker::restart(QString* why)
{
    if (running())
        return port_;
    const int port = port_;
    bool taken = false;
    if (port > 0 && tryPort(port, loopbackOnly_, why, &taken))
        return port;
    return 0;
}

qint64 HostedBroker::processId() const
{
    return running() ? process_->processId() : 0;
}

bool HostedBroker::tryPort(int port, bool loopbackOnly, QString* why, bool* portTaken)
{
    // Anyone who reaches the port may join, as a home network's game
    // should; nothing is kept on disk; messages are no bigger than a room's
    // biggest, the standings (RoomLink::kMaxPacketBytes); each message
    // leaves at once, not held by Nagle's algorithm for the last one's
    // acknowledgement.
    const QByteArray text = QStringLiteral("listener %1%2\n").arg(port).arg(loopbackOnly ? QStringLiteral(" 127.0.0.1") : QString()).toUtf8()
                            + "allow_anonymous true\n"
                              "persistence false\n"
                              "max_packet_size 528384\n"
                              "set_tcp_nodelay true\n"
                              "log_dest stderr\n"
                              "log_type error\n"
                              "log_type warning\n"
                              "log_type notice\n"
                              "log_type information\n";
    std::optional<Account> account;
    if (::geteuid() == 0 && !(account = brokerAccount())) {
        *why = QCoreApplication::translate("PlayTogether", "As root, the broker runs as the user mosquitto or nobody, and this computer has neither.");
        return false;
    }
    const int config = configFile(text);
    if (config < 0) {
        *why = QCoreApplication::translate("PlayTogether", "The broker's settings cannot be made: %1").arg(QString::fromLocal8Bit(std::strerror(errno)));
        return false;
    }

    delete process_;
    process_ = new QProcess(this);
    process_->setProcessChannelMode(QProcess::MergedChannels);
    if (!libraryFolders_.isEmpty()) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("LD_LIBRARY_PATH"), libraryFolders_.join(QLatin1Char(':')));
        process_->setProcessEnvironment(env);
    }
    // In the child, between fork and exec (so only calls safe there): keep
    // the configuration open, become the broker's user, and end with the game.
    const pid_t game = ::getpid();
    process_->setChildProcessModifier([config, game, account] {
        ::fcntl(config, F_SETFD, 0);
        if (account && (::setgroups(1, &account->gid) != 0 || ::setgid(account->gid) != 0 || ::setuid(account->uid) != 0))
            ::_exit(127);
        ::prctl(PR_SET_PDEATHSIG, SIGKILL);
        if (::getppid() != game)
            ::_exit(0); // the game is gone already
    });
    process_->start(program_, {QStringLiteral("-c"), QStringLiteral("/proc/self/fd/%1").arg(config)});
    ::close(config);
    if (!process_->waitForStarted(3000)) {
        *why = QCoreApplication::translate("PlayTogether", "%1 cannot be started: %2").arg(program_, process_->errorString());
        return false;
    }
    // It says "running" once its listener is open, or ends at once when the
    // port is taken.
    QByteArray log;
    const QDeadlineTimer deadline(5000);
    while (!deadline.hasExpired()) {
        if (process_->state() != QProcess::Running) {
            log += process_->readAll();
            *portTaken = log.contains("Address already in use");
            *why = QCoreApplication::translate("PlayTogether", "The broker stopped: %1").arg(lastLine(log));
            return false;
        }
        process_->waitForReadyRead(100);
        log += process_->readAll();
        if (log.contains(" running")) {
            // Its log is of no further use: read and dropped, not kept.
            connect(process_, &QProcess::readyRead, process_, [p = process_] { p->readAll(); });
            return true;
        }
    }
    *why = QCoreApplication::translate("PlayTogether", "The broker did not start within 5 seconds: %1").arg(lastLine(log));
    process_->kill();
    process_->waitForFinished(1000);
    return false;
}

void HostedBroker::stop()
{
    if (process_) {
        if (process_->state() != QProcess::NotRunning) {
            process_->terminate();
            if (!process_->waitForFinished(2000)) {
                process_->kill();
                process_->waitForFinished(1000);
            }
        }
        delete process_;
        process_ = nullptr;
    }
}

QStringList HostedBroker::networkAddresses()
{
    QStringList out;
    ifaddrs* list = nullptr;
    if (getifaddrs(&list) != 0)
        return out;
    for (const ifaddrs* i = list; i; i = i->ifa_next) {
        if (!i->ifa_addr || i->ifa_addr->sa_family != AF_INET || !(i->ifa_flags & IFF_UP) || (i->ifa_flags & IFF_LOOPBACK))
            continue;
        char text[INET_ADDRSTRLEN] = {};
        const auto* in = reinterpret_cast<const sockaddr_in*>(i->ifa_addr);
        if (inet_ntop(AF_INET, &in->sin_addr, text, sizeof text))
            out.append(QString::fromLatin1(text));
    }
    freeifaddrs(list);
    return out;
}

} // namespace golexorb
