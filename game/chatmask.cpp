#include "chatmask.h"

#include "ascii.h"
#include "folding.h"
#include "lexicon.h"

#include <algorithm>

namespace game::room {

Masker::Masker(std::string_view blocklist, std::string_view stems, std::string_view allowed)
    : rules_(wordlist::makeRules(wordlist::parseBlockList(blocklist), wordlist::parseBlockList(stems),
                              wordlist::parseBlockList(allowed)))
{
}

void Masker::setLanguage(const wordlist::Language& language, std::string_view blockText)
{
    language_.reset();
    if (language.english() || blockText.empty())
        return;
    auto folding = std::make_shared<const wordlist::Folding>(language);
    auto rules = wordlist::languageBlockRules(*folding, blockText);
    language_ = Language{std::move(folding), std::move(rules)};
}

namespace {

// The length of the UTF-8 character at `at` (1 for a stray byte), and
// whether it is a letter of the Latin alphabets the board languages write in.
std::pair<std::size_t, bool> latinLetter(std::string_view s, std::size_t at)
{
    const auto b = static_cast<unsigned char>(s[at]);
    if (b < 0x80)
        return {1, wordlist::asciiLetter(s[at])};
    if ((b & 0xe0) == 0xc0 && at + 1 < s.size() && (static_cast<unsigned char>(s[at + 1]) & 0xc0) == 0x80) {
        const char32_t c = (char32_t(b & 0x1f) << 6) | (static_cast<unsigned char>(s[at + 1]) & 0x3f);
        return {2, c >= 0xc0 && c <= 0x24f && c != 0xd7 && c != 0xf7}; // Latin-1 to Latin Extended-B, not × ÷
    }
    std::size_t n = 1;
    while (at + n < s.size() && (static_cast<unsigned char>(s[at + n]) & 0xc0) == 0x80)
        ++n;
    return {n, false};
}

} // namespace

std::string Masker::mask(std::string_view text) const
{
    std::string out = maskEnglish(text);
    if (!language_)
        return out;
    std::string masked;
    for (std::size_t i = 0; i < out.size();) {
        const auto [size, letter] = latinLetter(out, i);
        if (!letter) {
            masked.append(out, i, size);
            i += size;
            continue;
        }
        std::size_t end = i;
        std::size_t letters = 0;
        for (auto next = latinLetter(out, end); end < out.size() && next.second;) {
            end += next.first;
            ++letters;
            if (end < out.size())
                next = latinLetter(out, end);
        }
        const auto tiles = language_->folding->anyCase(std::string_view(out).substr(i, end - i));
        if (tiles && language_->rules.forms.count(*tiles))
            masked.append(letters, '*');
        else
            masked.append(out, i, end - i);
        i = end;
    }
    return masked;
}

std::string Masker::maskEnglish(std::string_view text) const
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
