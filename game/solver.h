#pragma once
// Every word a board holds, by the rules Add plays by: a word is the letters
// of a path of touching cells, no cell twice, three letters or more, and the
// word list has it (compared upper-cased).

#include "board.h"

#include <string>
#include <vector>

namespace wordlist {
class WordIndex;
}

namespace game {

struct FoundWord {
    std::string word;      // the captions of the path, joined
    std::vector<int> path; // cell numbers in the order they spell the word
    friend bool operator==(const FoundWord&, const FoundWord&) = default;
};

// Each distinct word once, with the first path a search from cell 0 upwards
// meets; longest first, then in byte order. A board still showing "?" holds
// nothing, since no entry has that character.
std::vector<FoundWord> solveBoard(const Board& board, const wordlist::WordIndex& index);

// The most a round on the board can score: every word's length, summed as
// Add adds them.
int bestScore(const std::vector<FoundWord>& words);

} // namespace game
