// The index on any list and any query: the word lookup, the prefix search
// and the prefix test must report what a scan from entry 0 reports, however
// the index was built.

#include "fuzz.h"

#include "wordindex.h"
#include "wordlist.h"

#include <algorithm>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

namespace {

using wordlist::WordIndex;
using wordlist::WordList;

std::optional<std::size_t> scanFind(const WordList& list, std::string_view word)
{
    const std::string w = fuzz::upper(word);
    for (std::size_t i = 0; i < list.size(); ++i)
        if (fuzz::upper(list[i]) == w)
            return i;
    return std::nullopt;
}

std::optional<std::size_t> scanPrefix(const WordList& list, std::string_view prefix)
{
    if (prefix.empty())
        return std::nullopt;
    for (std::size_t i = 0; i < list.size(); ++i)
        if (list[i].starts_with(prefix))
            return i;
    return std::nullopt;
}

bool scanUpperPrefix(const WordList& list, std::string_view prefix)
{
    const std::string p = fuzz::upper(prefix);
    for (std::size_t i = 0; i < list.size(); ++i)
        if (fuzz::upper(list[i]).starts_with(p))
            return true;
    return false;
}

std::string show(std::optional<std::size_t> i)
{
    return i ? std::to_string(*i) : std::string("none");
}

// Packed as the loader packs: the empty entries after the last one stored
// take no room.
WordList pack(const std::vector<std::string>& entries, std::size_t emptyTail)
{
    std::size_t total = 0;
    for (const auto& e : entries)
        total += e.size();
    WordList::Text text(static_cast<char*>(std::malloc(total + WordList::kSlack)));
    std::vector<std::uint32_t> starts;
    std::size_t at = 0;
    for (const auto& e : entries) {
        starts.push_back(std::uint32_t(at));
        std::memcpy(text.get() + at, e.data(), e.size());
        at += e.size();
    }
    starts.push_back(std::uint32_t(at));
    std::memset(text.get() + at, 0, WordList::kSlack);
    return WordList(std::move(text), std::move(starts), entries.size() + emptyTail);
}

void checkAll(const WordIndex& index, const WordList& list, const std::vector<std::string>& queries, const char* how)
{
    for (const std::string& q : queries) {
        const std::string at = std::string(how) + ", query \"" + q + "\"";
        FUZZ_CHECK(index.find(q) == scanFind(list, q), "find: " + show(index.find(q)) + " " + at);
        FUZZ_CHECK(index.firstWithExactPrefix(q) == scanPrefix(list, q),
                   "firstWithExactPrefix: " + show(index.firstWithExactPrefix(q)) + " " + at);
        FUZZ_CHECK(index.hasPrefixIgnoringCase(q) == scanUpperPrefix(list, q), "hasPrefixIgnoringCase " + at);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::Bytes in(data, size);
    const std::uint8_t flags = in.byte();
    const std::size_t emptyTail = (flags & 4) ? in.byte() : 0;
    const unsigned explicitQueries = in.below(8);

    std::vector<std::string> pieces;
    const std::string_view rest = in.rest();
    for (std::size_t pos = 0; pos <= rest.size();) {
        std::size_t end = rest.find('\n', pos);
        if (end == std::string_view::npos)
            end = rest.size();
        pieces.emplace_back(rest.substr(pos, end - pos));
        pos = end + 1;
    }
    std::vector<std::string> queries;
    for (unsigned k = 0; k < explicitQueries && !pieces.empty(); ++k) {
        queries.push_back(pieces.back());
        pieces.pop_back();
    }
    std::vector<std::string> entries(pieces.begin(), pieces.begin() + std::min<std::ptrdiff_t>(64, pieces.size()));
    // Ordered lists fall into few runs, which the index searches where they lie.
    if (flags & 8)
        std::sort(entries.begin(), entries.end());
    if (flags & 16)
        std::sort(entries.begin(), entries.end(), [](const std::string& a, const std::string& b) {
            return fuzz::upper(a) < fuzz::upper(b);
        });

    queries.push_back("");
    for (const auto& e : entries) {
        queries.push_back(e);
        queries.push_back(fuzz::upper(e));
        for (std::size_t n = 1; n < std::min<std::size_t>(4, e.size()); ++n)
            queries.push_back(e.substr(0, n));
        if (!e.empty())
            queries.push_back(e.substr(0, e.size() - 1) + static_cast<char>(e.back() + 1));
        queries.push_back(e + "a");
    }

    const WordList list = pack(entries, emptyTail);
    FUZZ_CHECK(list.size() == entries.size() + emptyTail, "size");
    for (std::size_t i = 0; i < list.size(); ++i)
        FUZZ_CHECK(list[i] == (i < entries.size() ? std::string_view(entries[i]) : std::string_view()),
                   "entry " + std::to_string(i));

    const WordIndex::Build builds[] = {WordIndex::Build::Automatic, WordIndex::Build::Runs, WordIndex::Build::Sort};
    const char* names[] = {"automatic", "runs", "sorted"};
    for (int b = 0; b < 3; ++b) {
        if ((flags & 3) != 3 && b != (flags & 3))
            continue;
        const WordIndex index(list, builds[b]);
        if (builds[b] == WordIndex::Build::Runs)
            FUZZ_CHECK(index.inRuns(), "forced runs");
        if (builds[b] == WordIndex::Build::Sort && !list.empty())
            FUZZ_CHECK(!index.inRuns(), "forced sort");
        checkAll(index, list, queries, names[b]);
    }
    if (flags & 32) {
        // The copy it makes of a plain list, the empty tail written out.
        std::vector<std::string> whole = entries;
        whole.resize(entries.size() + emptyTail);
        const WordIndex own(whole);
        checkAll(own, list, queries, "own copy");
    }
    return 0;
}
