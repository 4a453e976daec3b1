#pragma once
// The player's records: the best score for each round length, with its date,
// and the text file they are kept in.
//
// The file is text, one record a line, after a first line naming the format:
//
//     golexorb-records 1
//     best 3 42 2024-05-01
//
// "best" lines give round length in minutes, score and ISO date. Later kinds
// of line can be added under the same version: a line this version does not
// use is kept as it is and written back, so an older copy of the game never
// drops what a newer one wrote. Only a change that older copies would misread
// raises the version.

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace game {

inline constexpr int kShortestRound = 1; // minutes
inline constexpr int kLongestRound = 10;
inline constexpr int kRecordsVersion = 1;

struct BestScore {
    int score = 0;
    std::string date; // YYYY-MM-DD
    friend bool operator==(const BestScore&, const BestScore&) = default;
};

struct Records {
    std::array<std::optional<BestScore>, kLongestRound> best; // by round length, 1 minute first
    std::vector<std::string> kept; // lines this version does not use, in file order

    const std::optional<BestScore>& bestFor(int minutes) const { return best.at(static_cast<std::size_t>(minutes - 1)); }
    friend bool operator==(const Records&, const Records&) = default;
};

// Whether a round of this length and score goes into the records: it had a
// length picked and scored something.
bool recordable(int minutes, int score);

// Enters a finished round. True when it sets a new best for its length (the
// first score for a length does); an equal score keeps the older date.
bool enterRound(Records& records, int minutes, int score, std::string_view date);

// Reads a records file. Nothing when the text is not a records file of a
// version this program knows; `problem` then says why.
std::optional<Records> parseRecords(std::string_view text, std::string* problem = nullptr);

std::string formatRecords(const Records& records);

// How the round compares with the records, as the All Words window says it.
struct RecordNote {
    int minutes = 0;                // the round's length; 0 when none was picked
    std::optional<BestScore> best;  // the best for that length, this round counted
    bool newRecord = false;         // this round set it
    bool unavailable = false;       // the records could not be read or written
    friend bool operator==(const RecordNote&, const RecordNote&) = default;
};

std::string recordText(const RecordNote& note);

} // namespace game
