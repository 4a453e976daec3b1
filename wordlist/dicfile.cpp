#include "dicfile.h"

#include <cerrno>
#include <string>
#include <system_error>
#include <vector>

#include <fcntl.h>
#include <stdlib.h> // mkdtemp, getenv
#include <unistd.h>

namespace mdlList {

namespace {

std::string reason(int err)
{
    return std::generic_category().message(err);
}

// Writes all of `bytes` to a file that must not exist yet; returns 0 or errno.
int writeNewFile(const std::filesystem::path& path, std::string_view bytes)
{
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_TRUNC | O_CLOEXEC, 0600);
    if (fd < 0)
        return errno;
    const char* p = bytes.data();
    std::size_t left = bytes.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, p, left);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            const int err = errno;
            ::close(fd);
            return err;
        }
        p += n;
        left -= static_cast<std::size_t>(n);
    }
    // A full disk can surface only here on some file systems.
    if (::close(fd) != 0)
        return errno;
    return 0;
}

// The folder temp_directory_path looked at. Its error names no path, and a
// message saying which setting is wrong is what lets the player fix it.
std::string tempFolderAsked()
{
    for (const char* var : {"TMPDIR", "TMP", "TEMP", "TEMPDIR"})
        if (const char* value = ::getenv(var))
            return value;
    return "/tmp";
}

} // namespace

DicFile::DicFile(std::string_view bytes)
{
    std::error_code ec;
    const std::filesystem::path base = std::filesystem::temp_directory_path(ec);
    if (ec)
        throw DicFileError("The temporary folder could not be created in " + tempFolderAsked()
                           + ": " + ec.message());

    // mkdtemp makes the folder atomically with mode 0700 and a name nobody
    // else holds, so no other user can plant or read the file.
    const std::string templ = (base / "golexorb-XXXXXX").string();
    std::vector<char> name(templ.begin(), templ.end());
    name.push_back('\0');
    if (::mkdtemp(name.data()) == nullptr) {
        const int err = errno;
        throw DicFileError("The temporary folder could not be created in " + base.string() + ": "
                           + reason(err));
    }
    folder_ = std::filesystem::path(name.data());
    path_ = folder_ / "dic.bin";

    if (const int err = writeNewFile(path_, bytes); err != 0) {
        const std::string message = "The word list file " + path_.string()
                                    + " could not be written: " + reason(err);
        remove();
        throw DicFileError(message);
    }
}

DicFile::~DicFile()
{
    remove();
}

void DicFile::remove() noexcept
{
    // Once only: by a later call the random name might belong to someone else.
    if (removed_)
        return;
    removed_ = true;
    std::error_code ec;
    if (!path_.empty())
        std::filesystem::remove(path_, ec);
    if (!folder_.empty())
        std::filesystem::remove(folder_, ec);
}

} // namespace mdlList
