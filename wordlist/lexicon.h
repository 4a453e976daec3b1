#pragma once
// A board language's words as the game plays them: the words of its list
// folded to its tiles (upper case, UTF-8, byte order, each once), how the
// list spells each one, and its letter weights, the frequency of each tile
// across its words of 3 to 8 tiles. Read-only once made, so any number of
// threads may read it.
//
// Made from the list the first time the language is chosen, on a thread of
// its own, and kept in a cache file (langcache.h) that later starts load.

#include "folding.h"
#include "wordindex.h"
#include "wordlist.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <stop_token>
#include <string>
#include <string_view>
#include <vector>

namespace wordlist {

struct BlockRules;

// Tiles of words 3 to this long count towards the letter weights.
inline constexpr std::size_t kLongestWeighedWord = 8;

class Lexicon {
public:
    // How the list spells the words whose spelling is not their tiles in
    // lower case: entry numbers, rising, and the spellings, one entry each.
    struct Spellings {
        std::span<const std::uint32_t> entries;
        WordList texts;
    };

    // Takes the parts as made or read; `words` must be in byte order, each
    // word once, and `weights` one for each tile of the language. The
    // language is kept by reference: it must outlive the lexicon (the
    // table's languages live as long as the program).
    Lexicon(const Language& language, std::vector<std::uint32_t> weights, WordList words, Spellings spellings,
            std::shared_ptr<const void> spellingsOwner);
    Lexicon(const Lexicon&) = delete; // the index points into the words
    Lexicon& operator=(const Lexicon&) = delete;

    const Language& language() const { return folding_.language(); }
    const Folding& folding() const { return folding_; }
    const std::vector<std::string>& tiles() const { return folding_.tiles(); }
    const std::vector<std::uint32_t>& weights() const { return weights_; }
    const WordList& words() const { return words_; }
    const WordIndex& index() const { return index_; }
    std::optional<std::size_t> find(std::string_view tiles) const { return index_.find(tiles); }

    // How the list spells an entry ("été", "Haus"; several joined by ", "
    // when they fold alike, as "cote, côte, coté, côté").
    std::string spelling(std::size_t entry) const;
    // Of a word of tiles: its spelling when it is a word, its tiles in lower case otherwise.
    std::string spellingOf(std::string_view tiles) const;

    // The tile a draw r in [0, 1) picks, each with its weight's share.
    const std::string& drawnTile(double r) const;

    // The spellings as they are stored (for the cache).
    const Spellings& spellings() const { return spellings_; }

private:
    Folding folding_;
    std::vector<std::uint32_t> weights_;
    std::vector<std::uint64_t> reach_; // running sums of the weights
    WordList words_;
    WordIndex index_;
    std::shared_ptr<const void> spellingsOwner_;
    Spellings spellings_;
};

// What the tiles of `words` weigh: how often each tile of `folding` comes in
// its words of 3 to 8 tiles.
std::vector<std::uint32_t> letterWeights(const Folding& folding, const WordList& words);

// The block rules of a language: its block list's words (one a line,
// '#' for comments), folded to its tiles, each left out as a whole word.
// The same rules mask a room's chat in that language.
BlockRules languageBlockRules(const Folding& folding, std::string_view blockText);

// What building found, for the player's log and the tests.
struct BuildCounts {
    std::size_t lines = 0;   // entries of the list
    std::size_t words = 0;   // distinct words played
    std::size_t blocked = 0; // words the block list left out
    Encoding encoding = Encoding::Utf8;
};

// The language's words from its list's bytes (for a Hunspell list, the
// dictionary's; `affixes` the affix file's), less its block rules. A stop
// requested while it reads the list throws LanguageError.
std::shared_ptr<const Lexicon> buildLexicon(const Language& language, std::string_view list, std::string_view affixes,
                                            std::string_view blockText, BuildCounts* counts = nullptr,
                                            std::stop_token stop = {});

} // namespace wordlist
