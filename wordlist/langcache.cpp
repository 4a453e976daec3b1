#include "langcache.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <system_error>

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#define XXH_INLINE_ALL
#include <xxhash.h>

namespace wordlist {

namespace {

constexpr char kMagic[8] = {'G', 'L', 'X', 'W', 'O', 'R', 'D', 'S'};
// Raised whenever what a file holds, or how words are made, changes: a file
// of another version is stale.
constexpr std::uint32_t kVersion = 1;
constexpr std::uint32_t kByteOrder = 0x01020304;
constexpr std::size_t kHeaderSize = 96;
constexpr std::size_t kTileBytes = 8;
constexpr std::size_t kMostTiles = 64;
constexpr std::size_t kChecksumAt = 56;
constexpr std::size_t kCountsAt = 64;
constexpr std::size_t kCodeAt = 84;
constexpr std::size_t kCodeBytes = 12;
// The largest list the game reads: the largest Debian ships (Polish) is 60 MB.
constexpr std::uint64_t kLargestList = std::uint64_t(1) << 30;

struct Header {
    char magic[8];
    std::uint32_t version;
    std::uint32_t byteOrder;
    SourceStamp stamp; // 40 bytes, at 16
    std::uint64_t checksum;
    std::uint32_t tiles, words, textBytes, spellings, spellingBytes;
    char code[kCodeBytes];
};
static_assert(sizeof(SourceStamp) == 40);
static_assert(offsetof(Header, checksum) == kChecksumAt);
static_assert(offsetof(Header, tiles) == kCountsAt);
static_assert(offsetof(Header, code) == kCodeAt);
static_assert(sizeof(Header) == kHeaderSize);

std::uint64_t align4(std::uint64_t n)
{
    return (n + 3) & ~std::uint64_t(3);
}

// Where each part lies, from the counts; 64-bit, so that no count a
// damaged file gives can wrap.
struct Layout {
    std::uint64_t tiles, weights, starts, text, spellingEntries, spellingStarts, spellingText, end;
};

Layout layout(const Header& h)
{
    Layout l{};
    std::uint64_t at = kHeaderSize;
    l.tiles = at;
    at += std::uint64_t(h.tiles) * kTileBytes;
    l.weights = at;
    at += std::uint64_t(h.tiles) * 4;
    l.starts = align4(at);
    at = l.starts + (std::uint64_t(h.words) + 1) * 4;
    l.text = at;
    at += std::uint64_t(h.textBytes) + WordList::kSlack;
    l.spellingEntries = align4(at);
    at = l.spellingEntries + std::uint64_t(h.spellings) * 4;
    l.spellingStarts = at;
    at += (std::uint64_t(h.spellings) + 1) * 4;
    l.spellingText = at;
    at += std::uint64_t(h.spellingBytes) + WordList::kSlack;
    l.end = at;
    return l;
}

std::uint64_t checksum(const char* data, std::size_t size)
{
    const std::uint64_t seed = XXH3_64bits(data, kChecksumAt);
    return XXH3_64bits_withSeed(data + kCountsAt, size - kCountsAt, seed);
}

std::string reason(int err)
{
    return std::generic_category().message(err);
}

// A file mapped read-only, unmapped when the last word that lies in it goes.
struct Mapping {
    void* at = MAP_FAILED;
    std::size_t size = 0;
    ~Mapping()
    {
        if (at != MAP_FAILED)
            ::munmap(at, size);
    }
};

// Whether `starts` rises from 0 to `end`.
bool rising(const std::uint32_t* starts, std::size_t count, std::uint32_t end)
{
    if (count == 0 || starts[0] != 0 || starts[count - 1] != end)
        return false;
    for (std::size_t i = 1; i < count; ++i)
        if (starts[i] < starts[i - 1])
            return false;
    return true;
}

// The lexicon in `data`, which `owner` keeps alive.
std::shared_ptr<const Lexicon> readFrom(std::shared_ptr<const void> owner, const char* data, std::size_t size,
                                        const Language& language, const SourceStamp& stamp, CacheState* state,
                                        std::string* why)
{
    const auto fail = [&](CacheState s, std::string text) -> std::shared_ptr<const Lexicon> {
        *state = s;
        if (why)
            *why = std::move(text);
        return nullptr;
    };
    if (size < kHeaderSize)
        return fail(CacheState::Damaged, "it is cut short");
    Header h;
    std::memcpy(&h, data, kHeaderSize);
    if (std::memcmp(h.magic, kMagic, sizeof kMagic) != 0)
        return fail(CacheState::Damaged, "it is not a word cache");
    if (h.version != kVersion || h.byteOrder != kByteOrder)
        return fail(CacheState::Stale, "another version of the game made it");
    if (h.stamp != stamp)
        return fail(CacheState::Stale, "the word list or the rules changed since it was made");
    if (std::string_view(h.code, strnlen(h.code, kCodeBytes)) != language.code)
        return fail(CacheState::Damaged, "it is another language's");
    const Layout l = layout(h);
    if (h.tiles == 0 || h.tiles > kMostTiles || l.end != size)
        return fail(CacheState::Damaged, "its size does not match its counts");
    if (checksum(data, size) != h.checksum)
        return fail(CacheState::Damaged, "its checksum does not match");

    const Folding folding(language);
    if (folding.tiles().size() != h.tiles)
        return fail(CacheState::Stale, "the language's tiles changed");
    for (std::size_t t = 0; t < h.tiles; ++t) {
        const char* tile = data + l.tiles + t * kTileBytes;
        if (std::string_view(tile, strnlen(tile, kTileBytes)) != folding.tiles()[t])
            return fail(CacheState::Stale, "the language's tiles changed");
    }
    std::vector<std::uint32_t> weights(h.tiles);
    std::memcpy(weights.data(), data + l.weights, h.tiles * std::size_t(4));
    std::uint64_t total = 0;
    for (const std::uint32_t w : weights)
        total += w;
    const auto* starts = reinterpret_cast<const std::uint32_t*>(data + l.starts);
    const auto* spellingEntries = reinterpret_cast<const std::uint32_t*>(data + l.spellingEntries);
    const auto* spellingStarts = reinterpret_cast<const std::uint32_t*>(data + l.spellingStarts);
    if (total == 0 || h.words == 0 || !rising(starts, std::size_t(h.words) + 1, h.textBytes)
        || !rising(spellingStarts, std::size_t(h.spellings) + 1, h.spellingBytes))
        return fail(CacheState::Damaged, "its words do not hold together");
    for (std::size_t k = 0; k < h.spellings; ++k)
        if (spellingEntries[k] >= h.words || (k > 0 && spellingEntries[k] <= spellingEntries[k - 1]))
            return fail(CacheState::Damaged, "its spellings do not hold together");

    WordList words(owner, data + l.text, starts, std::size_t(h.words) + 1, h.words);
    Lexicon::Spellings spellings{{spellingEntries, h.spellings},
                                 WordList(owner, data + l.spellingText, spellingStarts, std::size_t(h.spellings) + 1,
                                          h.spellings)};
    *state = CacheState::Loaded;
    return std::make_shared<const Lexicon>(language, std::move(weights), std::move(words), std::move(spellings), owner);
}

// The whole of a regular file of at most kLargestList bytes, and its stamp.
std::string readFile(const std::string& path, std::uint64_t* size, std::int64_t* time)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (fd < 0)
        throw LanguageError(path + ": " + reason(errno));
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || std::uint64_t(st.st_size) > kLargestList) {
        ::close(fd);
        throw LanguageError(path + ": not a word list (not a regular file of at most 1 GiB)");
    }
    std::string bytes(std::size_t(st.st_size), '\0');
    std::size_t got = 0;
    while (got < bytes.size()) {
        const ssize_t n = ::read(fd, bytes.data() + got, bytes.size() - got);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            const int err = errno;
            ::close(fd);
            throw LanguageError(path + ": " + reason(err));
        }
        if (n == 0)
            break;
        got += std::size_t(n);
    }
    ::close(fd);
    bytes.resize(got);
    *size = std::uint64_t(st.st_size);
    *time = std::int64_t(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
    return bytes;
}

bool stampOf(const std::string& path, std::uint64_t* size, std::int64_t* time)
{
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0)
        return false;
    *size = std::uint64_t(st.st_size);
    *time = std::int64_t(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
    return true;
}

} // namespace

std::uint64_t rulesHash(const Language& language, std::string_view blockText)
{
    std::string what = "golexorb-words " + std::to_string(kVersion) + '\n';
    for (const std::string_view part : {language.code, language.ownLetters, language.legacyCharset})
        what.append(part).push_back('\n');
    what += language.keepsCapitalised ? "capitalised\n" : "names\n";
    what += language.format == Language::Format::Hunspell ? "hunspell\n" : "lines\n";
    what += std::to_string(kShortestWord) + ' ' + std::to_string(kLongestWord) + ' '
        + std::to_string(kLongestWeighedWord) + '\n';
    what += blockText;
    return XXH3_64bits(what.data(), what.size());
}

std::string affixFile(const Language& language)
{
    std::string path(language.listFile);
    if (path.ends_with(".dic"))
        path.replace(path.size() - 4, 4, ".aff");
    return path;
}

std::filesystem::path cacheFolder()
{
    if (const char* cache = std::getenv("XDG_CACHE_HOME"); cache && cache[0] == '/')
        return std::filesystem::path(cache) / "golexorb";
    if (const char* home = std::getenv("HOME"); home && home[0] == '/')
        return std::filesystem::path(home) / ".cache" / "golexorb";
    return {};
}

std::filesystem::path cacheFile(const std::filesystem::path& folder, const Language& language)
{
    return folder / ("words-" + std::string(language.code) + ".bin");
}

std::string_view describe(CacheState state)
{
    switch (state) {
    case CacheState::Loaded:
        return "loaded";
    case CacheState::Missing:
        return "missing";
    case CacheState::Unreadable:
        return "unreadable";
    case CacheState::Stale:
        return "stale";
    case CacheState::Damaged:
        return "damaged";
    }
    return "";
}

namespace {
// memcpy's source may not be null even for no bytes, and an empty list's
// data() may be.
void copyBytes(char* to, const void* from, std::size_t n)
{
    if (n != 0)
        std::memcpy(to, from, n);
}
} // namespace

std::string cacheBytes(const Lexicon& lexicon, const SourceStamp& stamp)
{
    const auto& tiles = lexicon.tiles();
    const WordList& words = lexicon.words();
    const auto& spellings = lexicon.spellings();
    Header h{};
    std::memcpy(h.magic, kMagic, sizeof kMagic);
    h.version = kVersion;
    h.byteOrder = kByteOrder;
    h.stamp = stamp;
    h.tiles = static_cast<std::uint32_t>(tiles.size());
    h.words = static_cast<std::uint32_t>(words.size());
    std::uint64_t textBytes = 0, spellingBytes = 0;
    for (const std::string_view w : words)
        textBytes += w.size();
    for (const std::string_view s : spellings.texts)
        spellingBytes += s.size();
    if (tiles.size() > kMostTiles || textBytes > 0xffffffffu || spellingBytes > 0xffffffffu)
        throw LanguageError("the words are too many to keep");
    h.textBytes = static_cast<std::uint32_t>(textBytes);
    h.spellings = static_cast<std::uint32_t>(spellings.entries.size());
    h.spellingBytes = static_cast<std::uint32_t>(spellingBytes);
    std::strncpy(h.code, std::string(lexicon.language().code).c_str(), kCodeBytes - 1);

    const Layout l = layout(h);
    std::string out(l.end, '\0');
    std::memcpy(out.data(), &h, kHeaderSize);
    for (std::size_t t = 0; t < tiles.size(); ++t)
        copyBytes(out.data() + l.tiles + t * kTileBytes, tiles[t].data(), std::min(tiles[t].size(), kTileBytes - 1));
    copyBytes(out.data() + l.weights, lexicon.weights().data(), tiles.size() * 4);
    const auto putStarts = [&out](std::uint64_t at, const WordList& list) {
        std::uint32_t pos = 0;
        for (std::size_t i = 0; i <= list.size(); ++i) {
            std::memcpy(out.data() + at + i * 4, &pos, 4);
            if (i < list.size()) {
                const std::string_view w = list[i];
                copyBytes(out.data() + at + 4 * (std::uint64_t(list.size()) + 1) + pos, w.data(), w.size());
                pos += static_cast<std::uint32_t>(w.size());
            }
        }
    };
    // The text follows the positions directly, as the layout lays them out.
    putStarts(l.starts, words);
    copyBytes(out.data() + l.spellingEntries, spellings.entries.data(), spellings.entries.size() * 4);
    putStarts(l.spellingStarts, spellings.texts);
    fixChecksum(out);
    return out;
}

void fixChecksum(std::string& bytes)
{
    if (bytes.size() < kHeaderSize)
        return;
    const std::uint64_t sum = checksum(bytes.data(), bytes.size());
    std::memcpy(bytes.data() + kChecksumAt, &sum, sizeof sum);
}

void writeCache(const std::filesystem::path& file, const Lexicon& lexicon, const SourceStamp& stamp)
{
    const std::string bytes = cacheBytes(lexicon, stamp);
    std::string temporary = file.string() + ".XXXXXX";
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0)
        throw LanguageError("cannot write " + file.string() + ": " + reason(errno));
    int err = 0;
    for (std::size_t done = 0; done < bytes.size() && err == 0;) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            err = n < 0 ? errno : EIO;
        else
            done += std::size_t(n);
    }
    if (::close(fd) != 0 && err == 0)
        err = errno;
    if (err == 0 && std::rename(temporary.c_str(), file.c_str()) != 0)
        err = errno;
    if (err != 0) {
        ::unlink(temporary.c_str());
        throw LanguageError("cannot write " + file.string() + ": " + reason(err));
    }
}

std::shared_ptr<const Lexicon> readCache(const std::filesystem::path& file, const Language& language,
                                         const SourceStamp& stamp, CacheState* state, std::string* why)
{
    const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (fd < 0) {
        const int err = errno;
        *state = err == ENOENT ? CacheState::Missing : CacheState::Unreadable;
        if (why)
            *why = reason(err);
        return nullptr;
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        *state = CacheState::Unreadable;
        if (why)
            *why = "it is not a regular file";
        return nullptr;
    }
    auto mapping = std::make_shared<Mapping>();
    mapping->size = std::size_t(st.st_size);
    if (mapping->size >= kHeaderSize)
        mapping->at = ::mmap(nullptr, mapping->size, PROT_READ, MAP_PRIVATE | MAP_POPULATE, fd, 0);
    const int err = errno;
    ::close(fd);
    if (mapping->size >= kHeaderSize && mapping->at == MAP_FAILED) {
        *state = CacheState::Unreadable;
        if (why)
            *why = reason(err);
        return nullptr;
    }
    if (mapping->size < kHeaderSize) {
        *state = CacheState::Damaged;
        if (why)
            *why = "it is cut short";
        return nullptr;
    }
    const char* data = static_cast<const char*>(mapping->at);
    auto lexicon = readFrom(mapping, data, mapping->size, language, stamp, state, why);
    // Checking read every page: they go back to the page cache, and come
    // back one by one as the game reads them.
    if (lexicon)
        ::madvise(mapping->at, mapping->size, MADV_DONTNEED);
    return lexicon;
}

std::shared_ptr<const Lexicon> readCacheBytes(std::string_view bytes, const Language& language,
                                              const SourceStamp& stamp, CacheState* state, std::string* why)
{
    // Eight-byte aligned, as a mapping is page-aligned.
    auto copy = std::make_shared<std::vector<std::uint64_t>>((bytes.size() + 7) / 8);
    if (!bytes.empty())
        std::memcpy(copy->data(), bytes.data(), bytes.size());
    const char* data = reinterpret_cast<const char*>(copy->data());
    return readFrom(copy, data, bytes.size(), language, stamp, state, why);
}

std::shared_ptr<const Lexicon> loadLexicon(const Language& language, const std::filesystem::path& folder,
                                           std::string_view blockText, LoadReport* report, std::stop_token stop)
{
    LoadReport local;
    LoadReport& r = report ? *report : local;
    r = LoadReport{};
    const bool hunspell = language.format == Language::Format::Hunspell;
    const std::string list(language.listFile);
    const std::string affixes = hunspell ? affixFile(language) : std::string();

    SourceStamp stamp;
    stamp.rules = rulesHash(language, blockText);
    const bool stamped = stampOf(list, &stamp.listSize, &stamp.listTime)
        && (!hunspell || stampOf(affixes, &stamp.affixSize, &stamp.affixTime));
    const std::filesystem::path file = folder.empty() ? folder : cacheFile(folder, language);
    if (stamped && !file.empty()) {
        std::string why;
        if (auto lexicon = readCache(file, language, stamp, &r.cache, &why))
            return lexicon;
        if (r.cache != CacheState::Missing)
            r.cacheProblem = "the word cache " + file.string() + " is " + std::string(describe(r.cache)) + " (" + why
                + "): made again";
    }

    // Stamped from the files as read, should they change meanwhile.
    const std::string listBytes = readFile(list, &stamp.listSize, &stamp.listTime);
    const std::string affixBytes = hunspell ? readFile(affixes, &stamp.affixSize, &stamp.affixTime) : std::string();
    auto lexicon = buildLexicon(language, listBytes, affixBytes, blockText, &r.counts, std::move(stop));
    r.built = true;
    if (!file.empty()) {
        try {
            std::error_code ec;
            std::filesystem::create_directories(folder, ec);
            if (ec)
                throw LanguageError("cannot make the folder " + folder.string() + ": " + ec.message());
            writeCache(file, *lexicon, stamp);
        } catch (const LanguageError& e) {
            r.cacheProblem = std::string(e.what()) + ": the words are made again at the next start";
        }
    }
    return lexicon;
}

} // namespace wordlist
