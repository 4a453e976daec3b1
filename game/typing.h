#pragma once
// Typing a word instead of pressing it: which cells spell what was typed.
//
// Every path of touching cells, no cell twice, whose letters spell the typed
// word is a way to show it. The window keeps only the path it shows; the
// others are found again when a letter needs one, so the set of paths is
// implied by the word and never has to be stored (a board of one repeated
// letter has millions of them).

#include "board.h"

#include <string>
#include <string_view>
#include <vector>

namespace game {

// Whether a typed character names a cell's caption. Letters compare
// upper-cased (ASCII a-z), as the word lookup compares them.
bool sameLetter(char typed, std::string_view caption);

// A path spelling `word` that starts with the cells `fixed` and, among the
// rest, shares the longest possible start with `shown`, the path on the
// board now (ties go to lower cell numbers). Empty when no path spells it.
std::vector<int> spellingPath(const Board& board, std::string_view word, const std::vector<int>& fixed,
                              const std::vector<int>& shown);

} // namespace game
