#include "hunspell.h"

#include "folding.h"
#include "textlines.h"

#include <unicode/ucnv.h>
#include <unicode/utf8.h>

#include <algorithm>
#include <optional>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

namespace wordlist {

namespace {

using Flag = std::uint32_t;

std::u32string decode(std::string_view s)
{
    std::u32string out;
    out.reserve(s.size());
    const auto* p = reinterpret_cast<const std::uint8_t*>(s.data());
    const auto n = static_cast<std::int32_t>(s.size());
    for (std::int32_t i = 0; i < n;) {
        UChar32 c;
        U8_NEXT(p, i, n, c);
        out.push_back(c < 0 ? U'\uFFFD' : static_cast<char32_t>(c));
    }
    return out;
}

void encode(std::u32string_view s, std::string& out)
{
    out.clear();
    for (const char32_t c : s)
        appendCodePoint(out, c);
}

std::vector<std::string_view> fields(std::string_view line)
{
    std::vector<std::string_view> out;
    std::size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && (line[i] == ' ' || line[i] == '\t'))
            ++i;
        const std::size_t from = i;
        while (i < line.size() && line[i] != ' ' && line[i] != '\t')
            ++i;
        if (i > from)
            out.push_back(line.substr(from, i - from));
    }
    return out;
}

enum class FlagType { Char, Utf8, Long, Num };

std::vector<Flag> parseFlags(std::string_view s, FlagType type)
{
    std::vector<Flag> out;
    switch (type) {
    case FlagType::Char:
        for (char c : s)
            out.push_back(static_cast<unsigned char>(c));
        break;
    case FlagType::Utf8:
        for (char32_t c : decode(s))
            out.push_back(c);
        break;
    case FlagType::Long:
        for (std::size_t i = 0; i + 1 < s.size(); i += 2)
            out.push_back(Flag(static_cast<unsigned char>(s[i])) << 8 | static_cast<unsigned char>(s[i + 1]));
        break;
    case FlagType::Num: {
        Flag v = 0;
        bool any = false;
        for (char c : s) {
            if (c >= '0' && c <= '9') {
                v = v * 10 + Flag(c - '0');
                any = true;
            } else if (c == ',' && any) {
                out.push_back(v);
                v = 0;
                any = false;
            }
        }
        if (any)
            out.push_back(v);
        break;
    }
    }
    return out;
}

// One position of a condition: any character, or one of (or none of) a set.
struct Token {
    bool any = false;
    bool negated = false;
    std::u32string set;
    bool matches(char32_t c) const { return any || (set.find(c) != std::u32string::npos) != negated; }
};

std::vector<Token> parseCondition(std::u32string_view s)
{
    std::vector<Token> out;
    if (s == U".")
        return out;
    for (std::size_t i = 0; i < s.size(); ++i) {
        Token t;
        if (s[i] == U'.') {
            t.any = true;
        } else if (s[i] == U'[') {
            ++i;
            if (i < s.size() && s[i] == U'^') {
                t.negated = true;
                ++i;
            }
            while (i < s.size() && s[i] != U']')
                t.set += s[i++];
        } else {
            t.set = s[i];
        }
        out.push_back(std::move(t));
    }
    return out;
}

struct Affix {
    std::u32string strip;
    std::u32string add;
    std::vector<Flag> next; // continuation flags
    std::vector<Token> condition;
};

struct Group {
    bool cross = false;
    std::vector<Affix> rules;
};

struct Rules {
    FlagType flagType = FlagType::Char;
    std::unordered_map<Flag, Group> prefixes;
    std::unordered_map<Flag, Group> suffixes;
    std::optional<Flag> needAffix;
};

bool suffixApplies(const Affix& a, std::u32string_view w)
{
    if (w.size() < a.condition.size() || w.size() < a.strip.size() || !w.ends_with(a.strip))
        return false;
    const std::size_t from = w.size() - a.condition.size();
    for (std::size_t k = 0; k < a.condition.size(); ++k)
        if (!a.condition[k].matches(w[from + k]))
            return false;
    return w.size() > a.strip.size(); // something of the stem stays, as Hunspell asks without FULLSTRIP
}

bool prefixApplies(const Affix& a, std::u32string_view w)
{
    if (w.size() < a.condition.size() || w.size() < a.strip.size() || !w.starts_with(a.strip))
        return false;
    for (std::size_t k = 0; k < a.condition.size(); ++k)
        if (!a.condition[k].matches(w[k]))
            return false;
    return w.size() > a.strip.size(); // something of the stem stays, as Hunspell asks without FULLSTRIP
}

std::u32string withSuffix(const Affix& a, std::u32string_view w)
{
    std::u32string out(w.substr(0, w.size() - a.strip.size()));
    return out += a.add;
}

std::u32string withPrefix(const Affix& a, std::u32string_view w)
{
    return a.add + std::u32string(w.substr(a.strip.size()));
}

std::string toUtf8(std::string_view bytes, const std::string& charset)
{
    if (charset.empty() || charset == "UTF-8" || charset == "utf-8")
        return std::string(bytes);
    UErrorCode err = U_ZERO_ERROR;
    std::string out(bytes.size() * 3 + 1, '\0');
    const std::int32_t n = ucnv_convert("UTF-8", charset.c_str(), out.data(), static_cast<std::int32_t>(out.size()),
                                        bytes.data(), static_cast<std::int32_t>(bytes.size()), &err);
    if (U_FAILURE(err))
        throw LanguageError("the Hunspell dictionary's charset " + charset + " cannot be read: " + u_errorName(err));
    out.resize(static_cast<std::size_t>(n));
    return out;
}

Rules parseAffixes(std::string_view aff, std::string& charset)
{
    // The charset first: the rules are read in it.
    eachLine(aff, [&](std::string_view line) {
        const auto f = fields(line);
        if (f.size() >= 2 && f[0] == "SET")
            charset = std::string(f[1]);
    });
    const std::string text = toUtf8(aff, charset);
    Rules rules;
    eachLine(text, [&](std::string_view line) {
        const auto f = fields(line);
        if (f.size() >= 2 && f[0] == "FLAG") {
            rules.flagType = f[1] == "UTF-8" ? FlagType::Utf8
                             : f[1] == "long" ? FlagType::Long
                             : f[1] == "num"  ? FlagType::Num
                                              : FlagType::Char;
        }
    });
    eachLine(text, [&](std::string_view line) {
        const auto f = fields(line);
        if (f.size() >= 2 && f[0] == "NEEDAFFIX") {
            if (const auto flags = parseFlags(f[1], rules.flagType); !flags.empty())
                rules.needAffix = flags.front();
            return;
        }
        if (f.size() < 4 || (f[0] != "PFX" && f[0] != "SFX"))
            return;
        const auto flags = parseFlags(f[1], rules.flagType);
        if (flags.empty())
            return;
        auto& groups = f[0] == "PFX" ? rules.prefixes : rules.suffixes;
        Group& group = groups[flags.front()];
        if (f.size() == 4 && (f[2] == "Y" || f[2] == "N")) { // the header: cross product, count
            group.cross = f[2] == "Y";
            return;
        }
        if (f.size() < 4)
            return;
        Affix a;
        if (f[2] != "0")
            a.strip = decode(f[2]);
        std::string_view add = f[3];
        if (const std::size_t slash = add.find('/'); slash != std::string_view::npos) {
            a.next = parseFlags(add.substr(slash + 1), rules.flagType);
            add = add.substr(0, slash);
        }
        if (add != "0")
            a.add = decode(add);
        a.condition = parseCondition(f.size() >= 5 ? decode(f[4]) : std::u32string(U"."));
        group.rules.push_back(std::move(a));
    });
    return rules;
}

} // namespace

void expandHunspell(std::string_view dic, std::string_view aff, const std::function<void(std::string_view)>& form)
{
    std::string charset;
    const Rules rules = parseAffixes(aff, charset);
    const std::string text = toUtf8(dic, charset);
    std::string out;
    const auto emit = [&](std::u32string_view w) {
        encode(w, out);
        form(out);
    };
    bool first = true;
    eachLine(text, [&](std::string_view line) {
        if (std::exchange(first, false) || line.empty() || line[0] == '#')
            return; // the first line gives the count
        if (const std::size_t tab = line.find('\t'); tab != std::string_view::npos)
            line = line.substr(0, tab);
        std::string_view word = line, flagText;
        // The flags follow the first slash that no backslash escapes.
        for (std::size_t i = 0; i < line.size(); ++i) {
            if (line[i] == '/' && (i == 0 || line[i - 1] != '\\')) {
                word = line.substr(0, i);
                flagText = line.substr(i + 1);
                break;
            }
        }
        if (const std::size_t space = flagText.find(' '); space != std::string_view::npos)
            flagText = flagText.substr(0, space); // morphological fields
        std::string plain;
        for (std::size_t i = 0; i < word.size(); ++i)
            if (!(word[i] == '\\' && i + 1 < word.size() && word[i + 1] == '/'))
                plain += word[i];
        const std::u32string stem = decode(plain);
        const std::vector<Flag> flags = parseFlags(flagText, rules.flagType);
        const auto has = [&flags](Flag f) { return std::find(flags.begin(), flags.end(), f) != flags.end(); };
        if (!rules.needAffix || !has(*rules.needAffix))
            emit(stem);

        // Prefixes that may join the suffixed forms.
        std::vector<const Affix*> crossPrefixes;
        for (const Flag f : flags) {
            const auto p = rules.prefixes.find(f);
            if (p == rules.prefixes.end())
                continue;
            for (const Affix& a : p->second.rules) {
                if (!prefixApplies(a, stem))
                    continue;
                emit(withPrefix(a, stem));
                if (p->second.cross)
                    crossPrefixes.push_back(&a);
            }
        }
        for (const Flag f : flags) {
            const auto s = rules.suffixes.find(f);
            if (s == rules.suffixes.end())
                continue;
            for (const Affix& a : s->second.rules) {
                if (!suffixApplies(a, stem))
                    continue;
                const std::u32string once = withSuffix(a, stem);
                emit(once);
                if (s->second.cross)
                    for (const Affix* p : crossPrefixes)
                        if (prefixApplies(*p, once))
                            emit(withPrefix(*p, once));
                for (const Flag g : a.next) {
                    const auto s2 = rules.suffixes.find(g);
                    if (s2 == rules.suffixes.end())
                        continue;
                    for (const Affix& b : s2->second.rules)
                        if (suffixApplies(b, once))
                            emit(withSuffix(b, once));
                }
            }
        }
    });
}

} // namespace wordlist
