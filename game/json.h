#pragma once
// A small, strict JSON reader and the quoting its writers need: enough for
// the room messages, which come from anyone on the network. The reader takes
// UTF-8 text only, refuses duplicate keys and nesting deeper than a few
// levels, and its time and memory grow only with the length of the input.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace game::json {

struct Value {
    enum class Kind { null, boolean, number, string, array, object };
    Kind kind = Kind::null;
    bool boolean = false;
    double number = 0;
    std::string string; // UTF-8, escapes undone
    std::vector<Value> array; // an array's items, or an object's values
    std::vector<std::string> keys; // an object's keys, in the order written

    // The member of an object with that key, or nullptr.
    const Value* find(std::string_view key) const;
};

// Nesting deeper than this is refused; room messages need two levels.
inline constexpr int kMaxDepth = 8;

// The value the whole text holds (white space around it allowed), or
// nothing when it is not strict JSON: invalid UTF-8, a lone surrogate
// escape, a control character inside a string, a duplicate key, a number
// out of range, anything after the value.
std::optional<Value> parse(std::string_view text);

// The string as a JSON string literal, quotes included. Control characters
// and the quote and backslash are escaped; other UTF-8 passes as it is.
std::string quote(std::string_view utf8);

// Whether the bytes are well-formed UTF-8 (no overlong forms, no
// surrogates, nothing above U+10FFFF).
bool validUtf8(std::string_view bytes);

// The code points of well-formed UTF-8 text.
std::vector<char32_t> codePoints(std::string_view utf8);
// UTF-8 of code points (each assumed valid).
std::string utf8(const std::vector<char32_t>& points);

} // namespace game::json
