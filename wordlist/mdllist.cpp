#include "mdllist.h"

#include "dfsenc.h"

#include <cerrno>
#include <cstring>
#include <string_view>
#include <system_error>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace mdlList {

namespace {

[[noreturn]] void fail(const std::filesystem::path& name, const char* what, int err)
{
    throw LoadError("The word list file " + name.string() + " could not be " + what + ": "
                    + std::generic_category().message(err));
}

// The whole file in one go: splitting in memory is far cheaper than reading
// line by line. Errors come from errno, so a folder or a file that cannot be
// read is reported instead of loading as an empty list.
std::string readWhole(const std::filesystem::path& name)
{
    const int fd = ::open(name.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        fail(name, "opened", errno);

    // One byte over the size, so the read that meets the end needs no growth.
    // The size is only a hint: files under /proc or a file that grows still
    // read to their end.
    struct stat st {};
    const bool sized = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_size > 0;
    std::string data(sized ? static_cast<std::size_t>(st.st_size) + 1 : 65536, '\0');
    std::size_t used = 0;
    for (;;) {
        if (used == data.size())
            data.resize(data.size() * 2);
        const ssize_t n = ::read(fd, data.data() + used, data.size() - used);
        if (n > 0) {
            used += static_cast<std::size_t>(n);
        } else if (n == 0) {
            break;
        } else if (errno != EINTR) {
            const int err = errno;
            ::close(fd);
            fail(name, "read", err);
        }
    }
    ::close(fd);
    data.resize(used);
    return data;
}

} // namespace

std::vector<std::string> loadlist(const std::filesystem::path& name)
{
    const std::string data = readWhole(name);
    std::vector<std::string> list(kEntries);

    const char* const begin = data.data();
    const std::size_t size = data.size();
    std::size_t pos = 0;
    for (std::size_t line = 0; line < kEntries && pos < size; ++line) {
        const void* cr = std::memchr(begin + pos, '\r', size - pos);
        const std::size_t end = cr ? static_cast<std::size_t>(static_cast<const char*>(cr) - begin) : size;
        list[line] = dfsenc::decodeline(std::string_view(begin + pos, end - pos));
        pos = end + 1;
        if (pos < size && begin[pos] == '\n')
            ++pos;
    }
    return list;
}

} // namespace mdlList
