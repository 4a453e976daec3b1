// The board languages with the largest lists (Portuguese, Norwegian Bokmål
// and Polish, each where it is installed): the time to make their words
// into the cache (the first time a language is chosen), the time to load
// them from it (every later start) beside the embedded English list's
// start-up steps, and the memory of the game playing them beside the game
// playing English.
//
// Memory is taken in a process of its own for each language: this program
// again (--play=CODE), as the game runs it on Qt's offscreen platform: the
// main window started as the game starts it (the English list loaded), the
// language chosen (its words from the cache, English kept beside them), and
// 50 rounds played on boards drawn by its weights, every word of each board
// pressed and added, each round ended and entered in the records, the board
// solved for them as its end does. Its resident memory then, and its peak,
// are the counters.

#include "application.h"
#include "dicfile.h"
#include "langcache.h"
#include "languageload.h"
#include "mainfrm.h"
#include "mdllist.h"
#include "solver.h"
#include "wordindex.h"

#include <QApplication>
#include <QEventLoop>
#include <QResource>

#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>

#include <spawn.h>
#include <stdlib.h>
#include <sys/mman.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

std::filesystem::path g_home;   // the benchmark's own home, and its cache folder in it
std::filesystem::path g_folder; // g_home/golexorb

std::string_view resource(const QString& path)
{
    const QResource r(path);
    if (!r.isValid() || r.compressionAlgorithm() != QResource::NoCompression)
        return {};
    return {reinterpret_cast<const char*>(r.data()), std::size_t(r.size())};
}

std::string blockText(const wordlist::Language& language)
{
    if (language.blockList.empty())
        return {};
    const QByteArray b = QResource(QStringLiteral(":/blocklist/") + QString::fromUtf8(language.blockList.data(),
                                                                                         qsizetype(language.blockList.size())))
                             .uncompressedData();
    return std::string(b.constData(), std::size_t(b.size()));
}

// The embedded English list as start-up makes it ready: written to the
// temporary file, read back, indexed.
struct English {
    std::unique_ptr<mdlList::DicFile> file;
    wordlist::WordList list;
    std::optional<wordlist::WordIndex> index;
    English()
    {
        const std::string_view bytes = resource(QStringLiteral(":/DIC/BIN"));
        file = std::make_unique<mdlList::DicFile>(bytes);
        // The embedded bytes' pages go back, as the game gives them back.
        const auto page = static_cast<std::uintptr_t>(::sysconf(_SC_PAGESIZE));
        const auto at = reinterpret_cast<std::uintptr_t>(bytes.data());
        const std::uintptr_t begin = (at + page - 1) & ~(page - 1), end = (at + bytes.size()) & ~(page - 1);
        if (end > begin)
            ::madvise(reinterpret_cast<void*>(begin), end - begin, MADV_DONTNEED);
        list = mdlList::loadlist(file->path());
        index.emplace(list);
    }
};

// Kilobytes of a /proc/self/status field.
long statusKb(const char* field)
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind(field, 0) == 0)
            return std::atol(line.c_str() + std::strlen(field));
    return -1;
}

// --play=CODE: the game playing 50 rounds in that language; prints its
// resident memory and peak, in kB.
int playGame(int argc, char** argv, const wordlist::Language& language)
{
    QApplication app(argc, argv);
    golexorb::setupApplication();
    MainFrm w;
    w.Form_Load();
    w.show();
    if (!language.english()) {
        QEventLoop loaded;
        w.chooseLanguage(language, false, [&loaded] { loaded.quit(); });
        if (!w.languages()->loaded(language))
            loaded.exec();
    }
    const auto lexicon = w.languages()->loaded(language);
    std::size_t added = 0;
    for (int round = 0; round < 50; ++round) {
        w.startbtn_Click();
        const auto& index = lexicon ? lexicon->index() : w.logic().dictionary().index();
        for (const auto& word : game::solveBoard(w.logic().letters(), index)) {
            for (int cell : word.path)
                w.l_MouseDown(cell, 1, 0, 375, 375);
            w.Addbtn_Click();
            ++added;
        }
        w.endbtn_Click();
    }
    std::printf("%ld %ld %zu\n", statusKb("VmRSS:"), statusKb("VmHWM:"), added);
    return 0;
}

// This program again with --play=CODE, offscreen, at home in g_home: its
// resident memory and peak, in MB.
std::pair<double, double> memoryOf(const wordlist::Language& language)
{
    int out[2];
    if (::pipe(out) != 0)
        return {-1, -1};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], 1);
    const std::string self = std::filesystem::read_symlink("/proc/self/exe");
    const std::string mode = "--play=" + std::string(language.code);
    std::vector<std::string> env{"QT_QPA_PLATFORM=offscreen", "HOME=" + g_home.string(),
                                 "XDG_CACHE_HOME=" + g_home.string(), "XDG_CONFIG_HOME=" + g_home.string(),
                                 "XDG_DATA_HOME=" + g_home.string()};
    for (char** e = environ; *e; ++e)
        if (!std::string_view(*e).starts_with("QT_QPA_PLATFORM=") && !std::string_view(*e).starts_with("HOME=")
            && !std::string_view(*e).starts_with("XDG_"))
            env.emplace_back(*e);
    std::vector<char*> envp;
    for (auto& e : env)
        envp.push_back(e.data());
    envp.push_back(nullptr);
    char* args[] = {const_cast<char*>(self.c_str()), const_cast<char*>(mode.c_str()), nullptr};
    pid_t pid = 0;
    const int err = ::posix_spawn(&pid, self.c_str(), &actions, nullptr, args, envp.data());
    posix_spawn_file_actions_destroy(&actions);
    ::close(out[1]);
    std::string text;
    char buf[256];
    for (ssize_t n; err == 0 && (n = ::read(out[0], buf, sizeof buf)) > 0;)
        text.append(buf, std::size_t(n));
    ::close(out[0]);
    if (err == 0)
        ::waitpid(pid, nullptr, 0);
    long rss = -1, peak = -1;
    std::sscanf(text.c_str(), "%ld %ld", &rss, &peak);
    return {rss / 1024.0, peak / 1024.0};
}

void registerEnglish()
{
    benchmark::RegisterBenchmark("load/English, steps 1-4 as start-up takes them", [](benchmark::State& st) {
        for (auto _ : st) {
            English english;
            benchmark::DoNotOptimize(english.index->find("a"));
        }
    })->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("memory/English, the game playing", [](benchmark::State& st) {
        for (auto _ : st) {
            const auto [rss, peak] = memoryOf(wordlist::englishLanguage());
            st.counters["rss_mb"] = rss;
            st.counters["peak_mb"] = peak;
        }
    })->Iterations(1)->Unit(benchmark::kMillisecond);
}

void registerLanguage(const wordlist::Language& language)
{
    const std::string name(language.englishName);
    const std::string block = blockText(language);
    benchmark::RegisterBenchmark(("build/" + name + " (target 1.5 s for Portuguese)").c_str(),
                                 [&language, block](benchmark::State& st) {
                                     wordlist::LoadReport report;
                                     for (auto _ : st) {
                                         std::filesystem::remove(wordlist::cacheFile(g_folder, language));
                                         benchmark::DoNotOptimize(wordlist::loadLexicon(language, g_folder, block, &report));
                                     }
                                     st.counters["lines"] = double(report.counts.lines);
                                     st.counters["words"] = double(report.counts.words);
                                     st.counters["cache_mb"] =
                                         double(std::filesystem::file_size(wordlist::cacheFile(g_folder, language))) / 1e6;
                                 })
        ->Iterations(3)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark(("load/" + name + " from the cache (target 1.5 x English)").c_str(),
                                 [&language, block](benchmark::State& st) {
                                     wordlist::LoadReport report;
                                     wordlist::loadLexicon(language, g_folder, block); // the cache made, if it is not
                                     for (auto _ : st) {
                                         const auto lexicon = wordlist::loadLexicon(language, g_folder, block, &report);
                                         benchmark::DoNotOptimize(lexicon->find("A"));
                                     }
                                     if (report.cache != wordlist::CacheState::Loaded)
                                         st.SkipWithError("the cache was not loaded");
                                 })
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark(("memory/" + name + ", the game playing (target 1.5 x English)").c_str(),
                                 [&language](benchmark::State& st) {
                                     for (auto _ : st) {
                                         const auto [rss, peak] = memoryOf(language);
                                         st.counters["rss_mb"] = rss;
                                         st.counters["peak_mb"] = peak;
                                     }
                                 })
        ->Iterations(1)
        ->Unit(benchmark::kMillisecond);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc == 2 && std::string_view(argv[1]).starts_with("--play=")) {
        const wordlist::Language* language = wordlist::findLanguage(argv[1] + 7);
        return language ? playGame(argc, argv, *language) : 2;
    }
    QCoreApplication app(argc, argv);
    if (resource(QStringLiteral(":/DIC/BIN")).empty()) {
        std::fprintf(stderr, "the resource :/DIC/BIN is missing or compressed\n");
        return 1;
    }
    std::string home = (std::filesystem::temp_directory_path() / "golexorb-language-bench-XXXXXX").string();
    if (!::mkdtemp(home.data())) {
        std::perror("mkdtemp");
        return 1;
    }
    g_home = home;
    g_folder = g_home / "golexorb";
    std::filesystem::create_directories(g_folder);
    registerEnglish();
    for (const char* code : {"pt", "nb", "pl"}) {
        const wordlist::Language& language = *wordlist::findLanguage(code);
        if (std::filesystem::exists(language.listFile))
            registerLanguage(language);
        else
            std::fprintf(stderr, "%s is not installed (%s): not measured\n", std::string(language.englishName).c_str(),
                         std::string(language.package).c_str());
    }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::filesystem::remove_all(g_home);
    return 0;
}
