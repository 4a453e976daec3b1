#pragma once
// The temporary copy of the embedded word list. It lives in a private folder
// made afresh for each run (owner-only permissions), never in the working
// directory, so it cannot clobber a file of the player's or clash with a
// second copy of the game.

#include <filesystem>
#include <stdexcept>
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
    // is not an error; never throws. Safe to call more than once.
    void remove() noexcept;

private:
    std::filesystem::path folder_;
    std::filesystem::path path_;
    bool removed_ = false;
};

} // namespace mdlList
