#pragma once
// The word list's entries, packed: their texts in one buffer and where each
// begins. 200,001 std::string objects would take 6.4 MB for 1.4 MB of text,
// most of it for empty entries; this takes the text and four bytes an entry.
// Read-only once made, so any number of threads may read it.

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

    // A number in `bounds` holds a position in the text in its low 30 bits
    // and, in its top two bits, how many bytes (0 to 3) lie between the end of
    // the entry before and the beginning of this one. So the loader can leave
    // each entry where it read it and skip the line ends between.
    static constexpr std::uint32_t kPositionBits = 30;
    static constexpr std::uint32_t kPositionMask = (std::uint32_t(1) << kPositionBits) - 1;
    static constexpr std::uint32_t bound(std::size_t position, std::size_t gap)
    {
        return static_cast<std::uint32_t>(position) | static_cast<std::uint32_t>(gap << kPositionBits);
    }

    // Readable bytes the text keeps after its last entry, so that a
    // comparison may read eight bytes at a time.
    static constexpr std::size_t kSlack = 8;

    WordList() = default;
    // Takes over `text` (null when every entry is empty) and `bounds`, one
    // number more than there are entries: entry i begins at the position of
    // bounds[i] and ends where the gap of bounds[i + 1] begins. The text must
    // hold kSlack bytes more after the end of the last entry.
    WordList(Text text, std::vector<std::uint32_t> bounds);

    // A copy of `entries`, in order (tools and tests).
    static WordList of(const std::vector<std::string>& entries);

    std::size_t size() const { return bounds_.empty() ? 0 : bounds_.size() - 1; }
    bool empty() const { return size() == 0; }
    std::string_view operator[](std::size_t i) const
    {
        const std::uint32_t begin = bounds_[i] & kPositionMask;
        const std::uint32_t next = bounds_[i + 1];
        return {text_.get() + begin, std::size_t((next & kPositionMask) - (next >> kPositionBits) - begin)};
    }
    std::string_view front() const { return (*this)[0]; }
    std::string_view back() const { return (*this)[size() - 1]; }

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
    const_iterator end() const { return {this, size()}; }

private:
    Text text_;
    std::vector<std::uint32_t> bounds_;
};

} // namespace wordlist
