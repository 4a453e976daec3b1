#include "dictionary.h"

#include "dicfile.h"
#include "mdllist.h"

namespace wordlist {

Dictionary::Dictionary() = default;

Dictionary::~Dictionary() = default;

void Dictionary::writeCopy(std::string_view bytes)
{
    // What runs that were killed or crashed left goes first; a live run's
    // copy stays.
    mdlList::clearDeadRuns();
    copy_ = std::make_unique<mdlList::DicFile>(bytes);
}

void Dictionary::loadCopy()
{
    set(mdlList::loadlist(copy_ ? copy_->path() : std::filesystem::path()));
}

std::string Dictionary::removeCopy() noexcept
{
    return copy_ ? copy_->remove() : std::string();
}

std::string Dictionary::copyPath() const
{
    return copy_ ? copy_->path().string() : std::string();
}

void Dictionary::set(WordList list)
{
    index_ = {}; // it points into the list it replaces
    indexed_ = false;
    list_ = std::move(list);
}

const WordIndex& Dictionary::index() const
{
    if (!indexed_) {
        index_ = WordIndex(list_);
        indexed_ = true;
    }
    return index_;
}

} // namespace wordlist
