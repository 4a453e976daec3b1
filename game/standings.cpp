#include "standings.h"

#include <algorithm>

namespace game {

Standings standings(const std::map<std::string, std::vector<std::string>>& words, const std::set<std::string>& boardWords)
{
    Standings out;
    std::map<std::string, std::set<std::string>> counted;
    for (const auto& [name, list] : words) {
        auto& mine = counted[name];
        for (const auto& w : list)
            if (boardWords.count(w))
                mine.insert(w);
        for (const auto& w : mine)
            out.finders[w].push_back(name); // names come in order from the map
    }
    for (const auto& [name, mine] : counted) {
        Standing s{name, 0, 0, 0};
        for (const auto& w : mine) {
            const int length = static_cast<int>(w.size());
            s.score += length;
            if (out.finders[w].size() == 1) {
                s.roomScore += length;
                ++s.onlyTheirs;
            }
        }
        out.players.push_back(s);
    }
    std::stable_sort(out.players.begin(), out.players.end(), [](const Standing& a, const Standing& b) {
        return a.roomScore != b.roomScore ? a.roomScore > b.roomScore : a.score > b.score;
    });
    return out;
}

std::vector<std::string> standingsLines(const Standings& s, const std::function<std::string(std::string_view)>& show)
{
    std::vector<std::string> lines{"Standings (a word two or more found scores nothing in the room score):"};
    int rank = 0;
    for (const auto& p : s.players) {
        const std::string name = show(p.name);
        lines.push_back(std::to_string(++rank) + ". " + name + ": score " + std::to_string(p.score) + ", room score "
                        + std::to_string(p.roomScore) + ", " + std::to_string(p.onlyTheirs)
                        + (p.onlyTheirs == 1 ? " word" : " words") + " only " + name + " found");
    }
    return lines;
}

} // namespace game
