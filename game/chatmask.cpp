#include "chatmask.h"

#include "ascii.h"

#include <algorithm>

namespace game::room {

Masker::Masker(std::string_view blocklist, std::string_view stems, std::string_view allowed)
    : rules_(wordlist::makeRules(wordlist::parseBlockList(blocklist), wordlist::parseBlockList(stems),
                              wordlist::parseBlockList(allowed)))
{
}

std::string Masker::mask(std::string_view text) const
{
    std::string out(text);
    if (rules_.forms.empty() && rules_.stems.empty())
        return out;
    // Runs of ASCII letters are the words: a byte of a multi-byte UTF-8
    // character is never one, so masking keeps the text valid.
    for (std::size_t i = 0; i < out.size();) {
        if (!wordlist::asciiLetter(out[i])) {
            ++i;
            continue;
        }
        std::size_t end = i;
        std::string word;
        while (end < out.size() && wordlist::asciiLetter(out[end]))
            word += wordlist::lowerAscii(out[end++]);
        if (wordlist::blocked(rules_, word))
            std::fill(out.begin() + static_cast<std::ptrdiff_t>(i), out.begin() + static_cast<std::ptrdiff_t>(end), '*');
        i = end;
    }
    return out;
}

} // namespace game::room
