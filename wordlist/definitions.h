#pragma once
// What a word means, from the WordNet lexical database installed on the
// machine (Debian's wordnet-base), read through the WordNet C library
// (Debian's wordnet).
//
// The library and the database are opened on the first lookup, not before,
// and the game plays without them. Lookups from any thread are safe: the
// library keeps its state in static buffers, so every call into it is made
// under one lock.

#include <string>
#include <string_view>
#include <vector>

namespace wordlist {

// Longer words are refused before they reach the library, which copies
// words into fixed buffers of 256 bytes and grows them by suffixes.
inline constexpr std::size_t kLongestDefinedWord = 64;

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
        noDatabase, // the library or the database could not be opened
    };
    Status status = Status::noEntry;
    std::string word; // as looked up, in lower case
    // By part of speech (noun, verb, adjective, adverb), the word itself
    // before its base forms, each entry's senses commonest first.
    std::vector<Sense> senses;
    std::string problem; // for noDatabase: why
    std::string package; // for noDatabase: the Debian package that would mend it
};

Meaning define(std::string_view word);

// The meaning as the All Words window shows it: a heading for each entry
// and part of speech, its senses numbered below it.
std::string meaningText(const Meaning& meaning);

} // namespace wordlist
