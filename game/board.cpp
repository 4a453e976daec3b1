#include "board.h"

#include "ascii.h"
#include "folding.h"

#include <algorithm>

#include <cmath>

namespace game {

double roundHalfEven(double x)
{
    const double f = std::floor(x);
    const double frac = x - f;
    if (frac > 0.5)
        return f + 1;
    if (frac < 0.5)
        return f;
    return std::fmod(f, 2.0) == 0 ? f : f + 1;
}

int poolPosition(double r)
{
    const double p = roundHalfEven(r * static_cast<double>(kLetterPool.size()));
    // A source outside [0, 1) would index past the pool; treat it as a draw
    // that must be repeated rather than read out of bounds.
    if (!(p >= 1 && p <= static_cast<double>(kLetterPool.size())))
        return 0;
    return static_cast<int>(p);
}

std::optional<Board> boardOf(std::string_view letters)
{
    if (letters.size() != kCells || !wordlist::madeOf(letters, wordlist::asciiUpper))
        return std::nullopt;
    Board b;
    for (int n = 0; n < kCells; ++n)
        b[static_cast<std::size_t>(n)] = std::string(1, letters[static_cast<std::size_t>(n)]);
    return b;
}

std::string lettersOf(const Board& board)
{
    std::string out;
    for (const auto& cell : board) {
        if (cell.size() != 1 || !wordlist::asciiUpper(cell[0]))
            return {};
        out += cell;
    }
    return out;
}

std::optional<Board> boardOf(std::string_view letters, const wordlist::Language& language)
{
    if (language.english())
        return boardOf(letters);
    const auto tiles = wordlist::languageTiles(language);
    Board b;
    std::size_t at = 0;
    for (auto& cell : b) {
        // Each tile is one character: no tile begins another.
        const auto tile = std::find_if(tiles.begin(), tiles.end(),
                                       [&](const std::string& t) { return letters.substr(at).starts_with(t); });
        if (tile == tiles.end())
            return std::nullopt;
        cell = *tile;
        at += tile->size();
    }
    if (at != letters.size())
        return std::nullopt;
    return b;
}

std::string lettersOf(const Board& board, const wordlist::Language& language)
{
    if (language.english())
        return lettersOf(board);
    const auto tiles = wordlist::languageTiles(language);
    std::string out;
    for (const auto& cell : board) {
        if (std::find(tiles.begin(), tiles.end(), cell) == tiles.end())
            return {};
        out += cell;
    }
    return out;
}

} // namespace game
