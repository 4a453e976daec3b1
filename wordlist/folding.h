#pragma once
// A language's alphabet: which tiles its words are played with, how a word
// of its list folds to them, and how the list's bytes are read.
//
// Folding, letter by letter, upper-cased: a letter that is one of the
// language's tiles stays (Ä in German, Ñ in Spanish); ß becomes SS; Æ and Œ
// become AE and OE, Þ TH; any other letter becomes its base letter (é to E,
// ç to C outside Catalan, ø to O outside Danish and Norwegian, ł to L
// outside Polish); Catalan's middle dot (l·l) goes. Anything else (a digit,
// an apostrophe, a hyphen, a space, a letter of another script) makes the
// entry no word to play.

#include "languages.h"

#include <array>
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace wordlist {

// A language's list cannot be read or is no list; what() says why.
class LanguageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Words of 3 to 16 tiles are played: the board has 16 cells.
inline constexpr std::size_t kShortestWord = 3;
inline constexpr std::size_t kLongestWord = 16;

// How a list's bytes were read.
enum class Encoding {
    Utf8,   // valid UTF-8 throughout
    Legacy, // the language's 8-bit charset (Language::legacyCharset)
};

// UTF-8 when every byte sequence is valid UTF-8, otherwise the language's
// legacy charset: a Latin-1 or Latin-2 list with any letter beyond ASCII
// is almost never valid UTF-8.
Encoding detectEncoding(std::string_view bytes);

// The list's text as UTF-8 in composed form (NFC), a byte-order mark
// dropped: the bytes themselves when they are that already, otherwise
// what `storage` holds. Throws LanguageError when the legacy charset has no
// converter.
std::string_view listText(std::string_view bytes, const Language& language, std::string& storage,
                          Encoding* found = nullptr);

// UTF-8 tiles counted: each tile is one code point (A to Z, Ä, Ñ, Ø, …), so
// the bytes that do not continue a character.
std::size_t tileCount(std::string_view tiles);

// A language's tiles: A to Z, then its own letters, upper case, UTF-8.
std::vector<std::string> languageTiles(const Language& language);

class Folding {
public:
    explicit Folding(const Language& language);

    const Language& language() const { return *language_; }
    // A to Z, then its own letters, upper case, UTF-8.
    const std::vector<std::string>& tiles() const { return tiles_; }

    // The tiles of an entry of the list (UTF-8, composed), or nothing when it
    // is no word to play: a name (capitalised, outside German) or an
    // abbreviation (a capital after the first letter), a character that
    // folds to no tile, or fewer than 3 or more than 16 tiles.
    std::optional<std::string> entry(std::string_view word) const;

    // The tiles a word folds to whatever its case, of any length; nothing
    // when a character folds to no tile (block lists, typed text).
    std::optional<std::string> anyCase(std::string_view word) const;

    // A word's tiles in lower case ("ÄRGER" to "ärger").
    std::string lower(std::string_view tiles) const;

private:
    // What one code point folds to: up to two tiles, by number; kNone when
    // it folds to no tile, and an empty fold (the middle dot) has neither.
    static constexpr std::uint8_t kNone = 0xff;
    static constexpr std::uint8_t kEmpty = 0xfe;
    using Fold = std::array<std::uint8_t, 2>;
    static constexpr char32_t kTableSize = 0x2000; // Latin, Greek, Cyrillic, and Latin Extended Additional

    Fold foldOf(char32_t c) const;
    template <bool Entry>
    std::optional<std::string> fold(std::string_view word) const;

    const Language* language_;
    std::vector<std::string> tiles_;
    std::vector<Fold> table_;          // by code point, below kTableSize
    std::vector<std::uint8_t> upper_; // whether that code point is an upper-case (or title-case) letter
};

} // namespace wordlist
