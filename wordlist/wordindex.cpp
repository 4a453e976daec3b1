#include "wordindex.h"

#include "ascii.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <limits>
#include <stdexcept>

namespace wordlist {

namespace {

// With more runs than this a search would try too many of them: sort instead.
// Eight keeps a search within about eight binary searches.
constexpr std::size_t kMaxRuns = 8;

inline unsigned char upper(unsigned char c)
{
    return static_cast<unsigned char>(wordlist::upperAscii(static_cast<char>(c)));
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

template <bool Upper>
int compare(std::string_view a, std::string_view b, std::size_t from = 0)
{
    return Upper ? compareUpper(a, b, from) : compareExact(a, b, from);
}

// How an entry stands to the next one, in exact order and in upper-cased
// order (-1, 0 or 1 each), from one walk to the first byte where they differ.
// Eight bytes at a time: the reads may pass the end of an entry, never the
// end of the list's text, which keeps slack for this.
struct AdjacentOrder {
    int exact;
    int upper;
};

AdjacentOrder compareAdjacent(std::string_view a, std::string_view b)
{
    const std::size_t n = std::min(a.size(), b.size());
    std::size_t k = n; // the first position where they differ, or n
    for (std::size_t i = 0; i < n; i += 8) {
        std::uint64_t wa;
        std::uint64_t wb;
        std::memcpy(&wa, a.data() + i, 8);
        std::memcpy(&wb, b.data() + i, 8);
        if (const std::uint64_t x = wa ^ wb) {
            const int bit = std::endian::native == std::endian::little ? std::countr_zero(x) : std::countl_zero(x);
            k = std::min(n, i + static_cast<std::size_t>(bit / 8));
            break;
        }
    }
    if (k == n) {
        const int c = a.size() < b.size() ? -1 : (a.size() > b.size() ? 1 : 0);
        return {c, c};
    }
    const unsigned char ca = byteAt(a, k);
    const unsigned char cb = byteAt(b, k);
    const unsigned char ua = upper(ca);
    const unsigned char ub = upper(cb);
    return {ca < cb ? -1 : 1, ua != ub ? (ua < ub ? -1 : 1) : compareUpper(a, b, k + 1)};
}

// Where the list's ordered runs begin, plus its size at the end, in upper-
// cased and in exact order: a run goes on while each entry is not below the
// one before it.
void findRuns(const WordList& list, std::vector<std::uint32_t>& upperStarts, std::vector<std::uint32_t>& exactStarts)
{
    upperStarts.assign(1, 0);
    exactStarts.assign(1, 0);
    for (std::size_t i = 1; i < list.size(); ++i) {
        const AdjacentOrder c = compareAdjacent(list[i - 1], list[i]);
        if (c.upper > 0)
            upperStarts.push_back(static_cast<std::uint32_t>(i));
        if (c.exact > 0)
            exactStarts.push_back(static_cast<std::uint32_t>(i));
    }
    if (!list.empty()) {
        upperStarts.push_back(static_cast<std::uint32_t>(list.size()));
        exactStarts.push_back(static_cast<std::uint32_t>(list.size()));
    }
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
std::vector<std::uint32_t> sortedEntries(const WordList& list)
{
    std::vector<Keyed> keyed(list.size());
    for (std::size_t i = 0; i < list.size(); ++i)
        keyed[i] = {key8<Upper>(list[i]), static_cast<std::uint32_t>(i)};

    std::sort(keyed.begin(), keyed.end(), [&list](const Keyed& a, const Keyed& b) {
        if (a.key != b.key)
            return a.key < b.key;
        const std::string_view sa = list[a.entry];
        const std::string_view sb = list[b.entry];
        const std::size_t from = std::min<std::size_t>(8, std::min(sa.size(), sb.size()));
        const int c = compare<Upper>(sa, sb, from);
        return c != 0 ? c < 0 : a.entry < b.entry;
    });

    std::vector<std::uint32_t> out(keyed.size());
    for (std::size_t i = 0; i < keyed.size(); ++i)
        out[i] = keyed[i].entry;
    return out;
}

// First entry number in [lo, hi) of an ordered run whose text is not below
// `key`, or hi.
template <bool Upper>
std::uint32_t lowerBound(const WordList& list, std::uint32_t lo, std::uint32_t hi, std::string_view key)
{
    while (lo < hi) {
        const std::uint32_t mid = lo + (hi - lo) / 2;
        if (compare<Upper>(list[mid], key) < 0)
            lo = mid + 1;
        else
            hi = mid;
    }
    return lo;
}

bool beginsUpper(std::string_view entry, std::string_view prefix)
{
    return entry.size() >= prefix.size() && compareUpper(entry.substr(0, prefix.size()), prefix) == 0;
}

} // namespace

WordIndex::WordIndex(const WordList& list, Build how)
    : list_(&list)
{
    build(how);
}

WordIndex::WordIndex(const std::vector<std::string>& list, Build how)
    : own_(std::make_shared<const WordList>(WordList::of(list)))
    , list_(own_.get())
{
    build(how);
}

void WordIndex::build(Build how)
{
    const WordList& list = *list_;
    if (list.size() >= std::numeric_limits<std::uint32_t>::max())
        throw std::length_error("WordIndex: too many entries");

    if (how == Build::Ordered) {
        byUpper_.runStarts.assign(1, 0);
        if (!list.empty())
            byUpper_.runStarts.push_back(static_cast<std::uint32_t>(list.size()));
        byExact_.runStarts = byUpper_.runStarts;
        return;
    }
    if (how != Build::Sort)
        findRuns(list, byUpper_.runStarts, byExact_.runStarts);
    if (how == Build::Sort || (how == Build::Automatic && byUpper_.runStarts.size() - 1 > kMaxRuns)) {
        byUpper_.runStarts.clear();
        byUpper_.sorted = sortedEntries<true>(list);
    }
    if (how == Build::Sort || (how == Build::Automatic && byExact_.runStarts.size() - 1 > kMaxRuns)) {
        byExact_.runStarts.clear();
        byExact_.sorted = sortedEntries<false>(list);

        // Range minimum as a bottom-up segment tree: 2n numbers, built in
        // O(n), answered in O(log n). A sparse table would answer in O(1) but
        // needs n log n numbers (about 14 MB here), and the binary search in
        // front of it is O(log n) anyway.
        const std::size_t n = byExact_.sorted.size();
        minTree_.assign(2 * n, 0);
        std::copy(byExact_.sorted.begin(), byExact_.sorted.end(), minTree_.begin() + static_cast<std::ptrdiff_t>(n));
        for (std::size_t i = n; i-- > 1;)
            minTree_[i] = std::min(minTree_[2 * i], minTree_[2 * i + 1]);
    }
}

// The entry a search in one order lands on, when `accept` takes it: in the
// sorted order, the first entry not below `key`; among ordered runs, in each
// run whose last entry is not below the key, the first entry not below it,
// the runs taken in list order. Either way the entry is the one a scan from
// entry 0 would meet first among those that could pass.
template <bool Upper, typename Accept>
std::optional<std::uint32_t> WordIndex::search(const Order& order, std::string_view key, Accept accept) const
{
    const WordList& list = *list_;
    if (!order.sorted.empty()) {
        const auto it = std::partition_point(order.sorted.begin(), order.sorted.end(),
                                             [&](std::uint32_t e) { return compare<Upper>(list[e], key) < 0; });
        if (it != order.sorted.end() && accept(list[*it]))
            return *it;
        return std::nullopt;
    }
    const auto& runs = order.runStarts;
    for (std::size_t r = 0; r + 1 < runs.size(); ++r) {
        const std::uint32_t last = runs[r + 1] - 1;
        if (compare<Upper>(list[last], key) < 0)
            continue;
        const std::uint32_t i = lowerBound<Upper>(list, runs[r], last, key);
        if (accept(list[i]))
            return i;
    }
    return std::nullopt;
}

std::optional<std::size_t> WordIndex::find(std::string_view word) const
{
    if (!list_)
        return std::nullopt;
    // Within a run equal texts stand in entry order, and the sort puts the
    // smallest entry number first among equal texts.
    return search<true>(byUpper_, word, [&](std::string_view e) { return compareUpper(e, word) == 0; });
}

bool WordIndex::hasPrefixIgnoringCase(std::string_view prefix) const
{
    if (!list_)
        return false;
    // The first entry not below the prefix begins with it, if any entry does.
    return search<true>(byUpper_, prefix, [&](std::string_view e) { return beginsUpper(e, prefix); }).has_value();
}

std::optional<std::size_t> WordIndex::firstWithExactPrefix(std::string_view prefix) const
{
    if (!list_ || prefix.empty())
        return std::nullopt;
    const WordList& list = *list_;
    if (byExact_.sorted.empty()) {
        // Within a run the entries that begin with the prefix stand together,
        // the first of them with the smallest entry number.
        return search<false>(byExact_, prefix, [&](std::string_view e) { return e.starts_with(prefix); });
    }

    // The entries that begin with the prefix form one run in exact order.
    const auto& sorted = byExact_.sorted;
    const auto lo = std::partition_point(sorted.begin(), sorted.end(),
                                         [&](std::uint32_t e) { return compareExact(list[e], prefix) < 0; });
    const auto hi = std::partition_point(lo, sorted.end(), [&](std::uint32_t e) { return list[e].starts_with(prefix); });
    if (lo == hi)
        return std::nullopt;

    const std::size_t n = sorted.size();
    std::size_t l = static_cast<std::size_t>(lo - sorted.begin()) + n;
    std::size_t r = static_cast<std::size_t>(hi - sorted.begin()) + n;
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
