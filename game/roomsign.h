#pragma once
// Names nobody can borrow: each copy of the game signs what it says in a
// room with an Ed25519 key of its player's (libsodium's, opened by the
// window layer when joining; tests and tools bring their own). Presence
// carries the public key; chat, rounds, results and standings carry a
// signature over what they say. No cryptography here: only what is signed, and its
// encoding.

#include "room.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace game::room {

inline constexpr std::size_t kKeyBytes = 32;
inline constexpr std::size_t kSignatureBytes = 64;

struct Signing {
    std::string publicKey; // kKeyBytes, this player's
    // A detached signature (kSignatureBytes) of `message` with this player's key.
    std::function<std::string(std::string_view message)> sign;
    // Whether `signature` is `key`'s over `message`.
    std::function<bool(std::string_view key, std::string_view message, std::string_view signature)> verify;
};

// Bytes as lower-case hexadecimal, and back: nothing unless `hex` is
// exactly `bytes` bytes' worth.
std::string toHex(std::string_view bytes);
std::optional<std::string> fromHex(std::string_view hex, std::size_t bytes);

// What a message's signature covers: its kind, the room and every field
// the game reads, each ended by a NUL (no field holds one), so that no
// field can be moved into another, nor the message into another room or
// another kind. Empty for messages that carry no signature.
std::string signedText(std::string_view room, const Message& m);

} // namespace game::room
