// Time to look up what a word means in the WordNet database, for words with
// the most senses, inflected forms, a word it lacks, and every word that
// boards drawn like the game's hold. Lookups go to the lookup program, as the
// game's do: wall time, since the work is done in that other process.

#include "boards.h"
#include "definitions.h"
#include "solver.h"
#include "wordnet.h"

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

using wordlist::Meaning;

void defineWord(benchmark::State& st, const char* word)
{
    std::size_t senses = 0;
    for (auto _ : st)
        senses = wordlist::define(word).senses.size();
    st.counters["senses"] = double(senses);
}
BENCHMARK_CAPTURE(defineWord, break_most_senses, "break")->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(defineWord, run, "run")->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(defineWord, set, "set")->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(defineWord, cat, "cat")->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(defineWord, ran_inflected, "ran")->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(defineWord, geese_inflected, "geese")->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(defineWord, zzxq_no_entry, "zzxq")->Unit(benchmark::kMillisecond)->UseRealTime();
// The library called here, without the lookup program, for comparison.
void defineWordHere(benchmark::State& st, const char* word)
{
    for (auto _ : st)
        benchmark::DoNotOptimize(wordlist::wordnet::lookUp(word));
}
BENCHMARK_CAPTURE(defineWordHere, break_in_this_process, "break")->Unit(benchmark::kMillisecond)->UseRealTime();

// The mean over the words of the drawn boards, and the slowest of them;
// `define` goes through the lookup program, `in this process` calls the
// library directly, as the game did before it had the program.
template <auto Define>
void defineBoardWords(benchmark::State& st)
{
    double slowest = 0;
    for (auto _ : st) {
        for (const auto& w : g_boardWords) {
            const auto t0 = std::chrono::steady_clock::now();
            benchmark::DoNotOptimize(Define(w));
            slowest = std::max(slowest, std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count());
        }
    }
    st.counters["words"] = double(g_boardWords.size());
    st.counters["ms per word"] = benchmark::Counter(double(g_boardWords.size()) * double(st.iterations()),
                                                   benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
    st.counters["slowest ms"] = slowest;
}
Meaning viaProgram(const std::string& word)
{
    return wordlist::define(word);
}
Meaning inThisProcess(const std::string& word)
{
    return wordlist::wordnet::lookUp(word);
}
BENCHMARK(defineBoardWords<viaProgram>)->Name("defineBoardWords/lookup program")->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();
BENCHMARK(defineBoardWords<inThisProcess>)->Name("defineBoardWords/in this process")->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

} // namespace

int main(int argc, char** argv)
{
    if (bench::embedded().list.empty()) {
        std::fprintf(stderr, "the resource :/DIC/BIN is missing\n");
        return 1;
    }
    drawBoardWords();
    wordlist::setLookupProgram(GOLEXORB_LOOKUP_PROGRAM);
    // The first lookup starts the lookup program, which opens the database;
    // time it once, apart.
    const auto t0 = std::chrono::steady_clock::now();
    const auto first = wordlist::define("word");
    std::printf("first lookup (starts the lookup program, opens the database): %.2f ms\n",
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
