// Builds the game's word list from the SCOWL word lists (Debian package
// `scowl`, files <folder>/<list>-words.<size>, ISO-8859-1): every word of
// size 70 or below of the lists below that is made of the letters a to z
// only, each once, less what the block rules leave out (blocklist.h), in
// byte order, scrambled with encodeline. The file holds exactly 200,000
// lines ended by CR LF (the words, then empty lines) and then three code-0
// bytes with no line end, which the loader reads as line 200,001.
//
// Beside it, the smallest SCOWL size of each word, packed in list order
// (commonness.h). Every word a stem takes out is printed, so that a
// reviewer sees the whole effect of the stems.

#include "ascii.h"
#include "blockrules.h"
#include "commonness.h"
#include "dfsenc.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <map>
#include <optional>
#include <string>
#include <system_error>
#include <vector>

namespace {

constexpr const char* kLists[] = {"english",  "american",   "british",  "british_z",
                                  "canadian", "australian", "variant_1"};
constexpr int kSizes[] = {10, 20, 35, 40, 50, 55, 60, 70};
constexpr std::size_t kLines = 200000;

// The words of a block list file; nothing when it cannot be read or, unless
// it may be empty, holds no word: either would silently let words in.
std::optional<std::vector<std::string>> readList(const std::filesystem::path& file, bool mayBeEmpty)
{
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        std::cerr << "mkdic: cannot read " << file.string() << "\n";
        return std::nullopt;
    }
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    auto list = wordlist::parseBlockList(text);
    if (list.empty() && !mayBeEmpty) {
        std::cerr << "mkdic: no words in " << file.string() << "\n";
        return std::nullopt;
    }
    return list;
}

// Written beside the target and renamed over it, so a failed run never
// leaves a half-written file behind.
bool writeFile(const std::filesystem::path& output, const std::string& bytes)
{
    const std::filesystem::path temp = output.string() + ".tmp";
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.close();
        if (!out) {
            std::cerr << "mkdic: cannot write " << temp.string() << "\n";
            std::error_code ec;
            std::filesystem::remove(temp, ec);
            return false;
        }
    }
    std::error_code ec;
    std::filesystem::rename(temp, output, ec);
    if (ec) {
        std::cerr << "mkdic: cannot rename " << temp.string() << " to " << output.string() << ": "
                  << ec.message() << "\n";
        std::filesystem::remove(temp, ec);
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 7) {
        std::cerr << "Usage: mkdic <scowl folder> <block list> <stems> <allow list> <word list> <sizes>\n"
                     "  e.g. mkdic /usr/share/dict/scowl resources/blocklist.txt resources/blockstems.txt\n"
                     "             resources/blockallow.txt resources/wordlist.dic resources/wordlist.sizes\n";
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    const auto blocklist = readList(argv[2], false);
    const auto stems = readList(argv[3], false);
    const auto allowed = readList(argv[4], true);
    if (!blocklist || !stems || !allowed)
        return 1;
    const wordlist::BlockRules rules = wordlist::makeRules(*blocklist, *stems, *allowed);
    for (const auto& word : *allowed) {
        // An allowed word no stem would take is a slip (a misspelt stem or word).
        if (wordlist::stemIn(rules, word).empty()) {
            std::cerr << "mkdic: the allowed word " << word << " holds no stem\n";
            return 1;
        }
    }

    // Each word with the smallest size that holds it.
    std::map<std::string, int> sizes;
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
                if (wordlist::madeOf(line, wordlist::asciiLower)) {
                    const auto [it, added] = sizes.emplace(line, size);
                    if (!added)
                        it->second = std::min(it->second, size);
                }
            }
            if (in.bad()) {
                std::cerr << "mkdic: error reading " << file.string() << "\n";
                return 1;
            }
        }
    }

    const std::size_t before = sizes.size();
    std::size_t byForms = 0;
    std::map<std::string, std::vector<std::string>> byStem; // each stem's words, also those the forms took
    std::vector<std::string> kept;                          // allowed words SCOWL holds
    std::vector<std::string> words;
    std::vector<int> wordSizes;
    for (const auto& [word, size] : sizes) {
        const bool form = rules.forms.contains(word);
        const std::string_view stem = wordlist::stemIn(rules, word);
        if (!stem.empty() && rules.allowed.contains(word))
            kept.push_back(word);
        else if (!stem.empty())
            byStem[std::string(stem)].push_back(word);
        byForms += form;
        if (!wordlist::blocked(rules, word)) {
            words.push_back(word);
            wordSizes.push_back(size);
        }
    }
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
    if (!writeFile(argv[5], bytes) || !writeFile(argv[6], wordlist::packSizes(wordSizes)))
        return 1;

    std::size_t stemOnly = 0;
    for (const auto& stem : *stems) {
        const auto& taken = byStem[stem];
        std::cout << "stem " << stem << " takes " << taken.size() << ":";
        for (const auto& word : taken) {
            std::cout << ' ' << word;
            stemOnly += !rules.forms.contains(word);
        }
        std::cout << "\n";
    }
    std::cout << "allowed, though they hold a stem:";
    for (const auto& word : kept)
        std::cout << ' ' << word;
    std::cout << "\n";
    for (const auto& word : *allowed)
        if (!sizes.contains(word))
            std::cout << "allowed but not in SCOWL: " << word << "\n";
    const auto common = std::count_if(wordSizes.begin(), wordSizes.end(),
                                      [](int size) { return size <= wordlist::kLargestCommonSize; });
    std::cout << "mkdic: " << words.size() << " words written to " << argv[5] << ", their sizes to " << argv[6]
              << "\n  " << before - words.size() << " of " << before << " left out: " << byForms
              << " by whole words, " << stemOnly << " more by stems\n  " << common << " common (size "
              << wordlist::kLargestCommonSize << " or below), " << words.size() - std::size_t(common) << " rare\n";
    return 0;
}
