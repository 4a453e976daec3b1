#pragma once
// Challenges without a server: a short code that holds a board and a round
// length, for friends to play the same board at different times.
//
// The code is the round length (1 to 10) and the 16 letters as one number,
// written in 16 digits of Crockford's base 32 (no I, L, O or U), and a
// check digit that catches any one digit typed wrong and any two neighbours
// swapped, grouped by four: "ABCD-EFGH-JKMN-PQRS-T". Such a code is an
// English board.
//
// A board in another language has a code of 19: the language's number,
// the length and its 16 tiles (each a number below 35: A to Z, then the
// language's own letters) in 18 digits, and the same check digit:
// "ABCD-EFGH-JKMN-PQRS-TUV".

#include "board.h"
#include "languages.h"

#include <optional>
#include <string>
#include <string_view>

namespace game {

struct Challenge {
    Board letters;
    int minutes = 0;
    std::string language = "en"; // the board language's code
    friend bool operator==(const Challenge&, const Challenge&) = default;
};

// The code of a board whose cells each hold one of A to Z, and a length of 1
// to 10 minutes; "" for anything else (a round without a length has none).
std::string challengeCode(const Board& letters, int minutes);
// The same for a board in `language`, whose cells each hold one of its
// tiles; for English the code above.
std::string challengeCode(const Board& letters, int minutes, const wordlist::Language& language);

// The challenge a code holds. Case, spaces and dashes do not matter, and
// O, I and L read as 0, 1 and 1. Nothing, with the reason for the player in
// `why`, when it is not a code.
std::optional<Challenge> readChallenge(std::string_view code, std::string* why = nullptr);

} // namespace game
