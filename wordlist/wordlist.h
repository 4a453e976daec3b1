#pragma once
// The word list's entries, packed: their texts back to back in one buffer and
// where each begins. 200,001 std::string objects would take 6.4 MB for 1 MB of
// text, most of it for empty entries; this takes the text and four bytes an
// entry, and nothing for the empty entries at the end of the list. Read-only
// once made, so any number of threads may read it. The entries may also lie
// elsewhere, in a mapped file, kept alive by an owner the list holds.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <iterator>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace wordlist {

class WordList {
public:
    struct Free {
        void operator()(char* p) const noexcept { std::free(p); }
    };
    using Text = std::unique_ptr<char[], Free>; // from std::malloc

    // Readable bytes the text keeps after its last entry, so that a
    // comparison may read eight bytes at a time.
    static constexpr std::size_t kSlack = 8;

    WordList() = default;
    // Takes over `text` and `starts`: entry i is the text from starts[i] up to
    // starts[i + 1], for i below starts.size() - 1; the entries from there up
    // to `size` are empty. The text holds kSlack bytes more after the end of
    // the last entry; it may be null when there is no text at all.
    WordList(Text text, std::vector<std::uint32_t> starts, std::size_t size);

    // The entries as they lie in memory that `owner` keeps alive, which the
    // list shares: `starts` holds `startCount` positions (entry i is the text
    // from starts[i] up to starts[i + 1]), and the text kSlack bytes after
    // the last entry's end. The caller checks that the positions rise and
    // stay within the text.
    WordList(std::shared_ptr<const void> owner, const char* text, const std::uint32_t* starts,
             std::size_t startCount, std::size_t size);
    WordList(WordList&& other) noexcept { *this = std::move(other); }
    WordList& operator=(WordList&& other) noexcept;
    WordList(const WordList&) = delete;
    WordList& operator=(const WordList&) = delete;

    // A copy of `entries`, in order (tools and tests).
    static WordList of(const std::vector<std::string>& entries);

    std::size_t size() const { return size_; }
    bool empty() const { return size_ == 0; }
    std::string_view operator[](std::size_t i) const
    {
        if (i + 1 >= startCount_)
            return {};
        return {text_ + starts_[i], std::size_t(starts_[i + 1] - starts_[i])};
    }
    std::string_view front() const { return (*this)[0]; }
    std::string_view back() const { return (*this)[size_ - 1]; }

    class const_iterator {
    public:
        using iterator_category = std::forward_iterator_tag;
        using value_type = std::string_view;
        using difference_type = std::ptrdiff_t;
        using pointer = void;
        using reference = std::string_view;

        const_iterator() = default;
        const_iterator(const WordList* list, std::size_t i) : list_(list), i_(i) {}
        std::string_view operator*() const { return (*list_)[i_]; }
        const_iterator& operator++()
        {
            ++i_;
            return *this;
        }
        const_iterator operator++(int)
        {
            const_iterator was = *this;
            ++i_;
            return was;
        }
        friend bool operator==(const const_iterator& a, const const_iterator& b) { return a.i_ == b.i_; }

    private:
        const WordList* list_ = nullptr;
        std::size_t i_ = 0;
    };
    const_iterator begin() const { return {this, 0}; }
    const_iterator end() const { return {this, size_}; }

private:
    std::shared_ptr<const void> owner_; // what holds the text and the positions
    const char* text_ = nullptr;
    const std::uint32_t* starts_ = nullptr;
    std::size_t startCount_ = 0;
    std::size_t size_ = 0;
};

} // namespace wordlist
