#include "recordstore.h"

#include "languages.h"
#include "writeall.h"

#include <QDateTime>
#include <QFile>
#include <QStandardPaths>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <optional>
#include <string_view>

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace golexorb {

namespace {

// A round that finds the records locked waits in a file of its own,
// records.pending-XXXXXX, written whole under a temporary name first; a
// round of another board language in records-CODE.pending-XXXXXX, which
// the English records (and older copies of the game) never take.
constexpr std::size_t kPendingSuffix = 6; // mkstemp's XXXXXX

std::string recordsStem(std::string_view language)
{
    return language == "en" ? "records" : "records-" + std::string(language);
}

std::string pendingPrefix(std::string_view language)
{
    return recordsStem(language) + ".pending-";
}

std::string pendingTemporary(std::string_view language)
{
    return recordsStem(language) + ".pending.new-";
}
// A round's file is a few dozen bytes; a larger one is not the game's.
constexpr std::size_t kLargestPendingFile = 4096;
// A temporary one this old was left by a copy that ended while writing it.
constexpr std::time_t kStaleTemporary = 3600; // seconds

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

// The lock file records.lock, held with flock while a round is entered:
// the system lets go of it when a copy of the game ends in any way, so a
// lock is never left standing. Its holder removes it when done; a copy that
// meanwhile took the removed file takes the new one instead. It holds the
// holder's process id, as other programs' lock files do. Taking it never
// waits: a copy that holds it for long (stopped, or stuck on a slow disk)
// must not freeze the window of another.
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

    // Empty once held; otherwise why not, in words. `busy` tells a lock
    // another copy holds from one that cannot be had at all.
    std::string take(bool& busy)
    {
        busy = false;
        for (int tries = 0; tries < 100; ++tries) {
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
            int err = 0;
            do
                err = ::flock(fd, LOCK_EX | LOCK_NB) == 0 ? 0 : errno;
            while (err == EINTR);
            if (err == 0) {
                struct stat now {};
                if (::stat(path_.c_str(), &now) != 0 || now.st_dev != held.st_dev || now.st_ino != held.st_ino) {
                    ::close(fd); // its holder removed it meanwhile
                    continue;
                }
                fd_ = fd;
                const std::string owner = std::to_string(::getpid()) + "\ngolexorb\n";
                if (::ftruncate(fd, 0) != 0 || !wordlist::writeAll(fd, owner))
                    return "its lock " + path_ + " cannot be written: " + reason(errno);
                return {};
            }
            ::close(fd);
            if (err != EWOULDBLOCK)
                return "its lock " + path_ + " cannot be taken: " + reason(err);
            break;
        }
        busy = true;
        return "they are locked by another copy of the game" + holder();
    }

private:
    // " (process N)" as the lock file names its holder, if it does.
    std::string holder() const
    {
        const int fd = ::open(path_.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
        if (fd < 0)
            return {};
        char text[32] = {};
        const ssize_t n = ::read(fd, text, sizeof text - 1);
        ::close(fd);
        std::string pid;
        for (ssize_t i = 0; i < n && text[i] >= '0' && text[i] <= '9' && pid.size() < 10; ++i)
            pid += text[i];
        return pid.empty() ? std::string() : " (process " + pid + ")";
    }

    std::string path_;
    int fd_ = -1;
};

// The names of the rounds of a board language waiting in the folder, in no
// order. Temporary files left by a copy that ended while writing one go.
std::vector<std::string> pendingFiles(const std::string& dir, std::string_view language)
{
    const std::string kPendingPrefix = pendingPrefix(language), kPendingTemporary = pendingTemporary(language);
    std::vector<std::string> out;
    DIR* d = ::opendir(dir.c_str());
    if (!d)
        return out;
    const std::time_t now = std::time(nullptr);
    while (const dirent* e = ::readdir(d)) {
        const std::string_view name = e->d_name;
        if (name.size() == kPendingPrefix.size() + kPendingSuffix && name.substr(0, kPendingPrefix.size()) == kPendingPrefix) {
            out.push_back(dir + "/" + std::string(name));
        } else if (name.size() == kPendingTemporary.size() + kPendingSuffix
                   && name.substr(0, kPendingTemporary.size()) == kPendingTemporary) {
            const std::string path = dir + "/" + std::string(name);
            struct stat st {};
            if (::lstat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) && st.st_uid == ::geteuid()
                && now - st.st_mtime > kStaleTemporary)
                ::unlink(path.c_str());
        }
    }
    ::closedir(d);
    return out;
}

// A waiting round's file, read as records: only a small regular file.
std::optional<game::Records> readPending(const std::string& path, std::string& problem)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        problem = reason(errno);
        return std::nullopt;
    }
    struct stat st {};
    std::string bytes(kLargestPendingFile + 1, '\0');
    ssize_t got = -1;
    if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode)) {
        do
            got = ::read(fd, bytes.data(), bytes.size());
        while (got < 0 && errno == EINTR);
    }
    ::close(fd);
    if (got < 0 || std::size_t(got) > kLargestPendingFile) {
        problem = got < 0 ? "it is not a regular file" : "it is too large for a round";
        return std::nullopt;
    }
    return game::parseRecords(std::string_view(bytes.data(), std::size_t(got)), &problem);
}

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
    return recordsStem(language) + ".txt";
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
    const bool recordable = game::recordable(minutes, round.score);
    FolderLock lock(dir + "/records.lock");
    bool busy = false;
    if (const std::string why = lock.take(busy); !why.empty()) {
        if (!busy) {
            warn("the records in " + dir + " cannot be entered: " + why + "; this round was not entered");
            return note;
        }
        // The round waits in a file of its own and is entered once the
        // lock is free; meanwhile it is counted as if it were in.
        std::string waits;
        if (recordable) {
            std::string problem;
            const auto file = writePending(dir, round, language, problem);
            if (!file) {
                warn("the records in " + dir + " cannot be entered: " + why + ", and this round cannot wait in a file ("
                     + problem + "); this round was not entered");
                return note;
            }
            waits = *file;
            waiting_ = true;
            warn("the records in " + dir + " cannot be entered now: " + why + "; this round waits in " + waits
                 + " and is entered once they are free");
        }
        auto records = load(dir + "/" + fileName(language), false);
        if (!records)
            return note;
        enterPending(dir, language, *records, false, waits);
        note = noteFor(*records, round, note);
        note.unavailable = false;
        return note;
    }
    const std::string path = dir + "/" + fileName(language);
    auto records = load(path, true);
    if (!records)
        return note;
    const std::vector<std::string> entered = enterPending(dir, language, *records, true, {});
    note = noteFor(*records, round, note);
    // Written after every round that scored, so a file kept aside is
    // replaced by a good one at once.
    if ((recordable || !entered.empty()) && !save(path, *records))
        return note;
    finishPending(dir, entered);
    note.unavailable = false;
    return note;
}

bool RecordStore::enterWaiting()
{
    said_.clear();
    const std::string dir = folder();
    std::vector<std::string_view> waiting; // the languages with rounds waiting
    for (const wordlist::Language& l : wordlist::languages())
        if (!dir.empty() && !pendingFiles(dir, l.code).empty())
            waiting.push_back(l.code);
    if (waiting.empty()) {
        waiting_ = false;
        return true;
    }
    FolderLock lock(dir + "/records.lock");
    bool busy = false;
    if (const std::string why = lock.take(busy); !why.empty()) {
        if (busy)
            return false;
        warn("the rounds waiting in " + dir + " cannot be entered: " + why);
        waiting_ = false;
        return true;
    }
    waiting_ = false;
    for (const std::string_view language : waiting) {
        const std::string path = dir + "/" + fileName(language);
        auto records = load(path, true);
        if (!records)
            continue;
        const std::vector<std::string> entered = enterPending(dir, language, *records, true, {});
        if (!entered.empty() && save(path, *records))
            finishPending(dir, entered);
    }
    return true;
}

game::RecordNote RecordStore::noteFor(game::Records& records, const game::Round& round, game::RecordNote note)
{
    const bool changed = game::enterRound(records, round);
    note.best = records.bestFor(round.minutes);
    note.newRecord = changed;
    note.progress = game::progressFor(records, round.minutes);
    return note;
}

// Written whole under a temporary name, then given its own: a file under
// a waiting round's name is always whole.
std::optional<std::string> RecordStore::writePending(const std::string& dir, const game::Round& round,
                                                     std::string_view language, std::string& problem)
{
    game::Records one;
    one.rounds.push_back(round);
    const std::string text = game::formatRecords(one);
    for (int tries = 0; tries < 100; ++tries) {
        std::string temporary = dir + "/" + pendingTemporary(language) + "XXXXXX";
        const int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
        if (fd < 0) {
            problem = reason(errno);
            return std::nullopt;
        }
        int err = wordlist::writeAll(fd, text) && ::fsync(fd) == 0 ? 0 : errno;
        if (::close(fd) != 0 && err == 0)
            err = errno;
        const std::string name =
            dir + "/" + pendingPrefix(language) + temporary.substr(temporary.size() - kPendingSuffix);
        // A hard link never replaces another round's file; a file system
        // without them takes the rename.
        if (err == 0 && ::link(temporary.c_str(), name.c_str()) != 0) {
            err = errno;
            if (err == EPERM || err == EOPNOTSUPP || err == EMLINK)
                err = ::access(name.c_str(), F_OK) == 0 ? EEXIST
                    : std::rename(temporary.c_str(), name.c_str()) == 0 ? 0
                                                                       : errno;
        }
        ::unlink(temporary.c_str());
        if (err == 0)
            return name;
        if (err != EEXIST) {
            problem = reason(err);
            return std::nullopt;
        }
    }
    problem = "no free name for it";
    return std::nullopt;
}

// Enters the rounds waiting in the folder into `records`, but for the one
// named `skip`; the files entered. Under the lock, a file that cannot be
// read as a round is kept aside, as an unreadable records file is.
std::vector<std::string> RecordStore::enterPending(const std::string& dir, std::string_view language,
                                                   game::Records& records, bool locked, const std::string& skip)
{
    std::vector<std::string> entered;
    for (const std::string& file : pendingFiles(dir, language)) {
        if (file == skip)
            continue;
        std::string problem;
        const auto rounds = readPending(file, problem);
        if (!rounds) {
            if (!locked)
                continue;
            const auto aside = takeAsideName(file, problem);
            if (aside && std::rename(file.c_str(), aside->c_str()) == 0)
                warn("the waiting round " + file + " is unreadable (" + problem + "); it was kept as " + *aside);
            else if (aside)
                ::unlink(aside->c_str());
            continue;
        }
        for (const game::Round& r : rounds->rounds)
            game::enterRound(records, r);
        entered.push_back(file);
    }
    return entered;
}

// The waiting rounds' files go once the records that hold them are saved.
void RecordStore::finishPending(const std::string& dir, const std::vector<std::string>& entered)
{
    for (const std::string& file : entered)
        ::unlink(file.c_str());
    if (!entered.empty())
        warn(std::to_string(entered.size()) + (entered.size() == 1 ? " round that waited was" : " rounds that waited were")
             + " entered in the records in " + dir);
}

// The records in the file; empty ones when there is no file. Nothing when
// the file is there but cannot be used and must be left alone. Only a
// regular file is read, and no more of it than the largest records file
// and a byte: a FIFO or a device would hang the game or fill its memory.
std::optional<game::Records> RecordStore::load(const std::string& path, bool locked)
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
    if (!locked) { // the copy that holds the lock keeps it aside
        warn("the records file " + path + " is unreadable (" + problem + ")");
        return std::nullopt;
    }

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
        if (!wordlist::writeAll(fd, text) || ::fsync(fd) != 0)
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
