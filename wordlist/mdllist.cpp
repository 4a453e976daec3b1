#include "mdllist.h"

#include "dfsenc.h"

#include <algorithm>
#include <bit>
#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <new>
#include <system_error>
#include <vector>

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace mdlList {

namespace {

using wordlist::WordList;

[[noreturn]] void fail(const std::filesystem::path& name, const char* what, int err)
{
    throw LoadError("The word list file " + name.string() + " could not be " + what + ": "
                    + std::generic_category().message(err));
}

// Makes the pages of [p, p + n) ready in one request. Where the first touch
// of a page is dear (several microseconds in a virtual machine), that is
// several times cheaper than a fault per page; where the request is not
// known, the pages come on first touch as usual.
void prefault([[maybe_unused]] void* p, [[maybe_unused]] std::size_t n)
{
#ifdef MADV_POPULATE_WRITE
    const auto page = static_cast<std::uintptr_t>(::sysconf(_SC_PAGESIZE));
    const auto at = reinterpret_cast<std::uintptr_t>(p);
    const std::uintptr_t begin = at & ~(page - 1);
    const std::uintptr_t end = (at + n + page - 1) & ~(page - 1);
    ::madvise(reinterpret_cast<void*>(begin), end - begin, MADV_POPULATE_WRITE);
#endif
}

// Prefaults a buffer that is written front to back, a stretch ahead of the
// writer, so that only the pages it comes to use are made.
class Ahead {
public:
    Ahead(void* base, std::size_t capacity)
        : base_(static_cast<char*>(base))
        , capacity_(capacity)
    {
    }
    void reach(std::size_t end)
    {
        if (end <= done_)
            return;
        const std::size_t next = std::min(capacity_, std::max(end, done_ + kStretch));
        prefault(base_ + done_, next - done_);
        done_ = next;
    }

private:
    static constexpr std::size_t kStretch = 64 * 1024;
    char* base_;
    std::size_t capacity_;
    std::size_t done_ = 0;
};

// The file's bytes: mapped where the system allows (its pages are the ones
// just written, so mapping them costs little), else read whole. Errors come
// from errno, so a folder or a file that cannot be read is reported instead
// of loading as an empty list.
class Source {
public:
    explicit Source(const std::filesystem::path& name)
    {
        fd_ = ::open(name.c_str(), O_RDONLY | O_CLOEXEC);
        if (fd_ < 0)
            fail(name, "opened", errno);
        struct stat st {};
        if (::fstat(fd_, &st) == 0 && S_ISREG(st.st_mode) && st.st_size > 0) {
            void* map = ::mmap(nullptr, static_cast<std::size_t>(st.st_size), PROT_READ, MAP_PRIVATE | MAP_POPULATE,
                               fd_, 0);
            if (map != MAP_FAILED) {
                map_ = static_cast<const char*>(map);
                size_ = static_cast<std::size_t>(st.st_size);
                return;
            }
        }
        // Files under /proc and the like: their size is no guide, read to the end.
        for (;;) {
            if (read_.size() == size_)
                read_.resize(std::max<std::size_t>(65536, read_.size() * 2));
            const ssize_t n = ::read(fd_, read_.data() + size_, read_.size() - size_);
            if (n > 0) {
                size_ += static_cast<std::size_t>(n);
            } else if (n == 0) {
                break;
            } else if (errno != EINTR) {
                const int err = errno;
                ::close(fd_);
                fail(name, "read", err);
            }
        }
    }
    ~Source()
    {
        if (map_)
            ::munmap(const_cast<char*>(map_), size_);
        ::close(fd_);
    }
    Source(const Source&) = delete;
    Source& operator=(const Source&) = delete;

    const char* data() const { return map_ ? map_ : read_.data(); }
    std::size_t size() const { return size_; }

private:
    int fd_ = -1;
    const char* map_ = nullptr;
    std::vector<char> read_;
    std::size_t size_ = 0;
};

// Which of the 64 bytes at p are CR, as bits (bit j for byte j): eight bytes
// at a time, without a branch per byte, the test exact for every byte value.
std::uint64_t crBits(const char* p)
{
    constexpr std::uint64_t ones = 0x0101010101010101u;
    constexpr std::uint64_t low7 = 0x7f7f7f7f7f7f7f7fu;
    std::uint64_t bits = 0;
    for (int j = 0; j < 8; ++j) {
        std::uint64_t w;
        std::memcpy(&w, p + 8 * j, 8);
        if constexpr (std::endian::native == std::endian::big)
            w = __builtin_bswap64(w);
        const std::uint64_t x = w ^ (ones * '\r');                  // CR bytes become 0
        const std::uint64_t zero = ~(((x & low7) + low7) | x | low7); // 0x80 where x is 0
        bits |= (((zero >> 7) * 0x0102040810204080u) >> 56) << (8 * j);
    }
    return bits;
}

} // namespace

WordList loadlist(const std::filesystem::path& name)
{
    const Source source(name);
    const char* const in = source.data();
    const std::size_t size = source.size();
    if (size > std::numeric_limits<std::uint32_t>::max())
        throw LoadError("The word list file " + name.string() + " is too large");

    // The entries are copied back to back, without their line ends, into a
    // buffer the size of the file; what stays unused is given back at the
    // end. The empty entries after the last line take no room at all.
    const std::size_t capacity = size + 16 + WordList::kSlack;
    WordList::Text text(static_cast<char*>(std::malloc(capacity)));
    if (!text)
        throw std::bad_alloc();
    std::vector<std::uint32_t> starts;
    starts.reserve(std::min(kEntries, size + 1) + 1);
    Ahead textAhead(text.get(), capacity);
    Ahead startsAhead(starts.data(), starts.capacity() * sizeof(std::uint32_t));

    char* const out = text.get();
    std::size_t used = 0;
    std::size_t lineStart = 0;
    const auto addLine = [&](std::size_t end) {
        const std::size_t n = end - lineStart;
        startsAhead.reach((starts.size() + 1) * sizeof(std::uint32_t));
        textAhead.reach(used + std::max<std::size_t>(n, 16));
        starts.push_back(static_cast<std::uint32_t>(used));
        // Most lines are short: one copy of 16 bytes, the bytes past the line
        // overwritten by the next one, when the file goes on that far.
        if (n <= 16 && size - lineStart >= 16)
            std::memcpy(out + used, in + lineStart, 16);
        else
            std::memcpy(out + used, in + lineStart, n);
        used += n;
    };

    // A line ends at each CR, and an LF right after the CR belongs to the
    // line end. The CR positions are found a block of 64 bytes at a time.
    bool full = false;
    for (std::size_t block = 0; block < size && !full; block += 64) {
        std::uint64_t crs;
        if (size - block >= 64) {
            crs = crBits(in + block);
        } else {
            char last[64] = {};
            std::memcpy(last, in + block, size - block);
            crs = crBits(last);
        }
        for (; crs != 0; crs &= crs - 1) {
            const std::size_t cr = block + static_cast<std::size_t>(std::countr_zero(crs));
            addLine(cr);
            lineStart = cr + 1 < size && in[cr + 1] == '\n' ? cr + 2 : cr + 1;
            if (starts.size() == kEntries) {
                full = true;
                break;
            }
        }
    }
    // What follows the last line end is a last line, if anything does.
    if (!full && lineStart < size)
        addLine(size);
    starts.push_back(static_cast<std::uint32_t>(used));

    dfsenc::decodeline(out, used);
    std::memset(out + used, 0, WordList::kSlack);
    // Give back the part of the buffer the line ends would have taken;
    // shrinking moves nothing.
    if (char* shrunk = static_cast<char*>(std::realloc(text.get(), used + WordList::kSlack))) {
        (void)text.release();
        text.reset(shrunk);
    }
    return WordList(std::move(text), std::move(starts), kEntries);
}

} // namespace mdlList
