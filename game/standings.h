#pragma once
// The standings of a round a room played: each player's score as the game
// counts it, and the room score, in which a word that two or more players
// found scores nothing.

#include <functional>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace game {

struct Standing {
    std::string name;
    int score = 0;      // the lengths of the player's words, as Add adds them
    int roomScore = 0;  // the same, of the words no one else found
    int onlyTheirs = 0; // how many words no one else found
    friend bool operator==(const Standing&, const Standing&) = default;
};

struct Standings {
    // Best room score first; equal room scores are tied (one rank), the
    // better score first among them, then by name (in code point order).
    std::vector<Standing> players;
    // Every word that counted, with who found it (in name order).
    std::map<std::string, std::vector<std::string>> finders;
    friend bool operator==(const Standings&, const Standings&) = default;
};

// `words` holds each player's words as they sent them; only those in
// `boardWords` (every word the round's board holds) count, each once.
Standings standings(const std::map<std::string, std::vector<std::string>>& words,
                    const std::set<std::string>& boardWords);

// The players' lines the chat shows of a big room's standings: the chat
// list keeps its last 500 lines, and a room holds up to 1,000 players.
inline constexpr std::size_t kMostStandingsLines = 20;

// The lines the chat shows, names written through `show`: players of equal
// room scores share a rank ("1.", "1.", "3."). Of more than `most` players
// only the first `most` are shown, then the line of `own` (this player)
// when it is not among them, then how many more there are.
std::vector<std::string> standingsLines(const std::vector<Standing>& players,
                                        const std::function<std::string(std::string_view)>& show,
                                        std::string_view own = {}, std::size_t most = kMostStandingsLines);
inline std::vector<std::string> standingsLines(const Standings& s, const std::function<std::string(std::string_view)>& show,
                                               std::string_view own = {}, std::size_t most = kMostStandingsLines)
{
    return standingsLines(s.players, show, own, most);
}

// One line that names the winner, or those who tie for the win, and the
// next best: "Bob wins with 18; Ann and Cy tie on 13." Empty without players.
std::string winnerLine(const std::vector<Standing>& players, const std::function<std::string(std::string_view)>& show);
inline std::string winnerLine(const Standings& s, const std::function<std::string(std::string_view)>& show)
{
    return winnerLine(s.players, show);
}

// The words two or more players found, each with its finders, at most
// `most` of them (the rest counted).
inline constexpr std::size_t kMostSharedWords = 30;
std::string sharedWordsLine(const Standings& s, const std::function<std::string(std::string_view)>& show,
                            std::size_t most = kMostSharedWords);
// The same line from the shared words in order, `total` of them, of which
// only the first `most` need their finders (in name order): a player
// reading a big room's standings names no more than it shows.
struct SharedWord {
    std::string_view word;
    std::vector<std::string_view> finders;
};
std::string sharedWordsLine(const std::vector<SharedWord>& first, std::size_t total,
                            const std::function<std::string(std::string_view)>& show,
                            std::size_t most = kMostSharedWords);

} // namespace game
