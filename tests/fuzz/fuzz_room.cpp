// The room's message reader on any bytes, as they come from the network.
// The input is a string of messages, each: a byte choosing the topic (one
// of the room's, another version's or room's, or any bytes), a flag for
// "retained", a time step, then the payload up to a NUL. Two choices make
// messages instead: a round dated anywhere from decades back to decades
// ahead, and a flood of chat lines from several names at once. Every message
// goes to the reader and to one player's view of the room. Checked: nothing
// crashes or hangs; what the reader accepts obeys the rules and comes back
// the same through writing and reading again (standings too); every line for the chat list
// is valid UTF-8 without control characters; what this player publishes is
// itself readable; no round starts that began over its length ago or starts
// over a minute ahead; and the chat lines of any second stay within the
// room's limit. The player signs (Ed25519, libsodium): what it publishes
// verifies with its key; the flood's names have keys, and a line of theirs
// signed with another key, or changed after signing, never shows (but as
// unverified, when the name came first without a key); standings under the
// player's own name count when signed with its key, and when changed after
// signing show nothing and are counted.

#include "fuzz.h"

#include "json.h"
#include "room.h"
#include "roomstate.h"
#include "sodiumsigning.h"

#include <deque>
#include <string>

namespace {

using namespace game;
using namespace game::room;

const char* const kTopics[] = {"golexorb/2/den/players/Ann", "golexorb/2/den/players/Bob", "golexorb/2/den/chat",
                               "golexorb/2/den/round",       "golexorb/2/den/results/r1/Ann", "golexorb/2/den/results/r1/Bob",
                               "golexorb/1/den/chat",        "golexorb/2/attic/chat",      "golexorb/2/den/standings/r1"};

void checkRules(const Message& m)
{
    if (const auto* p = std::get_if<Presence>(&m))
        FUZZ_CHECK(validName(p->name) && (p->session.empty() || validId(p->session)), p->name);
    if (const auto* c = std::get_if<Chat>(&m)) {
        FUZZ_CHECK(validName(c->name), c->name);
        FUZZ_CHECK(!c->text.empty() && json::codePoints(c->text).size() <= kMaxChatChars, c->text);
    }
    if (const auto* r = std::get_if<RoundStart>(&m)) {
        FUZZ_CHECK(boardOf(r->letters).has_value(), r->letters);
        FUZZ_CHECK(r->minutes >= 1 && r->minutes <= 10, std::to_string(r->minutes));
        FUZZ_CHECK(validId(r->id) && validName(r->by), r->id);
        FUZZ_CHECK(parseTime(formatTime(r->start)) == r->start, formatTime(r->start));
    }
    if (const auto* r = std::get_if<Results>(&m))
        for (const auto& w : r->words)
            FUZZ_CHECK(w.size() >= 3 && w.size() <= 16, w);
    if (const auto* s = std::get_if<Scored>(&m)) {
        FUZZ_CHECK(s->counted == int(s->players.size()) && s->found.size() == s->players.size(), s->by);
        for (const auto& found : s->found)
            for (const std::size_t n : found)
                FUZZ_CHECK(n < s->words.size(), std::to_string(n));
    }
}

void checkLine(const std::string& line)
{
    FUZZ_CHECK(json::validUtf8(line), line);
    for (const char32_t c : json::codePoints(line))
        FUZZ_CHECK(c >= 0x20 && c != 0x7F && !(c >= 0x80 && c <= 0x9F) && c != 0x2028 && c != 0x2029 && c != 0x202E,
                   line);
}

constexpr unsigned kDatedRound = 0x3E, kFlood = 0x3D;

struct Made {
    std::string topic, payload;
    Millis at;
    int sig = 0; // standings under the player's name: 1 signed with its key, 2 forged
};

// The messages a choice of kDatedRound or kFlood makes.
void make(unsigned kind, fuzz::Bytes& in, Millis now, std::deque<Made>& out)
{
    const auto add = [&](const Message& m, Millis at, int sig = 0) {
        const Outgoing o = write("den", m);
        out.push_back({o.topic, o.payload, at, sig});
    };
    if (kind == kDatedRound) {
        // Seconds, or days, either way of now.
        const auto offset = static_cast<std::int16_t>(in.u16());
        const Millis unit = in.flag() ? 86'400'000 : 1000;
        add(RoundStart{"d" + std::to_string(in.byte()), "ETAOINSRHLDCUMFP", 1 + int(in.below(10)), now + offset * unit,
                       in.flag() ? "Bob" : "Ann"},
            now);
        return;
    }
    const unsigned names = 1 + in.below(8), lines = 1 + in.byte() * 4, step = in.below(4);
    // Signed lines, some with another key or changed after signing (marked "forged").
    const bool keyed = in.flag(), forge = in.flag();
    static const Signing theirs = sodiumSigning(7), other = sodiumSigning(8), own = sodiumSigning(1);
    if (in.flag())
        for (unsigned n = 0; n < names; ++n) {
            Presence p{"f" + std::to_string(n), true};
            if (keyed)
                p.key = theirs.publicKey;
            add(p, now);
        }
    for (unsigned i = 0; i < lines; ++i) {
        Chat c{"f" + std::to_string(i % names), "line " + std::to_string(i)};
        if (keyed) {
            const bool forged = forge && i % 3 == 0;
            c.sig = (forged && i % 2 ? other : theirs).sign(signedText("den", c));
            if (forged && i % 2 == 0)
                c.text = "forged " + std::to_string(i);
            else if (forged)
                c.text = "forged " + c.text;
            if (forged && i % 2)
                c.sig = other.sign(signedText("den", c));
        }
        add(c, now + i * step);
    }
    if (keyed) {
        Scored s{"r1", "Ann", 1, {"EAT", "TEA"}, {{"Signed", 6, 6, 2}}, {{0, 1}}};
        s.sig = own.sign(signedText("den", s));
        add(s, now, 1);
        s.players[0].name = "Forger";
        add(s, now, 2);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::Bytes in(data, size);
    Millis now = 1'800'000'000'000;
    static const Signing mine = sodiumSigning(1);
    RoomState me("den", "Ann", Masker("badword\n"), [](const Board&, const wordlist::Language&) { return std::optional(std::set<std::string>{"TEA", "EAT"}); },
                 Session{"tok", now}, mine);
    std::deque<Made> made;
    std::deque<Millis> chatLines; // when the chat lines of the last second were shown
    unsigned choice = 0;
    while (!in.empty() || !made.empty()) {
        if (made.empty()) {
            choice = in.byte();
            if ((choice & 0x3F) == kDatedRound || (choice & 0x3F) == kFlood)
                make(choice & 0x3F, in, now, made);
        }
        const bool retained = (choice & 0x80) != 0;
        std::string topic, payload;
        int ownStandings = 0;
        if (!made.empty()) {
            topic = std::move(made.front().topic);
            payload = std::move(made.front().payload);
            now = std::max(now, made.front().at);
            ownStandings = made.front().sig;
            made.pop_front();
        } else {
            if ((choice & 0x7F) < std::size(kTopics))
                topic = kTopics[choice & 0x7F];
            else
                topic = in.text(40);
            now += in.byte() * 97;
            while (!in.empty()) {
                const char c = static_cast<char>(in.byte());
                if (c == '\0')
                    break;
                payload += c;
            }
        }
        const Read r = read("den", topic, payload);
        FUZZ_CHECK(r.message.has_value() == (r.why == Ignored::none), topic);
        if (r.message && !std::holds_alternative<Cleared>(*r.message)) {
            checkRules(*r.message);
            const Outgoing out = write("den", *r.message);
            const Read again = read("den", out.topic, out.payload);
            FUZZ_CHECK(again.message && *again.message == *r.message, out.payload);
        }
        const int badBefore = me.ignored(Ignored::badSignature);
        const auto effects = me.receive(topic, payload, retained, (choice & 0x40) != 0, now);
        if (ownStandings)
            FUZZ_CHECK(ownStandings == 1 ? me.ignored(Ignored::badSignature) == badBefore
                                : effects.lines.empty() && me.ignored(Ignored::badSignature) == badBefore + 1,
                       payload);
        for (const auto& line : effects.lines)
            checkLine(line);
        for (const auto& out : effects.publish) {
            if (out.payload.empty())
                continue; // a cleared topic
            const Read back = read("den", out.topic, out.payload);
            FUZZ_CHECK(back.message.has_value(), out.payload);
            std::string sig;
            std::visit([&](const auto& x) { if constexpr (requires { x.sig; }) sig = x.sig; }, *back.message);
            const std::string text = signedText("den", *back.message);
            FUZZ_CHECK(text.empty() || mine.verify(mine.publicKey, text, sig), out.payload);
        }
        for (const auto& line : effects.lines)
            FUZZ_CHECK(line.find(": forged") == std::string::npos || line.find(" (unverified): ") != std::string::npos, line);
        if (r.message && std::holds_alternative<Chat>(*r.message)) {
            while (!chatLines.empty() && chatLines.front() <= now - 1000)
                chatLines.pop_front();
            for (const auto& line : effects.lines)
                if (!line.starts_with("The room sends more"))
                    chatLines.push_back(now);
            FUZZ_CHECK(chatLines.size() <= std::size_t(kMaxRoomLinesPerSecond), std::to_string(chatLines.size()));
        }
        if (effects.start) {
            const auto* round = std::get_if<RoundStart>(&*r.message);
            FUZZ_CHECK(round && round->start <= now + RoomState::kMaxAhead
                           && round->start + (Millis(round->minutes) * 60 + 1) * 1000 > now,
                       formatTime(round ? round->start : 0) + " heard at " + formatTime(now));
            me.roundEnded({"TEA", "XYZ"}, now + 1000);
        }
        for (const auto& line : me.tick(now + 700'000).lines)
            checkLine(line);
    }
    return 0;
}
