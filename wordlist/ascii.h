#pragma once
// Plain ASCII text, as the word list and the game's captions hold it: what
// kind of character a byte is, case changes that touch only a to z, and
// plain decimal numbers. Bytes outside ASCII are no letter or digit and
// pass unchanged, whatever the locale. Header-only; the word list and the
// game above it share it.

#include <algorithm>
#include <charconv>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>

namespace wordlist {

constexpr bool asciiLower(char c)
{
    return c >= 'a' && c <= 'z';
}

constexpr bool asciiUpper(char c)
{
    return c >= 'A' && c <= 'Z';
}

constexpr bool asciiLetter(char c)
{
    return asciiLower(c) || asciiUpper(c);
}

constexpr bool asciiDigit(char c)
{
    return c >= '0' && c <= '9';
}

constexpr bool asciiAlnum(char c)
{
    return asciiLetter(c) || asciiDigit(c);
}

// Whether `s` holds at least one character, each of the kind `is` tells
// (asciiLower: a plain lower-case word).
constexpr bool madeOf(std::string_view s, bool (*is)(char))
{
    return !s.empty() && std::all_of(s.begin(), s.end(), is);
}

constexpr char upperAscii(char c)
{
    return asciiLower(c) ? static_cast<char>(c - 'a' + 'A') : c;
}

constexpr char lowerAscii(char c)
{
    return asciiUpper(c) ? static_cast<char>(c - 'A' + 'a') : c;
}

inline std::string upperCase(std::string_view s)
{
    std::string out(s);
    std::transform(out.begin(), out.end(), out.begin(), upperAscii);
    return out;
}

inline std::string lowerCase(std::string_view s)
{
    std::string out(s);
    std::transform(out.begin(), out.end(), out.begin(), lowerAscii);
    return out;
}

// The value of `s` when it is a plain decimal number: digits only, no sign,
// no blanks, and within T's range. Nothing otherwise.
template <typename T>
std::optional<T> parseDecimal(std::string_view s)
{
    if (!madeOf(s, asciiDigit))
        return std::nullopt;
    T v{};
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
    if (ec != std::errc() || end != s.data() + s.size())
        return std::nullopt;
    return v;
}

} // namespace wordlist
