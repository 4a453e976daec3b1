#pragma once
// How common each word of the list is: the smallest SCOWL size that holds
// it, kept as a side resource beside the list (never inside it), one 4-bit
// code an entry in list order, two entries a byte, the even entry in the low
// half. Code k from 1 stands for kScowlSizes[k - 1]; 0 for no word.
//
// Sizes up to 50 (SCOWL's own "medium" dictionary) are common, the larger
// ones rare.

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace wordlist {

inline constexpr std::array<int, 10> kScowlSizes{10, 20, 35, 40, 50, 55, 60, 70, 80, 95};
inline constexpr int kLargestCommonSize = 50;

// The packed form of `sizes`, entry i from sizes[i]; 0 packs as no word.
// Throws std::invalid_argument for any other size not in kScowlSizes.
std::string packSizes(const std::vector<int>& sizes);

// Reads packed sizes where they lie; the bytes must outlive it.
class Commonness {
public:
    Commonness() = default;
    explicit Commonness(std::string_view packed) : packed_(packed) {}

    // Entries the data covers (an even number: the last byte may end in a 0).
    std::size_t entries() const { return packed_.size() * 2; }
    // The smallest SCOWL size holding entry i; 0 for an entry the data does
    // not cover or marks as no word, or a code it does not know.
    int size(std::size_t entry) const;
    // Known to be rare. An entry of unknown size counts as common, so that
    // nothing is set apart on a guess.
    bool rare(std::size_t entry) const { return size(entry) > kLargestCommonSize; }

private:
    std::string_view packed_;
};

} // namespace wordlist
