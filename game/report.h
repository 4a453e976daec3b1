#pragma once
// The results report of a finished round, as the results window shows it.

#include "board.h"
#include "records.h"
#include "translate.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace game {

struct FoundWord;

// A word the board held, as the All Words window lists it.
struct ListedWord {
    std::string word;      // as the board spells it, upper case
    std::vector<int> path; // its cells in order
    bool found = false;    // the player scored it this round
    bool rare = false;     // not among the common words of the list
    std::vector<std::string> finders; // in a room's round: who found it
    bool hinted = false;   // shown as a hint this round: found, it scored nothing
    friend bool operator==(const ListedWord&, const ListedWord&) = default;
};

// Said under a rare word's meaning.
inline constexpr const char* kRareWordNote = GAME_TRANSLATE_NOOP("AllWords", "A rare word: not in a medium-sized English dictionary.");

struct Report {
    std::string acceptedtxt; // accepted words in lower case, CR LF after each
    std::string rejectedtxt; // rejected words in lower case, CR LF after each
    std::string longestwordtxt;
    std::string scoretxt;
    Board d; // copy of the board
    std::string lettermostusedtxt; // empty when no word was accepted
    std::string desctxt;
    std::string awardstxt;
    // The All Words window's part, from the same round.
    std::vector<ListedWord> allwords; // the common words, then the rare ones, each longest first
    std::string foundtxt;             // "You found X of Y points"
    std::string commontxt;            // "Common words: A of B points"
    std::string recordtxt;            // the round against the records
    Progress progress;                // the scores of rounds of its length
    std::string challengecode;        // the board and the round's length, for friends to play
    std::string language;             // the board's language in English ("German"); empty for English
    std::vector<std::string> spellings; // in another language, beside allwords: how its list spells each ("été")
    friend bool operator==(const Report&, const Report&) = default;
};

// Said under a word's path in another language than English, where the meaning would be.
std::string meaningsNote(std::string_view language);

// The words of `acceptedwords` (CR LF after each), in order; an empty line
// is no word.
std::vector<std::string> acceptedList(std::string_view acceptedwords);

// Award lines, each followed by CR LF, for a round's records. Lengths count tiles.
std::string awardLines(std::string_view longestword, std::string_view acceptedwords, int score);

// The letter of the highest-numbered cell whose letter occurs most often in
// the accepted words, or empty when no letter of the board was used.
std::string letterMostUsed(const Board& board, std::string_view acceptedwords);

// The board's words with the ones among `acceptedwords` (CR LF after each)
// marked found and those `isRare` names marked rare: the common words first,
// then the rare ones, each in the order of `words`.
std::vector<ListedWord> listWords(const std::vector<FoundWord>& words, std::string_view acceptedwords,
                                  const std::function<bool(std::string_view)>& isRare = nullptr);

// The points of the listed common words: those the player scored (a hinted
// word scores nothing), and all.
CommonPoints commonPoints(const std::vector<ListedWord>& words);

std::string foundText(int score, int best);
// "Common words: A of B points"; without points (a language with no word
// frequencies), that all its words are listed as one.
std::string commonText(const std::optional<CommonPoints>& points);

} // namespace game
