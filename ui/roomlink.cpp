#include "roomlink.h"

#include "mosquittoapi.h"

#include <QMetaObject>
#include <QPointer>
#include <QRandomGenerator>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstring>
#include <functional>
#include <mutex>

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
    int unsubscribeMid = 0;
    int goodbyeMid = 0;
    bool unsubscribed = false;
    bool goodbyeAcked = false;
    std::string refusal;          // why the broker refused, until the connection closes
    std::string lastError;        // the library's last complaint

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
    if (rc != 0) {
        s->refusal = s->api->connack_string(rc);
        return;
    }
    s->refusal.clear();
    s->api->subscribe(client, nullptr, s->settings.subscription.toUtf8().constData(), 1);
    s->connected = true;
    s->send([](RoomLink* link) { emit link->connected(); });
}

void onDisconnect(mosquitto*, void* data, int)
{
    static_cast<Shared*>(data)->connected = false;
}

void onMessage(mosquitto*, void* data, const mosquitto_message* m)
{
    auto* s = static_cast<Shared*>(data);
    // Anything longer than a message may be is ignored whole; a byte over
    // the limit says so without copying the rest.
    const int length = std::min<int>(m->payloadlen, int(game::room::kMaxMessageBytes) + 1);
    QByteArray topic(m->topic ? m->topic : "");
    QByteArray payload(static_cast<const char*>(m->payload), m->payload ? length : 0);
    const bool retained = m->retain;
    s->send([topic, payload, retained](RoomLink* link) { emit link->message(topic, payload, retained); });
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
    int rc = api.connect_async(s->client, a.hostName().c_str(), a.port, kKeepAliveSeconds);
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
                    api.unsubscribe(s->client, &s->unsubscribeMid, s->settings.subscription.toUtf8().constData());
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
        std::string why = !s->refusal.empty() ? "the server refused: " + s->refusal
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
        rc = api.reconnect_async(s->client);
    }
    std::lock_guard<std::mutex> hold(s->lock);
    api.destroy(s->client);
    s->client = nullptr;
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
        *why = QStringLiteral("the network library could not make a client");
        return false;
    }
    api->threaded_set(s->client, true);
    api->int_option(s->client, MOSQ_OPT_PROTOCOL_VERSION, MQTT_PROTOCOL_V311);
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
            *why = QStringLiteral("TLS cannot be set up: %1").arg(QString::fromLocal8Bit(api->strerror(rc)));
            api->destroy(s->client);
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
