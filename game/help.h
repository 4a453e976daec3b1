#pragma once
// Help during a round: how many words of each length the board holds and
// how many of them the player has found, and a hint, the first two cells of
// a common word not found yet. A hinted word scores nothing when added, and
// a round with hints sets no best score.

#include "board.h"
#include "report.h"
#include "translate.h"

#include <optional>
#include <string>
#include <vector>

namespace game {

// Words of one length (or of every length, for the totals): found by the
// player, and held by the board; of the common words, and of all.
struct LengthCount {
    int length = 0; // 0 for the totals
    int commonFound = 0, common = 0;
    int found = 0, all = 0;
    friend bool operator==(const LengthCount&, const LengthCount&) = default;
};

struct WordCounts {
    std::vector<LengthCount> lengths; // shortest first, only the lengths the board holds
    LengthCount total;
    friend bool operator==(const WordCounts&, const WordCounts&) = default;
};

WordCounts countWords(const std::vector<ListedWord>& words);

// The counts in a sentence, for a screen reader to say when asked.
std::string countsText(const WordCounts& counts);

// What the counts say before the first round.
inline constexpr const char* kNoRoundYet = GAME_TRANSLATE_NOOP("Help", "No round yet: the counts show once a round starts.");

// The points of a round that ended, in the words of All Words: "You found
// X of Y points", then on a line of its own "Common words: A of B points".
// In a board language with no word frequencies (`frequencies` false) the
// second line says that all its words are listed as one.
std::string pointsText(const std::vector<ListedWord>& words, int score, bool frequencies = true);

// The start of a word: its first two cells, lit on the board.
struct Hint {
    std::string word; // as the board spells it
    int first = kNoCell, second = kNoCell;
    friend bool operator==(const Hint&, const Hint&) = default;
};

// The common word a hint shows: the first that is not found in the order
// All Words lists them (longest first), so the same start comes back until
// that word is found and asking again costs no other word. Nothing when
// every common word is found.
std::optional<Hint> chooseHint(const std::vector<ListedWord>& words);

// "A start: S at row 1, column 4, then A at row 1, column 3", for the eye
// and the ear alike.
std::string hintText(const Board& board, const Hint& hint);

// Why no hint was shown.
enum class HintRefusal { none, noRound, paused, notAllowed, noneLeft };
std::string refusalText(HintRefusal why);

} // namespace game
