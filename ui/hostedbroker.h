#pragma once
// "Host on this computer": Debian's MQTT broker, mosquitto, run as the
// player (not as a service) with a configuration of the game's own, on the
// first free port from 1883, stopped with the game, and ended by the
// system should the game be killed.
//
// The configuration never lies in a folder: it is written into a file in
// memory (memfd_create) that only the broker is handed, and sealed, so no
// one else can plant, read or change it. A game run as root starts the
// broker as the user the broker would take itself (mosquitto, or else
// nobody), so that it keeps the signal of the game's death.

#include <QObject>
#include <QString>
#include <QStringList>

class QProcess;

namespace golexorb {

class HostedBroker : public QObject {
    Q_OBJECT
public:
    explicit HostedBroker(QObject* parent = nullptr);
    ~HostedBroker() override;

    // The installed broker, or "" when the mosquitto package is missing.
    static QString installedProgram();
    // Another broker program, with the folders of its libraries (the tests
    // run one unpacked from its package).
    void setProgram(const QString& program, const QStringList& libraryFolders = {});

    // Starts listening on the first free port from `firstPort` on every
    // network of this computer, or on 127.0.0.1 alone; returns the port, or 0
    // with the reason for the player. Waits at most a few seconds.
    int start(int firstPort, QString* why, bool loopbackOnly = false);
    // Starts again on the port it had (after stop()).
    int restart(QString* why);
    void stop();
    bool running() const;
    int port() const { return port_; }
    // The broker's process, 0 when none runs.
    qint64 processId() const;

    // This computer's IPv4 addresses on its networks, loopback left out.
    static QStringList networkAddresses();

private:
    bool tryPort(int port, bool loopbackOnly, QString* why, bool* portTaken);

    QString program_;
    QStringList libraryFolders_;
    QProcess* process_ = nullptr;
    int port_ = 0;
    bool loopbackOnly_ = false;
};

} // namespace golexorb
