#include "typing.h"

#include "ascii.h"

#include <algorithm>

namespace game {

namespace {

struct PathSearch {
    const Board& board;
    std::string_view word;
    const std::vector<int>& fixed;
    const std::vector<int>& shown;
    std::vector<int> path;
    std::array<bool, kCells> inPath{};

    bool tryCell(int n)
    {
        const std::size_t i = path.size();
        if (inPath[n] || !sameLetter(word[i], board[n]) || (i > 0 && !touching(path.back(), n)))
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

std::vector<int> spellingPath(const Board& board, std::string_view word, const std::vector<int>& fixed,
                              const std::vector<int>& shown)
{
    if (word.empty() || word.size() > kCells || fixed.size() > word.size())
        return {};
    // A word with more of some letter than the board holds has no path; the
    // search would find that out only after trying every path.
    for (char c : word) {
        const auto want = std::count_if(word.begin(), word.end(),
                                        [c](char w) { return wordlist::upperAscii(w) == wordlist::upperAscii(c); });
        const auto have = std::count_if(board.begin(), board.end(), [c](const std::string& s) { return sameLetter(c, s); });
        if (want > have)
            return {};
    }
    PathSearch s{board, word, fixed, shown, {}, {}};
    s.path.reserve(word.size());
    return s.extend() ? s.path : std::vector<int>{};
}

} // namespace game
