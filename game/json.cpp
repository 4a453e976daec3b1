#include "json.h"

#include <charconv>
#include <cmath>

namespace game::json {

namespace {

// Length of the UTF-8 sequence starting at s[i] and its code point, or 0
// when the bytes there are not well-formed.
std::size_t decodeOne(std::string_view s, std::size_t i, char32_t& out)
{
    const auto b = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
    const unsigned c = b(i);
    if (c < 0x80) {
        out = c;
        return 1;
    }
    std::size_t n;
    char32_t cp;
    char32_t least;
    if (c >= 0xC2 && c <= 0xDF) {
        n = 2, cp = c & 0x1F, least = 0x80;
    } else if (c >= 0xE0 && c <= 0xEF) {
        n = 3, cp = c & 0x0F, least = 0x800;
    } else if (c >= 0xF0 && c <= 0xF4) {
        n = 4, cp = c & 0x07, least = 0x10000;
    } else {
        return 0;
    }
    if (i + n > s.size())
        return 0;
    for (std::size_t k = 1; k < n; ++k) {
        if ((b(i + k) & 0xC0) != 0x80)
            return 0;
        cp = (cp << 6) | (b(i + k) & 0x3F);
    }
    if (cp < least || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
        return 0;
    out = cp;
    return n;
}

void append(std::string& s, char32_t cp)
{
    if (cp < 0x80) {
        s += static_cast<char>(cp);
    } else if (cp < 0x800) {
        s += static_cast<char>(0xC0 | (cp >> 6));
        s += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        s += static_cast<char>(0xE0 | (cp >> 12));
        s += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        s += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        s += static_cast<char>(0xF0 | (cp >> 18));
        s += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        s += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        s += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

class Reader {
public:
    explicit Reader(std::string_view text) : s_(text) {}

    std::optional<Value> document()
    {
        Value v;
        space();
        if (!value(v, 0))
            return std::nullopt;
        space();
        if (i_ != s_.size())
            return std::nullopt;
        return v;
    }

private:
    bool at(char c) const { return i_ < s_.size() && s_[i_] == c; }

    void space()
    {
        while (i_ < s_.size() && (s_[i_] == ' ' || s_[i_] == '\t' || s_[i_] == '\n' || s_[i_] == '\r'))
            ++i_;
    }

    bool word(std::string_view w)
    {
        if (s_.substr(i_, w.size()) != w)
            return false;
        i_ += w.size();
        return true;
    }

    bool value(Value& v, int depth)
    {
        if (i_ >= s_.size())
            return false;
        switch (s_[i_]) {
        case '{':
            return object(v, depth + 1);
        case '[':
            return array(v, depth + 1);
        case '"':
            v.kind = Value::Kind::string;
            return string(v.string);
        case 't':
            v.kind = Value::Kind::boolean;
            v.boolean = true;
            return word("true");
        case 'f':
            v.kind = Value::Kind::boolean;
            return word("false");
        case 'n':
            v.kind = Value::Kind::null;
            return word("null");
        default:
            v.kind = Value::Kind::number;
            return number(v.number);
        }
    }

    bool object(Value& v, int depth)
    {
        if (depth > kMaxDepth)
            return false;
        v.kind = Value::Kind::object;
        ++i_; // {
        space();
        if (at('}')) {
            ++i_;
            return true;
        }
        for (;;) {
            std::string key;
            if (!at('"') || !string(key))
                return false;
            if (v.find(key))
                return false;
            space();
            if (!at(':'))
                return false;
            ++i_;
            space();
            Value member;
            if (!value(member, depth))
                return false;
            v.keys.push_back(std::move(key));
            v.array.push_back(std::move(member));
            space();
            if (at(',')) {
                ++i_;
                space();
                continue;
            }
            if (!at('}'))
                return false;
            ++i_;
            return true;
        }
    }

    bool array(Value& v, int depth)
    {
        if (depth > kMaxDepth)
            return false;
        v.kind = Value::Kind::array;
        ++i_; // [
        space();
        if (at(']')) {
            ++i_;
            return true;
        }
        for (;;) {
            Value item;
            if (!value(item, depth))
                return false;
            v.array.push_back(std::move(item));
            space();
            if (at(',')) {
                ++i_;
                space();
                continue;
            }
            if (!at(']'))
                return false;
            ++i_;
            return true;
        }
    }

    bool hex4(char32_t& out)
    {
        if (i_ + 4 > s_.size())
            return false;
        out = 0;
        for (int k = 0; k < 4; ++k) {
            const char c = s_[i_++];
            out <<= 4;
            if (c >= '0' && c <= '9')
                out |= static_cast<char32_t>(c - '0');
            else if (c >= 'a' && c <= 'f')
                out |= static_cast<char32_t>(c - 'a' + 10);
            else if (c >= 'A' && c <= 'F')
                out |= static_cast<char32_t>(c - 'A' + 10);
            else
                return false;
        }
        return true;
    }

    static bool plain(char c)
    {
        const auto u = static_cast<unsigned char>(c);
        return u >= 0x20 && u < 0x80 && c != '"' && c != '\\';
    }

    bool string(std::string& out)
    {
        ++i_; // "
        while (i_ < s_.size()) {
            const char c = s_[i_];
            if (c == '"') {
                ++i_;
                return true;
            }
            if (static_cast<unsigned char>(c) < 0x20)
                return false;
            if (c != '\\') {
                // Plain ASCII goes over in one piece: a standings message
                // is mostly long runs of it.
                std::size_t end = i_;
                while (end < s_.size() && plain(s_[end]))
                    ++end;
                if (end > i_) {
                    out.append(s_.substr(i_, end - i_));
                    i_ = end;
                    continue;
                }
                char32_t cp;
                const std::size_t n = decodeOne(s_, i_, cp);
                if (n == 0)
                    return false;
                out.append(s_.substr(i_, n));
                i_ += n;
                continue;
            }
            ++i_;
            if (i_ >= s_.size())
                return false;
            const char e = s_[i_++];
            switch (e) {
            case '"': out += '"'; break;
            case '\\': out += '\\'; break;
            case '/': out += '/'; break;
            case 'b': out += '\b'; break;
            case 'f': out += '\f'; break;
            case 'n': out += '\n'; break;
            case 'r': out += '\r'; break;
            case 't': out += '\t'; break;
            case 'u': {
                char32_t cp;
                if (!hex4(cp))
                    return false;
                if (cp >= 0xDC00 && cp <= 0xDFFF)
                    return false; // a low surrogate alone
                if (cp >= 0xD800 && cp <= 0xDBFF) {
                    char32_t low;
                    if (!word("\\u") || !hex4(low) || low < 0xDC00 || low > 0xDFFF)
                        return false;
                    cp = 0x10000 + ((cp - 0xD800) << 10) + (low - 0xDC00);
                }
                append(out, cp);
                break;
            }
            default:
                return false;
            }
        }
        return false;
    }

    bool number(double& out)
    {
        // The grammar first, strictly: -?(0|[1-9][0-9]*)(\.[0-9]+)?([eE][+-]?[0-9]+)?
        const std::size_t start = i_;
        const auto digits = [&] {
            const std::size_t from = i_;
            while (i_ < s_.size() && s_[i_] >= '0' && s_[i_] <= '9')
                ++i_;
            return i_ - from;
        };
        if (at('-'))
            ++i_;
        if (at('0'))
            ++i_;
        else if (digits() == 0)
            return false;
        if (at('.')) {
            ++i_;
            if (digits() == 0)
                return false;
        }
        if (at('e') || at('E')) {
            ++i_;
            if (at('+') || at('-'))
                ++i_;
            if (digits() == 0)
                return false;
        }
        const auto r = std::from_chars(s_.data() + start, s_.data() + i_, out);
        return r.ec == std::errc() && r.ptr == s_.data() + i_ && std::isfinite(out);
    }

    std::string_view s_;
    std::size_t i_ = 0;
};

} // namespace

const Value* Value::find(std::string_view key) const
{
    if (kind != Kind::object)
        return nullptr;
    for (std::size_t i = 0; i < keys.size(); ++i)
        if (keys[i] == key)
            return &array[i];
    return nullptr;
}

std::optional<Value> parse(std::string_view text)
{
    return Reader(text).document();
}

std::string quote(std::string_view utf8)
{
    static constexpr char kHex[] = "0123456789abcdef";
    std::string out = "\"";
    for (const char c : utf8) {
        const auto u = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (u < 0x20 || u == 0x7F) {
            out += "\\u00";
            out += kHex[u >> 4];
            out += kHex[u & 0xF];
        } else {
            out += c;
        }
    }
    out += '"';
    return out;
}

bool validUtf8(std::string_view bytes)
{
    for (std::size_t i = 0; i < bytes.size();) {
        char32_t cp;
        const std::size_t n = decodeOne(bytes, i, cp);
        if (n == 0)
            return false;
        i += n;
    }
    return true;
}

std::vector<char32_t> codePoints(std::string_view text)
{
    std::vector<char32_t> out;
    for (std::size_t i = 0; i < text.size();) {
        char32_t cp;
        const std::size_t n = decodeOne(text, i, cp);
        if (n == 0) {
            out.push_back(0xFFFD);
            ++i;
        } else {
            out.push_back(cp);
            i += n;
        }
    }
    return out;
}

std::string utf8(const std::vector<char32_t>& points)
{
    std::string out;
    for (const char32_t cp : points)
        append(out, cp);
    return out;
}

} // namespace game::json
