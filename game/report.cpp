#include "report.h"

#include "ascii.h"
#include "folding.h"
#include "solver.h"
#include "translate.h"

#include <algorithm>
#include <set>

namespace game {

std::vector<std::string> acceptedList(std::string_view acceptedwords)
{
    std::vector<std::string> out;
    for (std::size_t pos = 0; pos < acceptedwords.size();) {
        std::size_t end = acceptedwords.find("\r\n", pos);
        if (end == std::string_view::npos)
            end = acceptedwords.size();
        if (end > pos)
            out.emplace_back(acceptedwords.substr(pos, end - pos));
        pos = end + 2;
    }
    return out;
}

std::string awardLines(std::string_view longestword, std::string_view acceptedwords, int score)
{
    std::string out;
    auto add = [&out](std::string_view line) {
        out += line;
        out += "\r\n";
    };
    const std::size_t longest = wordlist::tileCount(longestword);
    if (longest >= 7)
        add(translate("Awards", "Found a with 7 letters or more!"));
    else if (longest >= 5)
        add(translate("Awards", "Found a word 5 letters or more!"));
    const std::string upper = wordlist::upperCase(acceptedwords);
    if (upper.find('Q') != std::string::npos)
        add(translate("Awards", "Used a Q!"));
    if (upper.find('Z') != std::string::npos)
        add(translate("Awards", "Used a Z!"));
    if (score > 50)
        add(translate("Awards", "Massive score over 50!"));
    if (score > 40)
        add(translate("Awards", "Nice scored over 40!"));
    if (score > 30)
        add(translate("Awards", "scored over 30!"));
    return out;
}

std::string letterMostUsed(const Board& board, std::string_view acceptedwords)
{
    int highest = 0;
    std::string letter;
    for (const auto& caption : board) {
        // Only one-letter captions (one tile, maybe of several bytes) match
        // a letter of a word; UTF-8 never finds a letter inside another.
        int count = 0;
        if (!caption.empty() && wordlist::tileCount(caption) == 1) {
            for (std::size_t at = acceptedwords.find(caption); at != std::string_view::npos;
                 at = acceptedwords.find(caption, at + caption.size()))
                ++count;
        }
        // Ties go to the later cell; a count of 0 means the letter was not used.
        if (count > 0 && count >= highest) {
            highest = count;
            letter = caption;
        }
    }
    return letter;
}

std::vector<ListedWord> listWords(const std::vector<FoundWord>& words, std::string_view acceptedwords,
                                  const std::function<bool(std::string_view)>& isRare)
{
    const auto list = acceptedList(acceptedwords);
    const std::set<std::string_view> accepted(list.begin(), list.end());
    std::vector<ListedWord> out;
    out.reserve(words.size());
    for (const auto& w : words)
        out.push_back({w.word, w.path, accepted.contains(w.word), isRare && isRare(w.word), {}});
    std::stable_partition(out.begin(), out.end(), [](const ListedWord& w) { return !w.rare; });
    return out;
}

CommonPoints commonPoints(const std::vector<ListedWord>& words)
{
    CommonPoints p;
    for (const auto& w : words) {
        if (w.rare)
            continue;
        p.best += int(wordlist::tileCount(w.word));
        if (w.found && !w.hinted)
            p.score += int(wordlist::tileCount(w.word));
    }
    return p;
}

std::string foundText(int score, int best)
{
    return fill(translate("AllWords", "You found %1 of %2 points"), {std::to_string(score), std::to_string(best)});
}

std::string commonText(const std::optional<CommonPoints>& points)
{
    if (!points)
        return translate("AllWords", "All words in one list: no word frequencies");
    return fill(translate("AllWords", "Common words: %1 of %2 points"),
                {std::to_string(points->score), std::to_string(points->best)});
}

std::string meaningsNote(std::string_view language)
{
    return fill(translate("AllWords", "Meanings come from WordNet, in English only: there are none for %1 words."),
                {language});
}

} // namespace game
