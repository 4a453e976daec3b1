// What the words of boards drawn by the game are like: on average how many
// common and rare words a board holds, and what share of each WordNet
// defines. Not a timing, so `make bench` does not run it; by hand:
//
//   build/bench/golexorb_boardwords [BOARDS [WORD LIST SIZES]]
//
// BOARDS (100) boards drawn by the game's own fill from a fixed seed, so
// that another word list (a list file and its sizes, as mkdic writes them)
// is measured on the same boards; without one, the embedded list.

#include "definitions.h"
#include "gameplatform.h"

#include <QFile>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

QByteArray readAll(const char* path)
{
    QFile f(QString::fromLocal8Bit(path));
    if (!f.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "cannot read %s\n", path);
        std::exit(1);
    }
    return f.readAll();
}

// Serves a list file and its sizes as the embedded resources.
class FilePlatform : public bench::GamePlatform {
public:
    FilePlatform(unsigned seed, QByteArray list, QByteArray sizes)
        : GamePlatform(seed), list_(std::move(list)), sizes_(std::move(sizes))
    {
    }
    std::string_view loadResData(std::string_view type, std::string_view name) override
    {
        if (list_.isEmpty())
            return GamePlatform::loadResData(type, name);
        const QByteArray& bytes = name == "SIZES" ? sizes_ : list_;
        return {bytes.constData(), std::size_t(bytes.size())};
    }

private:
    QByteArray list_, sizes_;
};

struct Tally {
    long words = 0, defined = 0;
    void add(bool hasEntry)
    {
        ++words;
        defined += hasEntry;
    }
};

} // namespace

int main(int argc, char** argv)
{
    const int boards = argc > 1 ? std::atoi(argv[1]) : 100;
    if (boards <= 0 || (argc != 2 && argc != 4 && argc != 1)) {
        std::fprintf(stderr, "usage: golexorb_boardwords [BOARDS [WORD LIST SIZES]]\n");
        return 2;
    }
    FilePlatform platform(2024, argc == 4 ? readAll(argv[2]) : QByteArray(), argc == 4 ? readAll(argv[3]) : QByteArray());
    game::MainLogic logic(platform);
    try {
        logic.Form_Load();
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    if (logic.commonness().entries() == 0)
        std::fprintf(stderr, "no sizes: every word counts as common\n");
    Tally common, rare;
    for (int b = 0; b < boards; ++b) {
        bench::drawAndEnd(logic);
        for (const auto& w : logic.scoretxt_Click().allwords) {
            const auto meaning = wordlist::define(w.word);
            if (meaning.status == wordlist::Meaning::Status::noDatabase) {
                std::fprintf(stderr, "%s\n", meaning.problem.c_str());
                return 1;
            }
            (w.rare ? rare : common).add(meaning.status == wordlist::Meaning::Status::found);
        }
    }
    std::size_t listed = 0;
    for (std::size_t i = 0; i < logic.dictionary().size(); ++i)
        listed += !logic.dictionary()[i].empty() && logic.dictionary()[i][0] != '\0';
    logic.Form_Unload();
    const auto line = [boards](const char* what, const Tally& t) {
        std::printf("%-7s %6.2f words a board, %5.1f%% of them in WordNet (%ld of %ld)\n", what,
                    double(t.words) / boards, t.words ? 100.0 * double(t.defined) / double(t.words) : 0.0, t.defined,
                    t.words);
    };
    std::printf("%d boards drawn by the game (seed 2024), %zu words in the list\n", boards, listed);
    line("common", common);
    line("rare", rare);
    line("all", Tally{common.words + rare.words, common.defined + rare.defined});
    return 0;
}
