// Time to find every word on a board, on boards drawn like the game's, with
// the embedded word list.

#include "boards.h"
#include "solver.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <random>
#include <string>
#include <vector>

namespace {

std::vector<bench::Board> g_boards;

void drawBoards()
{
    std::mt19937 gen(2024);
    g_boards.resize(256);
    for (auto& board : g_boards)
        board = bench::drawBoard(gen);
}

void solveDrawnBoards(benchmark::State& st)
{
    const auto& index = bench::embedded().index;
    std::size_t i = 0, words = 0, boards = 0;
    for (auto _ : st) {
        const auto found = game::solveBoard(g_boards[i], index);
        words += found.size();
        ++boards;
        i = (i + 1) % g_boards.size();
    }
    st.counters["words per board"] = double(words) / double(boards);
}
BENCHMARK(solveDrawnBoards)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    if (bench::embedded().list.empty()) {
        std::fprintf(stderr, "the resource :/DIC/BIN is missing\n");
        return 1;
    }
    drawBoards();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
