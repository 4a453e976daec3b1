// Time to find every word on a board, on boards drawn like the game's, with
// the embedded word list.

#include "boards.h"
#include "solver.h"
#include "wordindex.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <random>
#include <string>
#include <vector>

namespace {

std::vector<std::string> g_list;
wordlist::WordIndex g_index;
std::vector<bench::Board> g_boards;

bool loadList()
{
    g_list = bench::embeddedList();
    g_index = wordlist::WordIndex(g_list);
    return !g_list.empty();
}

void drawBoards()
{
    std::mt19937 gen(2024);
    g_boards.resize(256);
    for (auto& board : g_boards)
        board = bench::drawBoard(gen);
}

void solveDrawnBoards(benchmark::State& st)
{
    std::size_t i = 0, words = 0, boards = 0;
    for (auto _ : st) {
        const auto found = game::solveBoard(g_boards[i], g_index);
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
    if (!loadList()) {
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
