#include "dicfile.h"

#include "ascii.h"
#include "writeall.h"

#include <cerrno>
#include <cstdint>
#include <optional>
#include <string>
#include <system_error>
#include <vector>

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <stdlib.h> // mkdtemp, getenv
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace mdlList {

namespace {

constexpr std::string_view kPrefix = "golexorb-";
constexpr std::string_view kFileName = "dic.bin";

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
    if (!wordlist::writeAll(fd, bytes)) {
        const int err = errno;
        ::close(fd);
        return err;
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

// When process `pid` started, in clock ticks after boot: field 22 of
// /proc/<pid>/stat. With the process id it names one run, even once the id
// has been given to another process.
std::optional<std::uint64_t> startTime(long pid)
{
    const std::string path = "/proc/" + std::to_string(pid) + "/stat";
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return std::nullopt;
    char buf[1024];
    const ssize_t n = ::read(fd, buf, sizeof buf);
    ::close(fd);
    if (n <= 0)
        return std::nullopt;
    // The command name, field 2, is in parentheses and may hold spaces and
    // parentheses itself; the fields after the last ')' are plain.
    const std::string_view stat(buf, static_cast<std::size_t>(n));
    std::size_t pos = stat.rfind(')');
    if (pos == std::string_view::npos)
        return std::nullopt;
    ++pos;
    for (int field = 3; pos < stat.size(); ++field) {
        while (pos < stat.size() && stat[pos] == ' ')
            ++pos;
        const std::size_t end = std::min(stat.find(' ', pos), stat.size());
        if (field == 22)
            return wordlist::parseDecimal<std::uint64_t>(stat.substr(pos, end - pos));
        pos = end;
    }
    return std::nullopt;
}

struct RunName {
    long pid = 0;
    std::uint64_t start = 0;
};

// The run a folder name golexorb-<pid>-<start>-XXXXXX names, if it is one.
std::optional<RunName> parseRunName(std::string_view name)
{
    if (!name.starts_with(kPrefix))
        return std::nullopt;
    name.remove_prefix(kPrefix.size());
    const std::size_t a = name.find('-');
    const std::size_t b = a == std::string_view::npos ? a : name.find('-', a + 1);
    if (b == std::string_view::npos || name.size() - b - 1 != 6)
        return std::nullopt;
    if (!wordlist::madeOf(name.substr(b + 1), wordlist::asciiAlnum))
        return std::nullopt;
    const auto pid = wordlist::parseDecimal<long>(name.substr(0, a));
    const auto start = wordlist::parseDecimal<std::uint64_t>(name.substr(a + 1, b - a - 1));
    if (!pid || !start || *pid <= 0 || *pid > 0x7fffffff)
        return std::nullopt;
    return RunName{*pid, *start};
}

// Whether the run is over: no process has its id, or the one that has it
// started at another time. A process that cannot be looked at counts as
// running.
bool runGone(const RunName& run)
{
    if (const auto now = startTime(run.pid))
        return *now != run.start;
    return ::kill(static_cast<pid_t>(run.pid), 0) != 0 && errno == ESRCH;
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
    const long pid = ::getpid();
    const std::string templ = (base / (std::string(kPrefix) + std::to_string(pid) + "-"
                                       + std::to_string(startTime(pid).value_or(0)) + "-XXXXXX"))
                                  .string();
    std::vector<char> name(templ.begin(), templ.end());
    name.push_back('\0');
    if (::mkdtemp(name.data()) == nullptr) {
        const int err = errno;
        throw DicFileError("The temporary folder could not be created in " + base.string() + ": "
                           + reason(err));
    }
    folder_ = std::filesystem::path(name.data());
    path_ = folder_ / kFileName;
    // Held until the folder is removed: a run in another process namespace,
    // whose id means nothing here, still shows that it lives.
    lock_ = ::open(folder_.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (lock_ >= 0)
        ::flock(lock_, LOCK_EX | LOCK_NB);

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

std::string DicFile::remove() noexcept
{
    // Once only: by a later call the random name might belong to someone else.
    if (removed_)
        return {};
    removed_ = true;
    std::string problem;
    try {
        std::error_code ec;
        if (!path_.empty() && !std::filesystem::remove(path_, ec) && ec)
            problem = "The word list file " + path_.string() + " could not be removed: " + ec.message();
        else if (!folder_.empty() && !std::filesystem::remove(folder_, ec) && ec)
            problem = "The temporary folder " + folder_.string() + " could not be removed: " + ec.message();
    } catch (...) {
        problem = "The temporary folder could not be removed: out of memory";
    }
    if (lock_ >= 0)
        ::close(lock_);
    lock_ = -1;
    return problem;
}

int clearDeadRuns() noexcept
{
    int cleared = 0;
    int basefd = -1;
    DIR* dir = nullptr;
    try {
        std::error_code ec;
        const std::filesystem::path base = std::filesystem::temp_directory_path(ec);
        if (ec)
            return 0;
        basefd = ::open(base.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (basefd < 0)
            return 0;
        // A shared temporary folder may hold any number of names planted by
        // others, so each entry first costs one lstat at most: only folders
        // of this user go on to the look at /proc and the lock. The type
        // the folder listing gives rules out most without even that.
        const uid_t me = ::geteuid();
        std::vector<std::pair<std::string, struct stat>> candidates;
        const int listfd = ::openat(basefd, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (listfd < 0 || (dir = ::fdopendir(listfd)) == nullptr) {
            if (listfd >= 0)
                ::close(listfd);
            ::close(basefd);
            return 0;
        }
        while (const dirent* entry = ::readdir(dir)) {
            const std::string_view name(entry->d_name);
            if (!name.starts_with(kPrefix) || (entry->d_type != DT_DIR && entry->d_type != DT_UNKNOWN))
                continue;
            struct stat st {};
            if (::fstatat(basefd, entry->d_name, &st, AT_SYMLINK_NOFOLLOW) != 0 || !S_ISDIR(st.st_mode)
                || st.st_uid != me)
                continue;
            candidates.emplace_back(std::string(name), st);
        }
        for (const auto& [name, seen] : candidates) {
            const auto run = parseRunName(name);
            if (!run || !runGone(*run))
                continue;
            // Opened without following a link, then checked again: the same
            // folder of this user, which no live run holds locked.
            const int fd = ::openat(basefd, name.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
            if (fd < 0)
                continue;
            struct stat st {};
            if (::fstat(fd, &st) == 0 && S_ISDIR(st.st_mode) && st.st_uid == me && st.st_dev == seen.st_dev
                && st.st_ino == seen.st_ino && ::flock(fd, LOCK_EX | LOCK_NB) == 0) {
                const std::string file(kFileName);
                if (::unlinkat(fd, file.c_str(), 0) == 0 || errno == ENOENT) {
                    // Anything else in it stays, and the folder with it.
                    if (::unlinkat(basefd, name.c_str(), AT_REMOVEDIR) == 0)
                        ++cleared;
                }
            }
            ::close(fd);
        }
    } catch (...) {
        // Out of memory: what is left stays for a later start.
    }
    if (dir)
        ::closedir(dir);
    if (basefd >= 0)
        ::close(basefd);
    return cleared;
}

} // namespace mdlList
