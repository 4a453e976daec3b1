#include "definitions.h"

#include <wn.h>

#include <dlfcn.h>
#include <sys/mman.h>
#include <sys/stat.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstring>
#include <memory>
#include <mutex>
#include <utility>

namespace wordlist {

namespace {

std::mutex g_lock; // guards every call into the library and the state below

// The library is opened with the database on the first lookup, so that the
// game neither loads it at start-up nor needs it to play. wn.h gives the
// types; the functions and variables come from the loaded library.
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

enum class Database { unopened, open, noLibrary, missing };
Database g_state = Database::unopened;
Library g_wn;
std::string g_problem;

// The library reports through this hook instead of printing; keep its
// first complaint for the player.
int keepMessage(char* text)
{
    if (g_problem.empty() && text) {
        g_problem = text;
        while (!g_problem.empty() && (g_problem.back() == '\n' || g_problem.back() == ' '))
            g_problem.pop_back();
    }
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
    if (g_wn.wninit() != 0) {
        g_state = Database::missing;
        if (g_problem.empty())
            g_problem = "the WordNet files could not be opened";
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

bool isPlainWord(std::string_view word)
{
    return !word.empty() && word.size() <= kLongestDefinedWord
        && std::all_of(word.begin(), word.end(), [](char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); });
}

} // namespace

Meaning define(std::string_view word)
{
    Meaning m;
    if (!isPlainWord(word)) {
        m.status = Meaning::Status::notAWord;
        return m;
    }
    m.word.reserve(word.size());
    for (char c : word)
        m.word += char(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);

    const std::lock_guard<std::mutex> hold(g_lock);
    if (!openDatabase()) {
        m.status = Meaning::Status::noDatabase;
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

std::string meaningText(const Meaning& m)
{
    switch (m.status) {
    case Meaning::Status::notAWord:
        return "Only words of letters a to z can be looked up.";
    case Meaning::Status::noDatabase:
        return "Definitions need WordNet, which is not installed. Install it with\n"
               "    sudo apt install "
            + m.package + "\nand start the game again.";
    case Meaning::Status::noEntry:
        return "No definition of \"" + m.word + "\" in WordNet.";
    case Meaning::Status::found:
        break;
    }
    std::string out;
    std::vector<std::string> bases;
    for (const Sense& s : m.senses) {
        if (s.lemma != m.word && std::find(bases.begin(), bases.end(), s.lemma) == bases.end())
            bases.push_back(s.lemma);
    }
    for (const std::string& base : bases)
        out += m.word + " is a form of " + base + ".\n";
    std::string heading;
    int n = 0;
    for (const Sense& s : m.senses) {
        const std::string h = s.lemma + " (" + s.partOfSpeech + ")";
        if (h != heading) {
            heading = h;
            n = 0;
            out += (out.empty() ? "" : "\n") + h + "\n";
        }
        out += std::to_string(++n) + ". " + s.gloss + "\n";
    }
    return out;
}

} // namespace wordlist
