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

} // namespace game
