#pragma once
// Masks the words the block rules leave out of the game in text from the
// network: the room's chat, and the names in it.

#include "blockrules.h"

#include <string>
#include <string_view>

namespace game::room {

// Each whole word (a run of the letters a to z, any case) that the block
// rules leave out of the game becomes asterisks.
class Masker {
public:
    Masker() = default;
    // The block rules' texts, one word a line: the whole words with their
    // inflections (resources/blocklist.txt), the stems whose compounds go
    // too (blockstems.txt), and the words excused from the stems
    // (blockallow.txt).
    explicit Masker(std::string_view blocklist, std::string_view stems = {}, std::string_view allowed = {});
    std::string mask(std::string_view utf8) const;

private:
    wordlist::BlockRules rules_;
};

} // namespace game::room
