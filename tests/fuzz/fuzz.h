#pragma once
// Shared by the fuzz targets: reading an input as a stream of choices, and a
// check that stops the run loudly. Under libFuzzer the stop is a crash it
// saves the input of; under the replay main it fails the test.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace fuzz {

// The input's bytes as choices; past the end every choice reads as 0, so any
// input is a whole script.
class Bytes {
public:
    Bytes(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    bool empty() const { return pos_ >= size_; }
    std::uint8_t byte() { return pos_ < size_ ? data_[pos_++] : 0; }
    // A number in [0, n), n > 0.
    unsigned below(unsigned n) { return byte() % n; }
    bool flag() { return (byte() & 1) != 0; }
    std::uint16_t u16()
    {
        const unsigned lo = byte();
        return static_cast<std::uint16_t>(lo | (unsigned(byte()) << 8));
    }
    // Up to `most` raw bytes, their count read first.
    std::string text(std::size_t most)
    {
        std::string out;
        const std::size_t n = byte() % (most + 1);
        for (std::size_t i = 0; i < n && !empty(); ++i)
            out += static_cast<char>(byte());
        return out;
    }
    // What is left, whole.
    std::string_view rest()
    {
        const std::size_t at = pos_ < size_ ? pos_ : size_;
        pos_ = size_;
        return {reinterpret_cast<const char*>(data_) + at, size_ - at};
    }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t pos_ = 0;
};

[[noreturn]] inline void failed(const char* file, int line, const std::string& what)
{
    std::fprintf(stderr, "%s:%d: check failed: %s\n", file, line, what.c_str());
    std::fflush(stderr);
    std::abort();
}

inline std::string upper(std::string_view s)
{
    std::string out(s);
    for (char& c : out)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return out;
}

} // namespace fuzz

// Checked in every build: not assert(), which NDEBUG would take away.
#define FUZZ_CHECK(cond, what)                                                                                        \
    do {                                                                                                               \
        if (!(cond))                                                                                                   \
            ::fuzz::failed(__FILE__, __LINE__, std::string(#cond) + ": " + (what));                                  \
    } while (0)

// Every fuzz target defines this.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);
