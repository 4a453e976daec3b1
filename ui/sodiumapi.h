#pragma once
// libsodium, opened with dlopen at the first join as libmosquitto is: the
// start-up loads nothing of it. It signs what this player says in a room
// with an Ed25519 key and checks what others sign.

#include "roomsign.h"

#include <QString>

#include <optional>

class QSettings;

namespace golexorb {

// This player's signing, with the key kept in `settings` (made there at
// the first join; the file is made readable by its owner alone); nothing,
// with the reason in `why`, when libsodium cannot be had.
std::optional<game::room::Signing> roomSigning(QSettings& settings, QString* why);

} // namespace golexorb
