#pragma once
// The block rules: the words mkdic leaves out of the word list, which the
// room's chat masks too. In two parts:
// - whole words (blocklist.txt): each listed word with its simple
//   inflections, matched as whole words only, so a word that just contains
//   one ("grapes", "scunthorpe") stays;
// - stems (blockstems.txt): the strongest profanity and slurs, whose every
//   compound is offensive; any word containing one goes ("bullshitted",
//   "whoreson"), unless the allow list beside them (blockallow.txt) names it
//   ("mishit", "snigger").

#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace wordlist {

// One word a line, lower-cased; blank lines and lines starting with '#' are
// skipped, and so is any line that is not of the letters a to z.
std::vector<std::string> parseBlockList(std::string_view text);

// The word, its plural and its -ed and -ing forms by the regular spelling
// rules: "-es" after s, x, z, ch and sh; "y" after a consonant turned to
// "ie"; a final "e" dropped before "-ing"; a short word's last consonant
// doubled as well as not ("shitted", "fagged"). A word ending in "c" takes
// only "-s", so "spic" never blocks "spices" or "spiced".
std::vector<std::string> inflections(std::string_view word);

// Every form the whole-word list leaves out.
std::set<std::string> blockedForms(const std::vector<std::string>& blocklist);

struct BlockRules {
    std::set<std::string> forms;    // blockedForms of the whole-word list
    std::vector<std::string> stems; // in the file's order
    std::set<std::string> allowed;  // excused from the stems, not from forms
};

BlockRules makeRules(const std::vector<std::string>& blocklist, const std::vector<std::string>& stems,
                     const std::vector<std::string>& allowed);

// The first stem `word` contains, whether or not the allow list excuses it;
// empty when it contains none.
std::string_view stemIn(const BlockRules& rules, std::string_view word);

// Left out of the word list: one of the forms, or holding a stem and not allowed.
bool blocked(const BlockRules& rules, std::string_view word);

} // namespace wordlist
