#include "roomlink.h"

#include "mosquittoapi.h"

#include <QCoreApplication>
#include <QMetaObject>
#include <QPointer>
#include <QRandomGenerator>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstring>
#include <deque>
#include <functional>
#include <mutex>
#include <utility>

namespace golexorb {

// What the window's thread and the library's share. The library's thread
// owns the client and destroys it when it ends, which may be after the
// link is gone (a name lookup cannot be cut short).
struct RoomLink::Shared {
    const MosquittoApi* api = nullptr;
    mosquitto* client = nullptr;
    RoomLink::Settings settings;
    std::mutex lock;              // guards what follows, and the client's end
    std::condition_variable wake;
    std::function<void(std::function<void(RoomLink*)>)> post; // to the window's thread; empty once stopping
    bool stopping = false;
    bool finished = false;
    std::atomic<bool> connected{false};
    std::optional<game::room::Outgoing> goodbye; // published before disconnecting
    // Leaving, on the library's thread: no message may arrive once the
    // library is told to disconnect (it would close the socket before the
    // DISCONNECT is out, and the broker would publish the Last Will), so
    // the subscription goes first, then the goodbye, acknowledged.
    int unsubscribeMid = 0;             // the last of the filters
    std::set<std::string> extra;        // subscribe() and unsubscribe(); guarded by `lock`
    int goodbyeMid = 0;
    bool unsubscribed = false;
    bool goodbyeAcked = false;
    std::string refusal;          // why the broker refused, until the connection closes
    std::string cut;              // why this link ended the connection
    std::string lastError;        // the library's last complaint
    mosquitto_property* connectProperties = nullptr; // MQTT 5: the largest packet this link takes
    bool mqtt311 = false;         // the broker speaks no MQTT 5
    bool tryAtOnce = false;       // try again without waiting: in MQTT 3.1.1 this time

    // What waits for the window's thread.
    std::mutex inboxLock;         // guards what follows
    std::deque<RoomLink::Incoming> inbox;
    int inboxChat = 0;
    int dropped = 0;
    bool announced = false;       // arrived() is on its way, and take() not yet called

    void send(std::function<void(RoomLink*)> what)
    {
        const std::lock_guard<std::mutex> hold(lock);
        if (post)
            post(std::move(what));
    }
};

namespace {

using Shared = RoomLink::Shared;

constexpr int kKeepAliveSeconds = 20;
constexpr int kLoopMs = 100;

void onConnect(mosquitto* client, void* data, int rc)
{
    auto* s = static_cast<Shared*>(data);
    if (rc == MQTT_RC_UNSUPPORTED_PROTOCOL_VERSION && !s->mqtt311) {
        s->mqtt311 = true;
        s->tryAtOnce = true;
        return;
    }
    if (rc != 0) {
        s->refusal = s->mqtt311 ? s->api->connack_string(rc) : s->api->reason_string(rc);
        return;
    }
    s->refusal.clear();
    for (const auto& filter : s->settings.subscriptions)
        s->api->subscribe(client, nullptr, filter.c_str(), 1);
    {
        const std::lock_guard<std::mutex> hold(s->lock);
        for (const auto& filter : s->extra)
            s->api->subscribe(client, nullptr, filter.c_str(), 1);
    }
    s->connected = true;
    s->send([](RoomLink* link) { emit link->connected(); });
}

void onDisconnect(mosquitto*, void* data, int)
{
    static_cast<Shared*>(data)->connected = false;
}

void onMessage(mosquitto* client, void* data, const mosquitto_message* m)
{
    auto* s = static_cast<Shared*>(data);
    if (m->payloadlen > RoomLink::kMaxPacketBytes) {
        // The broker sent what it was told not to, or speaks no MQTT 5: read
        // whole already, but never again on this connection.
        s->cut = "the server sent a message of " + std::to_string(m->payloadlen) + " bytes, over the "
                 + std::to_string(RoomLink::kMaxPacketBytes / 1024) + " KB a room's message may take";
        s->api->disconnect(client);
        return;
    }
    // Anything longer than a message may be is ignored whole; a byte over
    // the limit says so without copying the rest.
    const std::string_view topic(m->topic ? m->topic : "");
    const int length = std::min<int>(m->payloadlen, int(game::room::maxBytes(topic)) + 1);
    const bool chat = topic.ends_with("/chat");
    bool announce = false;
    {
        const std::lock_guard<std::mutex> hold(s->inboxLock);
        if (s->inbox.size() >= std::size_t(RoomLink::kMaxWaiting) || (chat && s->inboxChat >= RoomLink::kMaxWaitingChat)) {
            ++s->dropped;
        } else {
            s->inbox.push_back({QByteArray(topic.data(), qsizetype(topic.size())),
                                QByteArray(static_cast<const char*>(m->payload), m->payload ? length : 0), m->retain});
            s->inboxChat += chat;
        }
        announce = !std::exchange(s->announced, true);
    }
    if (announce)
        s->send([](RoomLink* link) { emit link->arrived(); });
}

void onUnsubscribe(mosquitto*, void* data, int mid)
{
    auto* s = static_cast<Shared*>(data);
    if (mid == s->unsubscribeMid)
        s->unsubscribed = true;
}

void onPublish(mosquitto*, void* data, int mid)
{
    auto* s = static_cast<Shared*>(data);
    if (mid == s->goodbyeMid)
        s->goodbyeAcked = true;
}

void onLog(mosquitto*, void* data, int level, const char* text)
{
    if ((level & MOSQ_LOG_ERR) && text)
        static_cast<Shared*>(data)->lastError = text;
}

// The library's thread: connect, run, and after a failure wait and try
// again, the wait doubling up to half a minute.
void run(std::shared_ptr<Shared> s)
{
    const MosquittoApi& api = *s->api;
    const game::room::Address& a = s->settings.address;
    int backoff = 1000;
    // In MQTT 5 every connection, the first and each again, says how big a
    // packet may be; only the blocking connect sends CONNECT's properties
    // (it waits for the TCP connection alone: TLS goes on in the loop).
    const auto connect = [&] {
        s->refusal.clear();
        s->cut.clear();
        if (s->mqtt311) {
            api.int_option(s->client, MOSQ_OPT_PROTOCOL_VERSION, MQTT_PROTOCOL_V311);
            return api.connect_async(s->client, a.hostName().c_str(), a.port, kKeepAliveSeconds);
        }
        return api.connect_bind_v5(s->client, a.hostName().c_str(), a.port, kKeepAliveSeconds, nullptr,
                                   s->connectProperties);
    };
    int rc = connect();
    enum class Leaving { no, unsubscribing, sayingGoodbye, disconnecting } leaving = Leaving::no;
    std::chrono::steady_clock::time_point stepBy{};
    const auto nextStep = [&](Leaving step) {
        leaving = step;
        stepBy = std::chrono::steady_clock::now() + std::chrono::seconds(1);
    };
    for (;;) {
        if (rc == MOSQ_ERR_SUCCESS) {
            for (;;) {
                rc = api.loop(s->client, kLoopMs, 1);
                if (rc != MOSQ_ERR_SUCCESS)
                    break;
                if (s->connected)
                    backoff = 1000;
                {
                    const std::lock_guard<std::mutex> hold(s->lock);
                    if (!s->stopping)
                        continue;
                }
                const bool late = std::chrono::steady_clock::now() > stepBy;
                if (leaving == Leaving::no) {
                    if (!s->connected)
                        break;
                    nextStep(Leaving::unsubscribing);
                    std::vector<std::string> filters = s->settings.subscriptions;
                    {
                        const std::lock_guard<std::mutex> hold(s->lock);
                        filters.insert(filters.end(), s->extra.begin(), s->extra.end());
                    }
                    for (const auto& filter : filters)
                        api.unsubscribe(s->client, &s->unsubscribeMid, filter.c_str());
                } else if (leaving == Leaving::unsubscribing && (s->unsubscribed || late)) {
                    nextStep(Leaving::sayingGoodbye);
                    if (s->goodbye)
                        api.publish(s->client, &s->goodbyeMid, s->goodbye->topic.c_str(), int(s->goodbye->payload.size()),
                                    s->goodbye->payload.data(), 1, s->goodbye->retain); // acknowledged before leaving
                    else
                        s->goodbyeAcked = true;
                } else if (leaving == Leaving::sayingGoodbye && (s->goodbyeAcked || late)) {
                    nextStep(Leaving::disconnecting);
                    api.disconnect(s->client);
                } else if (leaving == Leaving::disconnecting && late) {
                    break;
                }
            }
        }
        s->connected = false;
        if (std::exchange(s->tryAtOnce, false)) {
            bool stopping;
            {
                const std::lock_guard<std::mutex> hold(s->lock);
                stopping = s->stopping;
            }
            if (!stopping) {
                rc = connect();
                continue;
            }
        }
        std::string why = !s->cut.empty() ? s->cut
                          : !s->refusal.empty() ? "the server refused: " + s->refusal
                          : rc == MOSQ_ERR_ERRNO ? std::string(std::strerror(errno))
                          : rc == MOSQ_ERR_TLS && !s->lastError.empty() ? s->lastError
                                                                       : std::string(api.strerror(rc));
        s->refusal.clear();
        std::unique_lock<std::mutex> hold(s->lock);
        if (s->stopping)
            break;
        if (s->post) {
            const QString text = QString::fromLocal8Bit(why.c_str());
            s->post([text](RoomLink* link) { emit link->failed(text); });
        }
        s->wake.wait_for(hold, std::chrono::milliseconds(backoff), [&] { return s->stopping; });
        if (s->stopping)
            break;
        hold.unlock();
        backoff = std::min(backoff * 2, RoomLink::kMaxBackoffMs);
        rc = connect();
    }
    std::lock_guard<std::mutex> hold(s->lock);
    api.destroy(s->client);
    s->client = nullptr;
    api.property_free_all(&s->connectProperties);
    s->finished = true;
    s->wake.notify_all();
}

} // namespace

RoomLink::RoomLink(QObject* parent)
    : QObject(parent)
{
}

RoomLink::~RoomLink()
{
    stop();
}

bool RoomLink::start(const Settings& settings, QString* why)
{
    stop();
    const MosquittoApi* api = mosquittoApi(why);
    if (!api)
        return false;
    auto s = std::make_shared<Shared>();
    s->api = api;
    s->settings = settings;
    const QByteArray id = "golexorb-" + QByteArray::number(QRandomGenerator::system()->generate64(), 16).left(12);
    s->client = api->create(id.constData(), true, s.get());
    if (!s->client) {
        *why = QCoreApplication::translate("PlayTogether", "the network library could not make a client");
        return false;
    }
    api->threaded_set(s->client, true);
    api->int_option(s->client, MOSQ_OPT_PROTOCOL_VERSION, MQTT_PROTOCOL_V5);
    // Each message goes at once: Nagle's algorithm held a round's results
    // for the broker's delayed acknowledgement, 40 ms at every round's end.
    api->int_option(s->client, MOSQ_OPT_TCP_NODELAY, 1);
    if (api->property_add_int32(&s->connectProperties, MQTT_PROP_MAXIMUM_PACKET_SIZE, kMaxPacketBytes)
        != MOSQ_ERR_SUCCESS) {
        *why = QCoreApplication::translate("PlayTogether", "the network library could not make a client");
        api->destroy(s->client);
        return false;
    }
    api->connect_callback_set(s->client, onConnect);
    api->disconnect_callback_set(s->client, onDisconnect);
    api->message_callback_set(s->client, onMessage);
    api->unsubscribe_callback_set(s->client, onUnsubscribe);
    api->publish_callback_set(s->client, onPublish);
    api->log_callback_set(s->client, onLog);
    const auto& w = settings.will;
    api->will_set(s->client, w.topic.c_str(), int(w.payload.size()), w.payload.data(), 1, w.retain);
    const game::room::Address& a = settings.address;
    if (!a.user.empty())
        api->username_pw_set(s->client, a.user.c_str(), settings.password.isEmpty() ? nullptr : settings.password.constData());
    if (a.tls) {
        // The system's certificate authorities, and those OpenSSL's usual
        // SSL_CERT_FILE and SSL_CERT_DIR name; the server's certificate and
        // its name are checked.
        api->int_option(s->client, MOSQ_OPT_TLS_USE_OS_CERTS, 1);
        const int rc = api->tls_set(s->client, nullptr, "/etc/ssl/certs", nullptr, nullptr, nullptr);
        if (rc != MOSQ_ERR_SUCCESS) {
            *why = QCoreApplication::translate("PlayTogether", "TLS cannot be set up: %1").arg(QString::fromLocal8Bit(api->strerror(rc)));
            api->destroy(s->client);
            api->property_free_all(&s->connectProperties);
            return false;
        }
        api->tls_opts_set(s->client, 1, nullptr, nullptr);
    }
    QPointer<RoomLink> self(this);
    s->post = [self](std::function<void(RoomLink*)> what) {
        QMetaObject::invokeMethod(
            self.data(),
            [self, what = std::move(what)] {
                if (self)
                    what(self.data());
            },
            Qt::QueuedConnection);
    };
    shared_ = s;
    thread_ = std::thread(run, s);
    return true;
}

bool RoomLink::publish(const game::room::Outgoing& m)
{
    if (!shared_ || !shared_->connected)
        return false;
    const std::lock_guard<std::mutex> hold(shared_->lock);
    if (!shared_->client || shared_->stopping)
        return false;
    return shared_->api->publish(shared_->client, nullptr, m.topic.c_str(), int(m.payload.size()), m.payload.data(),
                                 m.qos, m.retain)
           == MOSQ_ERR_SUCCESS;
}

void RoomLink::subscribe(const std::string& filter)
{
    if (!shared_)
        return;
    const std::lock_guard<std::mutex> hold(shared_->lock);
    if (!shared_->extra.insert(filter).second || !shared_->client || shared_->stopping || !shared_->connected)
        return; // otherwise at the connection
    shared_->api->subscribe(shared_->client, nullptr, filter.c_str(), 1);
}

void RoomLink::unsubscribe(const std::string& filter)
{
    if (!shared_)
        return;
    const std::lock_guard<std::mutex> hold(shared_->lock);
    if (!shared_->extra.erase(filter) || !shared_->client || shared_->stopping || !shared_->connected)
        return;
    shared_->api->unsubscribe(shared_->client, nullptr, filter.c_str());
}

std::vector<RoomLink::Incoming> RoomLink::take(int* dropped)
{
    *dropped = 0;
    if (!shared_)
        return {};
    const std::lock_guard<std::mutex> hold(shared_->inboxLock);
    std::vector<Incoming> out(std::make_move_iterator(shared_->inbox.begin()),
                              std::make_move_iterator(shared_->inbox.end()));
    shared_->inbox.clear();
    shared_->inboxChat = 0;
    *dropped = std::exchange(shared_->dropped, 0);
    shared_->announced = false;
    return out;
}

bool RoomLink::isConnected() const
{
    return shared_ && shared_->connected;
}

void RoomLink::stop(const std::optional<game::room::Outgoing>& goodbye)
{
    if (!shared_)
        return;
    {
        const std::lock_guard<std::mutex> hold(shared_->lock);
        shared_->post = nullptr;
        shared_->goodbye = goodbye;
        shared_->stopping = true;
        shared_->wake.notify_all();
    }
    {
        // Long enough for the goodbye to go out; a thread still waiting for
        // a name lookup is left to end by itself.
        std::unique_lock<std::mutex> hold(shared_->lock);
        shared_->wake.wait_for(hold, std::chrono::seconds(4), [this] { return shared_->finished; });
    }
    if (shared_->finished)
        thread_.join();
    else
        thread_.detach();
    shared_.reset();
}

} // namespace golexorb
