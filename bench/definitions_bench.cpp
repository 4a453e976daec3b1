// Time to look up what a word means in the WordNet database, for words with
// the most senses, inflected forms, a word it lacks, and every word that
// boards drawn like the game's hold.

#include "boards.h"
#include "definitions.h"
#include "solver.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

namespace {

std::vector<std::string> g_boardWords;

// Every word of 16 boards drawn from the letter pool, as All Words lists them.
void drawBoardWords()
{
    std::mt19937 gen(2024);
    for (int b = 0; b < 16; ++b) {
        for (const auto& w : game::solveBoard(bench::drawBoard(gen), bench::embedded().index))
            g_boardWords.push_back(w.word);
    }
}

void defineWord(benchmark::State& st, const char* word)
{
    std::size_t senses = 0;
    for (auto _ : st)
        senses = wordlist::define(word).senses.size();
    st.counters["senses"] = double(senses);
}
BENCHMARK_CAPTURE(defineWord, break_most_senses, "break")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(defineWord, run, "run")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(defineWord, set, "set")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(defineWord, cat, "cat")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(defineWord, ran_inflected, "ran")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(defineWord, geese_inflected, "geese")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(defineWord, zzxq_no_entry, "zzxq")->Unit(benchmark::kMillisecond);

// The mean over the words of the drawn boards, and the slowest of them.
void defineBoardWords(benchmark::State& st)
{
    double slowest = 0;
    for (auto _ : st) {
        for (const auto& w : g_boardWords) {
            const auto t0 = std::chrono::steady_clock::now();
            benchmark::DoNotOptimize(wordlist::define(w));
            slowest = std::max(slowest, std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count());
        }
    }
    st.counters["words"] = double(g_boardWords.size());
    st.counters["ms per word"] = benchmark::Counter(double(g_boardWords.size()) * double(st.iterations()),
                                                   benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
    st.counters["slowest ms"] = slowest;
}
BENCHMARK(defineBoardWords)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

int main(int argc, char** argv)
{
    if (bench::embedded().list.empty()) {
        std::fprintf(stderr, "the resource :/DIC/BIN is missing\n");
        return 1;
    }
    drawBoardWords();
    // The first lookup opens the database; time it once, apart.
    const auto t0 = std::chrono::steady_clock::now();
    const auto first = wordlist::define("word");
    std::printf("first lookup (opens the database): %.2f ms\n",
                std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count());
    if (first.status != wordlist::Meaning::Status::found) {
        std::fprintf(stderr, "the WordNet database is not installed (wordnet-base)\n");
        return 1;
    }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
