#pragma once
// The one connection of a player to a room's broker, through libmosquitto:
// the thin layer between the library and Qt's event loop. The library runs
// in a thread of its own (connecting, reading, keeping alive, trying again
// with back-off when the broker cannot be reached or drops the connection);
// what it hears comes to the window's thread as queued signals. Publishing
// goes from the window's thread straight into the library, which is safe
// once told it is used from threads.

#include "room.h"

#include <QByteArray>
#include <QObject>
#include <QString>

#include <memory>
#include <optional>
#include <thread>

namespace golexorb {

class RoomLink : public QObject {
    Q_OBJECT
public:
    struct Settings {
        game::room::Address address;
        QByteArray password;            // only while the link lives; never written anywhere
        game::room::Outgoing will;      // the Last Will
        QString subscription;
    };

    explicit RoomLink(QObject* parent = nullptr);
    ~RoomLink() override;

    // Starts connecting; false, with the reason, when the library cannot be had.
    bool start(const Settings& settings, QString* why);
    // Publishes with the message's QoS; false while not connected.
    bool publish(const game::room::Outgoing& message);
    // Publishes `goodbye` if connected, disconnects and lets the thread end.
    void stop(const std::optional<game::room::Outgoing>& goodbye = std::nullopt);
    bool isConnected() const;

    // The longest a back-off grows to, in milliseconds.
    static constexpr int kMaxBackoffMs = 30000;

signals:
    void connected();
    // The broker cannot be reached, refused, or dropped the connection;
    // the link tries again by itself.
    void failed(const QString& why);
    void message(const QByteArray& topic, const QByteArray& payload, bool retained);

public:
    struct Shared;

private:
    std::shared_ptr<Shared> shared_;
    std::thread thread_;
};

} // namespace golexorb
