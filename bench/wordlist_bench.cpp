// Speed of the word list searches: the index against the scans the game first
// made (a walk from entry 0 that lets the event loop run at every entry), and
// the cost of loading the list and building the index.
//
// Runs on the embedded list, loaded the way the game loads it: written to the
// temporary file, then read back with loadlist.

#include "dicfile.h"
#include "mdllist.h"
#include "wordindex.h"

#include <QCoreApplication>
#include <QFile>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace {

std::string g_bytes;
std::unique_ptr<mdlList::DicFile> g_dic;
std::vector<std::string> g_list;
wordlist::WordIndex g_index;

std::string upper(std::string s)
{
    for (char& c : s)
        if (c >= 'a' && c <= 'z')
            c = char(c - 'a' + 'A');
    return s;
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
        if (g_list[i].compare(0, prefix.size(), prefix) == 0)
            return i;
    }
    return std::nullopt;
}

struct Query {
    const char* name;
    std::string text;
};

void registerAll()
{
    std::size_t words = 0;
    while (words < g_list.size() && !g_list[words].empty())
        ++words;

    const std::vector<Query> finds = {
        {"start", g_list.front()},
        {"middle", g_list[words / 2]},
        {"end", g_list[words - 1]},
        {"absent", "zzzzqx"},
    };
    const std::vector<Query> prefixes = {
        {"one letter", "m"},
        {"three letters", "con"},
        {"full word", g_list[words / 2]},
        {"absent", "zzq"},
    };

    for (const Query& q : finds) {
        const std::string word = q.text;
        std::fprintf(stderr, "find %-6s \"%s\": index %zd, scan %zd\n", q.name, word.c_str(),
                     ssize_t(g_index.find(word).value_or(-1)), ssize_t(scanFind(word).value_or(-1)));
        benchmark::RegisterBenchmark((std::string("find/index/") + q.name).c_str(),
                                     [word](benchmark::State& st) {
                                         for (auto _ : st)
                                             benchmark::DoNotOptimize(g_index.find(word));
                                     });
        benchmark::RegisterBenchmark((std::string("find/scan/") + q.name).c_str(),
                                     [word](benchmark::State& st) {
                                         for (auto _ : st)
                                             benchmark::DoNotOptimize(scanFind(word));
                                     })
            ->Unit(benchmark::kMillisecond);
    }
    for (const Query& q : prefixes) {
        const std::string prefix = q.text;
        std::fprintf(stderr, "prefix %-13s \"%s\": index %zd, scan %zd\n", q.name, prefix.c_str(),
                     ssize_t(g_index.firstWithPrefix(prefix).value_or(-1)),
                     ssize_t(scanPrefix(prefix).value_or(-1)));
        benchmark::RegisterBenchmark((std::string("prefix/index/") + q.name).c_str(),
                                     [prefix](benchmark::State& st) {
                                         for (auto _ : st)
                                             benchmark::DoNotOptimize(g_index.firstWithPrefix(prefix));
                                     });
        benchmark::RegisterBenchmark((std::string("prefix/scan/") + q.name).c_str(),
                                     [prefix](benchmark::State& st) {
                                         for (auto _ : st)
                                             benchmark::DoNotOptimize(scanPrefix(prefix));
                                     })
            ->Unit(benchmark::kMillisecond);
    }

    // Every word in turn, so that the caches do not hold one search's path.
    benchmark::RegisterBenchmark("find/index/every word in turn", [words](benchmark::State& st) {
        std::size_t i = 0;
        for (auto _ : st) {
            benchmark::DoNotOptimize(g_index.find(g_list[i]));
            i = i + 1 < words ? i + 1 : 0;
        }
    });
    benchmark::RegisterBenchmark("prefix/index/every word's first 3 letters in turn",
                                 [words](benchmark::State& st) {
                                     std::size_t i = 0;
                                     for (auto _ : st) {
                                         const std::string_view w = g_list[i];
                                         benchmark::DoNotOptimize(g_index.firstWithPrefix(w.substr(0, 3)));
                                         i = i + 1 < words ? i + 1 : 0;
                                     }
                                 });

    benchmark::RegisterBenchmark("load/write temporary file", [](benchmark::State& st) {
        for (auto _ : st) {
            mdlList::DicFile dic(g_bytes);
            benchmark::DoNotOptimize(dic.path());
        }
    })->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("load/loadlist", [](benchmark::State& st) {
        for (auto _ : st)
            benchmark::DoNotOptimize(mdlList::loadlist(g_dic->path()));
    })->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("load/index build", [](benchmark::State& st) {
        for (auto _ : st)
            benchmark::DoNotOptimize(wordlist::WordIndex(g_list));
    })->Unit(benchmark::kMillisecond);
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);

    QFile resource(QStringLiteral(":/DIC/BIN"));
    if (!resource.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "the resource :/DIC/BIN is missing\n");
        return 1;
    }
    const QByteArray bytes = resource.readAll();
    g_bytes.assign(bytes.constData(), std::size_t(bytes.size()));
    try {
        g_dic = std::make_unique<mdlList::DicFile>(g_bytes);
        g_list = mdlList::loadlist(g_dic->path());
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    g_index = wordlist::WordIndex(g_list);

    registerAll();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    g_dic.reset();
    return 0;
}
