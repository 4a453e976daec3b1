#pragma once
// Times as the room protocol writes them: UTC, to the millisecond, in the
// ISO 8601 form "2026-05-01T12:00:05.250Z".

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace game::room {

// Milliseconds since 1970-01-01 00:00 UTC.
using Millis = std::int64_t;

// "2026-05-01T12:00:05.250Z"
std::string formatTime(Millis t);
// That form, with or without the milliseconds; nothing for anything else.
std::optional<Millis> parseTime(std::string_view text);

} // namespace game::room
