#pragma once
// Typing a word instead of pressing it: which cells spell what was typed.
//
// Every path of touching cells, no cell twice, whose letters spell the typed
// word is a way to show it. The window keeps only the path it shows; the
// others are found again when a letter needs one, so the set of paths is
// implied by the word and never has to be stored (a board of one repeated
// letter has millions of them).
//
// A word is its tiles, one for each cell: a letter A to Z, or a board
// language's own letter (Ä, Ñ, Ø), UTF-8.

#include "board.h"

#include <string>
#include <string_view>
#include <vector>

namespace game {

// Whether a typed character names a cell's caption. Letters compare
// upper-cased (ASCII a-z), as the word lookup compares them.
bool sameLetter(char typed, std::string_view caption);

// Whether a typed tile names a cell's caption, both upper-cased (ASCII a-z).
bool sameTile(std::string_view tile, std::string_view caption);

// A path spelling `word` that starts with the cells `fixed` and, among the
// rest, shares the longest possible start with `shown`, the path on the
// board now (ties go to lower cell numbers). Empty when no path spells it.
std::vector<int> spellingPath(const Board& board, std::string_view word, const std::vector<int>& fixed,
                              const std::vector<int>& shown);
// The same for a word given as its tiles.
std::vector<int> spellingPath(const Board& board, const std::vector<std::string>& tiles, const std::vector<int>& fixed,
                              const std::vector<int>& shown);

} // namespace game
