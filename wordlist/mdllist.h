#pragma once
// Loader of the word list file into `diclist`.

#include "wordlist.h"

#include <cstddef>
#include <filesystem>
#include <stdexcept>

namespace mdlList {

// The list always has this many entries (indexes 0 to 200000).
inline constexpr std::size_t kEntries = 200001;

// The file could not be opened or read; what() gives the reason.
class LoadError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Reads `name` line by line (a line ends at CR LF or at a lone CR; the rest of
// the file after the last line end is a last line, and no empty line follows a
// final CR LF), unscrambles each line with decodeline and returns exactly
// kEntries entries: line i + 1 in entry i, empty entries past the last line.
// Lines past the 200,001st are not stored. Throws LoadError when the file
// cannot be opened or read.
wordlist::WordList loadlist(const std::filesystem::path& name);

} // namespace mdlList
