// Runs a fuzz target once on each file named on the command line, or on
// every file of a folder named there, without libFuzzer: the targets build
// with any compiler and CTest replays the committed inputs. Each input is
// copied into a buffer of exactly its size, so a sanitizer sees any read past
// its end.

#include "fuzz.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <memory>
#include <vector>

namespace {

bool replay(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    std::vector<char> bytes;
    if (in)
        bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    if (!in || in.bad()) {
        std::cerr << file.string() << ": could not be read\n";
        return false;
    }
    const auto copy = std::make_unique<std::uint8_t[]>(bytes.size());
    if (!bytes.empty())
        std::memcpy(copy.get(), bytes.data(), bytes.size());
    LLVMFuzzerTestOneInput(copy.get(), bytes.size());
    return true;
}

} // namespace

int main(int argc, char* argv[])
{
    std::vector<std::filesystem::path> files;
    for (int i = 1; i < argc; ++i) {
        const std::filesystem::path arg = argv[i];
        std::error_code ec;
        if (std::filesystem::is_directory(arg, ec)) {
            for (const auto& entry : std::filesystem::directory_iterator(arg))
                if (entry.is_regular_file())
                    files.push_back(entry.path());
        } else {
            files.push_back(arg);
        }
    }
    // A replay of nothing would pass without having checked anything.
    if (files.empty()) {
        std::cerr << "usage: " << argv[0] << " FILE-OR-FOLDER...  (no inputs found)\n";
        return 2;
    }
    std::sort(files.begin(), files.end());
    for (const auto& f : files) {
        if (!replay(f))
            return 1;
    }
    std::cout << "replayed " << files.size() << " inputs\n";
    return 0;
}
