#include "standings.h"

#include "translate.h"

#include <algorithm>
#include <unordered_map>
#include <utility>

namespace game {

Standings standings(const std::map<std::string, std::vector<std::string>>& words, const std::set<std::string>& boardWords)
{
    // Every player of a big room counts every player's words at the round's
    // end, so words are numbered by their place among the board's once, and
    // counted in arrays rather than in trees of strings.
    std::unordered_map<std::string_view, std::size_t> number;
    number.reserve(boardWords.size());
    std::vector<const std::string*> word;
    word.reserve(boardWords.size());
    for (const auto& w : boardWords) {
        number.emplace(w, word.size());
        word.push_back(&w);
    }
    std::vector<std::vector<const std::string*>> finders(word.size()); // names come in order from the map
    std::vector<std::pair<const std::string*, std::vector<std::size_t>>> counted;
    counted.reserve(words.size());
    for (const auto& [name, list] : words) {
        std::vector<std::size_t> mine;
        mine.reserve(list.size());
        for (const auto& w : list)
            if (const auto it = number.find(w); it != number.end())
                mine.push_back(it->second);
        std::sort(mine.begin(), mine.end());
        mine.erase(std::unique(mine.begin(), mine.end()), mine.end());
        for (const std::size_t n : mine)
            finders[n].push_back(&name);
        counted.emplace_back(&name, std::move(mine));
    }
    Standings out;
    for (const auto& [name, mine] : counted) {
        Standing s{*name, 0, 0, 0};
        for (const std::size_t n : mine) {
            const int length = static_cast<int>(word[n]->size());
            s.score += length;
            if (finders[n].size() == 1) {
                s.roomScore += length;
                ++s.onlyTheirs;
            }
        }
        out.players.push_back(std::move(s));
    }
    std::sort(out.players.begin(), out.players.end(), [](const Standing& a, const Standing& b) {
        if (a.roomScore != b.roomScore)
            return a.roomScore > b.roomScore;
        return a.score != b.score ? a.score > b.score : a.name < b.name;
    });
    for (std::size_t n = 0; n < word.size(); ++n) {
        if (finders[n].empty())
            continue;
        std::vector<std::string> names;
        names.reserve(finders[n].size());
        for (const std::string* name : finders[n])
            names.push_back(*name);
        out.finders.emplace_hint(out.finders.end(), *word[n], std::move(names)); // the board's words come sorted
    }
    return out;
}

std::vector<std::string> standingsLines(const std::vector<Standing>& players,
                                        const std::function<std::string(std::string_view)>& show, std::string_view own,
                                        std::size_t most)
{
    std::vector<std::string> lines{translate("Room", "Standings (a word two or more found scores nothing in the room score):")};
    const bool cut = players.size() > most;
    std::size_t shown = 0;
    // Equal room scores share a rank, and the next rank skips as many
    // places as shared it (1, 2, 2, 4).
    int rank = 0;
    for (std::size_t i = 0; i < players.size(); ++i) {
        const Standing& p = players[i];
        if (i == 0 || p.roomScore != players[i - 1].roomScore)
            rank = static_cast<int>(i) + 1;
        if (cut && i >= most && p.name != own)
            continue;
        ++shown;
        const std::string name = show(p.name);
        lines.push_back(fill(translate("Room", "%1. %2: score %3, room score %4, %n word(s) only %2 found", nullptr,
                                       p.onlyTheirs),
                             {std::to_string(rank), name, std::to_string(p.score), std::to_string(p.roomScore)}));
    }
    if (cut) {
        const int more = static_cast<int>(players.size() - shown);
        lines.push_back(translate("Room", "...and %n more.", nullptr, more));
    }
    return lines;
}

namespace {

// "Ann, Bob and Cy": the last two joined as the player's language joins them.
std::string andList(const std::vector<std::string>& names)
{
    if (names.empty())
        return {};
    std::string out = names[0];
    for (std::size_t i = 1; i + 1 < names.size(); ++i)
        out += ", " + names[i];
    return names.size() < 2 ? out : fill(translate("Room", "%1 and %2"), {out, names.back()});
}

} // namespace

std::string winnerLine(const std::vector<Standing>& players, const std::function<std::string(std::string_view)>& show)
{
    // The players of the two best room scores, each group as it ranks.
    std::vector<std::pair<int, std::vector<std::string>>> groups;
    for (const auto& p : players) {
        if (groups.empty() || groups.back().first != p.roomScore) {
            if (groups.size() == 2)
                break;
            groups.push_back({p.roomScore, {}});
        }
        groups.back().second.push_back(show(p.name));
    }
    if (groups.empty())
        return {};
    // Whole sentences, one for each way the two groups can be made up.
    const auto& [best, winners] = groups[0];
    const bool tie = winners.size() > 1;
    if (groups.size() == 1)
        return fill(tie ? translate("Room", "%1 tie for the win on %2.") : translate("Room", "%1 wins with %2."),
                    {andList(winners), std::to_string(best)});
    const auto& [next, names] = groups[1];
    const bool tieNext = names.size() > 1;
    const char* pattern = !tie ? (!tieNext ? GAME_TRANSLATE_NOOP("Room", "%1 wins with %2; %3 comes next with %4.")
                                           : GAME_TRANSLATE_NOOP("Room", "%1 wins with %2; %3 tie on %4."))
                               : (!tieNext ? GAME_TRANSLATE_NOOP("Room", "%1 tie for the win on %2; %3 comes next with %4.")
                                           : GAME_TRANSLATE_NOOP("Room", "%1 tie for the win on %2; %3 tie on %4."));
    return fill(translate("Room", pattern), {andList(winners), std::to_string(best), andList(names), std::to_string(next)});
}

std::string sharedWordsLine(const Standings& s, const std::function<std::string(std::string_view)>& show,
                            std::size_t most)
{
    std::vector<SharedWord> first;
    std::size_t total = 0;
    for (const auto& [word, names] : s.finders) {
        if (names.size() < 2 || ++total > most)
            continue;
        first.push_back({word, {names.begin(), names.end()}});
    }
    return sharedWordsLine(first, total, show, most);
}

std::string sharedWordsLine(const std::vector<SharedWord>& first, std::size_t total,
                            const std::function<std::string(std::string_view)>& show, std::size_t most)
{
    if (total == 0)
        return translate("Room", "No word was shared.");
    std::string line;
    for (std::size_t i = 0; i < first.size() && i < most; ++i) {
        std::vector<std::string> shownNames;
        for (const auto& n : first[i].finders)
            shownNames.push_back(show(n));
        line += (i == 0 ? "" : "; ") + std::string(first[i].word) + " (" + andList(shownNames) + ")";
    }
    if (total > most) {
        const int more = static_cast<int>(total - most);
        return fill(translate("Room", "Shared words, which score nothing in the room score: %1; and %n more.", nullptr, more),
                    {line});
    }
    return fill(translate("Room", "Shared words, which score nothing in the room score: %1."), {line});
}

} // namespace game
