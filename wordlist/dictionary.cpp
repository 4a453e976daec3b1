#include "dictionary.h"

#include "dicfile.h"
#include "mdllist.h"

#include <system_error>

#include <sys/resource.h>
#include <unistd.h>

namespace wordlist {

Dictionary::Dictionary() = default;

Dictionary::~Dictionary()
{
    finishClearing();
}

void Dictionary::writeCopy(std::string_view bytes)
{
    copy_ = std::make_unique<mdlList::DicFile>(bytes);
}

void Dictionary::finishClearing() noexcept
{
    if (clearing_.joinable())
        clearing_.join();
}

void Dictionary::loadCopy()
{
    set(mdlList::loadlist(copy_ ? copy_->path() : std::filesystem::path()));
    // What runs that were killed or crashed left goes; a live run's copy
    // stays, this one's too. The temporary folder is shared with other
    // users, who may have filled it with names like ours: reading a folder
    // of 100,000 names takes longer than the rest of start-up, so it is
    // done on a thread of its own once the word list is in, while the
    // window comes up, at the lowest priority.
    finishClearing();
    try {
        clearing_ = std::thread([] {
            ::setpriority(PRIO_PROCESS, static_cast<id_t>(::gettid()), 19);
            mdlList::clearDeadRuns();
        });
    } catch (const std::system_error&) {
        mdlList::clearDeadRuns(); // no thread to be had: here, then
    }
}

std::string Dictionary::removeCopy() noexcept
{
    finishClearing();
    return copy_ ? copy_->remove() : std::string();
}

std::string Dictionary::copyPath() const
{
    return copy_ ? copy_->path().string() : std::string();
}

void Dictionary::set(WordList list)
{
    index_.reset(); // it points into the list it replaces
    list_ = std::move(list);
}

const WordIndex& Dictionary::index() const
{
    if (!index_)
        index_.emplace(list_);
    return *index_;
}

} // namespace wordlist
