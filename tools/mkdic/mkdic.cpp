// Builds the game's word list from the SCOWL word lists (Debian package
// `scowl`, files <folder>/<list>-words.<size>, ISO-8859-1): every word of
// size 70 or below of the lists below that is made of the letters a to z
// only, each once, less the words of the block list and their inflections
// (blocklist.h), in byte order, scrambled with encodeline. The file holds
// exactly 200,000 lines ended by CR LF (the words, then empty lines) and then
// three code-0 bytes with no line end, which the loader reads as line 200,001.

#include "blocklist.h"
#include "dfsenc.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <set>
#include <string>
#include <system_error>

namespace {

constexpr const char* kLists[] = {"english",  "american",   "british",  "british_z",
                                  "canadian", "australian", "variant_1"};
constexpr int kSizes[] = {10, 20, 35, 40, 50, 55, 60, 70};
constexpr std::size_t kLines = 200000;

bool plainLowercase(const std::string& word)
{
    return !word.empty()
           && std::all_of(word.begin(), word.end(), [](char c) { return c >= 'a' && c <= 'z'; });
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 4) {
        std::cerr << "Usage: mkdic <scowl folder> <block list> <output file>\n"
                     "  e.g. mkdic /usr/share/dict/scowl resources/blocklist.txt resources/wordlist.dic\n";
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    const std::filesystem::path blockfile = argv[2];
    const std::filesystem::path output = argv[3];

    std::set<std::string> blocked;
    {
        std::ifstream in(blockfile, std::ios::binary);
        if (!in) {
            std::cerr << "mkdic: cannot read " << blockfile.string() << "\n";
            return 1;
        }
        const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        const auto list = mkdic::parseBlockList(text);
        if (list.empty()) {
            // An unreadable or empty block list would silently let every word in.
            std::cerr << "mkdic: no words in the block list " << blockfile.string() << "\n";
            return 1;
        }
        blocked = mkdic::blockedForms(list);
    }

    std::set<std::string> words;
    for (const char* list : kLists) {
        for (const int size : kSizes) {
            const auto file = folder / (std::string(list) + "-words." + std::to_string(size));
            std::ifstream in(file, std::ios::binary);
            if (!in) {
                // A missing input would silently give a smaller list.
                std::cerr << "mkdic: cannot read " << file.string() << "\n";
                return 1;
            }
            std::string line;
            while (std::getline(in, line)) {
                if (!line.empty() && line.back() == '\r')
                    line.pop_back();
                if (plainLowercase(line))
                    words.insert(line);
            }
            if (in.bad()) {
                std::cerr << "mkdic: error reading " << file.string() << "\n";
                return 1;
            }
        }
    }
    const std::size_t before = words.size();
    for (const auto& form : blocked)
        words.erase(form);
    if (words.size() > kLines) {
        std::cerr << "mkdic: " << words.size() << " words do not fit in " << kLines << " lines\n";
        return 1;
    }

    std::string bytes;
    for (const std::string& word : words) {
        bytes += dfsenc::encodeline(word);
        bytes += "\r\n";
    }
    for (std::size_t i = words.size(); i < kLines; ++i)
        bytes += "\r\n";
    bytes.append(3, '\0');

    // Written beside the target and renamed over it, so a failed run never
    // leaves a half-written list behind.
    const std::filesystem::path temp = output.string() + ".tmp";
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.close();
        if (!out) {
            std::cerr << "mkdic: cannot write " << temp.string() << "\n";
            std::error_code ec;
            std::filesystem::remove(temp, ec);
            return 1;
        }
    }
    std::error_code ec;
    std::filesystem::rename(temp, output, ec);
    if (ec) {
        std::cerr << "mkdic: cannot rename " << temp.string() << " to " << output.string() << ": "
                  << ec.message() << "\n";
        std::filesystem::remove(temp, ec);
        return 1;
    }
    std::cout << "mkdic: " << words.size() << " words written to " << output.string() << " (" << before - words.size()
              << " of " << before << " left out by the block list)\n";
    return 0;
}
