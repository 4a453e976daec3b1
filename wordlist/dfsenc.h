#pragma once
// The word list is stored scrambled: every character code raised by 10.

#include <cstddef>
#include <string>
#include <string_view>

namespace dfsenc {

// Lowers every code of 10 or more by 10; codes 0 to 9 pass unchanged.
std::string decodeline(std::string_view line);

// The same in place, over `size` bytes at `line`.
void decodeline(char* line, std::size_t size);

// The inverse used by the generator: raises every code by 10 (modulo 256).
std::string encodeline(std::string_view line);

} // namespace dfsenc
