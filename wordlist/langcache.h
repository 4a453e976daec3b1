#pragma once
// A language's words kept between runs: read from its list once, folded,
// blocked and weighed, then stored under $XDG_CACHE_HOME/golexorb/ (or
// ~/.cache/golexorb/) in the form the game's index reads them, so that
// later starts load them as they lie.
//
// The file, one for each language (words-CODE.bin), native byte order:
//
//     header, 96 bytes: "GLXWORDS", format version, byte-order mark; the
//       list's (and affix file's) size and modification time; a hash of
//       what the words were made with (the language's alphabet and rules,
//       its block list, the format); a checksum of the rest; the counts
//       of tiles, words, text bytes, spellings and spelling bytes; the
//       language's code
//     the tiles, 8 bytes each (UTF-8, zero-padded), and their weights
//     the words as WordList holds them: where each begins, then the text
//       (upper-case tiles in byte order, each word once) and 8 zero bytes
//     the spellings: the entry numbers that have one, where each begins,
//       the text and 8 zero bytes
//
// A file whose list or rules changed is stale; one whose checksum, counts
// or layout do not hold is damaged; either is made again from the list,
// never trusted. The file is mapped, not copied: the words stay in the
// page cache, shared, and only the pages a game reads are its own.

#include "lexicon.h"

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

namespace wordlist {

// What a cache file was made from: a file it is not made from is stale.
struct SourceStamp {
    std::uint64_t listSize = 0;
    std::int64_t listTime = 0; // nanoseconds since the epoch
    std::uint64_t affixSize = 0;
    std::int64_t affixTime = 0;
    std::uint64_t rules = 0; // rulesHash
    friend bool operator==(const SourceStamp&, const SourceStamp&) = default;
};

// What the words of `language` are made with besides its list: its
// alphabet, its rules, its block list, the cache's format.
std::uint64_t rulesHash(const Language& language, std::string_view blockText);

// The affix file beside a Hunspell dictionary (es_ES.dic: es_ES.aff).
std::string affixFile(const Language& language);

// The game's cache folder: $XDG_CACHE_HOME/golexorb when XDG_CACHE_HOME is
// an absolute path, else $HOME/.cache/golexorb; empty when HOME is not set
// either (the words are then made at every start).
std::filesystem::path cacheFolder();
std::filesystem::path cacheFile(const std::filesystem::path& folder, const Language& language);

enum class CacheState {
    Loaded,     // read and good
    Missing,    // no file
    Unreadable, // there, but it cannot be opened or read
    Stale,      // made from another list, or by other rules
    Damaged,    // its checksum, counts or layout do not hold
};
std::string_view describe(CacheState state);

// Writes the file through a temporary file renamed over it, so that a
// reader never sees half a file. Throws LanguageError with the reason.
void writeCache(const std::filesystem::path& file, const Lexicon& lexicon, const SourceStamp& stamp);

// The lexicon the file holds, when it is good and made from `stamp`;
// otherwise null, with `state` saying why and `why` in words.
std::shared_ptr<const Lexicon> readCache(const std::filesystem::path& file, const Language& language,
                                         const SourceStamp& stamp, CacheState* state, std::string* why = nullptr);

// The same, from bytes in memory (tests and fuzzing): the words are
// copied out of them.
std::shared_ptr<const Lexicon> readCacheBytes(std::string_view bytes, const Language& language,
                                              const SourceStamp& stamp, CacheState* state, std::string* why = nullptr);

// What a cache file of `lexicon` holds (tests and fuzzing).
std::string cacheBytes(const Lexicon& lexicon, const SourceStamp& stamp);
// The checksum a cache file's bytes should carry, put in its place (fuzzing:
// a file with its checksum right reaches the checks behind it).
void fixChecksum(std::string& bytes);

// What loading a language did.
struct LoadReport {
    CacheState cache = CacheState::Missing; // what the cache was found to be
    bool built = false;                     // made from the list
    BuildCounts counts;                     // when built
    std::string cacheProblem;               // why no cache could be read or written; empty when none
};

// The language's words: from its cache when that is good, otherwise made
// from its list (language.listFile) and cached in `folder` (none when
// empty). Throws LanguageError when the list cannot be read or holds no
// word, or when a stop is requested while it is read; a cache that cannot
// be written is only reported.
std::shared_ptr<const Lexicon> loadLexicon(const Language& language, const std::filesystem::path& folder,
                                           std::string_view blockText, LoadReport* report = nullptr,
                                           std::stop_token stop = {});

} // namespace wordlist
