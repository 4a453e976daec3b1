// Time to find every word on a board, on boards drawn like the game's, with
// the embedded word list.

#include "board.h"
#include "solver.h"
#include "wordindex.h"

#include <QFile>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <random>
#include <string>
#include <vector>

namespace {

using Board = std::array<std::string, game::kCells>;

std::vector<std::string> g_list;
wordlist::WordIndex g_index;
std::vector<Board> g_boards;

// The list as the game holds it: one entry a line, each code lowered by 10.
bool loadList()
{
    QFile resource(QStringLiteral(":/DIC/BIN"));
    if (!resource.open(QIODevice::ReadOnly))
        return false;
    for (const QByteArray& line : resource.readAll().split('\n')) {
        std::string word;
        for (char c : line)
            if (c != '\r')
                word += static_cast<unsigned char>(c) >= 10 ? char(c - 10) : c;
        g_list.push_back(std::move(word));
    }
    g_index = wordlist::WordIndex(g_list);
    return true;
}

void drawBoards()
{
    std::mt19937 gen(2024);
    std::uniform_real_distribution<double> rnd(0.0, 1.0);
    g_boards.resize(256);
    for (auto& board : g_boards) {
        for (auto& cell : board) {
            int p = 0;
            while (p == 0)
                p = game::poolPosition(rnd(gen));
            cell = std::string(1, game::kLetterPool[p - 1]);
        }
    }
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
