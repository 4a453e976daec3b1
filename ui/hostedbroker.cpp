#include "hostedbroker.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>

#include <arpa/inet.h>
#include <ifaddrs.h>
#include <net/if.h>
#include <netinet/in.h>

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
        *why = QStringLiteral("Hosting needs Debian's MQTT broker: install the mosquitto package "
                              "(sudo apt install mosquitto).");
        return 0;
    }
    // A folder of this run's own in the runtime folder holds the configuration.
    QString base = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (base.isEmpty())
        base = QDir::tempPath();
    folder_ = QDir(base).filePath(QStringLiteral("golexorb-broker-%1").arg(QCoreApplication::applicationPid()));
    if (!QDir().mkpath(folder_)) {
        *why = QStringLiteral("The folder %1 for the broker's settings cannot be made.").arg(folder_);
        return 0;
    }
    QFile::setPermissions(folder_, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
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
        *why = QStringLiteral("No free port from %1 to %2.").arg(firstPort).arg(firstPort + kPortsTried - 1);
    stop();
    return 0;
}

int HostedBroker::restart(QString* why)
{
    if (running())
        return port_;
    const int port = port_;
    bool taken = false;
    if (port > 0 && !folder_.isEmpty() && QDir().mkpath(folder_) && tryPort(port, loopbackOnly_, why, &taken))
        return port;
    return 0;
}

bool HostedBroker::tryPort(int port, bool loopbackOnly, QString* why, bool* portTaken)
{
    const QString config = QDir(folder_).filePath(QStringLiteral("mosquitto.conf"));
    QFile file(config);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        *why = QStringLiteral("The broker's settings cannot be written to %1.").arg(config);
        return false;
    }
    // Anyone who reaches the port may join, as a home network's game
    // should; nothing is kept on disk; messages are no bigger than a room's.
    file.write(QStringLiteral("listener %1%2\n").arg(port).arg(loopbackOnly ? QStringLiteral(" 127.0.0.1") : QString()).toUtf8());
    file.write("allow_anonymous true\n"
               "persistence false\n"
               "max_packet_size 16384\n"
               "log_dest stderr\n"
               "log_type error\n"
               "log_type warning\n"
               "log_type notice\n"
               "log_type information\n");
    file.close();

    delete process_;
    process_ = new QProcess(this);
    process_->setProcessChannelMode(QProcess::MergedChannels);
    if (!libraryFolders_.isEmpty()) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("LD_LIBRARY_PATH"), libraryFolders_.join(QLatin1Char(':')));
        process_->setProcessEnvironment(env);
    }
    process_->start(program_, {QStringLiteral("-c"), config});
    if (!process_->waitForStarted(3000)) {
        *why = QStringLiteral("%1 cannot be started: %2").arg(program_, process_->errorString());
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
            *why = QStringLiteral("The broker stopped: %1").arg(lastLine(log));
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
    *why = QStringLiteral("The broker did not start within 5 seconds: %1").arg(lastLine(log));
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
    if (!folder_.isEmpty() && !running()) {
        QDir(folder_).removeRecursively();
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
