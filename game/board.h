#pragma once
// The 4x4 board: cell numbering, geometry of the letter labels, the letter
// pool and the draw of one letter.

#include "languages.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace game {

inline constexpr int kCells = 16;
// `lastcell` value meaning "no cell": the current word is empty.
inline constexpr int kNoCell = 300;

// Common letters many times, rare ones once; a draw picks a position in it.
inline constexpr std::string_view kLetterPool =
    "EEEEEEEEEEEEETTTTTTTTTAAAAAAAAOOOOOOOIIIIIIINNNNNNNSSSSSSRRRRRRHHHHHLLLLDDDDCCCUUUMMFFPPGGWWYYBBVKXJQZ";
static_assert(kLetterPool.size() == 102);

// Each cell's caption, cell 0 first: a letter once the board is filled.
using Board = std::array<std::string, kCells>;

// Letter labels on the main window, in twips (15 per pixel). Neighbours
// overlap by 30 twips because the pitch is smaller than the label.
inline constexpr int kTwipsPerPixel = 15;
inline constexpr int kCellSize = 750;
inline constexpr int kCellPitch = 720;
constexpr int cellLeft(int n) { return 2280 + kCellPitch * (n % 4); }
constexpr int cellTop(int n) { return 2160 + kCellPitch * (n / 4); }

// A board of one letter A to Z a cell, from its 16 letters, cell 0 first,
// and back: how rooms and challenge codes carry a board.
std::optional<Board> boardOf(std::string_view letters);
std::string lettersOf(const Board& board); // "" unless every cell holds one of A to Z
// The same for a board of a language's tiles (A to Z and its own letters,
// UTF-8), written one after another; for English the two above.
std::optional<Board> boardOf(std::string_view letters, const wordlist::Language& language);
std::string lettersOf(const Board& board, const wordlist::Language& language);

// Cells touch when their rows and columns each differ by at most one.
constexpr bool touching(int a, int b)
{
    const int dr = a / 4 - b / 4;
    const int dc = a % 4 - b % 4;
    return a != b && dr >= -1 && dr <= 1 && dc >= -1 && dc <= 1;
}

// Nearest whole number, an exact half going to the even neighbour.
double roundHalfEven(double x);

// Position in the pool (1 to 102) that a fraction r in [0, 1) picks, or 0 when
// the draw lands before the first letter and must be repeated.
int poolPosition(double r);

struct Rgb {
    std::uint8_t r = 0, g = 0, b = 0;
    friend constexpr bool operator==(Rgb, Rgb) = default;
};
inline constexpr Rgb kPaleYellow{255, 255, 128}; // a letter at rest
inline constexpr Rgb kBlack{0, 0, 0};            // a letter in the current word
inline constexpr Rgb kRed{255, 0, 0};            // the trail
inline constexpr Rgb kLightGrey{192, 192, 192};  // the search box's placeholder

} // namespace game
