#include "help.h"

#include "folding.h"

#include <map>

namespace game {

namespace {

void count(LengthCount& c, const ListedWord& w)
{
    ++c.all;
    c.found += w.found;
    if (!w.rare) {
        ++c.common;
        c.commonFound += w.found;
    }
}

std::string place(const Board& board, int cell)
{
    return board[static_cast<std::size_t>(cell)] + " at row " + std::to_string(cell / 4 + 1) + ", column "
        + std::to_string(cell % 4 + 1);
}

} // namespace

WordCounts countWords(const std::vector<ListedWord>& words)
{
    std::map<int, LengthCount> byLength;
    WordCounts out;
    for (const ListedWord& w : words) {
        const int length = static_cast<int>(wordlist::tileCount(w.word)); // Ä is one letter
        LengthCount& c = byLength[length];
        c.length = length;
        count(c, w);
        count(out.total, w);
    }
    for (const auto& [length, c] : byLength)
        out.lengths.push_back(c);
    return out;
}

std::string countsText(const WordCounts& counts)
{
    const LengthCount& t = counts.total;
    std::string out = "Common words: " + std::to_string(t.commonFound) + " of " + std::to_string(t.common)
        + " found. All words: " + std::to_string(t.found) + " of " + std::to_string(t.all) + " found.";
    // The space appended on its own: GCC 12 at -O3 warns falsely (-Wrestrict)
    // of a literal put in front of a temporary string.
    for (const LengthCount& c : counts.lengths) {
        out += ' ';
        out += std::to_string(c.length) + " letters: " + std::to_string(c.commonFound) + " of "
            + std::to_string(c.common) + " common, " + std::to_string(c.found) + " of " + std::to_string(c.all)
            + " in all.";
    }
    return out;
}

std::string pointsText(const std::vector<ListedWord>& words, int score, bool frequencies)
{
    int best = 0;
    for (const ListedWord& w : words)
        best += static_cast<int>(wordlist::tileCount(w.word));
    return foundText(score, best) + "\n" + commonText(frequencies ? std::optional(commonPoints(words)) : std::nullopt);
}

std::optional<Hint> chooseHint(const std::vector<ListedWord>& words)
{
    for (const ListedWord& w : words) {
        if (!w.rare && !w.found && w.path.size() >= 2)
            return Hint{w.word, w.path[0], w.path[1]};
    }
    return std::nullopt;
}

std::string hintText(const Board& board, const Hint& hint)
{
    return "A start: " + place(board, hint.first) + ", then " + place(board, hint.second) + ".";
}

std::string refusalText(HintRefusal why)
{
    switch (why) {
    case HintRefusal::none:
        break;
    case HintRefusal::noRound:
        return "Hints are given during a round.";
    case HintRefusal::paused:
        return "The round is paused.";
    case HintRefusal::notAllowed:
        return "This round allows no hints.";
    case HintRefusal::noneLeft:
        return "You have found every common word.";
    }
    return {};
}

} // namespace game
