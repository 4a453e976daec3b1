#include "wordnet.h"

#include "writeall.h"

#include <wn.h>

#include <dlfcn.h>
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <system_error>
#include <utility>
#include <vector>

namespace wordlist::wordnet {

namespace {

// The library is opened with the database on the first lookup. wn.h gives
// the types; the functions and variables come from the loaded library.
struct Library {
    decltype(&::wninit) wninit = nullptr;
    decltype(&::morphstr) morphstr = nullptr;
    decltype(&::findtheinfo_ds) findtheinfo_ds = nullptr;
    decltype(&::free_syns) free_syns = nullptr;
    decltype(&::display_message) display_message = nullptr;
    FILE** indexfps = nullptr;
    FILE** datafps = nullptr;
};

constexpr const char* kLibraryFile = "libwordnet-3.0.so";
// The library builds file names in buffers of 256 bytes.
constexpr std::size_t kLongestFolder = 200;

enum class Database { unopened, open, noLibrary, brokenLibrary, missing, unreadable };
Database g_state = Database::unopened;
Library g_wn;
std::string g_problem;
// While the library looks a word up: what it reads then is the answer.
bool g_lookingUp = false;

// The database is damaged where a lookup reads it: whatever the library
// would make of it is not the word's meaning. The answer says so, and the
// program ends, the library's state with it (the game starts it afresh for
// the next word).
[[noreturn]] void damaged(const std::string& what)
{
    Meaning m;
    m.status = Meaning::Status::unreadable;
    m.problem = what + ", with the database in " + databaseFolder();
    writeAll(STDOUT_FILENO, answerLines(m));
    ::_exit(3);
}

// The library reports through this hook instead of printing. Its first
// complaint is kept, and each goes to the game at once: some come just
// before the library ends the program. A complaint during a lookup means
// that what it read there is not what it expected: the lookup ends.
int keepMessage(char* text)
{
    std::string message = text ? text : "";
    while (!message.empty() && (message.back() == '\n' || message.back() == ' '))
        message.pop_back();
    if (g_lookingUp)
        damaged(message);
    if (g_problem.empty())
        g_problem = message;
    const std::string line = noteLine(message) + "\n";
    [[maybe_unused]] const ssize_t n = ::write(STDOUT_FILENO, line.data(), line.size());
    return -1;
}

template <typename T>
bool symbol(void* handle, const char* name, T& out)
{
    out = reinterpret_cast<T>(dlsym(handle, name));
    return out != nullptr;
}

// Missing, or there and unusable (damaged, or another library under its
// name): the loader's own words say which, in the C locale this program
// runs in.
bool loadLibrary()
{
    void* handle = dlopen(kLibraryFile, RTLD_NOW | RTLD_LOCAL); // kept open for the run
    if (!handle) {
        const char* why = dlerror();
        g_problem = why ? why : kLibraryFile;
        g_state = g_problem.find("cannot open shared object file: No such file or directory") != std::string::npos
            ? Database::noLibrary
            : Database::brokenLibrary;
        return false;
    }
    Library wn;
    if (!symbol(handle, "wninit", wn.wninit) || !symbol(handle, "morphstr", wn.morphstr)
        || !symbol(handle, "findtheinfo_ds", wn.findtheinfo_ds) || !symbol(handle, "free_syns", wn.free_syns)
        || !symbol(handle, "display_message", wn.display_message) || !symbol(handle, "indexfps", wn.indexfps)
        || !symbol(handle, "datafps", wn.datafps)) {
        const char* why = dlerror();
        g_problem = why ? why : std::string(kLibraryFile) + " lacks the functions this game uses";
        g_state = Database::brokenLibrary;
        return false;
    }
    g_wn = wn;
    return true;
}

// What is wrong with the database's files before the library opens them:
// it opens whatever is there with stdio, so a FIFO would hang it and a
// device would feed it forever. Sets the state and the problem; true when
// the library may go ahead.
bool filesUsable(const std::string& folder)
{
    if (folder.size() > kLongestFolder) {
        g_state = Database::unreadable;
        g_problem = "its folder's name is longer than the library takes: " + folder;
        return false;
    }
    static constexpr const char* kNeeded[] = {"data.noun", "data.verb", "data.adj", "data.adv",
                                              "index.noun", "index.verb", "index.adj", "index.adv",
                                              "noun.exc", "verb.exc", "adj.exc", "adv.exc"};
    static constexpr const char* kOptional[] = {"index.sense", "cntlist.rev", "index.key",
                                                "index.key.rev", "sents.vrb", "sentidx.vrb"};
    std::size_t missing = 0;
    for (const char* name : kNeeded)
        missing += ::access((folder + "/" + name).c_str(), F_OK) != 0 && errno == ENOENT;
    if (missing == std::size(kNeeded)) {
        g_state = Database::missing; // not installed: the library's own words say where it looked
        return true;
    }
    const auto check = [&](const char* name, bool needed) {
        const std::string path = folder + "/" + name;
        const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
        if (fd < 0) {
            if (errno == ENOENT && !needed)
                return true;
            g_problem = path + ": " + std::generic_category().message(errno);
            return false;
        }
        struct stat st {};
        const bool regular = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode);
        ::close(fd);
        if (!regular)
            g_problem = path + " is not a regular file";
        return regular;
    };
    for (const char* name : kNeeded)
        if (!check(name, true)) {
            g_state = Database::unreadable;
            return false;
        }
    for (const char* name : kOptional)
        if (!check(name, false)) {
            g_state = Database::unreadable;
            return false;
        }
    return true;
}

// A file of the database in memory, read by the library through stdio.
// Every seek and read is checked: stdio's own memory files (fmemopen) fail a
// seek past the end, and the library, which never looks, would then read on
// from where it was and take the next synset for the one it asked for.
struct MemoryFile {
    const char* bytes = nullptr;
    std::size_t size = 0;
    std::size_t at = 0;
    std::string name;  // data.noun, index.verb...
    bool data = false; // a data file: every read is of a whole synset line
};

ssize_t readMemory(void* cookie, char* buffer, std::size_t size)
{
    auto* f = static_cast<MemoryFile*>(cookie);
    if (f->at >= f->size) {
        // An index is searched to its end; a data file is read at synsets only.
        if (f->data && g_lookingUp)
            damaged(f->name + " ends at byte " + std::to_string(f->size) + ", short of a whole synset");
        return 0;
    }
    const std::size_t n = std::min(size, f->size - f->at);
    std::memcpy(buffer, f->bytes + f->at, n);
    f->at += n;
    return ssize_t(n);
}

int seekMemory(void* cookie, off64_t* offset, int whence)
{
    auto* f = static_cast<MemoryFile*>(cookie);
    const off64_t from = whence == SEEK_SET ? 0 : whence == SEEK_CUR ? off64_t(f->at) : off64_t(f->size);
    const off64_t to = from + *offset;
    if (to < 0 || std::uint64_t(to) > f->size) {
        if (g_lookingUp)
            damaged("a seek past the end of " + f->name + ", which has " + std::to_string(f->size) + " bytes");
        errno = EINVAL;
        return -1;
    }
    f->at = std::size_t(to);
    *offset = to;
    return 0;
}

// The library's binary search seeks and reads a file through stdio, a
// system call or two at each step; over a mapping of the file the same
// calls cost nothing. The mapping is shared with the page cache, and only
// the pages a search touches are read.
void inMemory(FILE*& file, std::string name, bool data)
{
    struct stat st{};
    if (!file || fstat(fileno(file), &st) != 0 || st.st_size <= 0)
        return;
    const auto size = std::size_t(st.st_size);
    void* bytes = mmap(nullptr, size, PROT_READ, MAP_PRIVATE, fileno(file), 0);
    if (bytes == MAP_FAILED)
        return;
    // The mapping and its cookie live as long as the program.
    auto* cookie = new MemoryFile{static_cast<const char*>(bytes), size, 0, std::move(name), data};
    FILE* mapped = fopencookie(cookie, "r", cookie_io_functions_t{readMemory, nullptr, seekMemory, nullptr});
    if (!mapped) {
        delete cookie;
        munmap(bytes, size);
        return;
    }
    std::fclose(file);
    file = mapped;
}

// Opened once. A failure is kept for the rest of the run: the library
// leaves whatever files it did open behind on every failed attempt.
bool openDatabase()
{
    if (g_state != Database::unopened)
        return g_state == Database::open;
    if (!loadLibrary())
        return false;
    *g_wn.display_message = keepMessage;
    const std::string folder = databaseFolder();
    // The library and the checks above read the same folder.
    ::setenv("WNSEARCHDIR", folder.c_str(), 1);
    if (!filesUsable(folder))
        return false;
    const bool installed = g_state != Database::missing;
    if (g_wn.wninit() != 0) {
        g_state = installed ? Database::unreadable : Database::missing;
        if (g_problem.empty())
            g_problem = "the WordNet files in " + folder + " could not be opened";
        return false;
    }
    g_state = Database::open;
    static constexpr const char* kPartNames[] = {"", "noun", "verb", "adj", "adv"};
    for (int pos = 1; pos <= NUMPARTS; ++pos) {
        inMemory(g_wn.indexfps[pos], std::string("index.") + kPartNames[pos], false);
        inMemory(g_wn.datafps[pos], std::string("data.") + kPartNames[pos], true);
    }
    return true;
}

// The library takes writable C strings; each call gets its own copy.
struct Buffer {
    std::array<char, WORDBUF> bytes{};
    explicit Buffer(std::string_view s)
    {
        const std::size_t n = std::min(s.size(), bytes.size() - 1);
        std::memcpy(bytes.data(), s.data(), n);
        bytes[n] = '\0';
    }
    char* get() { return bytes.data(); }
};

struct SynsetsFree {
    void operator()(Synset* s) const { g_wn.free_syns(s); }
};
using Synsets = std::unique_ptr<Synset, SynsetsFree>;

constexpr std::array<std::pair<int, const char*>, 4> kParts{{
    {NOUN, "noun"},
    {VERB, "verb"},
    {ADJ, "adjective"},
    {ADV, "adverb"},
}};

// The gloss as the database writes it, without the brackets around it.
std::string gloss(const char* defn)
{
    std::string_view g = defn ? defn : "";
    while (!g.empty() && (g.front() == ' ' || g.back() == ' ' || g.back() == '\n'))
        g = g.front() == ' ' ? g.substr(1) : g.substr(0, g.size() - 1);
    if (g.size() >= 2 && g.front() == '(' && g.back() == ')')
        g = g.substr(1, g.size() - 2);
    return std::string(g);
}

// The word itself, then the base forms the library's morphology gives for
// this part of speech ("ran" -> run, "geese" -> goose).
std::vector<std::string> forms(const std::string& word, int pos)
{
    std::vector<std::string> out{word};
    Buffer buffer(word);
    // morphstr works like strtok: the word first, then null for more forms.
    for (const char* base = g_wn.morphstr(buffer.get(), pos); base; base = g_wn.morphstr(nullptr, pos)) {
        std::string form(base);
        if (std::find(out.begin(), out.end(), form) == out.end())
            out.push_back(std::move(form));
    }
    return out;
}

void collect(const Synset* s, const std::string& lemma, const char* part, std::vector<long>& seen, Meaning& m)
{
    for (; s; s = s->nextss) {
        if (std::find(seen.begin(), seen.end(), s->hereiam) == seen.end()) {
            seen.push_back(s->hereiam);
            m.senses.push_back(Sense{lemma, part, gloss(s->defn)});
        }
        // Another spelling of the same entry (with a hyphen, say) hangs here.
        if (s->nextform)
            collect(s->nextform, lemma, part, seen, m);
    }
}

} // namespace

Meaning lookUp(std::string_view word)
{
    Meaning m;
    m.word = std::string(word);
    if (!openDatabase()) {
        m.status = g_state == Database::unreadable ? Meaning::Status::unreadable
            : g_state == Database::brokenLibrary   ? Meaning::Status::brokenLibrary
                                                   : Meaning::Status::noDatabase;
        m.problem = g_problem;
        m.package = g_state == Database::noLibrary || g_state == Database::brokenLibrary ? "wordnet" : "wordnet-base";
        return m;
    }
    g_lookingUp = true;
    for (const auto& [pos, part] : kParts) {
        std::vector<long> seen; // synsets already listed for this part of speech
        for (const std::string& form : forms(m.word, pos)) {
            Buffer buffer(form);
            const Synsets list(g_wn.findtheinfo_ds(buffer.get(), pos, SYNS, ALLSENSES));
            collect(list.get(), form, part, seen, m);
        }
    }
    g_lookingUp = false;
    m.status = m.senses.empty() ? Meaning::Status::noEntry : Meaning::Status::found;
    return m;
}

} // namespace wordlist::wordnet
