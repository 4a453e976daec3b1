#include "wordlist.h"

#include <cstring>
#include <new>
#include <stdexcept>

namespace wordlist {

WordList::WordList(Text text, std::vector<std::uint32_t> bounds)
    : text_(std::move(text))
    , bounds_(std::move(bounds))
{
}

WordList WordList::of(const std::vector<std::string>& entries)
{
    std::size_t total = 0;
    for (const std::string& e : entries)
        total += e.size();
    if (total > kPositionMask)
        throw std::length_error("WordList: more text than its positions reach");

    Text text(static_cast<char*>(std::malloc(total + kSlack)));
    if (!text)
        throw std::bad_alloc();
    std::memset(text.get() + total, 0, kSlack);
    std::vector<std::uint32_t> bounds;
    bounds.reserve(entries.size() + 1);
    std::size_t at = 0;
    for (const std::string& e : entries) {
        bounds.push_back(bound(at, 0));
        if (!e.empty())
            std::memcpy(text.get() + at, e.data(), e.size());
        at += e.size();
    }
    bounds.push_back(bound(at, 0));
    return WordList(std::move(text), std::move(bounds));
}

} // namespace wordlist
