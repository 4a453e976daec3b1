#pragma once
// The one connection of a player to a room's broker, through libmosquitto:
// the thin layer between the library and Qt's event loop. The library runs
// in a thread of its own (connecting, reading, keeping alive, trying again
// with back-off when the broker cannot be reached or drops the connection);
// what it hears waits for the window's thread in a queue of bounded length,
// which the window empties when told that something waits. Publishing
// goes from the window's thread straight into the library, which is safe
// once told it is used from threads.
//
// It speaks MQTT 5 and tells the broker the largest packet it takes, so
// that a huge message is never read: a broker that keeps to the standard
// drops it rather than send it. From a broker that speaks only MQTT 3.1.1
// (the link falls back to it) or sends one anyway, such a message ends the
// connection, and the link says so.

#include "room.h"

#include <QByteArray>
#include <QObject>
#include <QString>

#include <memory>
#include <optional>
#include <set>
#include <string>
#include <thread>
#include <vector>

namespace golexorb {

class RoomLink : public QObject {
    Q_OBJECT
public:
    struct Settings {
        game::room::Address address;
        QByteArray password;            // only while the link lives; never written anywhere
        game::room::Outgoing will;      // the Last Will
        std::vector<std::string> subscriptions; // topic filters, kept for the link's life
    };

    explicit RoomLink(QObject* parent = nullptr);
    ~RoomLink() override;

    // A message heard.
    struct Incoming {
        QByteArray topic;
        QByteArray payload; // at most one byte over a message's limit: enough to know it is too big
        bool retained = false;
    };

    // Starts connecting; false, with the reason, when the library cannot be had.
    bool start(const Settings& settings, QString* why);
    // What waits, oldest first; `dropped` says how many messages were left
    // out since the last call, the queue being full.
    std::vector<Incoming> take(int* dropped);
    // Topic filters held besides the settings' ones, again after every
    // reconnection: the results a scorer reads.
    void subscribe(const std::string& filter);
    void unsubscribe(const std::string& filter);
    // Publishes with the message's QoS; false while not connected.
    bool publish(const game::room::Outgoing& message);
    // Publishes `goodbye` if connected, disconnects and lets the thread end.
    void stop(const std::optional<game::room::Outgoing>& goodbye = std::nullopt);
    bool isConnected() const;

    // The longest a back-off grows to, in milliseconds.
    static constexpr int kMaxBackoffMs = 30000;
    // Messages that may wait for the window, and chat lines among them:
    // a window that falls behind loses the latest, not its answers.
    static constexpr int kMaxWaiting = 1000;
    static constexpr int kMaxWaitingChat = 200;
    // The largest packet taken from the broker, as the hosted broker's own
    // limit: a round's standings (512 KB, the one message allowed over
    // 4 KB) with its topic and headers fits.
    static constexpr int kMaxPacketBytes = int(game::room::kMaxStandingsBytes) + 4096;

signals:
    void connected();
    // The broker cannot be reached, refused, or dropped the connection;
    // the link tries again by itself.
    void failed(const QString& why);
    // Messages wait for take(): said once until then.
    void arrived();

public:
    struct Shared;

private:
    std::shared_ptr<Shared> shared_;
    std::thread thread_;
};

} // namespace golexorb
