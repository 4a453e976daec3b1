// Time for the All Words window to open with how common each word is: the
// first read of the commonness resource (on the first round's end, never
// at start-up), the report of a finished round (every word of the board,
// each looked up there), and the window made, filled and shown. The report
// is also timed with every word common, as before the resource existed.
// And what the Help window costs a round: the first counts of a board, and
// the window brought in line at every later event.

#include "allwordsfrm.h"
#include "application.h"
#include "gameplatform.h"
#include "helpfrm.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QTest>

#include <cstdio>
#include <memory>
#include <vector>

namespace {

bench::GamePlatform g_platform(2024);
std::unique_ptr<game::MainLogic> g_logic; // the embedded list loaded once

void firstRead(benchmark::State& st)
{
    for (auto _ : st) {
        st.PauseTiming();
        auto logic = std::make_unique<game::MainLogic>(g_platform);
        st.ResumeTiming();
        benchmark::DoNotOptimize(&logic->commonness());
        st.PauseTiming();
        logic.reset();
        st.ResumeTiming();
    }
}
BENCHMARK(firstRead)->Name("commonness/first read of the resource")->Unit(benchmark::kMicrosecond);

void report(benchmark::State& st, bool withCommonness)
{
    if (!withCommonness)
        g_logic->setCommonness(wordlist::Commonness());
    std::size_t words = 0, rare = 0, reports = 0;
    for (auto _ : st) {
        st.PauseTiming();
        bench::drawAndEnd(*g_logic);
        st.ResumeTiming();
        const game::Report r = g_logic->scoretxt_Click();
        words += r.allwords.size();
        for (const auto& w : r.allwords)
            rare += w.rare;
        ++reports;
    }
    st.counters["words per board"] = double(words) / double(reports);
    st.counters["rare per board"] = double(rare) / double(reports);
}
// Before the other: setCommonness takes the resource's place for good.
BENCHMARK_CAPTURE(report, with commonness, true)->Name("report/with commonness")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(report, every word common, false)->Name("report/every word common")->Unit(benchmark::kMillisecond);

// From the click to the window on screen, filled.
void openWindow(benchmark::State& st)
{
    std::vector<game::Report> reports;
    bench::GamePlatform platform(7);
    game::MainLogic logic(platform);
    logic.Form_Load();
    for (int i = 0; i < 32; ++i) {
        bench::drawAndEnd(logic);
        reports.push_back(logic.scoretxt_Click());
    }
    logic.Form_Unload();
    std::size_t i = 0;
    for (auto _ : st) {
        {
            AllWordsFrm window;
            window.fill(reports[i++ % reports.size()]);
            window.show();
            if (!QTest::qWaitForWindowExposed(&window)) {
                st.SkipWithError("the window was not shown");
                break;
            }
            st.PauseTiming();
        }
        QCoreApplication::processEvents();
        st.ResumeTiming();
    }
}
BENCHMARK(openWindow)->Name("window/made, filled and shown")->Unit(benchmark::kMillisecond)->Iterations(64);

// A new board's words solved and counted, or, the board's words kept, the
// Help window brought in line as after every tick and press of a round.
void helpCounts(benchmark::State& st, bool newBoard)
{
    bench::GamePlatform platform(11);
    game::MainLogic logic(platform);
    logic.Form_Load();
    HelpFrm window;
    logic.startbtn_Click();
    for (auto _ : st) {
        if (newBoard) {
            st.PauseTiming();
            bench::drawAndEnd(logic);
            st.ResumeTiming();
            benchmark::DoNotOptimize(logic.wordCounts());
        } else {
            window.follow(logic);
        }
    }
    logic.Form_Unload();
}
BENCHMARK_CAPTURE(helpCounts, new board, true)->Name("help/counts of a new board")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(helpCounts, same board, false)->Name("help/window brought in line")->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    golexorb::setupApplication();
    g_logic = std::make_unique<game::MainLogic>(g_platform);
    try {
        g_logic->Form_Load();
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    g_logic->Form_Unload();
    return 0;
}
