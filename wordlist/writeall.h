#pragma once
// Writing the whole of a text to a file descriptor: write() may take part
// of it, or be interrupted by a signal before it takes anything. Header-only,
// for the lookup program too, which links nothing else of the word list.

#include <cerrno>
#include <string_view>

#include <unistd.h>

namespace wordlist {

// False, with errno set, when the descriptor takes no more (ENOSPC when a
// write takes nothing and gives no error).
inline bool writeAll(int fd, std::string_view bytes)
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

} // namespace wordlist
