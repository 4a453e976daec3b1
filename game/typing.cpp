#include "typing.h"

#include "ascii.h"

#include <algorithm>

namespace game {

namespace {

struct PathSearch {
    const Board& board;
    const std::vector<std::string>& word;
    const std::vector<int>& fixed;
    const std::vector<int>& shown;
    std::vector<int> path;
    std::array<bool, kCells> inPath{};

    bool tryCell(int n)
    {
        const std::size_t i = path.size();
        if (inPath[n] || !sameTile(word[i], board[n]) || (i > 0 && !touching(path.back(), n)))
            return false;
        path.push_back(n);
        inPath[n] = true;
        if (extend())
            return true;
        path.pop_back();
        inPath[n] = false;
        return false;
    }

    // Depth first, the shown path's cell tried first at each depth: every
    // path that keeps the shown start is tried before one that leaves it.
    bool extend()
    {
        const std::size_t i = path.size();
        if (i == word.size())
            return true;
        if (i < fixed.size())
            return tryCell(fixed[i]);
        const int first = i < shown.size() ? shown[i] : -1;
        if (first >= 0 && tryCell(first))
            return true;
        for (int n = 0; n < kCells; ++n) {
            if (n != first && tryCell(n))
                return true;
        }
        return false;
    }
};

} // namespace

bool sameLetter(char typed, std::string_view caption)
{
    return caption.size() == 1 && wordlist::upperAscii(typed) == wordlist::upperAscii(caption[0]);
}

bool sameTile(std::string_view tile, std::string_view caption)
{
    return tile.size() == caption.size()
        && std::equal(tile.begin(), tile.end(), caption.begin(),
                      [](char a, char b) { return wordlist::upperAscii(a) == wordlist::upperAscii(b); });
}

std::vector<int> spellingPath(const Board& board, std::string_view word, const std::vector<int>& fixed,
                              const std::vector<int>& shown)
{
    std::vector<std::string> tiles;
    tiles.reserve(word.size());
    for (char c : word)
        tiles.emplace_back(1, c);
    return spellingPath(board, tiles, fixed, shown);
}

std::vector<int> spellingPath(const Board& board, const std::vector<std::string>& tiles, const std::vector<int>& fixed,
                              const std::vector<int>& shown)
{
    if (tiles.empty() || tiles.size() > kCells || fixed.size() > tiles.size())
        return {};
    // A word with more of some letter than the board holds has no path; the
    // search would find that out only after trying every path.
    for (const std::string& t : tiles) {
        const auto want = std::count_if(tiles.begin(), tiles.end(), [&t](const std::string& w) { return sameTile(w, t); });
        const auto have = std::count_if(board.begin(), board.end(), [&t](const std::string& s) { return sameTile(t, s); });
        if (want > have)
            return {};
    }
    PathSearch s{board, tiles, fixed, shown, {}, {}};
    s.path.reserve(tiles.size());
    return s.extend() ? s.path : std::vector<int>{};
}

} // namespace game
