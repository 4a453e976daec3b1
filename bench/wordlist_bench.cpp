// The word list's share of start-up, step by step, and the speed of its two
// searches: the index against the scan the game was designed with (a walk
// from entry 0 that lets the event loop run at every entry).
//
// Runs on the embedded list, loaded the way the game loads it: read where it
// lies in the program, written to the temporary file, read back with loadlist.

#include "dicfile.h"
#include "dictionary.h"
#include "mdllist.h"
#include "planted.h"
#include "wordindex.h"
#include "wordlist.h"

#include <QCoreApplication>
#include <QResource>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <stdlib.h>

namespace {

std::string_view g_bytes;
std::unique_ptr<mdlList::DicFile> g_dic;
wordlist::WordList g_list;
wordlist::WordIndex g_index;
wordlist::WordIndex g_sortedIndex;

std::string upper(std::string_view text)
{
    std::string s(text);
    for (char& c : s)
        if (c >= 'a' && c <= 'z')
            c = char(c - 'a' + 'A');
    return s;
}

std::string_view resource()
{
    const QResource r(QStringLiteral(":/DIC/BIN"));
    if (!r.isValid() || r.compressionAlgorithm() != QResource::NoCompression)
        return {};
    return {reinterpret_cast<const char*>(r.data()), std::size_t(r.size())};
}

std::optional<std::size_t> scanFind(const std::string& word)
{
    const std::string w = upper(word);
    for (std::size_t i = 0; i < g_list.size(); ++i) {
        QCoreApplication::processEvents();
        if (upper(g_list[i]) == w)
            return i;
    }
    return std::nullopt;
}

std::optional<std::size_t> scanPrefix(const std::string& prefix)
{
    for (std::size_t i = 0; i < g_list.size(); ++i) {
        QCoreApplication::processEvents();
        if (g_list[i].starts_with(prefix))
            return i;
    }
    return std::nullopt;
}

struct Query {
    const char* name;
    std::string text;
};

void registerStartup()
{
    // The steps in the order start-up takes them, then all of them at once.
    benchmark::RegisterBenchmark("startup/1 resource", [](benchmark::State& st) {
        for (auto _ : st)
            benchmark::DoNotOptimize(resource());
    })->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("startup/2 write the temporary file", [](benchmark::State& st) {
        for (auto _ : st) {
            mdlList::DicFile dic(g_bytes);
            benchmark::DoNotOptimize(dic.path());
        }
    })->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("startup/3 read and unscramble (loadlist)", [](benchmark::State& st) {
        for (auto _ : st)
            benchmark::DoNotOptimize(mdlList::loadlist(g_dic->path()));
    })->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("startup/4 index", [](benchmark::State& st) {
        for (auto _ : st)
            benchmark::DoNotOptimize(wordlist::WordIndex(g_list));
    })->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("startup/4 index, sorted as if out of order", [](benchmark::State& st) {
        for (auto _ : st)
            benchmark::DoNotOptimize(wordlist::WordIndex(g_list, wordlist::WordIndex::Build::Sort));
    })->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("startup/1-4 all steps (target 5 ms)", [](benchmark::State& st) {
        for (auto _ : st) {
            mdlList::DicFile dic(resource());
            const wordlist::WordList list = mdlList::loadlist(dic.path());
            const wordlist::WordIndex index(list);
            benchmark::DoNotOptimize(index.find("a"));
        }
    })->Unit(benchmark::kMillisecond);
}

// Scratch temporary folders with names planted in them, made once for the
// benchmarks that use them and removed at the end.
std::map<int, std::filesystem::path> g_planted;

const std::filesystem::path& plantedFolder(int planted)
{
    auto& folder = g_planted[planted];
    if (folder.empty()) {
        std::string templ = (std::filesystem::temp_directory_path() / "golexorb-bench-XXXXXX").string();
        if (::mkdtemp(templ.data())) {
            folder = templ;
            bench::plantNames(folder, planted);
        }
    }
    return folder;
}

// TMPDIR names another folder while it lives.
class TemporaryFolder {
public:
    explicit TemporaryFolder(const std::filesystem::path& folder)
    {
        if (const char* old = std::getenv("TMPDIR"))
            old_ = old;
        ::setenv("TMPDIR", folder.c_str(), 1);
    }
    ~TemporaryFolder()
    {
        if (old_)
            ::setenv("TMPDIR", old_->c_str(), 1);
        else
            ::unsetenv("TMPDIR");
    }

private:
    std::optional<std::string> old_;
};

void registerClearing()
{
    for (const int planted : {0, 100000}) {
        const std::string names = std::to_string(planted) + " names planted by another user";
        benchmark::RegisterBenchmark(("startup/0 clear dead runs, " + names).c_str(), [planted](benchmark::State& st) {
            if (plantedFolder(planted).empty())
                st.SkipWithError("no scratch folder");
            const TemporaryFolder tmp(plantedFolder(planted));
            for (auto _ : st)
                benchmark::DoNotOptimize(mdlList::clearDeadRuns());
        })->Unit(benchmark::kMillisecond);
        // What start-up waits for: the clearing runs beside it.
        benchmark::RegisterBenchmark(("startup/2-3 write and load the temporary file as start-up does, " + names).c_str(),
                                     [planted](benchmark::State& st) {
                                         if (plantedFolder(planted).empty())
                                             st.SkipWithError("no scratch folder");
                                         const TemporaryFolder tmp(plantedFolder(planted));
                                         for (auto _ : st) {
                                             wordlist::Dictionary dictionary;
                                             dictionary.writeCopy(g_bytes);
                                             dictionary.loadCopy();
                                             st.PauseTiming();
                                             dictionary.removeCopy();
                                             st.ResumeTiming();
                                         }
                                     })
            ->Unit(benchmark::kMillisecond)
            ->Iterations(20); // each waits for the clearing, untimed
    }
}

void registerSearches()
{
    std::size_t words = 0;
    while (words < g_list.size() && !g_list[words].empty())
        ++words;

    const std::vector<Query> finds = {
        {"start", std::string(g_list.front())},
        {"middle", std::string(g_list[words / 2])},
        {"end", std::string(g_list[words - 1])},
        {"absent", "zzzzqx"},
    };
    const std::vector<Query> prefixes = {
        {"one letter", "m"},
        {"three letters", "con"},
        {"full word", std::string(g_list[words / 2])},
        {"absent", "zzq"},
    };

    for (const Query& q : finds) {
        const std::string word = q.text;
        std::fprintf(stderr, "find %-6s \"%s\": index %zd, scan %zd\n", q.name, word.c_str(),
                     ssize_t(g_index.find(word).value_or(-1)), ssize_t(scanFind(word).value_or(-1)));
        benchmark::RegisterBenchmark((std::string("find/index/") + q.name).c_str(), [word](benchmark::State& st) {
            for (auto _ : st)
                benchmark::DoNotOptimize(g_index.find(word));
        });
        benchmark::RegisterBenchmark((std::string("find/scan/") + q.name).c_str(), [word](benchmark::State& st) {
            for (auto _ : st)
                benchmark::DoNotOptimize(scanFind(word));
        })->Unit(benchmark::kMillisecond);
    }
    for (const Query& q : prefixes) {
        const std::string prefix = q.text;
        std::fprintf(stderr, "prefix %-13s \"%s\": index %zd, scan %zd\n", q.name, prefix.c_str(),
                     ssize_t(g_index.firstWithExactPrefix(prefix).value_or(-1)), ssize_t(scanPrefix(prefix).value_or(-1)));
        benchmark::RegisterBenchmark((std::string("prefix/index/") + q.name).c_str(),
                                     [prefix](benchmark::State& st) {
                                         for (auto _ : st)
                                             benchmark::DoNotOptimize(g_index.firstWithExactPrefix(prefix));
                                     });
        benchmark::RegisterBenchmark((std::string("prefix/scan/") + q.name).c_str(), [prefix](benchmark::State& st) {
            for (auto _ : st)
                benchmark::DoNotOptimize(scanPrefix(prefix));
        })->Unit(benchmark::kMillisecond);
    }

    // Every word in turn, so that the caches do not hold one search's path;
    // the same over the sorted build, for comparison.
    for (const auto& [name, index] : {std::pair<std::string, const wordlist::WordIndex*>{"index", &g_index},
                                      {"index sorted", &g_sortedIndex}}) {
        benchmark::RegisterBenchmark(("find/" + name + "/every word in turn").c_str(),
                                     [words, index](benchmark::State& st) {
                                         std::size_t i = 0;
                                         for (auto _ : st) {
                                             benchmark::DoNotOptimize(index->find(g_list[i]));
                                             i = i + 1 < words ? i + 1 : 0;
                                         }
                                     });
        benchmark::RegisterBenchmark(("prefix/" + name + "/every word's first 3 letters in turn").c_str(),
                                     [words, index](benchmark::State& st) {
                                         std::size_t i = 0;
                                         for (auto _ : st) {
                                             benchmark::DoNotOptimize(index->firstWithExactPrefix(g_list[i].substr(0, 3)));
                                             i = i + 1 < words ? i + 1 : 0;
                                         }
                                     });
        benchmark::RegisterBenchmark(("upper prefix/" + name + "/every word's first 3 letters in turn").c_str(),
                                     [words, index](benchmark::State& st) {
                                         std::size_t i = 0;
                                         for (auto _ : st) {
                                             benchmark::DoNotOptimize(index->hasPrefixIgnoringCase(g_list[i].substr(0, 3)));
                                             i = i + 1 < words ? i + 1 : 0;
                                         }
                                     });
    }
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);

    g_bytes = resource();
    if (g_bytes.empty()) {
        std::fprintf(stderr, "the resource :/DIC/BIN is missing or compressed\n");
        return 1;
    }
    try {
        g_dic = std::make_unique<mdlList::DicFile>(g_bytes);
        g_list = mdlList::loadlist(g_dic->path());
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    g_index = wordlist::WordIndex(g_list);
    g_sortedIndex = wordlist::WordIndex(g_list, wordlist::WordIndex::Build::Sort);
    std::fprintf(stderr, "index of the embedded list: %s\n",
                 g_index.inRuns() ? "ordered runs, nothing sorted" : "sorted (the list is out of order)");

    registerStartup();
    registerClearing();
    registerSearches();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    for (const auto& [planted, folder] : g_planted)
        if (!folder.empty())
            std::filesystem::remove_all(folder);
    g_dic.reset();
    return 0;
}
