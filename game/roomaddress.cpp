#include "roomaddress.h"

#include "ascii.h"
#include "translate.h"
#include "room.h"

#include <algorithm>

namespace game::room {

using wordlist::asciiAlnum;

std::string Address::text() const
{
    std::string out = tls ? "mqtts://" : "mqtt://";
    if (!user.empty()) {
        out += user;
        out += '@';
    }
    out += host;
    // Appended piece by piece: GCC 12 at -O3 warns falsely (-Wrestrict) of
    // a literal put in front of a temporary string.
    if (port != (tls ? kDefaultTlsPort : kDefaultPort)) {
        out += ':';
        out += std::to_string(port);
    }
    out += '/';
    out += room;
    return out;
}

std::string Address::hostName() const
{
    if (host.size() >= 2 && host.front() == '[' && host.back() == ']')
        return host.substr(1, host.size() - 2);
    return host;
}

std::optional<Address> parseAddress(std::string_view text, std::string* why)
{
    const auto fail = [why](const char* reason) -> std::optional<Address> {
        if (why)
            *why = translate("RoomAddress", reason);
        return std::nullopt;
    };
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);

    Address a;
    if (const std::size_t scheme = text.find("://"); scheme != std::string_view::npos) {
        const std::string s = wordlist::lowerCase(text.substr(0, scheme));
        if (s == "mqtts")
            a.tls = true;
        else if (s != "mqtt")
            return fail(GAME_TRANSLATE_NOOP("RoomAddress", "only mqtt:// and mqtts:// addresses are understood"));
        text.remove_prefix(scheme + 3);
    }
    a.port = a.tls ? kDefaultTlsPort : kDefaultPort;

    const std::size_t slash = text.find('/');
    if (slash == std::string_view::npos)
        return fail(GAME_TRANSLATE_NOOP("RoomAddress", "the room is missing: write the server, then / and the room"));
    std::string_view authority = text.substr(0, slash);
    const std::string_view room = text.substr(slash + 1);
    if (!validRoom(room))
        return fail(GAME_TRANSLATE_NOOP("RoomAddress", "a room's name is 1 to 40 letters, digits, - _ or ."));
    a.room = std::string(room);

    if (const std::size_t at = authority.rfind('@'); at != std::string_view::npos) {
        std::string_view user = authority.substr(0, at);
        // USER:PASSWORD, split at the first colon as in any URL.
        if (const std::size_t colon = user.find(':'); colon != std::string_view::npos) {
            const std::string_view password = user.substr(colon + 1);
            if (password.size() > 256
                || !std::all_of(password.begin(), password.end(), [](char c) { return static_cast<unsigned char>(c) >= ' ' && c != 0x7F; }))
                return fail(GAME_TRANSLATE_NOOP("RoomAddress", "the password after the colon is at most 256 characters, none of them a control"));
            a.password = std::string(password);
            user = user.substr(0, colon);
        }
        if (user.empty() || user.size() > 64
            || !std::all_of(user.begin(), user.end(), [](char c) { return c > ' ' && c < 0x7F && c != '@'; }))
            return fail(GAME_TRANSLATE_NOOP("RoomAddress", "the user name before @ is 1 to 64 printable characters, no spaces"));
        a.user = std::string(user);
        authority.remove_prefix(at + 1);
    }

    std::string_view host = authority;
    std::string_view port;
    if (!authority.empty() && authority.front() == '[') {
        const std::size_t close = authority.find(']');
        if (close == std::string_view::npos || close == 1)
            return fail(GAME_TRANSLATE_NOOP("RoomAddress", "an IPv6 address is written in brackets: [::1]"));
        const std::string_view inside = authority.substr(1, close - 1);
        if (!std::all_of(inside.begin(), inside.end(),
                         [](char c) { return asciiAlnum(c) || c == ':' || c == '.' || c == '%'; }))
            return fail(GAME_TRANSLATE_NOOP("RoomAddress", "that is not an IPv6 address"));
        host = authority.substr(0, close + 1);
        const std::string_view after = authority.substr(close + 1);
        if (!after.empty()) {
            if (after.front() != ':')
                return fail(GAME_TRANSLATE_NOOP("RoomAddress", "a port follows the address after a colon"));
            port = after.substr(1);
            if (port.empty())
                return fail(GAME_TRANSLATE_NOOP("RoomAddress", "the port is missing after the colon"));
        }
    } else if (const std::size_t colon = authority.rfind(':'); colon != std::string_view::npos) {
        host = authority.substr(0, colon);
        port = authority.substr(colon + 1);
        if (port.empty())
            return fail(GAME_TRANSLATE_NOOP("RoomAddress", "the port is missing after the colon"));
    }
    if (host.empty())
        return fail(GAME_TRANSLATE_NOOP("RoomAddress", "the server's name is missing"));
    if (host.front() != '[') {
        if (host.size() > 253 || host.front() == '-' || host.front() == '.'
            || !std::all_of(host.begin(), host.end(), [](char c) { return asciiAlnum(c) || c == '-' || c == '.'; }))
            return fail(GAME_TRANSLATE_NOOP("RoomAddress", "a server's name is made of letters, digits, - and ."));
    }
    a.host = std::string(host);
    if (!port.empty()) {
        int p = 0;
        for (const char c : port) {
            if (c < '0' || c > '9' || p > 65535)
                return fail(GAME_TRANSLATE_NOOP("RoomAddress", "the port is a number from 1 to 65535"));
            p = p * 10 + (c - '0');
        }
        if (p < 1 || p > 65535)
            return fail(GAME_TRANSLATE_NOOP("RoomAddress", "the port is a number from 1 to 65535"));
        a.port = p;
    }
    return a;
}

namespace {

std::string_view trimmed(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    return text;
}

} // namespace

std::optional<Address> joinAddress(std::string_view server, std::string_view room, std::string* why)
{
    server = trimmed(server);
    room = trimmed(room);
    while (!server.empty() && server.back() == '/')
        server.remove_suffix(1);
    // A slash after the scheme's means the server box holds a room already.
    const std::size_t scheme = server.find("://");
    const std::size_t rest = scheme == std::string_view::npos ? 0 : scheme + 3;
    if (server.find('/', rest) != std::string_view::npos) {
        auto whole = parseAddress(server, why);
        if (whole && !room.empty() && room != whole->room) {
            if (why)
                *why = fill(translate("RoomAddress",
                                      "the address names room %1 but Room says %2: empty the Room box, or make them agree"),
                            {whole->room, room});
            return std::nullopt;
        }
        return whole;
    }
    if (room.empty()) {
        if (why)
            *why = translate("RoomAddress", "the room is missing: type it into Room, or paste the whole address into Server");
        return std::nullopt;
    }
    return parseAddress(std::string(server) + "/" + std::string(room), why);
}

} // namespace game::room
