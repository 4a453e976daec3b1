#include "mdllist.h"

#include "dfsenc.h"

#include <bit>
#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <new>
#include <string_view>
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

// Makes the pages of [p, p + n) ready in one request. Where each first touch
// of a page is dear (a page fault costs several microseconds in a virtual
// machine), that is several times cheaper than a fault per page; where the
// request is not known, the pages come on first touch as usual.
void prefault([[maybe_unused]] void* p, [[maybe_unused]] std::size_t n)
{
#ifdef MADV_POPULATE_WRITE
    const auto page = static_cast<std::uintptr_t>(::sysconf(_SC_PAGESIZE));
    const auto at = reinterpret_cast<std::uintptr_t>(p);
    const std::uintptr_t begin = (at + page - 1) & ~(page - 1);
    const std::uintptr_t end = (at + n) & ~(page - 1);
    if (end > begin)
        ::madvise(reinterpret_cast<void*>(begin), end - begin, MADV_POPULATE_WRITE);
#endif
}

// Zeroed bytes after the data, so the scan for line ends may read whole
// blocks of 64 (and the list keeps the slack it needs).
constexpr std::size_t kSlack = 64;
static_assert(kSlack >= WordList::kSlack);

struct Bytes {
    WordList::Text data;
    std::size_t size = 0;
};

// The whole file in one go: splitting in memory is far cheaper than reading
// line by line. The buffer later holds the entries themselves. Errors come
// from errno, so a folder or a file that cannot be read is reported instead
// of loading as an empty list.
Bytes readWhole(const std::filesystem::path& name)
{
    const int fd = ::open(name.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        fail(name, "opened", errno);

    // One byte over the size, so the read that meets the end needs no growth.
    // The size is only a hint: files under /proc or a file that grows still
    // read to their end.
    struct stat st {};
    const bool sized = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_size > 0;
    std::size_t capacity = sized ? static_cast<std::size_t>(st.st_size) + 1 : 65536;
    Bytes bytes{WordList::Text(static_cast<char*>(std::malloc(capacity + kSlack))), 0};
    if (bytes.data)
        prefault(bytes.data.get(), capacity + kSlack);
    for (;;) {
        if (bytes.size == capacity && bytes.data) {
            char* grown = static_cast<char*>(std::realloc(bytes.data.get(), capacity * 2 + kSlack));
            if (grown) {
                (void)bytes.data.release();
                bytes.data.reset(grown);
                capacity *= 2;
            } else {
                bytes.data.reset();
            }
        }
        if (!bytes.data) {
            ::close(fd);
            throw std::bad_alloc();
        }
        const ssize_t n = ::read(fd, bytes.data.get() + bytes.size, capacity - bytes.size);
        if (n > 0) {
            bytes.size += static_cast<std::size_t>(n);
        } else if (n == 0) {
            break;
        } else if (errno != EINTR) {
            const int err = errno;
            ::close(fd);
            fail(name, "read", err);
        }
    }
    ::close(fd);
    std::memset(bytes.data.get() + bytes.size, 0, kSlack);
    return bytes;
}

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
        const std::uint64_t x = w ^ (ones * '\r');                 // CR bytes become 0
        const std::uint64_t zero = ~(((x & low7) + low7) | x | low7); // 0x80 where x is 0
        bits |= (((zero >> 7) * 0x0102040810204080u) >> 56) << (8 * j);
    }
    return bits;
}

} // namespace

WordList loadlist(const std::filesystem::path& name)
{
    Bytes bytes = readWhole(name);
    char* const data = bytes.data.get();
    const std::size_t size = bytes.size;

    std::vector<std::uint32_t> bounds;
    bounds.reserve(kEntries + 1);
    prefault(bounds.data(), (kEntries + 1) * sizeof(std::uint32_t));
    bounds.push_back(0);

    // Each entry stays where its line lies in the buffer; a line ends at each
    // CR, and an LF right after the CR belongs to the line end. The CR
    // positions are found a block at a time, then visited in order.
    std::size_t textEnd = size; // past the last stored line
    bool full = false;
    for (std::size_t block = 0; block < size && !full; block += 64) {
        std::uint64_t crs = crBits(data + block);
        if (size - block < 64)
            crs &= (std::uint64_t(1) << (size - block)) - 1; // the slack holds no line end
        for (; crs != 0; crs &= crs - 1) {
            const std::size_t cr = block + static_cast<std::size_t>(std::countr_zero(crs));
            const std::size_t gap = cr + 1 < size && data[cr + 1] == '\n' ? 2 : 1;
            if (cr + gap > WordList::kPositionMask)
                throw LoadError("The word list file " + name.string() + " is too large");
            bounds.push_back(WordList::bound(cr + gap, gap));
            if (bounds.size() == kEntries + 1) {
                textEnd = cr;
                full = true;
                break;
            }
        }
    }
    // What follows the last line end is a last line, if anything does.
    if (!full && (bounds.back() & WordList::kPositionMask) < size) {
        if (size > WordList::kPositionMask)
            throw LoadError("The word list file " + name.string() + " is too large");
        bounds.push_back(WordList::bound(size, 0));
    }
    const std::uint32_t end = bounds.back() & WordList::kPositionMask;
    bounds.resize(kEntries + 1, WordList::bound(end, 0));

    // Unscrambled in one pass over all lines; the bytes of the line ends
    // change too, but no entry covers them.
    dfsenc::decodeline(data, textEnd);
    return WordList(std::move(bytes.data), std::move(bounds));
}

} // namespace mdlList
