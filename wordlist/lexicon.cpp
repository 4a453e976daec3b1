#include "lexicon.h"

#include "blockrules.h"
#include "hunspell.h"
#include "textlines.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>

namespace wordlist {

namespace {

// The number of a tile of `folding` at the start of `s`, and its length in bytes.
std::pair<std::size_t, std::size_t> tileAt(const Folding& folding, std::string_view s)
{
    const auto c = static_cast<unsigned char>(s[0]);
    if (c >= 'A' && c <= 'Z')
        return {std::size_t(c - 'A'), 1};
    const auto& tiles = folding.tiles();
    for (std::size_t t = 26; t < tiles.size(); ++t)
        if (s.starts_with(tiles[t]))
            return {t, tiles[t].size()};
    return {tiles.size(), 1};
}

// An entry of the list on its way into the lexicon: its tiles and, where it
// differs from them in lower case, its spelling, both in arenas; the first
// eight bytes of the tiles, big-endian, sort most pairs without a look at
// the arena.
struct Item {
    std::uint64_t key;
    std::uint32_t tiles;    // where its tiles start in the arena
    std::uint32_t spelling; // where its spelling starts, if it has one
    std::uint32_t order;    // its place in the list
    std::uint8_t tileBytes;
    std::uint8_t spellingBytes; // 0: the tiles in lower case
};

std::uint64_t key8(std::string_view s)
{
    std::uint64_t k = 0;
    for (std::size_t i = 0; i < 8; ++i)
        k = k << 8 | (i < s.size() ? static_cast<unsigned char>(s[i]) : 0u);
    return k;
}

class Collector {
public:
    Collector(const Folding& folding, std::stop_token stop) : folding_(folding), stop_(std::move(stop)) {}

    void add(std::string_view entry)
    {
        if (++lines_ % 65536 == 0 && stop_.stop_requested())
            throw LanguageError("stopped");
        const auto tiles = folding_.entry(entry);
        if (!tiles || tiles->size() > 255 || entry.size() > 255)
            return;
        if (arena_.size() > std::numeric_limits<std::uint32_t>::max() - 512 || items_.size() >= kMaxItems)
            throw LanguageError("the list is too large: more than " + std::to_string(kMaxItems) + " words");
        Item item{key8(*tiles), static_cast<std::uint32_t>(arena_.size()), 0, static_cast<std::uint32_t>(items_.size()),
                  static_cast<std::uint8_t>(tiles->size()), 0};
        arena_ += *tiles;
        // Most entries are their tiles in lower case; only the others keep a spelling.
        if (!sameAsLower(*tiles, entry)) {
            item.spelling = static_cast<std::uint32_t>(arena_.size());
            item.spellingBytes = static_cast<std::uint8_t>(entry.size());
            arena_ += entry;
        }
        items_.push_back(item);
    }

    std::size_t lines() const { return lines_; }
    std::vector<Item>& items() { return items_; }
    std::string_view tilesOf(const Item& i) const { return {arena_.data() + i.tiles, i.tileBytes}; }
    std::string spellingOf(const Item& i) const
    {
        return i.spellingBytes ? std::string(arena_.data() + i.spelling, i.spellingBytes) : folding_.lower(tilesOf(i));
    }

private:
    // Whether `entry` is `tiles` in lower case: ASCII compared at once.
    bool sameAsLower(std::string_view tiles, std::string_view entry) const
    {
        if (tiles.size() == entry.size()) {
            bool ascii = true;
            for (std::size_t k = 0; k < tiles.size() && ascii; ++k) {
                const auto t = static_cast<unsigned char>(tiles[k]);
                if (t >= 0x80)
                    ascii = false;
                else if (t + ('a' - 'A') != static_cast<unsigned char>(entry[k]))
                    return false;
            }
            if (ascii)
                return true;
        }
        return folding_.lower(tiles) == entry;
    }

    static constexpr std::size_t kMaxItems = std::size_t(1) << 27;
    const Folding& folding_;
    std::stop_token stop_;
    std::string arena_;
    std::vector<Item> items_;
    std::size_t lines_ = 0;
};

} // namespace

Lexicon::Lexicon(const Language& language, std::vector<std::uint32_t> weights, WordList words, Spellings spellings,
                 std::shared_ptr<const void> spellingsOwner)
    : folding_(language)
    , weights_(std::move(weights))
    , words_(std::move(words))
    , index_(words_, WordIndex::Build::Ordered)
    , spellingsOwner_(std::move(spellingsOwner))
    , spellings_(std::move(spellings))
{
    weights_.resize(folding_.tiles().size());
    std::uint64_t sum = 0;
    for (const std::uint32_t w : weights_)
        reach_.push_back(sum += w);
}

std::string Lexicon::spelling(std::size_t entry) const
{
    const auto& e = spellings_.entries;
    const auto it = std::lower_bound(e.begin(), e.end(), entry);
    if (it != e.end() && *it == entry)
        return std::string(spellings_.texts[std::size_t(it - e.begin())]);
    return folding_.lower(words_[entry]);
}

std::string Lexicon::spellingOf(std::string_view tiles) const
{
    const auto i = find(tiles);
    return i ? spelling(*i) : folding_.lower(tiles);
}

const std::string& Lexicon::drawnTile(double r) const
{
    const std::uint64_t total = reach_.empty() ? 0 : reach_.back();
    if (total == 0 || !(r >= 0 && r < 1))
        return tiles().front();
    const auto x = std::min(total - 1, static_cast<std::uint64_t>(std::floor(r * static_cast<double>(total))));
    const auto it = std::upper_bound(reach_.begin(), reach_.end(), x);
    return tiles()[std::size_t(it - reach_.begin())];
}

std::vector<std::uint32_t> letterWeights(const Folding& folding, const WordList& words)
{
    std::vector<std::uint64_t> counts(folding.tiles().size(), 0);
    const auto count = [&](std::size_t longest) {
        for (const std::string_view w : words) {
            const std::size_t n = tileCount(w);
            if (n < kShortestWord || n > longest)
                continue;
            for (std::size_t i = 0; i < w.size();) {
                const auto [tile, bytes] = tileAt(folding, w.substr(i));
                if (tile < counts.size())
                    ++counts[tile];
                i += bytes;
            }
        }
    };
    count(kLongestWeighedWord);
    // A list with no short word at all still draws its own letters, not a
    // board of A's that its cache would refuse as weighing nothing.
    if (std::all_of(counts.begin(), counts.end(), [](std::uint64_t c) { return c == 0; }))
        count(kLongestWord);
    std::vector<std::uint32_t> out(counts.size());
    for (std::size_t t = 0; t < counts.size(); ++t)
        out[t] = static_cast<std::uint32_t>(std::min<std::uint64_t>(counts[t], std::numeric_limits<std::uint32_t>::max()));
    return out;
}

BlockRules languageBlockRules(const Folding& folding, std::string_view blockText)
{
    BlockRules rules;
    eachLine(blockText, [&](std::string_view line) {
        while (!line.empty() && (line.front() == ' ' || line.front() == '\t'))
            line.remove_prefix(1);
        if (line.empty() || line.front() == '#')
            return;
        if (const auto tiles = folding.anyCase(line); tiles && !tiles->empty())
            rules.forms.insert(*tiles);
    });
    return rules;
}

std::shared_ptr<const Lexicon> buildLexicon(const Language& language, std::string_view list, std::string_view affixes,
                                            std::string_view blockText, BuildCounts* counts, std::stop_token stop)
{
    const Folding folding(language);
    Collector collector(folding, std::move(stop));
    Encoding encoding = Encoding::Utf8;
    if (language.format == Language::Format::Hunspell) {
        expandHunspell(list, affixes, [&collector](std::string_view form) { collector.add(form); });
    } else {
        std::string storage;
        const std::string_view text = listText(list, language, storage, &encoding);
        eachLine(text, [&collector](std::string_view line) {
            if (!line.empty())
                collector.add(line);
        });
    }

    // Byte order of the tiles; the list's order among equal ones, so that
    // their spellings come as the list gives them.
    auto& items = collector.items();
    std::sort(items.begin(), items.end(), [&collector](const Item& a, const Item& b) {
        if (a.key != b.key)
            return a.key < b.key;
        const int c = collector.tilesOf(a).compare(collector.tilesOf(b));
        return c != 0 ? c < 0 : a.order < b.order;
    });

    const BlockRules rules = languageBlockRules(folding, blockText);
    std::size_t textBytes = 0;
    for (const Item& i : items)
        textBytes += i.tileBytes;
    WordList::Text text(static_cast<char*>(std::malloc(textBytes + WordList::kSlack)));
    if (!text)
        throw std::bad_alloc();
    std::vector<std::uint32_t> starts;
    starts.reserve(items.size() + 1);
    auto spellingEntries = std::make_shared<std::vector<std::uint32_t>>();
    std::vector<std::string> spellingTexts;
    std::size_t at = 0, blocked = 0;
    for (std::size_t k = 0; k < items.size();) {
        const std::string_view tiles = collector.tilesOf(items[k]);
        std::size_t end = k + 1;
        while (end < items.size() && collector.tilesOf(items[end]) == tiles)
            ++end;
        if (!rules.forms.empty() && rules.forms.contains(std::string(tiles))) {
            ++blocked;
            k = end;
            continue;
        }
        // The spellings that fold to these tiles, each once, as the list
        // orders them; none kept when the list spells them as the tiles.
        const bool own = std::any_of(items.begin() + std::ptrdiff_t(k), items.begin() + std::ptrdiff_t(end),
                                     [](const Item& i) { return i.spellingBytes != 0; });
        if (own) {
            std::vector<std::string> spelt;
            for (std::size_t j = k; j < end; ++j) {
                std::string s = collector.spellingOf(items[j]);
                if (std::find(spelt.begin(), spelt.end(), s) == spelt.end())
                    spelt.push_back(std::move(s));
            }
            std::string joined = spelt.front();
            for (std::size_t j = 1; j < spelt.size(); ++j)
                joined += ", " + spelt[j];
            spellingEntries->push_back(static_cast<std::uint32_t>(starts.size()));
            spellingTexts.push_back(std::move(joined));
        }
        starts.push_back(static_cast<std::uint32_t>(at));
        std::memcpy(text.get() + at, tiles.data(), tiles.size());
        at += tiles.size();
        k = end;
    }
    const std::size_t words = starts.size();
    starts.push_back(static_cast<std::uint32_t>(at));
    std::memset(text.get() + at, 0, WordList::kSlack);
    if (words == 0)
        throw LanguageError("the list holds no word of 3 to 16 letters");
    WordList list2(std::move(text), std::move(starts), words);
    auto weights = letterWeights(folding, list2);

    Lexicon::Spellings spellings{*spellingEntries, WordList::of(spellingTexts)};
    if (counts)
        *counts = BuildCounts{collector.lines(), words, blocked, encoding};
    return std::make_shared<const Lexicon>(language, std::move(weights), std::move(list2), std::move(spellings),
                                           std::move(spellingEntries));
}

} // namespace wordlist
