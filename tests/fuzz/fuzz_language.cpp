// A board language's list and its cache on any bytes. As a list, in any
// language of the table: every word the lexicon holds is 3 to 16 of the
// language's tiles, in byte order, each once, each spelling folds back to
// it, the weights count its tiles, and the words come back the same through
// the cache. As a cache file: it is refused or read whole, never past its
// end; with its checksum set right, its counts and layout are checked.

#include "fuzz.h"

#include "langcache.h"

#include <algorithm>
#include <cstring>
#include <set>

namespace {

const wordlist::Language& pick(std::uint8_t b)
{
    const auto all = wordlist::languages();
    return all[1 + b % (all.size() - 1)]; // English has no list
}

// Splits tiles on code points.
std::vector<std::string> tilesOf(std::string_view w)
{
    std::vector<std::string> out;
    for (std::size_t i = 0; i < w.size();) {
        std::size_t end = i + 1;
        while (end < w.size() && (static_cast<unsigned char>(w[end]) & 0xc0) == 0x80)
            ++end;
        out.emplace_back(w.substr(i, end - i));
        i = end;
    }
    return out;
}

void checkLexicon(const wordlist::Lexicon& lexicon, bool fromList)
{
    const auto& tiles = lexicon.tiles();
    const std::set<std::string> alphabet(tiles.begin(), tiles.end());
    std::vector<std::uint64_t> counts(tiles.size(), 0);
    const wordlist::WordList& words = lexicon.words();
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::string_view w = words[i];
        // Whatever a cache held, reading any word and its spelling stays in bounds.
        const std::string spelt = lexicon.spelling(i);
        if (!fromList)
            continue;
        const auto split = tilesOf(w);
        FUZZ_CHECK(split.size() >= 3 && split.size() <= 16, std::string(w));
        for (const auto& t : split) {
            FUZZ_CHECK(alphabet.contains(t), std::string(w) + ": " + t);
            if (split.size() <= wordlist::kLongestWeighedWord)
                ++counts[std::size_t(std::find(tiles.begin(), tiles.end(), t) - tiles.begin())];
        }
        FUZZ_CHECK(i == 0 || words[i - 1] < w, "in byte order, each once: " + std::string(w));
        FUZZ_CHECK(lexicon.find(w) == i, "found where it is: " + std::string(w));
        // Each spelling (several are joined by ", ") folds back to the word.
        for (std::size_t at = 0; at <= spelt.size();) {
            std::size_t end = spelt.find(", ", at);
            if (end == std::string::npos)
                end = spelt.size();
            const auto back = lexicon.folding().anyCase(spelt.substr(at, end - at));
            FUZZ_CHECK(back && *back == w, spelt + " spells " + std::string(w));
            at = end + 2;
        }
    }
    if (fromList && std::all_of(counts.begin(), counts.end(), [](std::uint64_t c) { return c == 0; }))
        for (std::size_t i = 0; i < words.size(); ++i) // no short word: all of them weigh
            for (const auto& t : tilesOf(words[i]))
                ++counts[std::size_t(std::find(tiles.begin(), tiles.end(), t) - tiles.begin())];
    if (fromList)
        for (std::size_t t = 0; t < tiles.size(); ++t)
            FUZZ_CHECK(lexicon.weights()[t] == counts[t], "the weight of " + tiles[t]);
    for (double r : {0.0, 0.25, 0.5, 0.999999})
        FUZZ_CHECK(alphabet.contains(lexicon.drawnTile(r)), "a drawn tile");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::Bytes in(data, size);
    const wordlist::Language& language = pick(in.byte());
    const std::uint8_t mode = in.byte();
    const std::string block = in.text(40);
    const std::string_view rest = in.rest();
    const wordlist::SourceStamp stamp{std::uint64_t(rest.size()), 1, 0, 0, wordlist::rulesHash(language, block)};

    // The bytes as the language's list, one word a line (Spanish too). The
    // lexicon keeps the language it was made in.
    wordlist::Language lines = language;
    lines.format = wordlist::Language::Format::Lines;
    std::shared_ptr<const wordlist::Lexicon> built;
    try {
        built = wordlist::buildLexicon(lines, rest, {}, block);
    } catch (const wordlist::LanguageError&) {
        // no word to play, or a charset ICU lacks
    }
    if (built) {
        checkLexicon(*built, true);
        wordlist::CacheState state;
        std::string why;
        const auto back = wordlist::readCacheBytes(wordlist::cacheBytes(*built, stamp), language, stamp, &state, &why);
        FUZZ_CHECK(back && state == wordlist::CacheState::Loaded, "the cache of a list reads back: " + why);
        FUZZ_CHECK(back->words().size() == built->words().size(), "as many words through the cache");
        for (std::size_t i = 0; i < built->words().size(); ++i) {
            FUZZ_CHECK(back->words()[i] == built->words()[i], "word " + std::to_string(i) + " through the cache");
            FUZZ_CHECK(back->spelling(i) == built->spelling(i), "spelling " + std::to_string(i) + " through the cache");
        }
        FUZZ_CHECK(back->weights() == built->weights(), "the weights through the cache");
    }

    // The bytes as a cache file: as they are, and with the stamp and the
    // checksum a good file of theirs would carry.
    std::string file(rest);
    if (mode & 1) {
        if (file.size() >= 56)
            std::memcpy(file.data() + 16, &stamp, sizeof stamp);
        wordlist::fixChecksum(file);
    }
    wordlist::CacheState state;
    if (const auto read = wordlist::readCacheBytes(file, language, stamp, &state)) {
        FUZZ_CHECK(state == wordlist::CacheState::Loaded, "a lexicon read is loaded");
        checkLexicon(*read, false);
    } else {
        FUZZ_CHECK(state != wordlist::CacheState::Loaded, "refused, and said why");
    }
    return 0;
}
