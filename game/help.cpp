#include "help.h"

#include "folding.h"
#include "translate.h"

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
    return fill(translate("Help", "%1 at row %2, column %3"),
                {board[static_cast<std::size_t>(cell)], std::to_string(cell / 4 + 1), std::to_string(cell % 4 + 1)});
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
    std::string out = fill(translate("Help", "Common words: %1 of %2 found. All words: %3 of %4 found."),
                           {std::to_string(t.commonFound), std::to_string(t.common), std::to_string(t.found),
                            std::to_string(t.all)});
    // The space appended on its own: GCC 12 at -O3 warns falsely (-Wrestrict)
    // of a literal put in front of a temporary string.
    for (const LengthCount& c : counts.lengths) {
        out += ' ';
        out += fill(translate("Help", "%1 letters: %2 of %3 common, %4 of %5 in all."),
                    {std::to_string(c.length), std::to_string(c.commonFound), std::to_string(c.common),
                     std::to_string(c.found), std::to_string(c.all)});
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
    return fill(translate("Help", "A start: %1, then %2."), {place(board, hint.first), place(board, hint.second)});
}

std::string refusalText(HintRefusal why)
{
    switch (why) {
    case HintRefusal::none:
        break;
    case HintRefusal::noRound:
        return translate("Help", "Hints are given during a round.");
    case HintRefusal::paused:
        return translate("Help", "The round is paused.");
    case HintRefusal::notAllowed:
        return translate("Help", "This round allows no hints.");
    case HintRefusal::noneLeft:
        return translate("Help", "You have found every common word.");
    }
    return {};
}

} // namespace game
