#include "challenge.h"

#include "ascii.h"
#include "folding.h"
#include "translate.h"
#include "records.h"

#include <algorithm>
#include <array>

namespace game {

namespace {

using Number = unsigned __int128;

constexpr std::string_view kDigits = "0123456789ABCDEFGHJKMNPQRSTVWXYZ";
constexpr std::size_t kNumberDigits = 16;
// A board in another language: 18 digits hold the language, the length
// and 16 tiles of at most 35 kinds (Polish has 26 + 9).
constexpr std::size_t kLanguageDigits = 18;
constexpr unsigned kMostTiles = 35;
// The languages' numbers in a code: only ever added to at the end, so that
// a code made once names the same language for good. English has none: its
// codes are the shorter ones.
constexpr std::array<std::string_view, 13> kCodeLanguages{"ca", "da", "de", "es", "fr", "it", "nl",
                                                          "nb", "nn", "pl", "pt", "pt-BR", "sv"};
constexpr const char* kWrongLength =
    GAME_TRANSLATE_NOOP("Challenge", "A challenge code is 17 letters and digits, like ABCD-EFGH-JKMN-PQRS-T.");
constexpr const char* kWrongLanguageLength =
    GAME_TRANSLATE_NOOP("Challenge", "A challenge code of a board in another language than English is 19 letters and "
                                     "digits, like ABCD-EFGH-JKMN-PQRS-TUV.");

// Each digit times a power of two, added up in the field of 32 elements
// (polynomials over GF(2) modulo x^5 + x^2 + 1, in which 2 has order 31):
// Damm's check with the quasigroup a * b = 2a + b. The weights of the 17
// places are distinct and not zero, so any one digit typed wrong, and any
// two different digits swapped, change the sum, and the check digit with it.
unsigned timesTwo(unsigned a)
{
    a <<= 1;
    return a & 32 ? (a ^ 0b100101) : a;
}

unsigned checkDigit(const std::string& digits)
{
    unsigned interim = 0;
    for (const char c : digits)
        interim = timesTwo(interim) ^ static_cast<unsigned>(kDigits.find(c));
    return timesTwo(interim); // the digit that brings the whole code to 0
}

Number power(Number base, int n)
{
    Number p = 1;
    for (int i = 0; i < n; ++i)
        p *= base;
    return p;
}

// The digits of a number, `count` of them, and their check digit, grouped by four.
std::string written(Number value, std::size_t count)
{
    std::string digits(count, '0');
    for (std::size_t i = count; i-- > 0;) {
        digits[i] = kDigits[static_cast<std::size_t>(value % 32)];
        value /= 32;
    }
    digits += kDigits[checkDigit(digits)];
    std::string out;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i && i % 4 == 0)
            out += '-';
        out += digits[i];
    }
    return out;
}

int digitValue(char c)
{
    c = wordlist::upperAscii(c);
    if (c == 'O')
        c = '0';
    else if (c == 'I' || c == 'L')
        c = '1';
    const std::size_t at = kDigits.find(c);
    return at == std::string_view::npos ? -1 : static_cast<int>(at);
}

} // namespace

std::string challengeCode(const Board& letters, int minutes)
{
    if (!isRoundLength(minutes))
        return {};
    const std::string text = lettersOf(letters);
    if (text.empty())
        return {};
    Number value = static_cast<Number>(minutes);
    for (const char c : text)
        value = value * 26 + static_cast<Number>(c - 'A');
    return written(value, kNumberDigits);
}

std::string challengeCode(const Board& letters, int minutes, const wordlist::Language& language)
{
    if (language.english())
        return challengeCode(letters, minutes);
    const auto number = std::find(kCodeLanguages.begin(), kCodeLanguages.end(), language.code);
    const auto tiles = wordlist::languageTiles(language);
    if (number == kCodeLanguages.end() || tiles.size() > kMostTiles || !isRoundLength(minutes))
        return {};
    Number value = static_cast<Number>(number - kCodeLanguages.begin()) * 10 + static_cast<Number>(minutes - 1);
    for (const auto& cell : letters) {
        const auto tile = std::find(tiles.begin(), tiles.end(), cell);
        if (tile == tiles.end())
            return {};
        value = value * kMostTiles + static_cast<Number>(tile - tiles.begin());
    }
    return written(value, kLanguageDigits);
}

std::optional<Challenge> readChallenge(std::string_view code, std::string* why)
{
    const auto fail = [why](const char* reason) -> std::optional<Challenge> {
        if (why)
            *why = translate("Challenge", reason);
        return std::nullopt;
    };
    std::string digits;
    for (const char c : code) {
        if (c == ' ' || c == '-' || c == '\t')
            continue;
        const int v = digitValue(c);
        if (v < 0)
            return fail(kWrongLength);
        if (digits.size() > kLanguageDigits)
            return fail(kWrongLanguageLength);
        digits += kDigits[static_cast<std::size_t>(v)];
    }
    if (digits.size() != kNumberDigits + 1 && digits.size() != kLanguageDigits + 1)
        return fail(digits.size() > kNumberDigits + 1 ? kWrongLanguageLength : kWrongLength);
    const char check = digits.back();
    digits.pop_back();
    if (kDigits[checkDigit(digits)] != check)
        return fail(GAME_TRANSLATE_NOOP("Challenge", "That challenge code has a mistake in it: check it against the one you were given."));
    Number value = 0;
    for (const char c : digits)
        value = value * 32 + static_cast<Number>(kDigits.find(c));
    if (digits.size() == kLanguageDigits) {
        // A board in another language: its number, its length, its tiles.
        const Number boards = power(kMostTiles, kCells);
        const Number head = value / boards;
        if (head / 10 >= kCodeLanguages.size())
            return fail(GAME_TRANSLATE_NOOP("Challenge", "That challenge code names a language this version of the game does not know."));
        const wordlist::Language* language = wordlist::findLanguage(kCodeLanguages[std::size_t(head / 10)]);
        const auto tiles = wordlist::languageTiles(*language);
        Challenge out;
        out.language = std::string(language->code);
        out.minutes = static_cast<int>(head % 10) + 1;
        value %= boards;
        for (int n = kCells; n-- > 0;) {
            const auto tile = static_cast<std::size_t>(value % kMostTiles);
            if (tile >= tiles.size())
                return fail(GAME_TRANSLATE_NOOP("Challenge", "That challenge code holds no board of its language."));
            out.letters[static_cast<std::size_t>(n)] = tiles[tile];
            value /= kMostTiles;
        }
        return out;
    }
    const Number letters = power(26, kCells);
    if (value >= letters * (kLongestRound + 1) || value < letters * kShortestRound)
        return fail(GAME_TRANSLATE_NOOP("Challenge", "That challenge code holds no round of 1 to 10 minutes."));
    Challenge out;
    out.minutes = static_cast<int>(value / letters);
    value %= letters;
    std::string text(kCells, 'A');
    for (std::size_t n = text.size(); n-- > 0;) {
        text[n] = static_cast<char>('A' + static_cast<int>(value % 26));
        value /= 26;
    }
    out.letters = *boardOf(text);
    return out;
}

} // namespace game
