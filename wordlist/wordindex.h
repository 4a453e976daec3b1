#pragma once
// Index over the word list for the two searches the game makes: the word
// lookup on Add and the prefix search of the search box. Both report exactly
// the entry that a scan of the list from entry 0 would report first.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace wordlist {

class WordIndex {
public:
    WordIndex() = default;
    // Keeps a pointer to `list`, which must outlive the index and stay unchanged.
    explicit WordIndex(const std::vector<std::string>& list);

    // Smallest entry number i whose text, upper-cased (ASCII a-z), equals
    // `word` upper-cased. An empty entry equals only an empty word.
    std::optional<std::size_t> find(std::string_view word) const;

    // Whether some entry, upper-cased, begins with `prefix` upper-cased: the
    // test that lets a search of the board drop a path no word goes on from.
    // An empty prefix is begun by any entry, so it holds when the list is not empty.
    bool hasUpperPrefix(std::string_view prefix) const;

    // Smallest entry number i whose text begins with `prefix` (exact,
    // case-sensitive, byte by byte). An empty prefix finds nothing.
    std::optional<std::size_t> firstWithPrefix(std::string_view prefix) const;

private:
    const std::vector<std::string>* list_ = nullptr;
    std::vector<std::uint32_t> byUpper_; // entry numbers by (upper text, entry number)
    std::vector<std::uint32_t> byExact_; // entry numbers by (exact text, entry number)
    std::vector<std::uint32_t> minTree_; // range minimum of entry numbers over byExact_
};

} // namespace wordlist
