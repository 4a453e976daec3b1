#pragma once
// Names like the game's temporary folders, planted in a shared temporary
// folder by another user: folders of the user "nobody" when run as root, who
// can make them; regular files otherwise, which cost the game as much to
// rule out.

#include <cstdio>
#include <filesystem>
#include <string>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace bench {

inline void plantNames(const std::filesystem::path& folder, int count)
{
    const char digits[] = "0123456789abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ";
    for (int i = 0; i < count; ++i) {
        std::string name = "golexorb-" + std::to_string(2 + (i * 7919L) % 4000000) + "-5-";
        for (int k = 0, v = i; k < 6; ++k, v /= 62)
            name += digits[v % 62];
        const std::string path = (folder / name).string();
        if (::geteuid() == 0) {
            if (::mkdir(path.c_str(), 0700) == 0 && ::chown(path.c_str(), 65534, 65534) != 0)
                std::perror(path.c_str());
        } else if (const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0600); fd >= 0) {
            ::close(fd);
        }
    }
}

} // namespace bench
