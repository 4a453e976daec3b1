// Plays random event sequences against the game logic and checks, after every
// event, the rules that must hold whatever the player does.

#include "mainlogic.h"
#include "scriptedplatform.h"
#include "../adjacency.h"

#include <QTest>

#include <algorithm>
#include <map>
#include <random>
#include <sstream>

using namespace game;

namespace {

std::vector<std::string> splitWords(const std::string& records)
{
    std::vector<std::string> out;
    std::size_t start = 0;
    while (start < records.size()) {
        const auto end = records.find("\r\n", start);
        out.push_back(records.substr(start, end - start));
        start = end + 2;
    }
    return out;
}

// Every three-letter word over common letters, so that random presses often
// make a word that is found.
std::vector<std::string> wordList()
{
    const std::string common = "etaoinsrhld";
    std::vector<std::string> list;
    for (char a : common)
        for (char b : common)
            for (char c : common)
                list.push_back(std::string{a, b, c});
    return list;
}

class Player {
public:
    explicit Player(unsigned seed)
        : rng_(seed)
    {
        platform_.fallback = [this] { return std::uniform_real_distribution<double>(0.0, 1.0)(rng_); };
        logic_.setWordList(wordList());
    }

    // Runs `events` random events; returns an empty string or what broke.
    std::string play(int events)
    {
        for (int i = 0; i < events; ++i) {
            step();
            if (std::string broken = check(); !broken.empty())
                return broken;
        }
        return {};
    }

    const std::vector<std::string>& log() const { return log_; }

private:
    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }

    void step()
    {
        const int kind = pick(100);
        if (kind < 55) {
            const int cell = pick(16);
            const float x = static_cast<float>(pick(751)), y = static_cast<float>(pick(751));
            const int button = 1 << pick(3), shift = pick(8);
            log_.push_back("press " + std::to_string(cell) + " at " + std::to_string(int(x)) + ","
                           + std::to_string(int(y)) + " button " + std::to_string(button) + " shift "
                           + std::to_string(shift));
            const std::string before = logic_.wordtxt().caption;
            logic_.l_MouseDown(cell, button, shift, x, y);
            if (logic_.wordtxt().caption != before)
                path_.push_back(cell);
        } else if (kind < 72) {
            log_.push_back("add");
            logic_.Addbtn_Click();
        } else if (kind < 78) {
            log_.push_back("cancel");
            logic_.Cancelbtn_Click();
        } else if (kind < 84) {
            if (logic_.startbtn().enabled) {
                log_.push_back("start");
                logic_.startbtn_Click();
            }
        } else if (kind < 86) {
            if (logic_.endbtn().enabled) {
                log_.push_back("end");
                logic_.endbtn_Click();
            }
        } else if (kind < 97) {
            if (logic_.sectimerEnabled()) {
                log_.push_back("tick");
                logic_.sectimer_Timer();
            }
        } else if (logic_.combo1Enabled()) {
            logic_.setCombo1Text(std::to_string(1 + pick(10)));
            log_.push_back("pick " + logic_.combo1Text());
            logic_.Combo1_Click();
        }
        if (logic_.wordtxt().caption.empty())
            path_.clear();
    }

    std::string check() const
    {
        const auto accepted = splitWords(logic_.acceptedwords());
        const auto rejected = splitWords(logic_.rejectedwords());
        int sum = 0;
        for (const auto& w : accepted)
            sum += static_cast<int>(w.size());
        if (logic_.score() != sum)
            return "score " + std::to_string(logic_.score()) + " is not the sum " + std::to_string(sum);

        std::map<std::string, int> listed;
        for (const auto& w : logic_.wordlst())
            if (++listed[w] > 1)
                return "listed twice: " + w;
        auto recorded = accepted;
        recorded.insert(recorded.end(), rejected.begin(), rejected.end());
        auto shown = logic_.wordlst();
        std::sort(recorded.begin(), recorded.end());
        std::sort(shown.begin(), shown.end());
        if (recorded != shown)
            return "accepted plus rejected words differ from the listed words";

        std::string spelled;
        for (std::size_t i = 0; i < path_.size(); ++i) {
            spelled += logic_.l()[path_[i]].caption;
            if (i > 0 && !testing_board::adjacent(path_[i - 1], path_[i]))
                return "word goes between cells that do not touch";
            if (std::count(path_.begin(), path_.end(), path_[i]) > 1)
                return "cell " + std::to_string(path_[i]) + " used twice in one word";
        }
        if (spelled != logic_.wordtxt().caption && !(logic_.wordtxt().caption == "Your Word Here" && path_.empty()))
            return "word " + logic_.wordtxt().caption + " does not spell the pressed cells " + spelled;
        for (int n = 0; n < kCells; ++n) {
            const bool inPath = std::find(path_.begin(), path_.end(), n) != path_.end();
            if (inPath != (logic_.l()[n].color == kBlack) || inPath != (logic_.used()[n] == 1))
                return "cell " + std::to_string(n) + " colour or use does not match the word";
        }
        if (logic_.wordtxt().caption.empty() && logic_.lastcell() != kNoCell)
            return "empty word but lastcell " + std::to_string(logic_.lastcell());
        if (!logic_.wordtxt().caption.empty() && !path_.empty() && logic_.lastcell() != path_.back())
            return "lastcell is not the last pressed cell";
        if (logic_.surface().lines.size() != (path_.empty() ? 0 : path_.size() - 1))
            return "trail has " + std::to_string(logic_.surface().lines.size()) + " segments";
        return {};
    }

    std::mt19937 rng_;
    ScriptedPlatform platform_;
    MainLogic logic_{platform_};
    std::vector<int> path_;
    std::vector<std::string> log_;
};

} // namespace

class TestRandomPlay : public QObject {
    Q_OBJECT
private slots:
    void invariantsHold();
};

void TestRandomPlay::invariantsHold()
{
    const unsigned firstSeed = qEnvironmentVariableIsSet("GOLEXORB_SEED")
        ? static_cast<unsigned>(qEnvironmentVariableIntValue("GOLEXORB_SEED"))
        : std::random_device{}();
    const int sequences = 3000;
    for (int s = 0; s < sequences; ++s) {
        const unsigned seed = firstSeed + static_cast<unsigned>(s);
        Player player(seed);
        const std::string broken = player.play(150);
        if (!broken.empty()) {
            std::ostringstream why;
            why << broken << "\nseed " << seed << " (GOLEXORB_SEED=" << seed << " replays it); events:\n";
            for (const auto& e : player.log())
                why << "  " << e << "\n";
            QFAIL(why.str().c_str());
        }
    }
}

QTEST_APPLESS_MAIN(TestRandomPlay)
#include "tst_randomplay.moc"
