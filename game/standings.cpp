#include "standings.h"

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
                                        const std::function<std::string(std::string_view)>& show)
{
    std::vector<std::string> lines{"Standings (a word two or more found scores nothing in the room score):"};
    // Equal room scores share a rank, and the next rank skips as many
    // places as shared it (1, 2, 2, 4).
    int rank = 0;
    for (std::size_t i = 0; i < players.size(); ++i) {
        const Standing& p = players[i];
        if (i == 0 || p.roomScore != players[i - 1].roomScore)
            rank = static_cast<int>(i) + 1;
        const std::string name = show(p.name);
        lines.push_back(std::to_string(rank) + ". " + name + ": score " + std::to_string(p.score) + ", room score "
                        + std::to_string(p.roomScore) + ", " + std::to_string(p.onlyTheirs)
                        + (p.onlyTheirs == 1 ? " word" : " words") + " only " + name + " found");
    }
    return lines;
}

namespace {

std::string andList(const std::vector<std::string>& names)
{
    std::string out;
    for (std::size_t i = 0; i < names.size(); ++i)
        out += (i == 0 ? "" : i + 1 == names.size() ? " and " : ", ") + names[i];
    return out;
}

} // namespace

std::string winnerLine(const Standings& s, const std::function<std::string(std::string_view)>& show)
{
    // The players of the two best room scores, each group as it ranks.
    std::vector<std::pair<int, std::vector<std::string>>> groups;
    for (const auto& p : s.players) {
        if (groups.empty() || groups.back().first != p.roomScore) {
            if (groups.size() == 2)
                break;
            groups.push_back({p.roomScore, {}});
        }
        groups.back().second.push_back(show(p.name));
    }
    if (groups.empty())
        return {};
    const auto& [best, winners] = groups[0];
    std::string line = winners.size() == 1 ? winners[0] + " wins with " + std::to_string(best)
                                           : andList(winners) + " tie for the win on " + std::to_string(best);
    if (groups.size() == 2) {
        const auto& [next, names] = groups[1];
        line += names.size() == 1 ? "; " + names[0] + " comes next with " + std::to_string(next)
                                  : "; " + andList(names) + " tie on " + std::to_string(next);
    }
    return line + ".";
}

std::string sharedWordsLine(const Standings& s, const std::function<std::string(std::string_view)>& show,
                            std::size_t most)
{
    std::string line;
    std::size_t shown = 0, shared = 0;
    for (const auto& [word, names] : s.finders) {
        if (names.size() < 2)
            continue;
        if (++shared > most)
            continue;
        std::vector<std::string> shownNames;
        for (const auto& n : names)
            shownNames.push_back(show(n));
        line += (shown++ == 0 ? "" : "; ") + word + " (" + andList(shownNames) + ")";
    }
    if (shared == 0)
        return "No word was shared.";
    if (shared > most)
        line += "; and " + std::to_string(shared - most) + " more";
    return "Shared words, which score nothing in the room score: " + line + ".";
}

} // namespace game
