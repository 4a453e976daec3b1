#pragma once
// What the board languages' readers share of text: a text's lines, and a
// character written out in UTF-8.

#include <unicode/utf8.h>

#include <cstdint>
#include <string>
#include <string_view>

namespace wordlist {

// Calls `f` with each line of `text`, without its line end or the blanks
// before it.
template <typename F>
void eachLine(std::string_view text, F f)
{
    for (std::size_t pos = 0; pos < text.size();) {
        std::size_t end = text.find('\n', pos);
        if (end == std::string_view::npos)
            end = text.size();
        std::string_view line = text.substr(pos, end - pos);
        while (!line.empty() && (line.back() == '\r' || line.back() == ' ' || line.back() == '\t'))
            line.remove_suffix(1);
        f(line);
        pos = end + 1;
    }
}

// Appends `c` in UTF-8; nothing for what is no character.
inline void appendCodePoint(std::string& out, char32_t c)
{
    char buf[U8_MAX_LENGTH];
    std::int32_t n = 0;
    UBool error = false;
    U8_APPEND(buf, n, U8_MAX_LENGTH, static_cast<UChar32>(c), error);
    if (!error)
        out.append(buf, static_cast<std::size_t>(n));
}

} // namespace wordlist
