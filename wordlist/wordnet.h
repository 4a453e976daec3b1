#pragma once
// The lookup program's side of what words mean: the WordNet library loaded
// into this process, and the answers as they travel to the game.
//
// Only the lookup program (golexorb-wordnet) calls lookUp: a damaged
// database makes the library exit or crash, which must never take the game
// with it.
//
// The game writes a word and a line end; the program answers with lines of
// fields separated by tabs, ending with a "done" line:
//
//     sense <lemma> <part of speech> <gloss>     for each sense, in order
//     note <text>                                 what the library complained of, as it happens
//     done <status> <package> <problem>           found, noEntry, noDatabase, brokenLibrary or unreadable
//
// A lookup that finds the database damaged answers "done unreadable" and
// ends the program.

#include "definitions.h"

#include <optional>
#include <string>
#include <string_view>

namespace wordlist::wordnet {

// `word` is plain: letters a to z only, lower case, kLongestDefinedWord at most.
Meaning lookUp(std::string_view word);

// Where the library reads the database: WNSEARCHDIR, or WNHOME's dict
// folder, or Debian's folder.
std::string databaseFolder();

// The answer's lines, the last one "done".
std::string answerLines(const Meaning& meaning);
// One line of an answer, without its line end.
std::string noteLine(std::string_view text);

// Reads an answer's lines into `meaning`, one line at a time, without its
// line end. True once the "done" line is read; a line that is not part of
// an answer is skipped. A "note" is kept in `note`.
bool readAnswerLine(std::string_view line, Meaning& meaning, std::string& note);

} // namespace wordlist::wordnet
