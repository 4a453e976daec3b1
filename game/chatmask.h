#pragma once
// Masks the words the block rules leave out of the game in text from the
// network: the room's chat, and the names in it.

#include "blockrules.h"
#include "languages.h"

#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace wordlist {
class Folding;
}

namespace game::room {

// Each whole word (a run of the letters a to z, any case) that the block
// rules leave out of the game becomes asterisks; with a board language, so
// does each run of letters that folds to a word its block list leaves out.
class Masker {
public:
    Masker() = default;
    // The block rules' texts, one word a line: the whole words with their
    // inflections (resources/blocklist.txt), the stems whose compounds go
    // too (blockstems.txt), and the words excused from the stems
    // (blockallow.txt).
    explicit Masker(std::string_view blocklist, std::string_view stems = {}, std::string_view allowed = {});
    std::string mask(std::string_view utf8) const;
    // The room's board language too: its block list's words (`blockText`,
    // one a line) are masked in any case and spelling that folds to them,
    // accents and all. English, or an empty list, leaves the English rules
    // alone.
    void setLanguage(const wordlist::Language& language, std::string_view blockText);

private:
    wordlist::BlockRules rules_;
    std::string maskEnglish(std::string_view utf8) const;
    struct Language {
        std::shared_ptr<const wordlist::Folding> folding;
        wordlist::BlockRules rules;
    };
    std::optional<Language> language_;
};

} // namespace game::room
