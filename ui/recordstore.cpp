#include "recordstore.h"

#include <QDateTime>
#include <QFile>
#include <QStandardPaths>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string_view>
#include <thread>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace golexorb {

namespace {

// How long a round's end waits for another copy of the game to finish with the records.
constexpr std::chrono::milliseconds kLockWait{10000};

std::string reason(int err)
{
    return std::strerror(err);
}

// Makes the folder and those above it that are missing, for the user alone;
// empty, or why not.
std::string makeFolder(const std::string& dir)
{
    for (std::size_t end = dir.find('/', 1);; end = dir.find('/', end + 1)) {
        const std::string part = dir.substr(0, end);
        if (!part.empty() && ::mkdir(part.c_str(), 0700) != 0 && errno != EEXIST)
            return reason(errno);
        if (end == std::string::npos)
            break;
    }
    struct stat st {};
    if (::stat(dir.c_str(), &st) != 0)
        return reason(errno);
    return S_ISDIR(st.st_mode) ? std::string() : reason(ENOTDIR);
}

bool writeAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            if (n == 0)
                errno = ENOSPC;
            return false;
        }
        bytes.remove_prefix(std::size_t(n));
    }
    return true;
}

// The lock file records.lock, held with flock while a round is entered:
// the system lets go of it when a copy of the game ends in any way, so a
// lock is never left standing. Its holder removes it when done; a copy that
// meanwhile took the removed file takes the new one instead. It holds the
// holder's process id, as other programs' lock files do.
class FolderLock {
public:
    explicit FolderLock(std::string path)
        : path_(std::move(path))
    {
    }
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;
    ~FolderLock()
    {
        if (fd_ >= 0) {
            ::unlink(path_.c_str());
            ::close(fd_);
        }
    }

    // Empty once held; otherwise why not, in words.
    std::string take()
    {
        const auto deadline = std::chrono::steady_clock::now() + kLockWait;
        for (;;) {
            const int fd = ::open(path_.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0600);
            if (fd < 0) {
                if (errno == ELOOP)
                    return "its lock " + path_ + " is a symbolic link, which the game does not follow";
                return "its lock " + path_ + " cannot be made: " + reason(errno);
            }
            struct stat held {};
            if (::fstat(fd, &held) != 0 || !S_ISREG(held.st_mode)) {
                ::close(fd);
                return "its lock " + path_ + " is not a regular file";
            }
            if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
                struct stat now {};
                if (::stat(path_.c_str(), &now) != 0 || now.st_dev != held.st_dev || now.st_ino != held.st_ino) {
                    ::close(fd); // its holder removed it meanwhile
                    continue;
                }
                fd_ = fd;
                const std::string owner = std::to_string(::getpid()) + "\ngolexorb\n";
                if (::ftruncate(fd, 0) != 0 || !writeAll(fd, owner))
                    return "its lock " + path_ + " cannot be written: " + reason(errno);
                return {};
            }
            const int err = errno;
            ::close(fd);
            if (err != EWOULDBLOCK && err != EINTR)
                return "its lock " + path_ + " cannot be taken: " + reason(err);
            if (std::chrono::steady_clock::now() > deadline)
                return "they are locked by another copy of the game";
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
    }

private:
    std::string path_;
    int fd_ = -1;
};

// A new name beside the file for keeping an unreadable one, taken by
// making an empty file under it that nobody else has: whatever already
// has a name, a dangling link included, is never written through.
std::optional<std::string> takeAsideName(const std::string& path, std::string& problem)
{
    const std::string stamp =
        QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss")).toStdString();
    for (int n = 1; n < 1000; ++n) {
        std::string name = path + ".unreadable-" + stamp;
        if (n > 1) { // appended: GCC 12 at -O3 warns falsely of "-" + a temporary
            name += '-';
            name += std::to_string(n);
        }
        const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
        if (fd >= 0) {
            ::close(fd);
            return name;
        }
        if (errno != EEXIST) {
            problem = reason(errno);
            return std::nullopt;
        }
    }
    problem = "no free name for it";
    return std::nullopt;
}

} // namespace

RecordStore::RecordStore(QString folder)
    : folder_(QFile::encodeName(folder).toStdString())
{
}

std::string RecordStore::defaultFolder()
{
    if (QStandardPaths::isTestModeEnabled())
        return QFile::encodeName(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)).toStdString();
    if (const char* data = std::getenv("XDG_DATA_HOME"); data && data[0] == '/')
        return std::string(data) + "/golexorb";
    if (const char* home = std::getenv("HOME"); home && home[0] == '/')
        return std::string(home) + (std::string_view(home) == "/" ? "" : "/") + ".local/share/golexorb";
    return {};
}

std::string RecordStore::folder() const
{
    return folder_.empty() ? defaultFolder() : folder_;
}

void RecordStore::warn(const std::string& text)
{
    std::fprintf(stderr, "golexorb: %s\n", text.c_str());
    said_ += text + "\n";
}

std::string RecordStore::fileName(std::string_view language)
{
    return language == "en" ? "records.txt" : "records-" + std::string(language) + ".txt";
}

game::RecordNote RecordStore::finishRound(const game::Round& round, std::string_view language)
{
    said_.clear();
    const int minutes = round.minutes;
    game::RecordNote note;
    note.minutes = minutes;
    note.withHints = round.hints > 0;
    if (!game::isRoundLength(minutes))
        return note;
    note.unavailable = true;

    const std::string dir = folder();
    if (dir.empty()) {
        if (!saidOff_)
            warn("HOME is not set, so the records are off: no folder to keep them in");
        saidOff_ = true;
        return note;
    }
    // The data folder need not exist yet.
    if (const std::string why = makeFolder(dir); !why.empty()) {
        warn("cannot make the folder " + dir + " for the records: " + why);
        return note;
    }
    FolderLock lock(dir + "/records.lock");
    if (const std::string why = lock.take(); !why.empty()) {
        warn("the records in " + dir + " cannot be entered: " + why + "; this round was not entered");
        return note;
    }
    const std::string path = dir + "/" + fileName(language);
    auto records = load(path);
    if (!records)
        return note;
    const bool changed = game::enterRound(*records, round);
    note.best = records->bestFor(minutes);
    note.newRecord = changed;
    note.progress = game::progressFor(*records, minutes);
    // Written after every round that scored, so a file kept aside is
    // replaced by a good one at once.
    if (game::recordable(minutes, round.score) && !save(path, *records))
        return note;
    note.unavailable = false;
    return note;
}

// The records in the file; empty ones when there is no file. Nothing when
// the file is there but cannot be used and must be left alone. Only a
// regular file is read, and no more of it than the largest records file
// and a byte: a FIFO or a device would hang the game or fill its memory.
std::optional<game::Records> RecordStore::load(const std::string& path)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        if (errno == ENOENT)
            return game::Records{};
        warn("cannot read the records file " + path + ": " + reason(errno));
        return std::nullopt;
    }
    std::string problem;
    std::optional<game::Records> records;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        problem = "it is not a regular file";
    } else {
        std::string bytes(game::kLargestRecordsFile + 1, '\0');
        std::size_t got = 0;
        while (got < bytes.size()) {
            const ssize_t n = ::read(fd, bytes.data() + got, bytes.size() - got);
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0) {
                const int err = errno;
                ::close(fd);
                warn("cannot read the records file " + path + ": " + reason(err));
                return std::nullopt;
            }
            if (n == 0)
                break;
            got += std::size_t(n);
        }
        if (got > game::kLargestRecordsFile)
            problem = "it is larger than " + std::to_string(game::kLargestRecordsFile >> 20) + " MiB";
        else
            records = game::parseRecords(std::string_view(bytes.data(), got), &problem);
    }
    ::close(fd);
    if (records)
        return records;

    std::string why;
    const auto aside = takeAsideName(path, why);
    if (aside && std::rename(path.c_str(), aside->c_str()) != 0) {
        why = reason(errno);
        ::unlink(aside->c_str());
    } else if (aside) {
        warn("the records file " + path + " is unreadable (" + problem + "); it was kept as " + *aside
             + " and the records start afresh");
        return game::Records{};
    }
    warn("the records file " + path + " is unreadable (" + problem + ") and could not be renamed (" + why
         + "); it is left as it is");
    return std::nullopt;
}

// Written whole to records.txt.saving, then renamed over the file: a crash
// never leaves half a file. That name is taken only under the lock, so
// whatever lies there is the leftover of a save that was killed, and goes.
bool RecordStore::save(const std::string& path, game::Records& records)
{
    // Formatted once; again only when the file would grow past its limit.
    std::string text = game::formatRecords(records);
    if (text.size() > game::kLargestRecordsFile) {
        if (const std::size_t dropped = game::fitRecords(records))
            warn("the records file " + path + " would grow past "
                 + std::to_string(game::kLargestRecordsFile >> 20) + " MiB: " + std::to_string(dropped)
                 + (dropped == 1 ? " line" : " lines") + " this version does not use went, the oldest first");
        text = game::formatRecords(records);
    }
    const std::string temporary = path + ".saving";
    ::unlink(temporary.c_str());
    int err = 0;
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
    if (fd < 0) {
        err = errno;
    } else {
        // The file keeps the permissions it had.
        struct stat old {};
        if (::stat(path.c_str(), &old) == 0)
            ::fchmod(fd, old.st_mode & 07777);
        if (!writeAll(fd, text) || ::fsync(fd) != 0)
            err = errno;
        if (::close(fd) != 0 && err == 0)
            err = errno;
        if (err == 0 && std::rename(temporary.c_str(), path.c_str()) != 0)
            err = errno;
        if (err != 0)
            ::unlink(temporary.c_str());
    }
    if (err == 0)
        return true;
    warn("cannot write the records file " + path + ": " + reason(err));
    return false;
}

} // namespace golexorb
