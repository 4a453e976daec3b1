#include "roomsign.h"

#include "utctime.h"

namespace game::room {

std::string toHex(std::string_view bytes)
{
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string out;
    out.reserve(bytes.size() * 2);
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        out += kDigits[b >> 4];
        out += kDigits[b & 15];
    }
    return out;
}

std::optional<std::string> fromHex(std::string_view hex, std::size_t bytes)
{
    if (hex.size() != bytes * 2)
        return std::nullopt;
    const auto digit = [](char c) -> int {
        if (c >= '0' && c <= '9')
            return c - '0';
        if (c >= 'a' && c <= 'f')
            return c - 'a' + 10;
        return -1; // upper case too: one spelling for one key
    };
    std::string out(bytes, '\0');
    for (std::size_t i = 0; i < bytes; ++i) {
        const int hi = digit(hex[2 * i]), lo = digit(hex[2 * i + 1]);
        if (hi < 0 || lo < 0)
            return std::nullopt;
        out[i] = static_cast<char>(hi * 16 + lo);
    }
    return out;
}

std::string signedText(std::string_view room, const Message& m)
{
    std::string out = "golexorb/" + std::to_string(kProtocol) + '\0' + std::string(room) + '\0';
    const auto field = [&](std::string_view f) {
        out += f;
        out += '\0';
    };
    if (const auto* c = std::get_if<Chat>(&m)) {
        field("chat");
        field(c->name);
        field(c->text);
    } else if (const auto* r = std::get_if<RoundStart>(&m)) {
        field("round");
        field(r->id);
        field(r->letters);
        field(std::to_string(r->minutes));
        field(formatTime(r->start));
        field(r->by);
        field(r->language);
        field(r->help ? "help" : "");
    } else if (const auto* res = std::get_if<Results>(&m)) {
        field("results");
        field(res->round);
        field(res->name);
        for (const auto& w : res->words)
            field(w);
    } else if (const auto* st = std::get_if<Scored>(&m)) {
        field("standings");
        field(st->round);
        field(st->by);
        field(std::to_string(st->counted));
        field(std::to_string(st->words.size()));
        for (const auto& w : st->words)
            field(w);
        for (std::size_t i = 0; i < st->players.size(); ++i) {
            const Standing& p = st->players[i];
            field(p.name);
            field(std::to_string(p.score));
            field(std::to_string(p.roomScore));
            field(std::to_string(p.onlyTheirs));
            field(i < st->found.size() ? foundMarks(st->found[i]) : std::string());
        }
    } else {
        return {};
    }
    return out;
}

} // namespace game::room
