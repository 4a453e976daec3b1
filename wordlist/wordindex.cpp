#include "wordindex.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <stdexcept>

namespace wordlist {

namespace {

inline unsigned char upper(unsigned char c)
{
    return (c >= 'a' && c <= 'z') ? static_cast<unsigned char>(c - ('a' - 'A')) : c;
}

inline unsigned char byteAt(std::string_view s, std::size_t i)
{
    return static_cast<unsigned char>(s[i]);
}

// Three-way comparison of the upper-cased texts from position `from` on; the
// bytes before it are known to be equal.
int compareUpper(std::string_view a, std::string_view b, std::size_t from = 0)
{
    const std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = from; i < n; ++i) {
        const unsigned char ca = upper(byteAt(a, i));
        const unsigned char cb = upper(byteAt(b, i));
        if (ca != cb)
            return ca < cb ? -1 : 1;
    }
    return a.size() < b.size() ? -1 : (a.size() > b.size() ? 1 : 0);
}

// Byte-wise, unsigned (memcmp), from position `from` on.
int compareExact(std::string_view a, std::string_view b, std::size_t from = 0)
{
    const std::size_t n = std::min(a.size(), b.size());
    if (n > from) {
        if (const int c = std::memcmp(a.data() + from, b.data() + from, n - from); c != 0)
            return c < 0 ? -1 : 1;
    }
    return a.size() < b.size() ? -1 : (a.size() > b.size() ? 1 : 0);
}

// The first eight bytes, big-endian and zero-padded, so that most comparisons
// of the sort are one integer comparison on a contiguous array instead of a
// walk to each string. A smaller key always means a smaller text; equal keys
// need the texts compared from the shorter length (capped at 8) on.
template <bool Upper>
std::uint64_t key8(std::string_view s)
{
    std::uint64_t k = 0;
    const std::size_t n = std::min<std::size_t>(8, s.size());
    for (std::size_t i = 0; i < 8; ++i) {
        k <<= 8;
        if (i < n)
            k |= Upper ? upper(byteAt(s, i)) : byteAt(s, i);
    }
    return k;
}

struct Keyed {
    std::uint64_t key;
    std::uint32_t entry;
};

// Entry numbers ordered by (text, entry number), the text upper-cased or not.
// The entry number breaks ties, so std::sort gives the same order as a stable
// sort and the first of a run of equal texts is the smallest entry number.
template <bool Upper>
std::vector<std::uint32_t> sortedEntries(const std::vector<std::string>& list)
{
    std::vector<Keyed> keyed(list.size());
    for (std::size_t i = 0; i < list.size(); ++i)
        keyed[i] = {key8<Upper>(list[i]), static_cast<std::uint32_t>(i)};

    std::sort(keyed.begin(), keyed.end(), [&list](const Keyed& a, const Keyed& b) {
        if (a.key != b.key)
            return a.key < b.key;
        const std::string& sa = list[a.entry];
        const std::string& sb = list[b.entry];
        const std::size_t from = std::min<std::size_t>(8, std::min(sa.size(), sb.size()));
        const int c = Upper ? compareUpper(sa, sb, from) : compareExact(sa, sb, from);
        return c != 0 ? c < 0 : a.entry < b.entry;
    });

    std::vector<std::uint32_t> out(keyed.size());
    for (std::size_t i = 0; i < keyed.size(); ++i)
        out[i] = keyed[i].entry;
    return out;
}

} // namespace

WordIndex::WordIndex(const std::vector<std::string>& list)
    : list_(&list)
{
    if (list.size() >= std::numeric_limits<std::uint32_t>::max())
        throw std::length_error("WordIndex: too many entries");

    byUpper_ = sortedEntries<true>(list);
    byExact_ = sortedEntries<false>(list);

    // Range minimum as a bottom-up segment tree: 2n numbers, built in O(n),
    // answered in O(log n). A sparse table would answer in O(1) but needs
    // n log n numbers (about 14 MB here), and the binary search in front of
    // it is O(log n) anyway.
    const std::size_t n = byExact_.size();
    minTree_.assign(2 * n, 0);
    std::copy(byExact_.begin(), byExact_.end(), minTree_.begin() + static_cast<std::ptrdiff_t>(n));
    for (std::size_t i = n; i-- > 1;)
        minTree_[i] = std::min(minTree_[2 * i], minTree_[2 * i + 1]);
}

std::optional<std::size_t> WordIndex::find(std::string_view word) const
{
    if (!list_)
        return std::nullopt;
    const auto& list = *list_;
    const auto it = std::partition_point(byUpper_.begin(), byUpper_.end(), [&](std::uint32_t e) {
        return compareUpper(list[e], word) < 0;
    });
    if (it == byUpper_.end() || compareUpper(list[*it], word) != 0)
        return std::nullopt;
    return *it;
}

bool WordIndex::hasUpperPrefix(std::string_view prefix) const
{
    if (!list_)
        return false;
    const auto& list = *list_;
    // The first entry not below the prefix begins with it, if any entry does.
    const auto it = std::partition_point(byUpper_.begin(), byUpper_.end(), [&](std::uint32_t e) {
        return compareUpper(list[e], prefix) < 0;
    });
    if (it == byUpper_.end())
        return false;
    const std::string_view entry = list[*it];
    return entry.size() >= prefix.size() && compareUpper(entry.substr(0, prefix.size()), prefix) == 0;
}

std::optional<std::size_t> WordIndex::firstWithPrefix(std::string_view prefix) const
{
    if (!list_ || prefix.empty())
        return std::nullopt;
    const auto& list = *list_;
    // The entries that begin with the prefix form one run in exact order.
    const auto lo = std::partition_point(byExact_.begin(), byExact_.end(), [&](std::uint32_t e) {
        return compareExact(list[e], prefix) < 0;
    });
    const auto hi = std::partition_point(lo, byExact_.end(), [&](std::uint32_t e) {
        return std::string_view(list[e]).starts_with(prefix);
    });
    if (lo == hi)
        return std::nullopt;

    const std::size_t n = byExact_.size();
    std::size_t l = static_cast<std::size_t>(lo - byExact_.begin()) + n;
    std::size_t r = static_cast<std::size_t>(hi - byExact_.begin()) + n;
    std::uint32_t best = std::numeric_limits<std::uint32_t>::max();
    for (; l < r; l >>= 1, r >>= 1) {
        if (l & 1)
            best = std::min(best, minTree_[l++]);
        if (r & 1)
            best = std::min(best, minTree_[--r]);
    }
    return best;
}

} // namespace wordlist
