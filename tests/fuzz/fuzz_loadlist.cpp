// The word list loader on any bytes as its file: it must give what a plain
// reading of the file line by line gives, never more than 200,001 entries,
// and the unscrambling must undo the scrambling.

#include "fuzz.h"

#include "dfsenc.h"
#include "mdllist.h"

#include <string>
#include <vector>

#include <sys/mman.h>
#include <unistd.h>

namespace {

// The file as the loader is meant to read it: a line ends at CR LF or at a
// lone CR, what follows the last line end is a last line, and reading stops
// after the 200,001st line. The lines as they lie in the file, still scrambled.
std::vector<std::string_view> plainLines(std::string_view file)
{
    std::vector<std::string_view> lines;
    std::size_t pos = 0;
    while (pos < file.size() && lines.size() < mdlList::kEntries) {
        std::size_t end = pos;
        while (end < file.size() && file[end] != '\r')
            ++end;
        lines.push_back(file.substr(pos, end - pos));
        pos = end;
        if (pos < file.size()) {
            ++pos;
            if (pos < file.size() && file[pos] == '\n')
                ++pos;
        }
    }
    return lines;
}

// The file lives in memory only: nothing is left behind whatever happens.
class MemoryFile {
public:
    MemoryFile()
    {
        fd_ = ::memfd_create("dic.bin", MFD_CLOEXEC);
        FUZZ_CHECK(fd_ >= 0, "memfd_create");
        path_ = "/proc/self/fd/" + std::to_string(fd_);
    }
    void write(std::string_view bytes)
    {
        FUZZ_CHECK(::ftruncate(fd_, 0) == 0, "ftruncate");
        std::size_t done = 0;
        while (done < bytes.size()) {
            const ssize_t n = ::pwrite(fd_, bytes.data() + done, bytes.size() - done, off_t(done));
            FUZZ_CHECK(n > 0, "pwrite");
            done += std::size_t(n);
        }
    }
    const std::string& path() const { return path_; }

private:
    int fd_ = -1;
    std::string path_;
};

// Whether `entry` is `line` unscrambled.
bool unscrambles(std::string_view line, std::string_view entry)
{
    if (line.size() != entry.size())
        return false;
    for (std::size_t k = 0; k < line.size(); ++k) {
        const auto c = static_cast<unsigned char>(line[k]);
        if (static_cast<unsigned char>(entry[k]) != (c >= 10 ? c - 10 : c))
            return false;
    }
    return true;
}

void roundTrip(std::string_view s)
{
    bool low = true, high = true;
    for (char c : s) {
        low = low && static_cast<unsigned char>(c) <= 245;
        high = high && static_cast<unsigned char>(c) >= 10;
    }
    // Scrambling raises every code by 10, so it is undone for codes up to
    // 245; unscrambling lowers codes of 10 and more, so it is undone there.
    if (low)
        FUZZ_CHECK(dfsenc::decodeline(dfsenc::encodeline(s)) == s, "scramble then unscramble");
    if (high)
        FUZZ_CHECK(dfsenc::encodeline(dfsenc::decodeline(s)) == s, "unscramble then scramble");
    const std::string decoded = dfsenc::decodeline(s);
    FUZZ_CHECK(decoded.size() == s.size(), "length kept");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static MemoryFile file;
    fuzz::Bytes in(data, size);
    const std::uint8_t flags = in.byte();
    std::string bytes;
    if ((flags & 0x0f) == 1 || (flags & 0x0f) == 3) {
        // A file near the limit: short lines, about 200,001 of them. Now and
        // then only, as it takes a hundred times as long as a short file.
        const long count = long(mdlList::kEntries) + long(in.below(17)) - 8;
        const std::string line = in.text(3);
        const std::string end = (flags & 2) ? "\r" : "\r\n";
        bytes.reserve(std::size_t(count) * (line.size() + end.size()) + size);
        for (long i = 0; i < count; ++i)
            bytes.append(line).append(end);
    }
    bytes += in.rest();
    roundTrip(std::string_view(reinterpret_cast<const char*>(data), size));
    file.write(bytes);

    const wordlist::WordList list = mdlList::loadlist(file.path());
    const std::vector<std::string_view> lines = plainLines(bytes);
    FUZZ_CHECK(list.size() == mdlList::kEntries, std::to_string(list.size()) + " entries");
    for (std::size_t i = 0; i < lines.size(); ++i)
        FUZZ_CHECK(unscrambles(lines[i], list[i]), "entry " + std::to_string(i));
    for (std::size_t i = lines.size(); i < std::min(lines.size() + 3, list.size()); ++i)
        FUZZ_CHECK(list[i].empty(), "entry " + std::to_string(i) + " past the last line");
    FUZZ_CHECK(lines.size() == mdlList::kEntries ? unscrambles(lines.back(), list.back()) : list.back().empty(),
               "last entry");
    return 0;
}
