#pragma once
// The block list mkdic applies: words left out of the game's word list, each
// with its simple inflections, matched as whole words only. A word that just
// contains a blocked one ("grapes", "scunthorpe") stays.

#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace mkdic {

// One word a line, lower-cased; blank lines and lines starting with '#' are
// skipped, and so is any line that is not of the letters a to z.
std::vector<std::string> parseBlockList(std::string_view text);

// The word, its plural and its -ed and -ing forms by the regular spelling
// rules: "-es" after s, x, z, ch and sh; "y" after a consonant turned to
// "ie"; a final "e" dropped before "-ing"; a short word's last consonant
// doubled as well as not ("shitted", "fagged"). A word ending in "c" takes
// only "-s", so "spic" never blocks "spices" or "spiced".
std::vector<std::string> inflections(std::string_view word);

// Every form the block list leaves out.
std::set<std::string> blockedForms(const std::vector<std::string>& blocklist);

} // namespace mkdic
