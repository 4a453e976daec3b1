#pragma once
// Where a room is: the broker's address and the room's name, as a player
// types them and as the game writes them out again.

#include <optional>
#include <string>
#include <string_view>

namespace game::room {

inline constexpr int kDefaultPort = 1883;
inline constexpr int kDefaultTlsPort = 8883;

// Where a room is: [mqtt[s]://][USER[:PASSWORD]@]HOST[:PORT]/ROOM.
struct Address {
    bool tls = false;
    std::string user; // empty: none
    // Typed into the address: used for the session, never written out by
    // text(), so it reaches neither the settings nor the chat list.
    std::string password;
    std::string host; // a name, an IPv4 address or [an IPv6 address]
    int port = kDefaultPort;
    std::string room;
    // The address written out again, the default port left out.
    std::string text() const;
    // The host as the network library takes it (an IPv6 address without brackets).
    std::string hostName() const;
};
// Nothing, with the reason in `why`, when the text is not such an address.
std::optional<Address> parseAddress(std::string_view text, std::string* why = nullptr);

// The room that the Server and Room boxes name together. Server holds a
// server ("mqtt://host:1883") or a whole address with its room, as a host
// gives it to friends; Room is then empty or names the same room. Nothing,
// with the reason, when they do not make one address.
std::optional<Address> joinAddress(std::string_view server, std::string_view room, std::string* why = nullptr);

} // namespace game::room
