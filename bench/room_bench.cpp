// Rooms of 200 and 1,000 players on one private broker on loopback: how long
// a round message takes to reach every player, how long after the last
// player's results every player shows the standings (one scorer reads the
// results and publishes them), how many messages the players get at a
// round's end, and how many chat lines a second a room of 200 carries with
// the slowest 1 in 100 still under 200 ms; and, with no broker, what one
// player's reading of a round's standings costs.
//
// Each player is a libmosquitto client with the game's own view of the room
// (game::room::RoomState): they read every message as the game does and
// publish what it says. All 200 run on one thread, their sockets polled
// together; the broker, Debian's mosquitto fetched by scripts/mqtt-broker,
// runs as a process of its own. Bounded: 5 rounds of 200 players, 3 of
// 1,000, three chat rates of 3 s each; the whole run takes a few minutes
// (joining 1,000 players is a million presence messages).

#include "roomstate.h"

#include <benchmark/benchmark.h>
#include <mosquitto.h>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <functional>
#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

extern char** environ;

namespace {

using namespace game::room;
using Clock = std::chrono::steady_clock;

constexpr int kPlayers = 200; // the room the chat rates are measured in

double msSince(Clock::time_point t0, Clock::time_point t)
{
    return std::chrono::duration<double, std::milli>(t - t0).count();
}

Millis wallNow()
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::system_clock::now().time_since_epoch())
        .count();
}

double percentile(std::vector<double> v, double p)
{
    if (v.empty())
        return 0;
    std::sort(v.begin(), v.end());
    return v[std::min(v.size() - 1, std::size_t(p / 100.0 * double(v.size())))];
}

// ---------------------------------------------------------------- the broker

class Broker {
public:
    bool start(std::string* why)
    {
        const std::string state = GOLEXORB_MQTT_STATE;
        if (std::system(("'" GOLEXORB_MQTT_SCRIPT "' fetch '" + state + "' >/dev/null").c_str()) != 0
            || std::filesystem::exists(state + "/unavailable")) {
            std::ifstream f(state + "/unavailable");
            std::getline(f, *why);
            return false;
        }
        std::string libs;
        std::getline(std::ifstream(state + "/libs"), libs);
        dir_ = std::filesystem::temp_directory_path() / ("golexorb-room-bench-" + std::to_string(getpid()));
        std::filesystem::create_directories(dir_);
        for (port_ = 21000 + getpid() % 1000; port_ < 21000 + getpid() % 1000 + 20; ++port_) {
            std::ofstream(dir_ / "mosquitto.conf") << "listener " << port_ << " 127.0.0.1\nallow_anonymous true\n"
                                                      "persistence false\nmax_connections -1\nset_tcp_nodelay true\nlog_dest stderr\n"
                                                      "log_type error\nlog_type information\n";
            const std::string program = state + "/root/usr/sbin/mosquitto";
            const std::string conf = (dir_ / "mosquitto.conf").string();
            const std::string log = (dir_ / "log").string();
            const std::string ldpath = "LD_LIBRARY_PATH=" + libs;
            posix_spawn_file_actions_t actions;
            posix_spawn_file_actions_init(&actions);
            posix_spawn_file_actions_addopen(&actions, 2, log.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
            std::vector<char*> env{const_cast<char*>(ldpath.c_str()), nullptr};
            char* argv[] = {const_cast<char*>(program.c_str()), const_cast<char*>("-c"), const_cast<char*>(conf.c_str()),
                            nullptr};
            const int rc = posix_spawn(&pid_, program.c_str(), &actions, nullptr, argv, env.data());
            posix_spawn_file_actions_destroy(&actions);
            if (rc != 0) {
                *why = "cannot start " + program;
                return false;
            }
            for (int i = 0; i < 50; ++i) {
                std::this_thread::sleep_for(std::chrono::milliseconds(100));
                std::stringstream text;
                text << std::ifstream(log).rdbuf();
                if (text.str().find(" running") != std::string::npos)
                    return true;
                if (waitpid(pid_, nullptr, WNOHANG) == pid_)
                    break; // the port is taken: the next one
            }
            stop();
        }
        *why = "the broker did not start";
        return false;
    }
    void stop()
    {
        if (pid_ > 0) {
            kill(pid_, SIGTERM);
            waitpid(pid_, nullptr, 0);
            pid_ = 0;
        }
    }
    ~Broker()
    {
        stop();
        if (!dir_.empty())
            std::filesystem::remove_all(dir_);
    }
    int port() const { return port_; }
    pid_t pid() const { return pid_; }

private:
    pid_t pid_ = 0;
    int port_ = 0;
    std::filesystem::path dir_;
};

// ---------------------------------------------------------------- the players

struct Player;
using OnMessage = std::function<void(Player&, const RoomState::Effects&, const std::string& payload)>;

struct Player {
    int index = 0;
    mosquitto* client = nullptr;
    std::unique_ptr<RoomState> state;
    OnMessage* watch = nullptr;
    class Room* room = nullptr;

    void publish(const Outgoing& m)
    {
        mosquitto_publish(client, nullptr, m.topic.c_str(), int(m.payload.size()), m.payload.data(), m.qos, m.retain);
    }
    void apply(const RoomState::Effects& e)
    {
        for (const auto& f : e.unsubscribe)
            mosquitto_unsubscribe(client, nullptr, f.c_str());
        for (const auto& f : e.subscribe)
            mosquitto_subscribe(client, nullptr, f.c_str(), 1);
        for (const auto& m : e.publish)
            publish(m);
    }
};

class Room {
public:
    Room(int size, std::string name)
        : size_(size)
        , name_(std::move(name))
    {
    }
    ~Room()
    {
        for (auto& p : players_) {
            if (p->client) {
                mosquitto_disconnect(p->client);
                mosquitto_destroy(p->client);
            }
        }
    }

    bool open(int port, std::string* why)
    {
        for (int i = 0; i < size_; ++i) {
            auto p = std::make_unique<Player>();
            p->index = i;
            p->room = this;
            std::string name = "P"; // appended: GCC 12 at -O3 warns falsely of "P" + a temporary
            name += std::to_string(i);
            // Joined one after another, as the scorer's order has it.
            std::string session = "s";
            session += std::to_string(i);
            p->state = std::make_unique<RoomState>(name_, name, Masker(), [this](const game::Board&, const wordlist::Language&) { return std::optional(words_); },
                                                   Session{session, wallNow() + i});
            p->client = mosquitto_new(nullptr, true, p.get());
            // As the game's own client and broker: no message waits on Nagle's algorithm.
            mosquitto_int_option(p->client, MOSQ_OPT_TCP_NODELAY, 1);
            mosquitto_message_callback_set(p->client, [](mosquitto*, void* data, const mosquitto_message* m) {
                auto* player = static_cast<Player*>(data);
                ++player->room->received_;
                const std::string payload(static_cast<const char*>(m->payload), std::size_t(m->payloadlen));
                const auto e = player->state->receive(m->topic, payload, m->retain, false, wallNow());
                player->apply(e);
                if (player->watch)
                    (*player->watch)(*player, e, payload);
            });
            const Outgoing will = p->state->will();
            mosquitto_will_set(p->client, will.topic.c_str(), int(will.payload.size()), will.payload.data(), 1, true);
            if (mosquitto_connect(p->client, "127.0.0.1", port, 60) != MOSQ_ERR_SUCCESS) {
                *why = "player " + name + " cannot connect";
                return false;
            }
            for (const auto& filter : subscriptions(name_))
                mosquitto_subscribe(p->client, nullptr, filter.c_str(), 1);
            p->apply(p->state->connected(wallNow()));
            players_.push_back(std::move(p));
        }
        for (int i = 0; i < 400; ++i)
            words_.insert(word(i));
        // Everyone has everyone else's "here".
        return pumpUntil([&] {
            return std::all_of(players_.begin(), players_.end(),
                               [this](const auto& p) { return p->state->playersHere().size() == std::size_t(size_ - 1); });
        }, 180'000, why);
    }

    // The library reads one packet a call when none awaits an
    // acknowledgement: read on until the socket has no more.
    static void readAll(mosquitto* client)
    {
        for (int k = 0; k < 1000; ++k) {
            errno = 0;
            if (mosquitto_loop_read(client, 1) != MOSQ_ERR_SUCCESS || errno == EAGAIN || errno == EWOULDBLOCK)
                return;
        }
    }

    // Runs every client until `done` or the time is up.
    bool pumpUntil(const std::function<bool()>& done, int ms, std::string* why)
    {
        const auto end = Clock::now() + std::chrono::milliseconds(ms);
        std::vector<pollfd> fds(players_.size());
        auto misc = Clock::now();
        while (!done()) {
            if (Clock::now() > end) {
                *why = "timed out";
                return false;
            }
            for (std::size_t i = 0; i < players_.size(); ++i) {
                fds[i].fd = mosquitto_socket(players_[i]->client);
                fds[i].events = short(POLLIN | (mosquitto_want_write(players_[i]->client) ? POLLOUT : 0));
                fds[i].revents = 0;
            }
            poll(fds.data(), fds.size(), 5);
            for (std::size_t i = 0; i < players_.size(); ++i) {
                if (fds[i].revents & POLLIN)
                    readAll(players_[i]->client);
                if (mosquitto_want_write(players_[i]->client))
                    mosquitto_loop_write(players_[i]->client, 100);
            }
            if (Clock::now() - misc > std::chrono::seconds(1)) {
                for (auto& p : players_)
                    mosquitto_loop_misc(p->client);
                misc = Clock::now();
            }
        }
        return true;
    }

    // Runs every client until nothing has arrived for 200 ms and nothing
    // waits to be sent, so that the next measurement starts on a quiet room:
    // what a player publishes from a message callback (a new round clears
    // its last results) waits in the library until the next write, and the
    // broker may still be fanning it out well after the last poll woke.
    void settle()
    {
        std::vector<pollfd> fds(players_.size());
        const auto end = Clock::now() + std::chrono::seconds(20);
        auto quietSince = Clock::now();
        while (Clock::now() - quietSince < std::chrono::milliseconds(200) && Clock::now() < end) {
            const long before = received_;
            bool writing = false;
            for (std::size_t k = 0; k < players_.size(); ++k) {
                const bool want = mosquitto_want_write(players_[k]->client);
                writing = writing || want;
                fds[k] = {mosquitto_socket(players_[k]->client), short(POLLIN | (want ? POLLOUT : 0)), 0};
            }
            poll(fds.data(), fds.size(), 50);
            for (std::size_t k = 0; k < players_.size(); ++k) {
                if (fds[k].revents & POLLIN)
                    readAll(players_[k]->client);
                if (mosquitto_want_write(players_[k]->client))
                    mosquitto_loop_write(players_[k]->client, 100);
            }
            if (writing || received_ != before)
                quietSince = Clock::now();
        }
    }

    static std::string word(int i)
    {
        std::string w = "WRD";
        for (int k = 0; k < 3; ++k, i /= 26)
            w += char('A' + i % 26);
        return w;
    }

    std::vector<std::unique_ptr<Player>>& players() { return players_; }
    int size() const { return size_; }
    long received() const { return received_; }

private:
    int size_;
    std::string name_;
    std::vector<std::unique_ptr<Player>> players_;
    std::set<std::string> words_;
    long received_ = 0; // messages read by every player, for settle()
};

Room* g_room = nullptr;
pid_t g_broker = 0;
std::string g_problem;

// Processor time a process has used, user and system, in ms.
double cpuMs(pid_t pid)
{
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string text((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
    std::istringstream fields(text.substr(text.rfind(')') + 2)); // the name may hold spaces
    std::string field;
    double ticks = 0;
    for (int i = 3; i <= 15 && fields >> field; ++i)
        if (i == 14 || i == 15)
            ticks += std::stod(field);
    return ticks * 1000.0 / double(sysconf(_SC_CLK_TCK));
}

// The room of `size` players, opened at the first call; one at a time.
Room* room(int size = kPlayers)
{
    static Broker broker;
    static bool brokerTried = false;
    static std::unique_ptr<Room> open;
    if (!brokerTried) {
        brokerTried = true;
        if (!broker.start(&g_problem))
            return nullptr;
        g_broker = broker.pid();
    }
    if (!g_broker)
        return nullptr;
    if (!open || open->size() != size) {
        open.reset(); // its players leave
        open = std::make_unique<Room>(size, "bench" + std::to_string(size));
        if (!open->open(broker.port(), &g_problem)) {
            open.reset();
            return nullptr;
        }
    }
    g_room = open.get();
    return g_room;
}

// ---------------------------------------------------------------- rounds

// One round after another: the round message to every player, then every
// player's results (20 words each, some shared) and the standings.
void roundAndStandings(benchmark::State& st)
{
    const int size = int(st.range(0));
    const int rounds = size > 200 ? 3 : 5;
    Room* r = room(size);
    if (!r) {
        st.SkipWithError(("no broker: " + g_problem).c_str());
        return;
    }
    auto& players = r->players();
    std::vector<double> toAll, roundMax, standings, standingsMax;
    long roundEndMessages = 0, roundEndMost = 0; // delivered to the players at a round's end
    double scoredAfter = 0, standingsBytes = 0;   // when the scorer published, a round's mean; the message's size
    double playersCpu = 0, brokerCpu = 0; // during the standings, every round
    for (auto _ : st) {
        for (int round = 0; round < rounds; ++round) {
            Clock::time_point published, lastResult, scored;
            int got = 0, shown = 0;
            std::vector<Clock::time_point> arrived(size), stood(size);
            OnMessage watch = [&](Player& p, const RoomState::Effects& e, const std::string&) {
                if (e.start) {
                    arrived[std::size_t(p.index)] = Clock::now();
                    ++got;
                }
                for (const auto& m : e.publish)
                    if (m.topic.find("/standings/") != std::string::npos && !m.payload.empty()) {
                        scored = Clock::now();
                        standingsBytes = double(m.payload.size());
                    }
                for (const auto& line : e.lines)
                    if (line.starts_with("Standings")) {
                        stood[std::size_t(p.index)] = Clock::now();
                        ++shown;
                    }
            };
            for (auto& p : players)
                p->watch = &watch;
            // The starter plays too: its own start comes from startRound.
            Player& starter = *players[std::size_t(round)];
            game::Board board;
            for (auto& cell : board)
                cell.assign(1, 'E');
            std::string id = "r";
            id += std::to_string(round);
            id += 'x';
            id += std::to_string(wallNow());
            auto e = starter.state->startRound(board, 1, id, wallNow());
            // The round's end as its clock has it: the players' time runs
            // out. (Ending early adds a presence line that all hear.)
            const game::room::Millis roundOver = e.start->start + 61'000;
            published = Clock::now();
            starter.apply(e);
            watch(starter, e, {});
            std::string why;
            if (!r->pumpUntil([&] { return got == size; }, 20'000, &why)) {
                st.SkipWithError(("round " + std::to_string(round) + ": " + why).c_str());
                return;
            }
            r->settle();
            // Every player's round ends: 20 words each, some shared.
            for (auto& p : players) {
                std::vector<std::string> words;
                for (int k = 0; k < 20; ++k)
                    words.push_back(Room::word((p->index * 7 + k * 13) % 400));
                const auto ended = p->state->roundEnded(words, roundOver);
                p->apply(ended);
                watch(*p, ended, {});
            }
            lastResult = Clock::now();
            const double players0 = cpuMs(getpid()), broker0 = cpuMs(g_broker);
            const long received0 = r->received();
            if (!r->pumpUntil([&] { return shown == size; }, 20'000, &why)) {
                st.SkipWithError(("standings " + std::to_string(round) + ": " + why).c_str());
                return;
            }
            scoredAfter += msSince(lastResult, scored);
            playersCpu += cpuMs(getpid()) - players0;
            brokerCpu += cpuMs(g_broker) - broker0;
            r->settle();
            roundEndMessages += r->received() - received0;
            roundEndMost = std::max(roundEndMost, r->received() - received0);
            double worst = 0, worstStanding = 0;
            for (int i = 0; i < size; ++i) {
                if (&*players[std::size_t(i)] != &starter) {
                    toAll.push_back(msSince(published, arrived[std::size_t(i)]));
                    worst = std::max(worst, toAll.back());
                }
                standings.push_back(std::max(0.0, msSince(lastResult, stood[std::size_t(i)])));
                worstStanding = std::max(worstStanding, standings.back());
            }
            roundMax.push_back(worst);
            standingsMax.push_back(worstStanding);
            for (auto& p : players)
                p->watch = nullptr;
        }
    }
    st.counters["round_p50_ms"] = percentile(toAll, 50);
    st.counters["round_p99_ms"] = percentile(toAll, 99);
    st.counters["round_to_all_max_ms"] = *std::max_element(roundMax.begin(), roundMax.end());
    st.counters["standings_p50_ms"] = percentile(standings, 50);
    st.counters["standings_p99_ms"] = percentile(standings, 99);
    st.counters["standings_max_ms"] = *std::max_element(standingsMax.begin(), standingsMax.end());
    // Where the standings' time goes: the one thread of all 200 players, and the broker.
    st.counters["standings_players_cpu_ms"] = playersCpu / rounds;
    st.counters["standings_broker_cpu_ms"] = brokerCpu / rounds;
    // Counted at the players: the results the scorer reads, the standings everyone does.
    st.counters["round_end_messages"] = double(roundEndMessages) / rounds;
    st.counters["round_end_messages_max"] = double(roundEndMost);
    st.counters["round_end_limit_2n_10"] = 2.0 * size + 10;
    st.counters["scorer_published_ms"] = scoredAfter / rounds;
    st.counters["standings_bytes"] = standingsBytes;
}
BENCHMARK(roundAndStandings)->Arg(200)->Arg(1000)->Iterations(1)->Unit(benchmark::kMillisecond);

// What one player does with a round's standings, with no broker: read the
// message, check its own line and write the chat lines. In the room
// benchmark every player does this on one thread, one after another.
void standingsRead(benchmark::State& st)
{
    const int size = int(st.range(0));
    std::set<std::string> all;
    for (int i = 0; i < 400; ++i)
        all.insert(Room::word(i));
    const RoomState::BoardWords words = [&](const game::Board&, const wordlist::Language&) { return std::optional(all); };
    std::map<std::string, std::vector<std::string>> results;
    for (int p = 0; p < size; ++p)
        for (int k = 0; k < 20; ++k)
            results["P" + std::to_string(p)].push_back(Room::word((p * 7 + k * 13) % 400));
    game::Board board;
    for (auto& cell : board)
        cell.assign(1, 'E');
    const Millis now = wallNow();
    RoomState starter("bench", "P0", Masker(), words);
    const Outgoing round = starter.startRound(board, 1, "r1", now).publish.back();
    const Outgoing standings = write("bench", scored(game::standings(results, all), "r1", "P0", size));
    std::size_t lines = 0;
    for (auto _ : st) {
        st.PauseTiming();
        RoomState reader("bench", "P1", Masker(), words);
        reader.receive(round.topic, round.payload, false, false, now);
        reader.roundEnded(results["P1"], now + 61'000);
        st.ResumeTiming();
        lines = reader.receive(standings.topic, standings.payload, true, false, now + 62'000).lines.size();
    }
    st.counters["lines"] = double(lines);
    st.counters["bytes"] = double(standings.payload.size());
}
BENCHMARK(standingsRead)->Arg(200)->Arg(1000)->Unit(benchmark::kMicrosecond);

// Every player chats at the same rate for 3 s; what arrives, how fast.
void chatRate(benchmark::State& st)
{
    Room* r = room();
    if (!r) {
        st.SkipWithError(("no broker: " + g_problem).c_str());
        return;
    }
    auto& players = r->players();
    const double perPlayer = double(st.range(0)) / 10.0; // lines a second
    std::vector<double> latency;
    long delivered = 0;
    double seconds = 0;
    for (auto _ : st) {
        const auto start = Clock::now();
        const auto sendFor = std::chrono::seconds(3);
        // Every line that reaches a player counts, shown or not: the room's
        // limit (20 lines a second in the chat list) leaves most out here.
        OnMessage watch = [&](Player&, const RoomState::Effects&, const std::string& payload) {
            const auto at = payload.find("t=");
            if (at == std::string::npos)
                return;
            const long long sent = std::atoll(payload.c_str() + at + 2);
            latency.push_back(double(std::chrono::duration_cast<std::chrono::microseconds>(Clock::now().time_since_epoch()).count() - sent) / 1000.0);
            ++delivered;
        };
        for (auto& p : players)
            p->watch = &watch;
        const double interval = 1.0 / (perPlayer * kPlayers); // seconds between two lines in the room
        long sent = 0;
        std::string why;
        r->pumpUntil([&] {
            const double elapsed = std::chrono::duration<double>(Clock::now() - start).count();
            while (elapsed < std::chrono::duration<double>(sendFor).count() && double(sent) * interval <= elapsed) {
                Player& p = *players[std::size_t(sent % kPlayers)];
                const long long us = std::chrono::duration_cast<std::chrono::microseconds>(Clock::now().time_since_epoch()).count();
                p.publish(*p.state->chat("t=" + std::to_string(us)));
                ++sent;
            }
            return elapsed > std::chrono::duration<double>(sendFor).count() + 1.0
                   || (elapsed > std::chrono::duration<double>(sendFor).count() && delivered >= sent * kPlayers);
        }, 10'000, &why);
        seconds = std::chrono::duration<double>(Clock::now() - start).count();
        for (auto& p : players)
            p->watch = nullptr;
        st.counters["lines_sent"] = double(sent);
        st.counters["deliveries_expected"] = double(sent * kPlayers);
    }
    st.counters["deliveries"] = double(delivered);
    st.counters["deliveries_per_s"] = double(delivered) / std::min(seconds, 3.0);
    st.counters["p50_ms"] = percentile(latency, 50);
    st.counters["p99_ms"] = percentile(latency, 99);
}
// 0.5, 1 and 2 lines a second from each of the 200 players.
BENCHMARK(chatRate)->Arg(5)->Arg(10)->Arg(20)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    // A socket for each of 1,000 players, here and in the broker, which inherits the limit.
    rlimit files{};
    if (getrlimit(RLIMIT_NOFILE, &files) == 0 && files.rlim_cur < files.rlim_max) {
        files.rlim_cur = files.rlim_max;
        setrlimit(RLIMIT_NOFILE, &files);
    }
    mosquitto_lib_init();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    mosquitto_lib_cleanup();
    return 0;
}
