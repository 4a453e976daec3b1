// The answers of the lookup program as they travel to the game, and where
// the program finds the database: both sides need them.

#include "wordnet.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <utility>
#include <vector>

namespace wordlist::wordnet {

namespace {

// Debian's library reads its database here when nothing else is named.
constexpr const char* kDebianFolder = "/usr/share/wordnet";

// A field of an answer line: no tab, no line end.
std::string field(std::string_view text)
{
    std::string out(text);
    std::replace_if(out.begin(), out.end(), [](char c) { return c == '\t' || c == '\n' || c == '\r'; }, ' ');
    return out;
}

std::vector<std::string_view> fields(std::string_view line)
{
    std::vector<std::string_view> out;
    for (std::size_t pos = 0;;) {
        const std::size_t tab = line.find('\t', pos);
        out.push_back(line.substr(pos, tab == std::string_view::npos ? std::string_view::npos : tab - pos));
        if (tab == std::string_view::npos)
            return out;
        pos = tab + 1;
    }
}

constexpr std::array<std::pair<Meaning::Status, std::string_view>, 6> kStatuses{{
    {Meaning::Status::found, "found"},
    {Meaning::Status::notAWord, "notAWord"},
    {Meaning::Status::noEntry, "noEntry"},
    {Meaning::Status::noDatabase, "noDatabase"},
    {Meaning::Status::brokenLibrary, "brokenLibrary"},
    {Meaning::Status::unreadable, "unreadable"},
}};

} // namespace

std::string databaseFolder()
{
    if (const char* dir = std::getenv("WNSEARCHDIR"))
        return dir;
    if (const char* home = std::getenv("WNHOME"))
        return std::string(home) + "/dict";
    return kDebianFolder;
}

std::string noteLine(std::string_view text)
{
    return "note\t" + field(text);
}

std::string answerLines(const Meaning& m)
{
    std::string out;
    for (const Sense& s : m.senses)
        out += "sense\t" + field(s.lemma) + "\t" + field(s.partOfSpeech) + "\t" + field(s.gloss) + "\n";
    std::string_view status = "noEntry";
    for (const auto& [value, name] : kStatuses)
        if (value == m.status)
            status = name;
    out += "done\t" + std::string(status) + "\t" + field(m.package) + "\t" + field(m.problem) + "\n";
    return out;
}

bool readAnswerLine(std::string_view line, Meaning& m, std::string& note)
{
    const auto f = fields(line);
    if (f[0] == "sense" && f.size() == 4) {
        m.senses.push_back(Sense{std::string(f[1]), std::string(f[2]), std::string(f[3])});
    } else if (f[0] == "note" && f.size() == 2) {
        note = std::string(f[1]);
    } else if (f[0] == "done" && f.size() == 4) {
        m.status = Meaning::Status::unreadable;
        for (const auto& [value, name] : kStatuses)
            if (name == f[1])
                m.status = value;
        m.package = std::string(f[2]);
        m.problem = std::string(f[3]);
        return true;
    }
    return false;
}

} // namespace wordlist::wordnet
