#include "commonness.h"

#include <algorithm>
#include <stdexcept>

namespace wordlist {

std::string packSizes(const std::vector<int>& sizes)
{
    std::string out((sizes.size() + 1) / 2, '\0');
    for (std::size_t i = 0; i < sizes.size(); ++i) {
        unsigned code = 0;
        if (sizes[i] != 0) {
            const auto* it = std::find(kScowlSizes.begin(), kScowlSizes.end(), sizes[i]);
            if (it == kScowlSizes.end())
                throw std::invalid_argument("not a SCOWL size: " + std::to_string(sizes[i]));
            code = unsigned(it - kScowlSizes.begin()) + 1;
        }
        auto& byte = out[i / 2];
        byte = char(static_cast<unsigned char>(byte) | (i % 2 ? code << 4 : code));
    }
    return out;
}

int Commonness::size(std::size_t entry) const
{
    if (entry / 2 >= packed_.size())
        return 0;
    const auto byte = static_cast<unsigned char>(packed_[entry / 2]);
    const unsigned code = entry % 2 ? byte >> 4 : byte & 0x0fu;
    return code >= 1 && code <= kScowlSizes.size() ? kScowlSizes[code - 1] : 0;
}

} // namespace wordlist
