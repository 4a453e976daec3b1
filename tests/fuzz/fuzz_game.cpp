// The main window's logic under any sequence of player and clock events:
// presses at any cell and point, typed letters, Add, Cancel, Start, End,
// ticks (also while a message box is open), round lengths, the search box
// and its focus, the size buttons, the score link, "Show a start" and a
// round that allows no hints, and random draws at the edges of their range.
// After every event the rules of the game must hold; the results' list of
// the board's words must match a brute-force walk.

#include "fuzz.h"

#include "board.h"
#include "dfsenc.h"
#include "mainlogic.h"
#include "mdllist.h"
#include "report.h"
#include "solver.h"
#include "typing.h"
#include "../adjacency.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <deque>
#include <fstream>
#include <functional>
#include <iterator>
#include <limits>
#include <map>
#include <optional>
#include <set>
#include <stdexcept>
#include <unordered_map>

namespace {

using namespace game;

// ---------------------------------------------------------------- the list

std::uint32_t letterBits(std::string_view upperCased)
{
    std::uint32_t bits = 0;
    for (char c : upperCased)
        bits |= (c >= 'A' && c <= 'Z') ? 1u << (c - 'A') : 1u << 26;
    return bits;
}

// What a plain scan of the list answers, kept apart from the game's index:
// the lines of the file, every entry after them empty.
struct Reference {
    std::vector<std::string> lines;
    std::unordered_map<std::string, std::size_t> firstUpper; // upper-cased entry: its first entry number
    std::vector<std::string> words; // each upper-cased entry of 3 to 16 letters once
    std::vector<std::uint32_t> letters; // of each of those: bit k for letter 'A' + k, bit 26 for anything else

    explicit Reference(std::vector<std::string> read)
        : lines(std::move(read))
    {
        for (std::size_t i = 0; i < lines.size(); ++i) {
            std::string u = fuzz::upper(lines[i]);
            if (firstUpper.emplace(u, i).second && u.size() >= 3 && u.size() <= kCells) {
                letters.push_back(letterBits(u));
                words.push_back(std::move(u));
            }
        }
        if (lines.size() < mdlList::kEntries)
            firstUpper.emplace("", lines.size());
    }
    std::string_view entry(std::size_t i) const { return i < lines.size() ? std::string_view(lines[i]) : std::string_view(); }
    std::optional<std::size_t> find(std::string_view word) const
    {
        const auto it = firstUpper.find(fuzz::upper(word));
        return it == firstUpper.end() ? std::nullopt : std::optional<std::size_t>(it->second);
    }
    std::optional<std::size_t> firstWithExactPrefix(std::string_view prefix) const
    {
        for (std::size_t i = 0; i < lines.size(); ++i)
            if (lines[i].starts_with(prefix))
                return i;
        return std::nullopt;
    }
};

// The list as the program embeds it: scrambled lines from the source tree.
const std::string& embeddedBytes()
{
    static const std::string bytes = [] {
        std::ifstream in(GOLEXORB_WORDLIST_FILE, std::ios::binary);
        std::string b((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        FUZZ_CHECK(in && !b.empty(), "cannot read " GOLEXORB_WORDLIST_FILE);
        return b;
    }();
    return bytes;
}

// The embedded list's framing: CR LF lines, then the last line unended.
std::vector<std::string> plainSplit(std::string_view bytes)
{
    std::vector<std::string> out;
    std::size_t pos = 0;
    while (pos < bytes.size() && out.size() < mdlList::kEntries) {
        std::size_t end = bytes.find('\r', pos);
        if (end == std::string_view::npos)
            end = bytes.size();
        out.push_back(dfsenc::decodeline(bytes.substr(pos, end - pos)));
        pos = end + (end + 1 < bytes.size() && bytes[end + 1] == '\n' ? 2 : 1);
    }
    return out;
}

const Reference& embeddedReference()
{
    static const Reference ref(plainSplit(embeddedBytes()));
    return ref;
}

// A small list from the input: mostly letters, in either case, with now
// and then any byte, so that words on the board are found often.
std::vector<std::string> smallList(fuzz::Bytes& in)
{
    std::vector<std::string> list;
    const unsigned n = in.below(24);
    for (unsigned i = 0; i < n; ++i) {
        std::string w;
        const unsigned len = in.below(7);
        for (unsigned k = 0; k < len; ++k) {
            const std::uint8_t b = in.byte();
            if (b < 208)
                w += static_cast<char>((b & 1 ? 'a' : 'A') + (b >> 1) % 26);
            else
                w += static_cast<char>(b * 7);
        }
        list.push_back(w);
    }
    // In order, as the embedded list is: a list out of order has its
    // 200,001 entries sorted, which takes seconds here (the index's own
    // target covers that way). Upper-cased order first; the entries that
    // would still break the exact order into many runs are dropped.
    std::sort(list.begin(), list.end(), [](const std::string& a, const std::string& b) {
        const std::string ua = fuzz::upper(a), ub = fuzz::upper(b);
        return ua != ub ? ua < ub : a < b;
    });
    const auto breaks = [&list] {
        int n = 0;
        for (std::size_t i = 1; i < list.size(); ++i)
            n += list[i] < list[i - 1];
        return n;
    };
    while (breaks() > 6)
        list.pop_back();
    return list;
}

std::string scrambled(const std::vector<std::string>& list)
{
    std::string out;
    for (const auto& w : list)
        out += dfsenc::encodeline(w) + "\r\n";
    return out;
}

// ---------------------------------------------------------------- platform

// Fractions at and around the edges of the draw: before the first letter,
// on the halfway points, the last fraction below 1, and values no real
// source gives (the game must take those as draws to repeat).
const double kEdgeDraws[] = {
    0.0, 0x1p-53, 0.5 / 102 - 1e-12, 0.5 / 102, 0.5 / 102 + 1e-12, 1.5 / 102, 100.5 / 102, 101.5 / 102,
    std::nextafter(1.0, 0.0), 0.5, 1.0, -0.0, -1e-300, 2.0, std::numeric_limits<double>::quiet_NaN(),
    std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity(),
};

struct FuzzPlatform : Platform {
    std::deque<double> draws;
    std::uint32_t seed = 1;
    std::string resource;
    std::vector<std::string> boxes;
    int beeps = 0;
    std::function<void()> whileBoxOpen;

    void randomize() override {}
    double rnd() override
    {
        if (!draws.empty()) {
            const double r = draws.front();
            draws.pop_front();
            return r;
        }
        seed = seed * 1664525u + 1013904223u;
        return double(seed >> 8) * 0x1p-24;
    }
    void msgBox(std::string_view text) override
    {
        boxes.emplace_back(text);
        if (whileBoxOpen)
            whileBoxOpen();
    }
    void doEvents() override {}
    std::string_view loadResData(std::string_view type, std::string_view name) override
    {
        if (type != "DIC" || name != "BIN")
            throw std::runtime_error("no such resource");
        return resource;
    }
    void beep() override { ++beeps; }
};

// ---------------------------------------------------------------- checks

std::vector<std::string> records(const std::string& crlf)
{
    std::vector<std::string> out;
    for (std::size_t pos = 0; pos < crlf.size();) {
        const std::size_t end = crlf.find("\r\n", pos);
        FUZZ_CHECK(end != std::string::npos, "every record ends with CR LF");
        out.push_back(crlf.substr(pos, end - pos));
        pos = end + 2;
    }
    return out;
}

Board boardOf(const MainLogic& f)
{
    Board b;
    for (int n = 0; n < kCells; ++n)
        b[n] = f.l()[n].caption;
    return b;
}

char upperChar(char c)
{
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

bool holds(const Board& board, int n, char c)
{
    return board[n].size() == 1 && upperChar(board[n][0]) == upperChar(c);
}

// Depth first over touching free cells, the brute force the solver and the
// typing must agree with. Cells hold one letter each.
bool spells(const Board& board, std::string_view word, std::vector<int>& path, std::array<bool, kCells>& in)
{
    const std::size_t i = path.size();
    if (i == word.size())
        return true;
    for (int n = 0; n < kCells; ++n) {
        if (in[n] || !holds(board, n, word[i]))
            continue;
        if (i > 0 && !testing_board::adjacent(path.back(), n))
            continue;
        path.push_back(n);
        in[n] = true;
        if (spells(board, word, path, in))
            return true;
        in[n] = false;
        path.pop_back();
    }
    return false;
}

bool pathExists(const Board& board, std::string_view word, const std::vector<int>& fixed)
{
    if (word.size() > kCells)
        return false;
    std::vector<int> path;
    std::array<bool, kCells> in{};
    for (std::size_t i = 0; i < fixed.size(); ++i) {
        const int n = fixed[i];
        if (in[n] || !holds(board, n, word[i]) || (i > 0 && !testing_board::adjacent(path.back(), n)))
            return false;
        path.push_back(n);
        in[n] = true;
    }
    return spells(board, word, path, in);
}

bool same(float a, float b)
{
    return std::memcmp(&a, &b, sizeof a) == 0 || a == b;
}

class Game {
public:
    Game(fuzz::Bytes& in, const Reference* embedded)
        : in_(in)
    {
        if (embedded) {
            platform_.resource = embeddedBytes();
            ref_ = embedded;
        } else {
            const auto list = smallList(in);
            platform_.resource = scrambled(list);
            own_ = std::make_unique<Reference>(plainSplit(platform_.resource));
            ref_ = own_.get();
        }
        platform_.seed = in.u16();
        platform_.whileBoxOpen = [this] { boxOpen(); };
        logic_.Form_Load();
        FUZZ_CHECK(logic_.dictionary().size() == mdlList::kEntries, "the list's size");
        for (std::size_t i = 0; i <= ref_->lines.size() && i < mdlList::kEntries; ++i)
            FUZZ_CHECK(logic_.dictionary()[i] == ref_->entry(i), "entry " + std::to_string(i) + " as loaded");
        check("start-up");
    }

    ~Game()
    {
        const std::string dic = logic_.dicPath();
        logic_.Form_Unload();
        std::error_code ec;
        FUZZ_CHECK(!std::filesystem::exists(dic, ec), "the list's file removed at shutdown");
    }

    void play()
    {
        while (!in_.empty())
            event();
    }

private:
    void event()
    {
        // Hints came last: the committed inputs' events keep their numbers.
        const unsigned op = in_.below(20);
        switch (op) {
        case 0:
        case 1:
            press();
            break;
        case 2:
        case 3:
            key(in_.byte());
            break;
        case 4:
            backspace();
            break;
        case 5:
            add();
            break;
        case 6:
            cancel();
            break;
        case 7:
            start();
            break;
        case 8:
            if (logic_.endbtn().enabled) {
                logic_.endbtn_Click();
                FUZZ_CHECK(!logic_.running(), "End ends the round");
                check("end");
            }
            break;
        case 9:
            for (unsigned n = 1 + in_.byte(); n > 0 && logic_.sectimerEnabled(); --n)
                tick();
            break;
        case 10:
            if (logic_.combo1Enabled()) {
                const unsigned m = in_.below(11);
                logic_.setCombo1Text(m == 0 ? std::string() : std::to_string(m));
                logic_.Combo1_Click();
                check("pick " + logic_.combo1Text());
            }
            break;
        case 11:
            search(in_.text(6));
            break;
        case 12:
            focus(in_.flag());
            break;
        case 13:
            logic_.oneplayerbtn_Click();
            FUZZ_CHECK(logic_.outerHeightTwips() == MainLogic::kOneplayerHeight, "1 player");
            check("1 player");
            break;
        case 14:
            logic_.multiplaybtn_Click();
            FUZZ_CHECK(logic_.outerHeightTwips() == MainLogic::kMultiplayerHeight, "multiplayer");
            check("multiplayer");
            break;
        case 15:
            scoreLink();
            break;
        case 16:
            for (unsigned n = in_.below(20); n > 0; --n)
                platform_.draws.push_back(kEdgeDraws[in_.below(std::size(kEdgeDraws))]);
            break;
        case 17:
            ticksInBox_ = in_.below(4) == 0 ? 1000 : in_.below(3);
            break;
        case 18:
            hint();
            break;
        case 19:
            logic_.setHelpAllowed(in_.flag());
            FUZZ_CHECK(logic_.helpAllowed() || !logic_.hint(), "no hint lit where none is allowed");
            check("help allowed");
            break;
        }
    }

    // ---- events

    struct WordState {
        std::vector<int> cells;
        std::string caption;
        std::size_t fixed;
        std::size_t lines;
        friend bool operator==(const WordState&, const WordState&) = default;
    };
    WordState word() const
    {
        return {logic_.wordcells(), logic_.wordtxt().caption, logic_.fixedcells(), logic_.surface().lines.size() - hintLit()};
    }

    // The hint's segment is drawn: during a round, not on hold.
    bool hintLit() const { return logic_.hint() && logic_.running() && !logic_.paused(); }

    bool hinted(const std::string& w) const
    {
        const auto& h = logic_.hintedwords();
        return std::find(h.begin(), h.end(), w) != h.end();
    }

    void press()
    {
        static const int kIndexes[] = {-1, 16, 17, kNoCell, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()};
        static const float kPoints[] = {0.0f, 1.0f, 374.5f, 749.0f, 750.0f, 751.0f, -1.0f, -0.0f, 1e30f, -1e30f};
        const std::uint8_t c = in_.byte();
        const int index = c < 224 ? c % 16 : kIndexes[c % std::size(kIndexes)];
        const std::uint8_t px = in_.byte(), py = in_.byte();
        const float x = px < 240 ? float(px) * 3.2f : kPoints[px % std::size(kPoints)];
        const float y = py < 240 ? float(py) * 3.2f : kPoints[py % std::size(kPoints)];
        const int button = in_.byte(), shift = in_.byte();

        const WordState before = word();
        const bool takes = logic_.running() && index >= 0 && index < kCells && logic_.used()[index] == 0
            && (before.cells.empty() || testing_board::adjacent(before.cells.back(), index));
        logic_.l_MouseDown(index, button, shift, x, y);
        FUZZ_CHECK(!logic_.hint(), "a press on the board puts the hint out");
        if (takes) {
            FUZZ_CHECK(logic_.wordcells().size() == before.cells.size() + 1 && logic_.wordcells().back() == index, "press taken");
            FUZZ_CHECK(logic_.wordtxt().caption == before.caption + logic_.l()[index].caption, "its letter added");
            FUZZ_CHECK(logic_.fixedcells() == logic_.wordcells().size(), "a pressed word is fixed");
            FUZZ_CHECK(same(logic_.wordpoints().back().x, x) && same(logic_.wordpoints().back().y, y), "press point kept");
        } else {
            FUZZ_CHECK(word() == before, "an ignored press changes nothing");
        }
        check("press " + std::to_string(index));
    }

    void key(std::uint8_t b)
    {
        const char c = b < 208 ? static_cast<char>((b & 1 ? 'a' : 'A') + (b >> 1) % 26) : static_cast<char>(b);
        const WordState before = word();
        const int beeps = platform_.beeps;
        const std::string typed = before.caption + fuzz::upper(std::string(1, c));
        const std::vector<int> fixed(before.cells.begin(), before.cells.begin() + std::ptrdiff_t(before.fixed));
        const bool wasLit = bool(logic_.hint());
        logic_.keyLetter(c);
        FUZZ_CHECK(bool(logic_.hint()) == (wasLit && logic_.paused()), "a typed letter puts the hint out");
        if (!logic_.running()) {
            FUZZ_CHECK(word() == before && platform_.beeps == beeps, "no typing between rounds");
        } else if (platform_.beeps > beeps) {
            FUZZ_CHECK(word() == before, "a refused letter changes nothing");
            if (typed.size() <= 8)
                FUZZ_CHECK(!pathExists(boardOf(logic_), typed, fixed), "refused a letter a path takes: " + typed);
        } else {
            FUZZ_CHECK(logic_.wordtxt().caption == typed, "typed " + typed + ", shown " + logic_.wordtxt().caption);
            FUZZ_CHECK(std::equal(fixed.begin(), fixed.end(), logic_.wordcells().begin()), "pressed cells stay");
        }
        check(std::string("key ") + c);
    }

    void backspace()
    {
        const WordState before = word();
        logic_.keyBackspace();
        if (logic_.running() && !before.cells.empty()) {
            FUZZ_CHECK(logic_.wordcells().size() + 1 == before.cells.size(), "one letter dropped");
            FUZZ_CHECK(before.caption.starts_with(logic_.wordtxt().caption)
                           && logic_.wordtxt().caption.size() + 1 == before.caption.size(),
                       "the last letter dropped");
        } else {
            FUZZ_CHECK(word() == before, "nothing to drop");
        }
        check("backspace");
    }

    void add()
    {
        const std::string w = logic_.wordtxt().caption;
        const bool running = logic_.running();
        const auto listed = logic_.wordlst();
        const std::string accepted = logic_.acceptedwords(), rejected = logic_.rejectedwords();
        const int score = logic_.score();
        const std::size_t boxes = platform_.boxes.size();
        const bool wasHinted = hinted(w);
        logic_.Addbtn_Click();

        const bool repeat = std::find(listed.begin(), listed.end(), w) != listed.end();
        const char* box = !running ? nullptr
            : repeat               ? "You have already entered that word!"
            : w.size() < 3         ? "Words must be bigger than 2 letters!"
                                   : nullptr;
        FUZZ_CHECK(platform_.boxes.size() == boxes + (box ? 1 : 0) && (!box || platform_.boxes.back() == box),
                   "message for \"" + w + "\"");
        if (!running || box) {
            FUZZ_CHECK(logic_.wordlst() == listed && logic_.acceptedwords() == accepted && logic_.rejectedwords() == rejected
                           && logic_.score() == score,
                       "nothing recorded");
        } else {
            const auto found = ref_->find(w);
            FUZZ_CHECK(logic_.acceptedwords() == accepted + (found ? w + "\r\n" : ""), "accepted: " + w);
            FUZZ_CHECK(logic_.rejectedwords() == rejected + (found ? "" : w + "\r\n"), "rejected: " + w);
            FUZZ_CHECK(logic_.score() == score + (found && !wasHinted ? int(w.size()) : 0), "scored, a hinted word nothing");
            if (found)
                FUZZ_CHECK(logic_.predictiontxt().caption == ref_->entry(*found), "the list's spelling shown");
            FUZZ_CHECK(logic_.wordlst().size() == listed.size() + 1 && logic_.wordlst().back() == w, "listed");
        }
        FUZZ_CHECK(logic_.wordtxt().caption.empty() && logic_.wordcells().empty(), "the word cleared after Add");
        check("add " + w);
    }

    void cancel()
    {
        const WordState before = word();
        logic_.Cancelbtn_Click();
        if (logic_.running())
            FUZZ_CHECK(logic_.wordcells().empty() && logic_.wordtxt().caption.empty(), "Cancel clears");
        else
            FUZZ_CHECK(word() == before, "Cancel between rounds does nothing");
        check("cancel");
    }

    void start()
    {
        if (!logic_.startbtn().enabled)
            return;
        // Letters picked by the input: the middle of each one's first place in the pool.
        if (in_.flag()) {
            for (int n = 0; n < kCells; ++n)
                platform_.draws.push_back((double(in_.below(unsigned(kLetterPool.size()))) + 1.0) / 102.0);
        }
        logic_.startbtn_Click();
        started_ = true;
        FUZZ_CHECK(logic_.running() && logic_.wordlst().empty() && logic_.score() == 0 && logic_.wordtxt().caption.empty(),
                   "a fresh round");
        FUZZ_CHECK(logic_.helpAllowed() && logic_.hintedwords().empty() && !logic_.hint() && logic_.hintnote().empty(),
                   "a round starts allowing hints, none given");
        for (int n = 0; n < kCells; ++n)
            FUZZ_CHECK(logic_.l()[n].caption.size() == 1 && kLetterPool.find(logic_.l()[n].caption[0]) != std::string_view::npos
                           && logic_.letters()[n] == logic_.l()[n].caption,
                       "cell " + std::to_string(n) + " holds a letter of the pool");
        check("start");
    }

    void tick()
    {
        const std::string before = logic_.seconds().caption;
        logic_.sectimer_Timer();
        if (logic_.running())
            FUZZ_CHECK(std::to_string(std::stoi(before) - 1) == logic_.seconds().caption, "the clock counts down");
        else
            FUZZ_CHECK(before == "0", "the round ends at the tick after 0");
        check("tick");
    }

    // "Show a start": refused outside a running round, on hold, where the
    // round allows none and with every common word found; otherwise the
    // first common word not found, in the order All Words lists them.
    void hint()
    {
        const WordState before = word();
        const auto hintedBefore = logic_.hintedwords();
        const auto litBefore = logic_.hint();
        const HintRefusal why = logic_.showStart();
        std::optional<Hint> expected;
        for (const ListedWord& w : logic_.boardWords()) {
            if (!w.rare && !w.found) {
                expected = Hint{w.word, w.path[0], w.path[1]};
                break;
            }
        }
        const HintRefusal want = !logic_.running() ? HintRefusal::noRound
            : logic_.paused()                      ? HintRefusal::paused
            : !logic_.helpAllowed()                ? HintRefusal::notAllowed
            : expected                             ? HintRefusal::none
                                                   : HintRefusal::noneLeft;
        FUZZ_CHECK(why == want, "the hint's answer");
        if (why == HintRefusal::none) {
            FUZZ_CHECK(logic_.hint() == expected, "the first common word not found");
            FUZZ_CHECK(hinted(expected->word), "the word marked hinted");
            FUZZ_CHECK(logic_.hintnote() == hintText(boardOf(logic_), *expected), "the hint in words");
        } else {
            FUZZ_CHECK(logic_.hintedwords() == hintedBefore && logic_.hint() == litBefore, "a refusal changes nothing");
        }
        FUZZ_CHECK(word() == before, "a hint leaves the word alone");
        check("show a start");
    }

    // Only the clock runs while a message box is open: the window under it
    // takes no input.
    void boxOpen()
    {
        for (unsigned n = ticksInBox_; n > 0 && logic_.sectimerEnabled(); --n)
            tick();
    }

    void search(std::string text)
    {
        const std::string before = logic_.predictiontxt().caption;
        const std::string was = logic_.searchtxt().text;
        logic_.setSearchtxtText(text);
        if (text != was)
            checkSearch(before);
        else
            FUZZ_CHECK(logic_.predictiontxt().caption == before, "no search without a change");
        check("search");
    }

    void focus(bool gained)
    {
        const std::string before = logic_.predictiontxt().caption;
        const std::string text = logic_.searchtxt().text;
        if (gained)
            logic_.searchtxt_GotFocus();
        else
            logic_.searchtxt_LostFocus();
        FUZZ_CHECK(logic_.searchtxt().text == (gained ? "" : "Search..."), "the box's text on a change of focus");
        if (logic_.searchtxt().text != text)
            checkSearch(before);
        else
            FUZZ_CHECK(logic_.predictiontxt().caption == before, "no search without a change");
        check("focus");
    }

    void checkSearch(const std::string& before)
    {
        const std::string& t = logic_.searchtxt().text;
        if (t.empty()) {
            FUZZ_CHECK(logic_.predictiontxt().caption.empty(), "an empty box clears the label");
            return;
        }
        const auto i = ref_->firstWithExactPrefix(t);
        FUZZ_CHECK(logic_.predictiontxt().caption == (i ? std::string(ref_->entry(*i)) : before), "search for \"" + t + "\"");
    }

    void scoreLink()
    {
        if (logic_.running() || !logic_.scoretxt().visible)
            return;
        const Report r = logic_.scoretxt_Click();
        FUZZ_CHECK(r.scoretxt == std::to_string(logic_.score()), "report's score");
        checkAllWords(r);
        // The round as the records keep it agrees with the report.
        const Round kept = logic_.finishedRound("2024-05-01");
        FUZZ_CHECK(kept.hints == int(logic_.hintedwords().size()) && (!kept.common || kept.common->score <= kept.score),
                   "the round kept with its hints");
        FUZZ_CHECK(kept.score == logic_.score() && kept.minutes == logic_.roundMinutes()
                       && kept.found == int(records(logic_.acceptedwords()).size()) && kept.possible == int(r.allwords.size()),
                   "the round kept");
        check("score link");
    }

    // The board's words against a walk of the board for every word of the list.
    void checkAllWords(const Report& r)
    {
        const Board board = boardOf(logic_);
        std::set<std::string> expected;
        if (solverChecks_++ == 0) {
            std::string captions;
            for (const auto& c : board)
                captions += fuzz::upper(c);
            const std::uint32_t onBoard = letterBits(captions);
            for (std::size_t k = 0; k < ref_->words.size(); ++k) {
                const std::string& u = ref_->words[k];
                if ((ref_->letters[k] & ~onBoard) != 0)
                    continue; // a letter the board lacks
                std::vector<int> path;
                std::array<bool, kCells> in{};
                if (spells(board, u, path, in))
                    expected.insert(u);
            }
            std::set<std::string> got;
            for (const auto& w : r.allwords)
                got.insert(w.word);
            FUZZ_CHECK(got == expected, "the solver's words against a walk of the board: "
                                            + std::to_string(got.size()) + " vs " + std::to_string(expected.size()));
        }
        int best = 0;
        std::size_t foundCount = 0;
        std::set<std::string> seen;
        for (std::size_t i = 0; i < r.allwords.size(); ++i) {
            const ListedWord& w = r.allwords[i];
            FUZZ_CHECK(seen.insert(w.word).second, "listed once: " + w.word);
            FUZZ_CHECK(w.word.size() >= 3 && ref_->find(w.word), "a word of the list: " + w.word);
            FUZZ_CHECK(w.path.size() == w.word.size(), "a cell a letter");
            std::string spelled;
            std::set<int> cells;
            for (std::size_t k = 0; k < w.path.size(); ++k) {
                FUZZ_CHECK(w.path[k] >= 0 && w.path[k] < kCells && cells.insert(w.path[k]).second, "distinct cells");
                FUZZ_CHECK(k == 0 || testing_board::adjacent(w.path[k - 1], w.path[k]), "touching cells");
                spelled += board[w.path[k]];
            }
            FUZZ_CHECK(spelled == w.word, "the path spells " + w.word);
            if (i > 0) {
                const auto& p = r.allwords[i - 1].word;
                FUZZ_CHECK(p.size() > w.word.size() || (p.size() == w.word.size() && p < w.word), "longest first");
            }
            best += int(w.word.size());
            foundCount += w.found;
            FUZZ_CHECK(w.hinted == hinted(w.word), "marked hinted: " + w.word);
        }
        // Every accepted word was spelled on this board and is in the list.
        FUZZ_CHECK(foundCount == records(logic_.acceptedwords()).size(), "every accepted word among the board's words");
        FUZZ_CHECK(r.foundtxt == foundText(logic_.score(), best), r.foundtxt);
    }

    // ---- the rules after every event

    void check(const std::string& after)
    {
        const MainLogic& f = logic_;
        // GOLEXORB_FUZZ_TRACE=1 shows each event of a replayed input.
        static const bool trace = std::getenv("GOLEXORB_FUZZ_TRACE") != nullptr;
        if (trace)
            std::fprintf(stderr, "%-14s running %d word \"%s\" score %d seconds %s boxes %zu listed %zu hint %s\n",
                         after.c_str(), f.running(), f.wordtxt().caption.c_str(), f.score(), f.seconds().caption.c_str(),
                         platform_.boxes.size(), f.wordlst().size(), f.hint() ? f.hint()->word.c_str() : "-");
        const auto& cells = f.wordcells();
        const auto labels = f.l();
        const auto used = f.used();
        const Surface surface = f.surface();
        const std::string at = " (after " + after + ")";

        // The word: a chain of touching, distinct cells, spelled in wordtxt.
        FUZZ_CHECK(f.wordpoints().size() == cells.size() && f.fixedcells() <= cells.size(), "word bookkeeping" + at);
        std::string spelled;
        for (std::size_t i = 0; i < cells.size(); ++i) {
            FUZZ_CHECK(cells[i] >= 0 && cells[i] < kCells, "cell in range" + at);
            FUZZ_CHECK(std::count(cells.begin(), cells.end(), cells[i]) == 1, "a cell once" + at);
            FUZZ_CHECK(i == 0 || testing_board::adjacent(cells[i - 1], cells[i]), "touching cells" + at);
            spelled += labels[cells[i]].caption;
        }
        if (f.running() || !cells.empty())
            FUZZ_CHECK(f.wordtxt().caption == spelled, "wordtxt \"" + f.wordtxt().caption + "\" spells \"" + spelled + "\"" + at);
        else
            FUZZ_CHECK(f.wordtxt().caption.empty() || (!started_ && f.wordtxt().caption == "Your Word Here"),
                       "no word between rounds" + at);
        FUZZ_CHECK(f.running() || cells.empty(), "no word between rounds" + at);

        // used, the colours, lastcell and the trail agree with the word.
        for (int n = 0; n < kCells; ++n) {
            const bool in = std::find(cells.begin(), cells.end(), n) != cells.end();
            FUZZ_CHECK(used[n] == (in ? 1 : 0), "used(" + std::to_string(n) + ")" + at);
            FUZZ_CHECK(labels[n].color == (in ? kBlack : kPaleYellow), "colour of cell " + std::to_string(n) + at);
        }
        if (cells.empty()) {
            FUZZ_CHECK(f.lastcell() == kNoCell && f.lastx() == 0 && f.lasty() == 0, "no last cell" + at);
        } else {
            FUZZ_CHECK(f.lastcell() == cells.back() && f.prevcell() == cells.back(), "lastcell" + at);
            FUZZ_CHECK(same(f.lastx(), f.wordpoints().back().x) && same(f.lasty(), f.wordpoints().back().y), "last point" + at);
        }
        FUZZ_CHECK(surface.lines.size() == (cells.empty() ? 0 : cells.size() - 1) + hintLit(), "a segment a step" + at);
        // The hint: two touching cells that start a word not found, hinted,
        // joined centre to centre in the trail's red.
        if (const auto& h = f.hint()) {
            FUZZ_CHECK(f.running() && f.helpAllowed() && hinted(h->word), "a hint lit in a round allowing it" + at);
            FUZZ_CHECK(h->first >= 0 && h->first < kCells && testing_board::adjacent(h->first, h->second)
                           && h->word.starts_with(boardOf(f)[h->first] + boardOf(f)[h->second]),
                       "the hint's cells start its word" + at);
            const auto listed = f.wordlst();
            FUZZ_CHECK(std::find(listed.begin(), listed.end(), h->word) == listed.end(), "the hinted word not found yet" + at);
            if (hintLit()) {
                constexpr float c = kCellSize / 2.0f;
                FUZZ_CHECK(surface.lines.back()
                               == (Segment{float(cellLeft(h->first)) + c, float(cellTop(h->first)) + c,
                                           float(cellLeft(h->second)) + c, float(cellTop(h->second)) + c, kRed}),
                           "the hint's segment" + at);
            }
        }
        for (std::size_t i = 0; i + hintLit() < surface.lines.size(); ++i) {
            const Segment& s = surface.lines[i];
            const int a = cells[i], b = cells[i + 1];
            FUZZ_CHECK(s.color == kRed, "red trail" + at);
            FUZZ_CHECK(same(s.x1, float(cellLeft(a)) + f.wordpoints()[i].x) && same(s.y1, float(cellTop(a)) + f.wordpoints()[i].y)
                           && same(s.x2, float(cellLeft(b)) + f.wordpoints()[i + 1].x)
                           && same(s.y2, float(cellTop(b)) + f.wordpoints()[i + 1].y),
                       "segment " + std::to_string(i) + " joins the press points" + at);
        }

        // The records: the score sums the accepted words; accepted words are
        // in the list and rejected ones are not; no word listed twice.
        const auto accepted = records(f.acceptedwords());
        const auto rejected = records(f.rejectedwords());
        int sum = 0;
        for (const auto& w : accepted) {
            sum += hinted(w) ? 0 : int(w.size());
            FUZZ_CHECK(w.size() >= 3 && ref_->find(w), "accepted but not in the list: " + w + at);
        }
        for (const auto& w : rejected)
            FUZZ_CHECK(w.size() >= 3 && !ref_->find(w), "rejected but in the list: " + w + at);
        FUZZ_CHECK(f.score() == sum, "score " + std::to_string(f.score()) + " is not " + std::to_string(sum) + at);
        std::multiset<std::string> recorded(accepted.begin(), accepted.end());
        recorded.insert(rejected.begin(), rejected.end());
        const std::set<std::string> distinct(f.wordlst().begin(), f.wordlst().end());
        FUZZ_CHECK(distinct.size() == f.wordlst().size(), "a word listed twice" + at);
        FUZZ_CHECK(recorded == std::multiset<std::string>(f.wordlst().begin(), f.wordlst().end()), "listed = recorded" + at);
        std::string longest;
        for (const auto& w : f.wordlst())
            if (w.size() > longest.size())
                longest = w;
        FUZZ_CHECK(f.longestword() == longest, "longest word" + at);

        // The buttons and the clock agree with running.
        const bool r = f.running();
        FUZZ_CHECK(f.sectimerEnabled() == r && f.startbtn().enabled == !r && f.endbtn().enabled == r && f.combo1Enabled() == !r,
                   "controls and running" + at);
        if (r) {
            FUZZ_CHECK(!f.scoretxt().visible, "no score during a round" + at);
            const int t = std::stoi(f.seconds().caption);
            FUZZ_CHECK(t >= 0 && t <= f.roundMinutes() * 60 && f.seconds().caption == std::to_string(t), "the clock" + at);
        } else {
            FUZZ_CHECK(f.seconds().caption == std::to_string(f.fulltime()), "the full time between rounds" + at);
            FUZZ_CHECK(f.scoretxt().visible == (f.scoretxt().caption != "Your Score:" && started_), "score shown" + at);
            if (started_)
                FUZZ_CHECK(f.scoretxt().caption == "Your Score: " + std::to_string(f.score()), "score caption" + at);
        }
        FUZZ_CHECK(f.outerHeightTwips() == MainLogic::kOneplayerHeight || f.outerHeightTwips() == MainLogic::kMultiplayerHeight,
                   "window height" + at);
        FUZZ_CHECK(!f.loadingfrmVisible(), "the loading window hidden" + at);
    }

    fuzz::Bytes& in_;
    FuzzPlatform platform_;
    std::unique_ptr<Reference> own_;
    const Reference* ref_ = nullptr;
    MainLogic logic_{platform_};
    unsigned ticksInBox_ = 0;
    bool started_ = false;
    int solverChecks_ = 0;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::Bytes in(data, size);
    // The embedded list now and then: it costs twenty times a small one.
    const bool embedded = in.below(16) == 0;
    Game game(in, embedded ? &embeddedReference() : nullptr);
    game.play();
    return 0;
}
