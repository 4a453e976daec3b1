#pragma once
// Every word form a Hunspell dictionary accepts through its affixes: the
// dictionary's stems (.dic) with the prefixes and suffixes their flags name
// in the affix file (.aff), and the suffixes those suffixes allow in turn
// (twofold suffixes), crossed with the prefixes where both allow it. What a
// spell checker accepts by rule, written out.
//
// It reads what the Spanish dictionary (hunspell-es) uses: SET (UTF-8 or an
// 8-bit charset ICU knows), FLAG (single characters, UTF-8, long or num),
// PFX and SFX with their conditions and continuation flags, and
// NEEDAFFIX. Compounding and the rest of the format are ignored.

#include <functional>
#include <string_view>

namespace wordlist {

// Calls `form` with each form, UTF-8, in the order the stems come, as often
// as the rules give it. Throws LanguageError when the affix file names a
// charset ICU cannot read.
void expandHunspell(std::string_view dic, std::string_view aff, const std::function<void(std::string_view)>& form);

} // namespace wordlist
