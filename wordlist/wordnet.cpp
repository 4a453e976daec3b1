#include "wordnet.h"

#include <wn.h>

#include <dlfcn.h>
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
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

enum class Database { unopened, open, noLibrary, missing, unreadable };
Database g_state = Database::unopened;
Library g_wn;
std::string g_problem;

// The library reports through this hook instead of printing. Its first
// complaint is kept, and each goes to the game at once: some come just
// before the library ends the program.
int keepMessage(char* text)
{
    std::string message = text ? text : "";
    while (!message.empty() && (message.back() == '\n' || message.back() == ' '))
        message.pop_back();
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

bool loadLibrary()
{
    void* handle = dlopen(kLibraryFile, RTLD_NOW | RTLD_LOCAL); // kept open for the run
    if (!handle) {
        const char* why = dlerror();
        g_problem = why ? why : kLibraryFile;
        return false;
    }
    Library wn;
    if (!symbol(handle, "wninit", wn.wninit) || !symbol(handle, "morphstr", wn.morphstr)
        || !symbol(handle, "findtheinfo_ds", wn.findtheinfo_ds) || !symbol(handle, "free_syns", wn.free_syns)
        || !symbol(handle, "display_message", wn.display_message) || !symbol(handle, "indexfps", wn.indexfps)
        || !symbol(handle, "datafps", wn.datafps)) {
        g_problem = std::string(kLibraryFile) + " lacks the functions this game uses";
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

// The library's binary search seeks and reads a file through stdio, a
// system call or two at each step; over a mapping of the file the same
// calls cost nothing. The mapping is shared with the page cache, and only
// the pages a search touches are read.
void inMemory(FILE*& file)
{
    struct stat st{};
    if (!file || fstat(fileno(file), &st) != 0 || st.st_size <= 0)
        return;
    const auto size = std::size_t(st.st_size);
    void* bytes = mmap(nullptr, size, PROT_READ, MAP_PRIVATE, fileno(file), 0);
    if (bytes == MAP_FAILED)
        return;
    FILE* mapped = fmemopen(bytes, size, "r");
    if (!mapped) {
        munmap(bytes, size);
        return;
    }
    std::fclose(file);
    file = mapped; // the mapping lives as long as the program
}

// Opened once. A failure is kept for the rest of the run: the library
// leaves whatever files it did open behind on every failed attempt.
bool openDatabase()
{
    if (g_state != Database::unopened)
        return g_state == Database::open;
    if (!loadLibrary()) {
        g_state = Database::noLibrary;
        return false;
    }
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
    for (int pos = 1; pos <= NUMPARTS; ++pos) {
        inMemory(g_wn.indexfps[pos]);
        inMemory(g_wn.datafps[pos]);
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
        m.status = g_state == Database::unreadable ? Meaning::Status::unreadable : Meaning::Status::noDatabase;
        m.problem = g_problem;
        m.package = g_state == Database::noLibrary ? "wordnet" : "wordnet-base";
        return m;
    }
    for (const auto& [pos, part] : kParts) {
        std::vector<long> seen; // synsets already listed for this part of speech
        for (const std::string& form : forms(m.word, pos)) {
            Buffer buffer(form);
            const Synsets list(g_wn.findtheinfo_ds(buffer.get(), pos, SYNS, ALLSENSES));
            collect(list.get(), form, part, seen, m);
        }
    }
    m.status = m.senses.empty() ? Meaning::Status::noEntry : Meaning::Status::found;
    return m;
}

} // namespace wordlist::wordnet
