#include "folding.h"
#include "textlines.h"

#include <unicode/bytestream.h>
#include <unicode/normalizer2.h>
#include <unicode/uchar.h>
#include <unicode/ucnv.h>
#include <unicode/unorm2.h>
#include <unicode/utf8.h>

#include <algorithm>
#include <cstring>

namespace wordlist {

namespace {

// The next code point of valid UTF-8 at `i`, which moves past it; a
// negative value for an ill-formed sequence.
char32_t nextCodePoint(std::string_view s, std::size_t& i)
{
    UChar32 c;
    const auto* p = reinterpret_cast<const std::uint8_t*>(s.data());
    const auto n = static_cast<std::int32_t>(s.size());
    auto at = static_cast<std::int32_t>(i);
    U8_NEXT(p, at, n, c);
    i = static_cast<std::size_t>(at);
    return c < 0 ? char32_t(0xffffffff) : char32_t(c);
}

// Letters that are no accented form of another, and what they fold to.
struct Special {
    char32_t letter;
    std::string_view tiles;
};
constexpr Special kSpecial[] = {
    {U'Æ', "AE"}, {U'Œ', "OE"}, {U'Ø', "O"}, {U'Ł', "L"}, {U'Đ', "D"},
    {U'Ð', "D"},  {U'Þ', "TH"}, {U'Ŀ', "L"}, {U'Ħ', "H"}, {U'Ŧ', "T"},
};

} // namespace

Encoding detectEncoding(std::string_view bytes)
{
    std::size_t i = 0;
    while (i < bytes.size()) {
        // Runs of ASCII eight bytes at a time: most of any list.
        if (i + 8 <= bytes.size()) {
            std::uint64_t w;
            std::memcpy(&w, bytes.data() + i, 8);
            if ((w & 0x8080808080808080ull) == 0) {
                i += 8;
                continue;
            }
        }
        if (static_cast<unsigned char>(bytes[i]) < 0x80) {
            ++i;
            continue;
        }
        if (nextCodePoint(bytes, i) == char32_t(0xffffffff))
            return Encoding::Legacy;
    }
    return Encoding::Utf8;
}

std::string_view listText(std::string_view bytes, const Language& language, std::string& storage, Encoding* found)
{
    if (bytes.starts_with("\xef\xbb\xbf"))
        bytes.remove_prefix(3);
    const Encoding encoding = detectEncoding(bytes);
    if (found)
        *found = encoding;
    std::string_view text = bytes;
    if (encoding == Encoding::Legacy) {
        const std::string charset(language.legacyCharset);
        UErrorCode err = U_ZERO_ERROR;
        // Each byte of an 8-bit charset gives at most three bytes of UTF-8.
        storage.resize(bytes.size() * 3 + 1);
        const std::int32_t n = ucnv_convert("UTF-8", charset.c_str(), storage.data(),
                                            static_cast<std::int32_t>(storage.size()), bytes.data(),
                                            static_cast<std::int32_t>(bytes.size()), &err);
        if (U_FAILURE(err))
            throw LanguageError("the list is not UTF-8, and it cannot be read as " + charset + ": "
                                + u_errorName(err));
        storage.resize(static_cast<std::size_t>(n));
        text = storage;
    }
    // Composed form, so that an accent is part of its letter: only a text
    // holding combining accents (U+0300 to U+036F) can need it.
    if (text.find('\xcc') != std::string_view::npos || text.find('\xcd') != std::string_view::npos) {
        UErrorCode err = U_ZERO_ERROR;
        const icu::Normalizer2* nfc = icu::Normalizer2::getNFCInstance(err);
        std::string composed;
        icu::StringByteSink<std::string> sink(&composed);
        if (U_SUCCESS(err))
            nfc->normalizeUTF8(0, icu::StringPiece(text.data(), static_cast<std::int32_t>(text.size())), sink,
                               nullptr, err);
        if (U_SUCCESS(err)) {
            storage = std::move(composed);
            text = storage;
        }
    }
    return text;
}

std::size_t tileCount(std::string_view tiles)
{
    return static_cast<std::size_t>(
        std::count_if(tiles.begin(), tiles.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xc0) != 0x80; }));
}

std::vector<std::string> languageTiles(const Language& language)
{
    std::vector<std::string> tiles;
    for (char c = 'A'; c <= 'Z'; ++c)
        tiles.emplace_back(1, c);
    for (std::size_t i = 0; i < language.ownLetters.size();) {
        const std::size_t from = i;
        nextCodePoint(language.ownLetters, i);
        tiles.emplace_back(language.ownLetters.substr(from, i - from));
    }
    return tiles;
}

Folding::Folding(const Language& language)
    : language_(&language)
    , tiles_(languageTiles(language))
{

    const auto tileOf = [this](char32_t c) -> std::uint8_t {
        std::string s;
        appendCodePoint(s, c);
        const auto it = std::find(tiles_.begin(), tiles_.end(), s);
        return it == tiles_.end() ? kNone : static_cast<std::uint8_t>(it - tiles_.begin());
    };
    const auto foldTo = [](std::string_view letters) {
        Fold f{kNone, kNone};
        for (std::size_t k = 0; k < letters.size() && k < 2; ++k)
            f[k] = static_cast<std::uint8_t>(letters[k] - 'A');
        return f;
    };

    UErrorCode err = U_ZERO_ERROR;
    const UNormalizer2* nfd = unorm2_getNFDInstance(&err);
    table_.assign(kTableSize, Fold{kNone, kNone});
    upper_.assign(kTableSize, 0);
    for (char32_t c = 0; c < kTableSize; ++c) {
        Fold& f = table_[c];
        if (c == U'·') { // Catalan's l·l
            f = {kEmpty, kEmpty};
            continue;
        }
        if (!u_isalpha(static_cast<UChar32>(c)))
            continue;
        upper_[c] = u_isupper(static_cast<UChar32>(c)) || u_istitle(static_cast<UChar32>(c)) ? 1 : 0;
        if (c == U'ß' || c == U'ẞ') {
            f = foldTo("SS");
            continue;
        }
        const auto u = static_cast<char32_t>(u_toupper(static_cast<UChar32>(c)));
        if (const std::uint8_t t = tileOf(u); t != kNone) {
            f = {t, kNone};
            continue;
        }
        if (const auto* s = std::find_if(std::begin(kSpecial), std::end(kSpecial),
                                         [u](const Special& sp) { return sp.letter == u; });
            s != std::end(kSpecial)) {
            f = foldTo(s->tiles);
            continue;
        }
        // An accented letter decomposes into its base letter and accents.
        UChar parts[8];
        err = U_ZERO_ERROR;
        const std::int32_t n = nfd ? unorm2_getDecomposition(nfd, static_cast<UChar32>(u), parts, 8, &err) : 0;
        if (U_FAILURE(err) || n < 2 || parts[0] < u'A' || parts[0] > u'Z')
            continue;
        bool accents = true;
        for (std::int32_t k = 1; k < n; ++k)
            accents = accents && u_getCombiningClass(parts[k]) > 0;
        if (accents)
            f = {static_cast<std::uint8_t>(parts[0] - u'A'), kNone};
    }
}

Folding::Fold Folding::foldOf(char32_t c) const
{
    return c < kTableSize ? table_[c] : Fold{kNone, kNone};
}

template <bool Entry>
std::optional<std::string> Folding::fold(std::string_view word) const
{
    std::string out;
    out.reserve(word.size() + 2);
    std::size_t tiles = 0;
    bool capitalised = false;
    for (std::size_t i = 0; i < word.size();) {
        const bool first = i == 0;
        const char32_t c = nextCodePoint(word, i);
        const Fold f = foldOf(c);
        if (f[0] == kNone)
            return std::nullopt;
        if (Entry) {
            if (first)
                capitalised = upper_[c] != 0;
            else if (upper_[c] != 0)
                return std::nullopt; // an abbreviation, or a name like McDonald
        }
        for (const std::uint8_t t : f) {
            if (t < kEmpty) {
                out += tiles_[t];
                ++tiles;
            }
        }
    }
    if (Entry) {
        if (tiles < kShortestWord || tiles > kLongestWord)
            return std::nullopt;
        if (capitalised && !language_->keepsCapitalised)
            return std::nullopt;
    }
    return out;
}

std::optional<std::string> Folding::entry(std::string_view word) const
{
    return fold<true>(word);
}

std::optional<std::string> Folding::anyCase(std::string_view word) const
{
    return fold<false>(word);
}

std::string Folding::lower(std::string_view tiles) const
{
    std::string out;
    out.reserve(tiles.size());
    for (std::size_t i = 0; i < tiles.size();) {
        const auto byte = static_cast<unsigned char>(tiles[i]);
        if (byte < 0x80) {
            out += static_cast<char>(byte >= 'A' && byte <= 'Z' ? byte - 'A' + 'a' : byte);
            ++i;
            continue;
        }
        const std::size_t from = i;
        const char32_t c = nextCodePoint(tiles, i);
        if (c == char32_t(0xffffffff))
            out.append(tiles.substr(from, i - from));
        else
            appendCodePoint(out, static_cast<char32_t>(u_tolower(static_cast<UChar32>(c))));
    }
    return out;
}

} // namespace wordlist
