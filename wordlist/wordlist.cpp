#include "wordlist.h"

#include <cstring>
#include <limits>
#include <new>
#include <stdexcept>
#include <utility>

namespace wordlist {

namespace {

// The text and the positions a list made in memory owns.
struct Owned {
    WordList::Text text;
    std::vector<std::uint32_t> starts;
};

} // namespace

WordList::WordList(Text text, std::vector<std::uint32_t> starts, std::size_t size)
    : size_(size)
{
    auto owned = std::make_shared<Owned>(Owned{std::move(text), std::move(starts)});
    text_ = owned->text.get();
    starts_ = owned->starts.data();
    startCount_ = owned->starts.size();
    owner_ = std::move(owned);
}

WordList::WordList(std::shared_ptr<const void> owner, const char* text, const std::uint32_t* starts,
                   std::size_t startCount, std::size_t size)
    : owner_(std::move(owner))
    , text_(text)
    , starts_(starts)
    , startCount_(startCount)
    , size_(size)
{
}

WordList& WordList::operator=(WordList&& other) noexcept
{
    if (this != &other) {
        owner_ = std::move(other.owner_);
        text_ = std::exchange(other.text_, nullptr);
        starts_ = std::exchange(other.starts_, nullptr);
        startCount_ = std::exchange(other.startCount_, 0);
        size_ = std::exchange(other.size_, 0);
    }
    return *this;
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
