#pragma once
// The temporary copy of the embedded word list. It lives in a private folder
// made afresh for each run (owner-only permissions), never in the working
// directory, so it cannot clobber a file of the player's or clash with a
// second copy of the game.
//
// The folder's name says which run made it (golexorb-<pid>-<start>-XXXXXX,
// the process id and its start time after boot), and the run holds a lock
// on it while it lives, so that what a killed or crashed run left behind
// can be told from a live run's folder and cleared at the next start.

#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>

namespace mdlList {

// Creating the folder or writing the file failed; what() names what failed.
class DicFileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class DicFile {
public:
    // Makes a new private folder under the system's temporary folder
    // (std::filesystem::temp_directory_path, so TMPDIR counts) and writes
    // `bytes` into a new file `dic.bin` there. Throws DicFileError.
    explicit DicFile(std::string_view bytes);
    ~DicFile(); // calls remove()

    DicFile(const DicFile&) = delete;
    DicFile& operator=(const DicFile&) = delete;

    const std::filesystem::path& path() const { return path_; }
    const std::filesystem::path& folder() const { return folder_; }

    // Deletes the file, then the folder. A file or folder that is already gone
    // is not an error. Returns what could not be removed, and why; empty when
    // all is gone. Never throws; only the first call does anything.
    std::string remove() noexcept;

private:
    std::filesystem::path folder_;
    std::filesystem::path path_;
    int lock_ = -1; // the folder, open and locked while the run lives
    bool removed_ = false;
};

// Clears, in the system's temporary folder, what earlier runs of the game
// left when they were killed or crashed: the folders of this user named as
// DicFile names them whose run is gone (no process of that id and start
// time, and nobody holds the folder's lock). Only their dic.bin and the then
// empty folder are deleted. Each name first costs one lstat at most, so that
// names others plant in a shared temporary folder cost little; still, the
// time grows with the folder (a 100,000-name folder takes a fifth of a
// second), which is why start-up does this beside its other steps
// (wordlist::Dictionary). Returns how many folders went; never throws.
int clearDeadRuns() noexcept;

} // namespace mdlList
