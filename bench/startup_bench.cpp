// A whole start-up as the player sees it: from exec until the main window is
// mapped, for the game and, beside it, for two floors: a bare Qt window of
// the same size, flags and title, and that window with one text label. Also
// the peak resident memory of each once its window is up.
//
// Needs a display with a window manager (bench/run-benchmarks starts Xvfb and
// openbox, and a D-Bus session as a desktop has one). Each run starts the
// program afresh, watches the root window for the map of the window frame that
// holds the program's window, then closes the window as a player would
// (WM_DELETE_WINDOW) and waits for the program to end. Runs of the three
// programs are interleaved, so that load from elsewhere on the machine falls
// on all alike; the processor time each spent until its window was mapped
// is given beside the wall time, since that load moves it far less.

#include "planted.h"

#include <benchmark/benchmark.h>

#include <xcb/xcb.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

constexpr const char* kTitle = "Go LEXORB";

xcb_connection_t* g_x = nullptr;
xcb_window_t g_root = 0;
std::filesystem::path g_scratch;
std::map<std::string, std::vector<double>> g_mapped; // program -> ms per run
std::map<std::string, std::vector<double>> g_cpu;    // program -> processor ms until mapped
std::map<std::string, std::vector<double>> g_peak;   // program -> MB per run
std::map<std::string, std::string> g_language;       // program -> LC_MESSAGES it starts with, if any

xcb_atom_t atom(const char* name)
{
    auto* r = xcb_intern_atom_reply(g_x, xcb_intern_atom(g_x, 0, std::uint16_t(std::strlen(name)), name), nullptr);
    if (!r)
        throw std::runtime_error(std::string("no atom ") + name);
    const xcb_atom_t a = r->atom;
    std::free(r);
    return a;
}

std::string title(xcb_window_t w)
{
    static const xcb_atom_t netWmName = atom("_NET_WM_NAME");
    for (xcb_atom_t property : {netWmName, xcb_atom_t(XCB_ATOM_WM_NAME)}) {
        auto* r = xcb_get_property_reply(
            g_x, xcb_get_property(g_x, 0, w, property, XCB_GET_PROPERTY_TYPE_ANY, 0, 256), nullptr);
        if (!r)
            continue;
        std::string s(static_cast<const char*>(xcb_get_property_value(r)),
                      std::size_t(xcb_get_property_value_length(r)));
        std::free(r);
        if (!s.empty())
            return s;
    }
    return {};
}

// The program's window inside a frame the window manager mapped (or the
// window itself when nothing framed it): the first one with our title.
std::optional<xcb_window_t> titled(xcb_window_t w, int depth = 0)
{
    if (title(w) == kTitle)
        return w;
    if (depth == 3)
        return std::nullopt;
    auto* r = xcb_query_tree_reply(g_x, xcb_query_tree(g_x, w), nullptr);
    if (!r)
        return std::nullopt;
    std::optional<xcb_window_t> found;
    const xcb_window_t* children = xcb_query_tree_children(r);
    for (int i = 0; i < xcb_query_tree_children_length(r) && !found; ++i)
        found = titled(children[i], depth + 1);
    std::free(r);
    return found;
}

// Waits for the next X event, at most until `deadline`.
xcb_generic_event_t* nextEvent(Clock::time_point deadline)
{
    for (;;) {
        if (auto* e = xcb_poll_for_event(g_x))
            return e;
        if (xcb_connection_has_error(g_x))
            throw std::runtime_error("lost the X connection");
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
        if (left <= 0)
            return nullptr;
        pollfd p{xcb_get_file_descriptor(g_x), POLLIN, 0};
        ::poll(&p, 1, int(left));
    }
}

// Processor time the program's threads have run so far, in ms: a figure that
// load from elsewhere on the machine barely moves, unlike the wall time.
double cpuMilliseconds(pid_t pid)
{
    double ns = 0;
    std::error_code ec;
    for (const auto& task : std::filesystem::directory_iterator("/proc/" + std::to_string(pid) + "/task", ec)) {
        std::ifstream schedstat(task.path() / "schedstat");
        double run = 0;
        if (schedstat >> run)
            ns += run;
    }
    return ns / 1e6;
}

double peakMegabytes(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmHWM:", 0) == 0)
            return std::strtod(line.c_str() + 6, nullptr) / 1024.0; // kB
    return 0;
}

bool ended(pid_t pid, Clock::time_point deadline)
{
    while (Clock::now() < deadline) {
        int st = 0;
        const pid_t r = ::waitpid(pid, &st, WNOHANG);
        if (r == pid)
            return WIFEXITED(st) && WEXITSTATUS(st) == 0;
        if (r < 0 && errno != EINTR)
            return false;
        ::usleep(2000);
    }
    return false;
}

void closeWindow(xcb_window_t w)
{
    static const xcb_atom_t protocols = atom("WM_PROTOCOLS");
    static const xcb_atom_t deleteWindow = atom("WM_DELETE_WINDOW");
    xcb_client_message_event_t m{};
    m.response_type = XCB_CLIENT_MESSAGE;
    m.format = 32;
    m.window = w;
    m.type = protocols;
    m.data.data32[0] = deleteWindow;
    m.data.data32[1] = XCB_CURRENT_TIME;
    xcb_send_event(g_x, 0, w, XCB_EVENT_MASK_NO_EVENT, reinterpret_cast<const char*>(&m));
    xcb_flush(g_x);
}

void startUp(benchmark::State& state, const std::string& name, const std::string& program)
{
    for (auto _ : state) {
        // Drop what earlier runs left in the queue.
        while (auto* e = xcb_poll_for_event(g_x))
            std::free(e);

        char* argv[] = {const_cast<char*>(program.c_str()), nullptr};
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
        posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
        pid_t pid = 0;
        const auto start = Clock::now();
        // A translated start-up: the game with LC_MESSAGES naming a language.
        std::vector<std::string> settings;
        std::vector<char*> env;
        for (char** e = environ; *e; ++e)
            if (!g_language.count(name) || std::strncmp(*e, "LC_MESSAGES=", 12) != 0)
                env.push_back(*e);
        if (g_language.count(name)) {
            settings.push_back("LC_MESSAGES=" + g_language[name]);
            env.push_back(settings.back().data());
        }
        env.push_back(nullptr);
        const int err = ::posix_spawn(&pid, program.c_str(), &actions, nullptr, argv, env.data());
        posix_spawn_file_actions_destroy(&actions);
        if (err != 0) {
            state.SkipWithError(("cannot start " + program + ": " + std::strerror(err)).c_str());
            return;
        }

        std::optional<xcb_window_t> window;
        Clock::time_point mapped;
        const auto deadline = start + std::chrono::seconds(20);
        while (!window) {
            xcb_generic_event_t* e = nextEvent(deadline);
            if (!e)
                break;
            if ((e->response_type & 0x7f) == XCB_MAP_NOTIFY) {
                const auto now = Clock::now();
                const auto* map = reinterpret_cast<const xcb_map_notify_event_t*>(e);
                if (map->event == g_root && (window = titled(map->window)))
                    mapped = now;
            }
            std::free(e);
        }
        if (!window) {
            ::kill(pid, SIGKILL);
            ::waitpid(pid, nullptr, 0);
            state.SkipWithError((name + ": no window \"" + kTitle + "\" was mapped").c_str());
            return;
        }
        const double ms = std::chrono::duration<double, std::milli>(mapped - start).count();
        state.SetIterationTime(ms / 1000.0);
        const double cpu = cpuMilliseconds(pid);
        state.counters["cpu_ms"] = cpu;
        g_cpu[name].push_back(cpu);

        // Let the first paint happen before reading the peak: it belongs to
        // start-up as much as loading the word list does.
        ::usleep(300'000);
        const double peak = peakMegabytes(pid);
        state.counters["peak_RSS_MB"] = peak;
        g_mapped[name].push_back(ms);
        g_peak[name].push_back(peak);

        closeWindow(*window);
        if (!ended(pid, Clock::now() + std::chrono::seconds(10))) {
            ::kill(pid, SIGKILL);
            ::waitpid(pid, nullptr, 0);
            state.SkipWithError((name + " did not end with status 0 when its window was closed").c_str());
            return;
        }
    }
}

double median(std::vector<double> v)
{
    if (v.empty())
        return 0;
    std::sort(v.begin(), v.end());
    const std::size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

} // namespace

int main(int argc, char** argv)
{
    g_x = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(g_x)) {
        std::fprintf(stderr, "startup bench: no X display (run it through bench/run-benchmarks)\n");
        return 1;
    }
    g_root = xcb_setup_roots_iterator(xcb_get_setup(g_x)).data->root;
    const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(g_x, g_root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(g_x);

    // The game writes its temporary copy of the word list here; whatever it
    // leaves behind shows up below.
    char templ[] = "/tmp/golexorb-startup-XXXXXX";
    if (!::mkdtemp(templ)) {
        std::perror("mkdtemp");
        return 1;
    }
    g_scratch = templ;
    ::setenv("TMPDIR", templ, 1);

    // --game=PATH measures another build of the game; --also=PATH measures
    // one more beside it, interleaved with the rest (a before and after);
    // --planted=N starts the game in a temporary folder where another user
    // planted N names like its own; --language=LOCALE measures the game
    // beside itself started with LC_MESSAGES=LOCALE (its windows translated).
    std::string game = GOLEXORB_GAME;
    std::vector<std::pair<std::string, std::string>> programs;
    std::vector<char*> args;
    bool repetitionsGiven = false;
    int planted = 0;
    for (int i = 0; i < argc; ++i) {
        if (std::strncmp(argv[i], "--game=", 7) == 0)
            game = argv[i] + 7;
        else if (std::strncmp(argv[i], "--planted=", 10) == 0)
            planted = std::atoi(argv[i] + 10);
        else if (std::strncmp(argv[i], "--also=", 7) == 0)
            programs.emplace_back(argv[i] + 7, argv[i] + 7);
        else if (std::strncmp(argv[i], "--language=", 11) == 0)
            g_language[std::string("golexorb in ") + (argv[i] + 11)] = argv[i] + 11;
        else
            args.push_back(argv[i]);
        repetitionsGiven = repetitionsGiven || std::strncmp(argv[i], "--benchmark_repetitions", 23) == 0;
    }
    bench::plantNames(g_scratch, planted);
    // Interleaved runs, one start-up each, reported as medians.
    std::string interleave = "--benchmark_enable_random_interleaving=true";
    args.insert(args.begin() + 1, interleave.data());
    int n = int(args.size());
    benchmark::Initialize(&n, args.data());

    programs.insert(programs.begin(), {{"golexorb", game},
                                       {"label window", GOLEXORB_LABEL_WINDOW},
                                       {"bare window", GOLEXORB_BARE_WINDOW}});
    for (const auto& [name, locale] : g_language)
        programs.emplace_back(name, game);
    for (const auto& [name, program] : programs) {
        auto* b = benchmark::RegisterBenchmark(("startup/exec to main window mapped/" + name).c_str(),
                                               [name = name, program = program](benchmark::State& s) {
                                                   startUp(s, name, program);
                                               });
        b->Iterations(1)->ReportAggregatesOnly(true)->UseManualTime()->Unit(benchmark::kMillisecond);
        if (!repetitionsGiven)
            b->Repetitions(31);
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();

    const double gameMs = median(g_mapped["golexorb"]);
    const double label = median(g_mapped["label window"]);
    const double bare = median(g_mapped["bare window"]);
    const auto range = [](const std::vector<double>& v) {
        if (v.empty())
            return std::string();
        const auto [lo, hi] = std::minmax_element(v.begin(), v.end());
        char text[64];
        std::snprintf(text, sizeof text, " (%.1f to %.1f)", *lo, *hi);
        return std::string(text);
    };
    if (gameMs > 0 && label > 0 && bare > 0) {
        std::printf("\nExec to main window mapped, %s D-Bus session bus, medians of %zu runs each (range):\n",
                    std::getenv("DBUS_SESSION_BUS_ADDRESS") ? "with a" : "without a", g_mapped["golexorb"].size());
        std::printf("  game %.1f ms%s, label window %.1f ms%s, bare window %.1f ms%s\n", gameMs,
                    range(g_mapped["golexorb"]).c_str(), label, range(g_mapped["label window"]).c_str(), bare,
                    range(g_mapped["bare window"]).c_str());
        std::printf("  game / label window %.2fx (target 1.3x), game / bare window %.2fx, label / bare %.2fx\n",
                    gameMs / label, gameMs / bare, label / bare);
        std::printf("  processor time until then: game %.1f ms, label window %.1f ms, bare window %.1f ms\n",
                    median(g_cpu["golexorb"]), median(g_cpu["label window"]), median(g_cpu["bare window"]));
        std::printf("  peak RSS: game %.1f MB%s (target 35), label window %.1f MB, bare window %.1f MB\n",
                    median(g_peak["golexorb"]), range(g_peak["golexorb"]).c_str(), median(g_peak["label window"]),
                    median(g_peak["bare window"]));
        for (std::size_t i = 3; i < programs.size(); ++i) {
            const std::string& name = programs[i].first;
            const double ms = median(g_mapped[name]);
            std::printf("  %s: %.1f ms%s, %.2fx the label window, processor %.1f ms, peak RSS %.1f MB\n", name.c_str(),
                        ms, range(g_mapped[name]).c_str(), ms / label, median(g_cpu[name]), median(g_peak[name]));
        }
    }

    std::error_code ec;
    const bool clean = std::distance(std::filesystem::directory_iterator(g_scratch, ec),
                                     std::filesystem::directory_iterator())
        == planted;
    std::filesystem::remove_all(g_scratch, ec);
    xcb_disconnect(g_x);
    if (!clean) {
        std::fprintf(stderr, "the game left files in its temporary folder\n");
        return 1;
    }
    return 0;
}
