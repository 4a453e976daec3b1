#pragma once
// The game's word list as the main window uses it, `diclist`: the private
// temporary copy of the embedded list, the entries loaded from that copy,
// and the index the lookup and the prefix search go through. Start-up
// takes its steps one by one, so that the window can yield between them.
// The index is built at the first search, not at start-up, which does not
// wait for it; that search takes about a millisecond longer. So the first
// search must not run on two threads at once.

#include "wordindex.h"
#include "wordlist.h"

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <thread>

namespace mdlList {
class DicFile;
}

namespace wordlist {

class Dictionary {
public:
    Dictionary();
    ~Dictionary();
    Dictionary(const Dictionary&) = delete; // the index points into the list
    Dictionary& operator=(const Dictionary&) = delete;

    // Writes `bytes` to a new private copy. Throws mdlList::DicFileError.
    void writeCopy(std::string_view bytes);
    // Loads the copy into the list (the index over it is built at the first
    // search), then clears what runs killed earlier left in the temporary
    // folder, on a thread of its own. Throws mdlList::LoadError.
    void loadCopy();
    // Deletes the copy and its folder; what could not be removed, and why,
    // or empty. Never throws; only the first call does anything.
    std::string removeCopy() noexcept;
    // Where the copy lies, empty when there is none.
    std::string copyPath() const;

    // Takes a list as it is, without a copy (tools and tests).
    void set(WordList list);

    std::size_t size() const { return list_.size(); }
    std::string_view operator[](std::size_t i) const { return list_[i]; }
    // The first entry equal to `word`, both upper-cased.
    std::optional<std::size_t> find(std::string_view word) const { return index().find(word); }
    const WordList& list() const { return list_; }
    const WordIndex& index() const;

private:
    void finishClearing() noexcept;

    std::thread clearing_;
    std::unique_ptr<mdlList::DicFile> copy_;
    WordList list_;
    mutable std::optional<WordIndex> index_; // built at the first search
};

} // namespace wordlist
