// The room's message reader on any bytes, as they come from the network.
// The input is a string of messages, each: a byte choosing the topic (one
// of the room's, another version's or room's, or any bytes), a flag for
// "retained", a time step, then the payload up to a NUL. Every message goes
// to the reader and to one player's view of the room. Checked: nothing
// crashes or hangs; what the reader accepts obeys the rules and comes back
// the same through writing and reading again; every line for the chat list
// is valid UTF-8 without control characters; what this player publishes is
// itself readable.

#include "fuzz.h"

#include "json.h"
#include "room.h"
#include "roomstate.h"

#include <string>

namespace {

using namespace game;
using namespace game::room;

const char* const kTopics[] = {"golexorb/1/den/players/Ann", "golexorb/1/den/players/Bob", "golexorb/1/den/chat",
                               "golexorb/1/den/round",       "golexorb/1/den/results/r1/Ann", "golexorb/1/den/results/r1/Bob",
                               "golexorb/2/den/chat",        "golexorb/1/attic/chat"};

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
}

void checkLine(const std::string& line)
{
    FUZZ_CHECK(json::validUtf8(line), line);
    for (const char32_t c : json::codePoints(line))
        FUZZ_CHECK(c >= 0x20 && c != 0x7F && !(c >= 0x80 && c <= 0x9F) && c != 0x2028 && c != 0x2029 && c != 0x202E,
                   line);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::Bytes in(data, size);
    Millis now = 1'800'000'000'000;
    RoomState me("den", "Ann", Masker("badword\n"), [](const Board&) { return std::set<std::string>{"TEA", "EAT"}; },
                 Session{"tok", now});
    while (!in.empty()) {
        const unsigned choice = in.byte();
        const bool retained = (choice & 0x80) != 0;
        std::string topic;
        if ((choice & 0x7F) < std::size(kTopics))
            topic = kTopics[choice & 0x7F];
        else
            topic = in.text(40);
        now += in.byte() * 97;
        std::string payload;
        while (!in.empty()) {
            const char c = static_cast<char>(in.byte());
            if (c == '\0')
                break;
            payload += c;
        }
        const Read r = read("den", topic, payload);
        FUZZ_CHECK(r.message.has_value() == (r.why == Ignored::none), topic);
        if (r.message && !std::holds_alternative<Cleared>(*r.message)) {
            checkRules(*r.message);
            const Outgoing out = write("den", *r.message);
            const Read again = read("den", out.topic, out.payload);
            FUZZ_CHECK(again.message && *again.message == *r.message, out.payload);
        }
        const auto effects = me.receive(topic, payload, retained, (choice & 0x40) != 0, now);
        for (const auto& line : effects.lines)
            checkLine(line);
        for (const auto& out : effects.publish) {
            if (out.payload.empty())
                continue; // a cleared topic
            FUZZ_CHECK(read("den", out.topic, out.payload).message.has_value(), out.payload);
        }
        if (effects.start)
            me.roundEnded({"TEA", "XYZ"}, now + 1000);
        for (const auto& line : me.tick(now + 700'000).lines)
            checkLine(line);
    }
    return 0;
}
