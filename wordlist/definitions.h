#pragma once
// What a word means, from the WordNet lexical database installed on the
// machine (Debian's wordnet-base), read through the WordNet C library
// (Debian's wordnet).
//
// The library runs in a program of its own, golexorb-wordnet, started at the
// first lookup and kept for the next ones: a damaged database makes the
// library end its process or crash, and that must not be the game's. The
// program gets a memory limit, each lookup a time limit; after a crash or a
// limit the lookup says so and the next one starts the program afresh.
// Lookups are synchronous, and safe from any thread: one at a time.

#include "ascii.h"

#include <chrono>
#include <string>
#include <string_view>
#include <vector>

namespace wordlist {

// Longer words are refused before they reach the library, which copies
// words into fixed buffers of 256 bytes and grows them by suffixes.
inline constexpr std::size_t kLongestDefinedWord = 64;
// 1 to kLongestDefinedWord of the letters a to z, either case: a word that
// may be looked up.
inline bool isPlainWord(std::string_view word)
{
    return word.size() <= kLongestDefinedWord && madeOf(word, asciiLetter);
}

// A lookup that takes longer has its program ended.
inline constexpr std::chrono::milliseconds kLookupTimeLimit{3000};
// The address space the lookup program may use (RLIMIT_AS): many times
// what it needs, the database's files mapped included.
inline constexpr std::size_t kLookupMemoryLimit = std::size_t(512) << 20;

struct Sense {
    std::string lemma;        // the entry: "run" when "ran" was looked up
    std::string partOfSpeech; // "noun", "verb", "adjective" or "adverb"
    std::string gloss;        // the definition, then any examples in quotes
    friend bool operator==(const Sense&, const Sense&) = default;
};

struct Meaning {
    enum class Status {
        found,      // senses holds at least one sense
        noEntry,    // the database has nothing for the word or its base forms
        notAWord,   // empty, too long, or not letters a to z: never looked up
        noDatabase, // the library or the database is not installed
        brokenLibrary, // the library is there but cannot be loaded (damaged, or another under its name)
        unreadable, // the database is there but could not be read, or the lookup failed
    };
    Status status = Status::noEntry;
    std::string word; // as looked up, in lower case
    // By part of speech (noun, verb, adjective, adverb), the word itself
    // before its base forms, each entry's senses commonest first.
    std::vector<Sense> senses;
    std::string problem; // for noDatabase, brokenLibrary and unreadable: why
    std::string package; // for noDatabase and brokenLibrary: the Debian package that would mend it
};

// The lookup program to start: the game names the one installed beside it.
void setLookupProgram(std::string path);

Meaning define(std::string_view word);

// The meaning as the All Words window shows it: a heading for each entry
// and part of speech, its senses numbered below it.
std::string meaningText(const Meaning& meaning);

} // namespace wordlist
