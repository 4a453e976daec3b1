#pragma once
// Index over the word list for the two searches the game makes: the word
// lookup on Add and the prefix search of the search box. Both report exactly
// the entry that a scan of the list from entry 0 would report first.

#include "wordlist.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace wordlist {

class WordIndex {
public:
    // How the index orders the entries, once by upper-cased text and once by
    // exact text. A list that is already in order, or falls into a few ordered
    // runs (the embedded list: its words, then its empty entries), needs no
    // sorting: each run is searched where it lies, built in linear time and
    // with no memory beyond the runs' ends. Automatic takes the runs when there
    // are few and sorts otherwise; Runs and Sort force one way (for tests).
    // Ordered takes the caller's word that the list is one run in both orders
    // (a language's words, upper case and in byte order as they were made and
    // checked) and reads nothing: a list that is not gives wrong answers,
    // never reads out of bounds.
    enum class Build { Automatic, Runs, Sort, Ordered };

    WordIndex() = default;
    // Keeps a pointer to `list`, which must outlive the index and stay unchanged.
    explicit WordIndex(const WordList& list, Build build = Build::Automatic);
    WordIndex(WordList&&, Build = Build::Automatic) = delete; // would point at a temporary
    // Works on its own packed copy of `list` (tools and tests).
    explicit WordIndex(const std::vector<std::string>& list, Build build = Build::Automatic);

    // Smallest entry number i whose text, upper-cased (ASCII a-z), equals
    // `word` upper-cased. An empty entry equals only an empty word.
    std::optional<std::size_t> find(std::string_view word) const;

    // Whether some entry begins with `prefix`, both upper-cased (ASCII a-z):
    // the test that lets a search of the board drop a path no word goes on
    // from. An empty prefix is begun by any entry, so it holds when the list
    // is not empty.
    bool hasPrefixIgnoringCase(std::string_view prefix) const;

    // Smallest entry number i whose text begins with `prefix` exactly
    // (case-sensitive, byte by byte), as the search box matches. An empty
    // prefix finds nothing.
    std::optional<std::size_t> firstWithExactPrefix(std::string_view prefix) const;

    // Whether both orders are kept as runs of the list, nothing sorted.
    bool inRuns() const { return byUpper_.sorted.empty() && byExact_.sorted.empty(); }

private:
    // Either runs of the list, each in order (entry numbers runStarts[k] up to
    // runStarts[k + 1]), or all entry numbers sorted by (text, entry number).
    struct Order {
        std::vector<std::uint32_t> runStarts;
        std::vector<std::uint32_t> sorted;
    };

    void build(Build how);
    template <bool Upper, typename Accept>
    std::optional<std::uint32_t> search(const Order& order, std::string_view key, Accept accept) const;

    std::shared_ptr<const WordList> own_;
    const WordList* list_ = nullptr;
    Order byUpper_;
    Order byExact_;
    std::vector<std::uint32_t> minTree_; // range minimum of entry numbers over byExact_.sorted
};

} // namespace wordlist
