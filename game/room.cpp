#include "room.h"

#include "roomsign.h"

#include "ascii.h"
#include "json.h"
#include "records.h"

#include <unicode/uchar.h>
#include <unicode/ucasemap.h>
#include <unicode/uspoof.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <memory>
#include <set>

namespace game::room {

namespace {

constexpr std::string_view kRoot = "golexorb/";

using wordlist::asciiAlnum;
using wordlist::asciiUpper;
using wordlist::madeOf;

// A word of 3 to 16 tiles: A to Z, and the letters some board language plays
// as letters of their own (its round says which board it was found on).
bool tileWord(std::string_view word)
{
    std::size_t tiles = 0;
    for (std::size_t at = 0; at < word.size(); ++tiles) {
        if (asciiUpper(word[at])) {
            ++at;
            continue;
        }
        std::size_t size = 0;
        for (const auto& language : wordlist::languages())
            for (std::size_t i = 0; i < language.ownLetters.size() && !size;) {
                std::size_t n = 1;
                while (i + n < language.ownLetters.size() && (static_cast<unsigned char>(language.ownLetters[i + n]) & 0xc0) == 0x80)
                    ++n;
                if (word.substr(at).starts_with(language.ownLetters.substr(i, n)))
                    size = n;
                i += n;
            }
        if (!size)
            return false;
        at += size;
    }
    return tiles >= 3 && tiles <= kCells;
}

// Characters that draw nothing or move text about: controls, line and
// paragraph separators, and the invisible format characters (bidirectional
// overrides among them) with which a name could pass for another.
bool printable(char32_t c)
{
    if (c < 0x20 || (c >= 0x7F && c <= 0x9F) || c == 0xAD)
        return false;
    if ((c >= 0x200B && c <= 0x200F) || (c >= 0x2028 && c <= 0x202E) || (c >= 0x2060 && c <= 0x206F) || c == 0x061C)
        return false;
    if (c == 0xFEFF || (c >= 0xFFF9 && c <= 0xFFFB) || c == 0xFFFE || c == 0xFFFF)
        return false;
    return true;
}

bool isSpace(char32_t c)
{
    return c == ' ' || c == 0xA0 || c == 0x3000 || (c >= 0x2000 && c <= 0x200A);
}

// What a name may not hold beyond printable(): characters that draw
// nothing, or as the font pleases.
bool drawsAsItself(char32_t c)
{
    switch (u_charType(static_cast<UChar32>(c))) {
    case U_CONTROL_CHAR:
    case U_FORMAT_CHAR:
    case U_LINE_SEPARATOR:
    case U_PARAGRAPH_SEPARATOR:
    case U_UNASSIGNED:
    case U_PRIVATE_USE_CHAR:
    case U_SURROGATE:
        return false;
    default:
        return !u_hasBinaryProperty(static_cast<UChar32>(c), UCHAR_DEFAULT_IGNORABLE_CODE_POINT);
    }
}

bool isMark(char32_t c)
{
    const auto type = u_charType(static_cast<UChar32>(c));
    return type == U_NON_SPACING_MARK || type == U_ENCLOSING_MARK;
}

// ICU's confusable skeleton and full case folding, on UTF-8; "" if ICU fails.
const USpoofChecker* spoofChecker()
{
    static const std::unique_ptr<USpoofChecker, decltype(&uspoof_close)> checker = [] {
        UErrorCode status = U_ZERO_ERROR;
        USpoofChecker* sc = uspoof_open(&status);
        if (U_FAILURE(status)) {
            uspoof_close(sc);
            sc = nullptr;
        }
        return std::unique_ptr<USpoofChecker, decltype(&uspoof_close)>(sc, &uspoof_close);
    }();
    return checker.get();
}

template <typename F>
std::string icuString(std::string_view in, F convert)
{
    std::string out(in.size() * 3 + 16, '\0');
    UErrorCode status = U_ZERO_ERROR;
    int32_t n = convert(in, out, &status);
    if (status == U_BUFFER_OVERFLOW_ERROR) {
        out.resize(static_cast<std::size_t>(n));
        status = U_ZERO_ERROR;
        n = convert(in, out, &status);
    }
    if (U_FAILURE(status))
        return {};
    out.resize(static_cast<std::size_t>(n));
    return out;
}

std::string skeleton(std::string_view utf8)
{
    const USpoofChecker* sc = spoofChecker();
    if (!sc)
        return std::string(utf8);
    return icuString(utf8, [sc](std::string_view in, std::string& out, UErrorCode* status) {
        return uspoof_getSkeletonUTF8(sc, 0, in.data(), static_cast<int32_t>(in.size()), out.data(),
                                      static_cast<int32_t>(out.size()), status);
    });
}

std::string caseFolded(std::string_view utf8)
{
    return icuString(utf8, [](std::string_view in, std::string& out, UErrorCode* status) {
        UCaseMap* map = ucasemap_open("", U_FOLD_CASE_DEFAULT, status);
        const int32_t n = ucasemap_utf8FoldCase(map, out.data(), static_cast<int32_t>(out.size()), in.data(),
                                                static_cast<int32_t>(in.size()), status);
        ucasemap_close(map);
        return n;
    });
}

std::vector<std::string_view> levels(std::string_view topic)
{
    std::vector<std::string_view> out;
    std::size_t from = 0;
    for (;;) {
        const std::size_t slash = topic.find('/', from);
        out.push_back(topic.substr(from, slash == std::string_view::npos ? std::string_view::npos : slash - from));
        if (slash == std::string_view::npos)
            return out;
        from = slash + 1;
    }
}

const json::Value* member(const json::Value& object, std::string_view key, json::Value::Kind kind)
{
    const json::Value* v = object.find(key);
    return v && v->kind == kind ? v : nullptr;
}

std::string wordsJson(const std::vector<std::string>& words)
{
    std::string out = "[";
    for (std::size_t i = 0; i < words.size(); ++i) {
        if (i)
            out += ',';
        out += json::quote(words[i]);
    }
    return out + "]";
}

} // namespace

std::string foundMarks(const std::vector<std::size_t>& found)
{
    static constexpr char kHex[] = "0123456789abcdef";
    std::string out;
    for (const std::size_t n : found) {
        if (out.size() <= n / 4)
            out.resize(n / 4 + 1, '0');
        char& digit = out[n / 4];
        const int value = (digit <= '9' ? digit - '0' : digit - 'a' + 10) | (8 >> (n % 4));
        digit = kHex[value];
    }
    return out;
}

namespace {

std::optional<std::vector<std::size_t>> readMarks(std::string_view marks, std::size_t words)
{
    if (marks.size() > (words + 3) / 4)
        return std::nullopt;
    std::vector<std::size_t> found;
    for (std::size_t i = 0; i < marks.size(); ++i) {
        const char c = marks[i];
        const int value = c >= '0' && c <= '9' ? c - '0' : c >= 'a' && c <= 'f' ? c - 'a' + 10 : -1;
        if (value < 0)
            return std::nullopt;
        if (value == 0)
            continue; // most of a big board's words, for any one player
        for (std::size_t bit = 0; bit < 4; ++bit)
            if (value & (8 >> bit)) {
                if (i * 4 + bit >= words)
                    return std::nullopt;
                found.push_back(i * 4 + bit);
            }
    }
    return found;
}

// A whole number from 0 to `most`, or -1.
int wholeNumber(const json::Value* v, int most)
{
    if (!v || v->kind != json::Value::Kind::number || v->number != std::floor(v->number) || v->number < 0
        || v->number > most)
        return -1;
    return static_cast<int>(v->number);
}

bool boardWord(const std::string& w)
{
    return tileWord(w);
}

Read readStandings(std::string_view id, const json::Value& doc)
{
    const auto ignored = [](Ignored why) { return Read{std::nullopt, why}; };
    if (!validId(id))
        return ignored(Ignored::badId);
    const json::Value* by = member(doc, "by", json::Value::Kind::string);
    const json::Value* players = member(doc, "players", json::Value::Kind::array);
    const json::Value* words = doc.find("words");
    if (!by || !players || (words && words->kind != json::Value::Kind::array))
        return ignored(Ignored::malformed);
    if (!validName(by->string))
        return ignored(Ignored::badName);
    Scored s;
    s.round = std::string(id);
    s.by = by->string;
    // Each result counted is a line, and a room holds at most 1,000 players.
    s.counted = wholeNumber(doc.find("counted"), int(kMaxRoomPlayers));
    if (s.counted < 1 || players->array.size() != static_cast<std::size_t>(s.counted))
        return ignored(Ignored::badStandings);
    if (words) {
        if (words->array.size() > kMaxStandingsWords)
            return ignored(Ignored::badStandings);
        for (const auto& w : words->array) {
            if (w.kind != json::Value::Kind::string || !boardWord(w.string))
                return ignored(Ignored::badWords);
            if (!s.words.empty() && !(s.words.back() < w.string))
                return ignored(Ignored::badStandings); // sorted, each once
            s.words.push_back(w.string);
        }
    }
    std::vector<std::string_view> names; // each once, looked at when all are read
    names.reserve(players->array.size());
    for (const auto& p : players->array) {
        if (p.kind != json::Value::Kind::object)
            return ignored(Ignored::malformed);
        const json::Value* name = member(p, "name", json::Value::Kind::string);
        const json::Value* marks = p.find("found");
        if (!name || (marks && marks->kind != json::Value::Kind::string))
            return ignored(Ignored::malformed);
        if (!validName(name->string))
            return ignored(Ignored::badName);
        names.push_back(name->string);
        Standing line{name->string, wholeNumber(p.find("score"), 100'000), wholeNumber(p.find("room"), 100'000),
                      wholeNumber(p.find("only"), 100'000)};
        if (line.score < 0 || line.roomScore < 0 || line.onlyTheirs < 0 || line.roomScore > line.score)
            return ignored(Ignored::badStandings);
        auto found = readMarks(marks ? std::string_view(marks->string) : std::string_view(), s.words.size());
        if (!found)
            return ignored(Ignored::badStandings);
        s.players.push_back(std::move(line));
        s.found.push_back(std::move(*found));
    }
    std::sort(names.begin(), names.end());
    if (std::adjacent_find(names.begin(), names.end()) != names.end())
        return ignored(Ignored::badName);
    return {std::move(s), Ignored::none};
}

} // namespace

Scored scored(const Standings& st, std::string round, std::string by, int counted)
{
    Scored s{std::move(round), std::move(by), counted, {}, st.players, {}};
    std::map<std::string_view, std::vector<std::size_t>> found;
    for (const auto& [word, names] : st.finders) {
        for (const auto& n : names)
            found[n].push_back(s.words.size());
        s.words.push_back(word);
    }
    for (const auto& p : s.players)
        s.found.push_back(found[p.name]);
    return s;
}

Standings standingsOf(const Scored& s)
{
    Standings out;
    out.players = s.players;
    for (std::size_t p = 0; p < s.players.size(); ++p)
        for (const std::size_t n : s.found[p])
            out.finders[s.words[n]].push_back(s.players[p].name);
    for (auto& [word, names] : out.finders)
        std::sort(names.begin(), names.end());
    return out;
}

// ---------------------------------------------------------------- names

bool validName(std::string_view name)
{
    if (name.empty())
        return false;
    // Printable ASCII, the names of most rooms, needs no look at Unicode's
    // tables: a standings message holds a name for every player.
    if (name.size() <= kMaxNameChars && name.front() != ' ' && name.back() != ' '
        && std::all_of(name.begin(), name.end(),
                       [](char c) { return c >= 0x20 && c < 0x7F && c != '/' && c != '+' && c != '#'; }))
        return true;
    if (!json::validUtf8(name))
        return false;
    const auto points = json::codePoints(name);
    if (points.size() > kMaxNameChars || isSpace(points.front()) || isSpace(points.back()))
        return false;
    for (std::size_t i = 0; i < points.size(); ++i) {
        const char32_t c = points[i];
        if (!printable(c) || c == '/' || c == '+' || c == '#' || !drawsAsItself(c))
            return false;
        // A mark alone draws over whatever comes before it; one twice over
        // a letter draws as once.
        if (isMark(c) && (i == 0 || isSpace(points[i - 1]) || points[i - 1] == c))
            return false;
    }
    return true;
}

NameKey nameKey(std::string_view utf8)
{
    return {skeleton(caseFolded(utf8)), caseFolded(skeleton(utf8))};
}

bool validRoom(std::string_view room)
{
    return !room.empty() && room.size() <= kMaxRoomChars
           && std::all_of(room.begin(), room.end(), [](char c) { return asciiAlnum(c) || c == '-' || c == '_' || c == '.'; });
}

bool validId(std::string_view id)
{
    return !id.empty() && id.size() <= kMaxIdChars
           && std::all_of(id.begin(), id.end(), [](char c) { return asciiAlnum(c) || c == '-' || c == '_'; });
}

std::string topicBase(std::string_view room)
{
    return std::string(kRoot) + std::to_string(kProtocol) + "/" + std::string(room) + "/";
}

std::vector<std::string> subscriptions(std::string_view room)
{
    const std::string base = std::string(kRoot) + "+/" + std::string(room) + "/";
    return {base + "players/+", base + "chat", base + "round", base + "standings/+"};
}

std::string resultsSubscription(std::string_view room, std::string_view id)
{
    return topicBase(room) + "results/" + std::string(id) + "/+";
}

std::size_t maxBytes(std::string_view topic)
{
    const std::size_t slash = topic.rfind('/');
    const std::size_t before = slash == std::string_view::npos ? slash : topic.rfind('/', slash - 1);
    return before != std::string_view::npos && topic.substr(before + 1, slash - before - 1) == "standings"
               ? kMaxStandingsBytes
               : kMaxMessageBytes;
}

const char* ignoredName(Ignored why)
{
    switch (why) {
    case Ignored::none: return "none";
    case Ignored::tooBig: return "too big";
    case Ignored::otherVersion: return "other version";
    case Ignored::otherRoom: return "other room";
    case Ignored::unknownTopic: return "unknown topic";
    case Ignored::malformed: return "malformed";
    case Ignored::badName: return "bad name";
    case Ignored::badLetters: return "bad letters";
    case Ignored::badLanguage: return "unknown language";
    case Ignored::badMinutes: return "bad minutes";
    case Ignored::badStart: return "bad start";
    case Ignored::badId: return "bad id";
    case Ignored::badWords: return "bad words";
    case Ignored::badStandings: return "bad standings";
    case Ignored::outOfTime: return "out of time";
    case Ignored::nameTaken: return "name taken";
    case Ignored::absent: return "absent";
    case Ignored::flood: return "flood";
    case Ignored::badSignature: return "bad signature";
    case Ignored::keyTaken: return "key taken";
    case Ignored::count: break;
    }
    return "?";
}

// ---------------------------------------------------------------- reading

Read read(std::string_view room, std::string_view topic, std::string_view payload)
{
    const auto ignored = [](Ignored why) { return Read{std::nullopt, why}; };
    if (payload.size() > maxBytes(topic))
        return ignored(Ignored::tooBig);
    if (!topic.starts_with(kRoot))
        return ignored(Ignored::unknownTopic);
    const auto level = levels(topic.substr(kRoot.size()));
    if (level.size() < 3)
        return ignored(Ignored::unknownTopic);
    if (level[0] != std::to_string(kProtocol))
        return ignored(Ignored::otherVersion);
    if (level[1] != room)
        return ignored(Ignored::otherRoom);

    enum class Kind { players, chat, round, results, standings } kind;
    if (level.size() == 4 && level[2] == "players")
        kind = Kind::players;
    else if (level.size() == 3 && level[2] == "chat")
        kind = Kind::chat;
    else if (level.size() == 3 && level[2] == "round")
        kind = Kind::round;
    else if (level.size() == 5 && level[2] == "results")
        kind = Kind::results;
    else if (level.size() == 4 && level[2] == "standings")
        kind = Kind::standings;
    else
        return ignored(Ignored::unknownTopic);

    if (payload.empty()) {
        if (kind == Kind::chat)
            return ignored(Ignored::malformed);
        return {Cleared{std::string(topic)}, Ignored::none};
    }
    const auto doc = json::parse(payload);
    if (!doc || doc->kind != json::Value::Kind::object)
        return ignored(Ignored::malformed);
    const auto str = [&](std::string_view key) { return member(*doc, key, json::Value::Kind::string); };
    const json::Value* name = str(kind == Kind::round || kind == Kind::standings ? "by" : "name");
    if (!name)
        return ignored(Ignored::malformed);
    if (!validName(name->string))
        return ignored(Ignored::badName);

    // A key or a signature, when there is one, must be of its form.
    std::string key, sig;
    if (const json::Value* k = doc->find("key")) {
        const auto bytes = k->kind == json::Value::Kind::string ? fromHex(k->string, kKeyBytes) : std::nullopt;
        if (kind != Kind::players || !bytes)
            return ignored(Ignored::badSignature);
        key = *bytes;
    }
    if (const json::Value* g = doc->find("sig")) {
        const auto bytes = g->kind == json::Value::Kind::string ? fromHex(g->string, kSignatureBytes) : std::nullopt;
        if (kind == Kind::players || !bytes)
            return ignored(Ignored::badSignature);
        sig = *bytes;
    }

    switch (kind) {
    case Kind::standings: {
        Read r = readStandings(level[3], *doc);
        if (r.message)
            std::get<Scored>(*r.message).sig = std::move(sig);
        return r;
    }
    case Kind::players: {
        const json::Value* state = str("state");
        if (!state || (state->string != "here" && state->string != "gone"))
            return ignored(Ignored::malformed);
        if (name->string != level[3])
            return ignored(Ignored::badName);
        Presence p(name->string, state->string == "here");
        if (const json::Value* session = doc->find("session")) {
            if (session->kind != json::Value::Kind::string || !validId(session->string))
                return ignored(Ignored::badId);
            p.session = session->string;
        }
        if (const json::Value* since = doc->find("since")) {
            const auto at = since->kind == json::Value::Kind::string ? parseTime(since->string) : std::nullopt;
            if (!at)
                return ignored(Ignored::badStart);
            p.since = *at;
        }
        if (const json::Value* finished = doc->find("finished")) {
            if (finished->kind != json::Value::Kind::string || !validId(finished->string))
                return ignored(Ignored::badId);
            p.finished = finished->string;
        }
        p.key = std::move(key);
        return {std::move(p), Ignored::none};
    }
    case Kind::chat: {
        const json::Value* text = str("text");
        if (!text)
            return ignored(Ignored::malformed);
        std::string clean = cleanText(text->string);
        if (clean.empty())
            return ignored(Ignored::malformed);
        return {Chat{name->string, std::move(clean), std::move(sig)}, Ignored::none};
    }
    case Kind::round: {
        const json::Value* id = str("id");
        const json::Value* letters = doc->find("letters");
        const json::Value* minutes = doc->find("minutes");
        const json::Value* start = str("start");
        // A board in another language than English says which; English
        // rounds are written as they always were.
        const json::Value* lang = doc->find("lang");
        if (!id || !letters || !minutes || !start)
            return ignored(Ignored::malformed);
        if (!validId(id->string))
            return ignored(Ignored::badId);
        const wordlist::Language* language = &wordlist::englishLanguage();
        if (lang && (lang->kind != json::Value::Kind::string || !(language = wordlist::findLanguage(lang->string))))
            return ignored(Ignored::badLanguage);
        if (letters->kind != json::Value::Kind::string || !boardOf(letters->string, *language))
            return ignored(Ignored::badLetters);
        if (minutes->kind != json::Value::Kind::number || minutes->number != std::floor(minutes->number)
            || minutes->number < kShortestRound || minutes->number > kLongestRound)
            return ignored(Ignored::badMinutes);
        const auto at = parseTime(start->string);
        if (!at)
            return ignored(Ignored::badStart);
        // Help (counts and hints) is off in a room's round unless its starter allows it.
        const json::Value* help = doc->find("help");
        if (help && help->kind != json::Value::Kind::boolean)
            return ignored(Ignored::malformed);
        return {RoundStart{id->string, letters->string, static_cast<int>(minutes->number), *at, name->string,
                           std::string(language->code), help && help->boolean, std::move(sig)},
                Ignored::none};
    }
    case Kind::results: {
        if (!validId(level[3]))
            return ignored(Ignored::badId);
        if (name->string != level[4])
            return ignored(Ignored::badName);
        const json::Value* words = member(*doc, "words", json::Value::Kind::array);
        if (!words)
            return ignored(Ignored::malformed);
        Results r{std::string(level[3]), name->string, {}};
        for (const auto& w : words->array) {
            if (w.kind != json::Value::Kind::string || !tileWord(w.string))
                return ignored(Ignored::badWords);
            if (std::find(r.words.begin(), r.words.end(), w.string) == r.words.end())
                r.words.push_back(w.string);
        }
        r.sig = std::move(sig);
        return {std::move(r), Ignored::none};
    }
    }
    return ignored(Ignored::unknownTopic);
}

// ---------------------------------------------------------------- writing

namespace {
std::string sigJson(const std::string& sig)
{
    return sig.empty() ? std::string() : ",\"sig\":\"" + toHex(sig) + "\"";
}
} // namespace

Outgoing write(std::string_view room, const Message& message)
{
    const std::string base = topicBase(room);
    struct Writer {
        const std::string& base;
        Outgoing operator()(const Presence& p) const
        {
            std::string payload = "{\"name\":" + json::quote(p.name) + ",\"state\":\"" + (p.here ? "here" : "gone") + "\"";
            if (!p.session.empty())
                payload += ",\"session\":" + json::quote(p.session);
            if (p.since != 0)
                payload += ",\"since\":" + json::quote(formatTime(p.since));
            if (!p.finished.empty())
                payload += ",\"finished\":" + json::quote(p.finished);
            if (!p.key.empty())
                payload += ",\"key\":\"" + toHex(p.key) + "\"";
            return {base + "players/" + p.name, payload + "}", true};
        }
        Outgoing operator()(const Chat& c) const
        {
            return {base + "chat",
                    "{\"name\":" + json::quote(c.name) + ",\"text\":" + json::quote(cleanText(c.text)) + sigJson(c.sig) + "}",
                    false, 0};
        }
        Outgoing operator()(const RoundStart& r) const
        {
            return {base + "round",
                    "{\"id\":" + json::quote(r.id) + ",\"letters\":" + json::quote(r.letters)
                        + ",\"minutes\":" + std::to_string(r.minutes) + ",\"start\":" + json::quote(formatTime(r.start))
                        + ",\"by\":" + json::quote(r.by)
                        + (r.language == "en" ? std::string() : ",\"lang\":" + json::quote(r.language))
                        + (r.help ? ",\"help\":true" : "") + sigJson(r.sig) + "}",
                    true};
        }
        Outgoing operator()(const Results& r) const
        {
            return {base + "results/" + r.round + "/" + r.name,
                    "{\"name\":" + json::quote(r.name) + ",\"words\":" + wordsJson(r.words) + sigJson(r.sig) + "}", true, 0};
        }
        Outgoing operator()(const Scored& s) const
        {
            std::string payload = "{\"by\":" + json::quote(s.by) + ",\"counted\":" + std::to_string(s.counted);
            if (!s.words.empty())
                payload += ",\"words\":" + wordsJson(s.words);
            payload += ",\"players\":[";
            for (std::size_t i = 0; i < s.players.size(); ++i) {
                const Standing& p = s.players[i];
                payload += std::string(i ? "," : "") + "{\"name\":" + json::quote(p.name) + ",\"score\":"
                           + std::to_string(p.score) + ",\"room\":" + std::to_string(p.roomScore)
                           + ",\"only\":" + std::to_string(p.onlyTheirs);
                if (i < s.found.size() && !s.found[i].empty())
                    payload += ",\"found\":\"" + foundMarks(s.found[i]) + "\"";
                payload += "}";
            }
            return {base + "standings/" + s.round, payload + "]" + sigJson(s.sig) + "}", true};
        }
        Outgoing operator()(const Cleared& c) const { return {c.topic, "", true}; }
    };
    return std::visit(Writer{base}, message);
}

// ---------------------------------------------------------------- text

std::string cleanText(std::string_view text)
{
    auto points = json::codePoints(text);
    for (char32_t& c : points)
        if (!printable(c))
            c = ' ';
    std::size_t from = 0;
    while (from < points.size() && isSpace(points[from]))
        ++from;
    // Cut to the limit first, then trim: a cut that ends on a space would
    // otherwise read back shorter than it was written.
    std::size_t to = std::min(points.size(), from + kMaxChatChars);
    while (to > from && isSpace(points[to - 1]))
        --to;
    return json::utf8(std::vector<char32_t>(points.begin() + static_cast<std::ptrdiff_t>(from),
                                            points.begin() + static_cast<std::ptrdiff_t>(to)));
}

} // namespace game::room
