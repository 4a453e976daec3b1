#include "wordlist.h"

#include <cstring>
#include <limits>
#include <new>
#include <stdexcept>

namespace wordlist {

WordList::WordList(Text text, std::vector<std::uint32_t> starts, std::size_t size)
    : text_(std::move(text))
    , starts_(std::move(starts))
    , size_(size)
{
}

WordList WordList::of(const std::vector<std::string>& entries)
{
    std::size_t total = 0;
    for (const std::string& e : entries)
        total += e.size();
    if (total > std::numeric_limits<std::uint32_t>::max())
        throw std::length_error("WordList: more text than four-byte positions reach");

    Text text(static_cast<char*>(std::malloc(total + kSlack)));
    if (!text)
        throw std::bad_alloc();
    std::memset(text.get() + total, 0, kSlack);
    std::vector<std::uint32_t> starts;
    starts.reserve(entries.size() + 1);
    std::size_t at = 0;
    for (const std::string& e : entries) {
        starts.push_back(static_cast<std::uint32_t>(at));
        if (!e.empty())
            std::memcpy(text.get() + at, e.data(), e.size());
        at += e.size();
    }
    starts.push_back(static_cast<std::uint32_t>(at));
    return WordList(std::move(text), std::move(starts), entries.size());
}

} // namespace wordlist
