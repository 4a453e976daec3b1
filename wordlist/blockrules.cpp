#include "blockrules.h"

#include "ascii.h"

#include <algorithm>

namespace wordlist {

namespace {

bool vowel(char c)
{
    return c == 'a' || c == 'e' || c == 'i' || c == 'o' || c == 'u';
}

} // namespace

std::vector<std::string> parseBlockList(std::string_view text)
{
    std::vector<std::string> out;
    for (std::size_t pos = 0; pos <= text.size();) {
        std::size_t end = text.find('\n', pos);
        if (end == std::string_view::npos)
            end = text.size();
        std::string line(text.substr(pos, end - pos));
        pos = end + 1;
        while (!line.empty() && (line.back() == '\r' || line.back() == ' ' || line.back() == '\t'))
            line.pop_back();
        for (char& c : line)
            c = lowerAscii(c);
        if (madeOf(line, asciiLower))
            out.push_back(std::move(line));
    }
    return out;
}

std::vector<std::string> inflections(std::string_view word)
{
    const std::string w(word);
    std::vector<std::string> out{w};
    if (w.size() < 2)
        return out;
    const char last = w.back();
    const char before = w[w.size() - 2];
    if (last == 'c') {
        out.push_back(w + "s");
        return out;
    }
    const bool sibilant = last == 's' || last == 'x' || last == 'z' || w.ends_with("ch") || w.ends_with("sh");
    if (last == 'y' && !vowel(before)) {
        const std::string stem = w.substr(0, w.size() - 1);
        out.insert(out.end(), {stem + "ies", stem + "ied", w + "ing"});
        return out;
    }
    if (sibilant) {
        out.push_back(w + "es");
    } else {
        out.push_back(w + "s");
        if (last == 'o')
            out.push_back(w + "es");
    }
    if (last == 'e') {
        out.insert(out.end(), {w + "d", w.substr(0, w.size() - 1) + "ing"});
        return out;
    }
    out.insert(out.end(), {w + "ed", w + "ing"});
    // consonant, vowel, consonant at the end of a short word: "shit", "fag"
    if (w.size() <= 4 && w.size() >= 3 && !vowel(last) && last != 'w' && last != 'x' && last != 'y'
        && vowel(before) && !vowel(w[w.size() - 3]))
        out.insert(out.end(), {w + last + "ed", w + last + "ing"});
    return out;
}

std::set<std::string> blockedForms(const std::vector<std::string>& blocklist)
{
    std::set<std::string> out;
    for (const auto& word : blocklist) {
        for (auto& form : inflections(word))
            out.insert(std::move(form));
    }
    return out;
}

BlockRules makeRules(const std::vector<std::string>& blocklist, const std::vector<std::string>& stems,
                     const std::vector<std::string>& allowed)
{
    return {blockedForms(blocklist), stems, std::set<std::string>(allowed.begin(), allowed.end())};
}

std::string_view stemIn(const BlockRules& rules, std::string_view word)
{
    for (const auto& stem : rules.stems)
        if (word.find(stem) != std::string_view::npos)
            return stem;
    return {};
}

bool blocked(const BlockRules& rules, std::string_view word)
{
    const std::string w(word);
    if (rules.forms.contains(w))
        return true;
    return !stemIn(rules, word).empty() && !rules.allowed.contains(w);
}

} // namespace wordlist
