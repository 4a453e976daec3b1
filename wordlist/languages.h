#pragma once
// The board languages: English, whose list the game carries, and the
// languages whose word lists Debian ships, read where they are installed
// (as WordNet is): the game ships none of them.
//
// A language is a word list and an alphabet. Its tiles are A to Z and the
// letters it plays as letters of their own; any other accented letter of
// its list folds to its base letter, and ß to SS.

#include <span>
#include <string_view>

namespace wordlist {

struct Language {
    // How the list is laid out.
    enum class Format {
        Lines,    // one word a line (the /usr/share/dict lists)
        Hunspell, // a Hunspell dictionary (.dic) whose affix file (.aff) lies beside it, every form expanded
    };

    std::string_view code;        // "de"; "en" for English
    std::string_view name;        // in the language itself: "Deutsch"
    std::string_view englishName; // "German"
    std::string_view package;     // the Debian package of the list; empty for English
    std::string_view listFile;    // where the package installs it
    Format format = Format::Lines;
    std::string_view ownLetters;  // its tiles besides A to Z, upper case, UTF-8: "ÄÖÜ"
    // Capitalised entries are words (German nouns); elsewhere they are names
    // and left out.
    bool keepsCapitalised = false;
    // What a list that is not UTF-8 throughout is read as (an ICU converter name).
    std::string_view legacyCharset = "ISO-8859-1";
    // Its block list among the game's resources (resources/blocklist-de.txt),
    // empty when there is none.
    std::string_view blockList;
    // What the list lacks, where it lacks much; empty otherwise.
    std::string_view thin;

    bool english() const { return code == "en"; }
};

// English first, then the others by their own names.
std::span<const Language> languages();
// The language of that code, or null.
const Language* findLanguage(std::string_view code);
const Language& englishLanguage();

} // namespace wordlist
