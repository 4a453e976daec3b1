#pragma once
// The player's records: the best score for each round length, with its date,
// the rounds played lately, and the text file they are kept in.
//
// The file is text, one record a line, after a first line naming the format:
//
//     golexorb-records 1
//     best 3 42 2024-05-01
//     round 2024-05-01 3 42 12 90
//
// "best" lines give round length in minutes, score and ISO date. "round"
// lines, oldest first, give a round's date, length, score, and the words
// found of the words the board held; the oldest are dropped first so that
// at most kRoundsKept of each length stay. A "common" line follows a round
// that counted its common words: the round's five fields again, then the
// points the player found in common words and the points they held:
//
//     common 2024-05-01 3 42 12 90 30 260
//
// It belongs to the nearest round line before it with the same five fields
// (older copies of the game keep it as a line they do not use, and write it
// back after all the rounds), and goes when that round does. A "hints" line
// marks a round played with hints, in the same way: the round's five
// fields, then how many words were hinted (1 or more):
//
//     hints 2024-05-01 3 42 12 90 2
//
// Such a round never sets a best score. Later kinds
// of line can be added under the same version: a line this version does not
// use is kept as it is and written back, so an older copy of the game never
// drops what a newer one wrote. Only a change that older copies would misread
// raises the version.

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace game {

inline constexpr int kShortestRound = 1; // minutes
inline constexpr int kLongestRound = 10;
inline constexpr int kRecordsVersion = 1;
inline constexpr std::size_t kRoundsKept = 100; // of each round length
// The largest records file the game reads, and so the largest it writes:
// far more than years of rounds.
inline constexpr std::size_t kLargestRecordsFile = std::size_t(1) << 20;

// Whether `minutes` is a round length the game offers (Combo1's entries).
constexpr bool isRoundLength(int minutes)
{
    return minutes >= kShortestRound && minutes <= kLongestRound;
}

// Points in the common words of a board: the player's, and all of them.
struct CommonPoints {
    int score = 0;
    int best = 0;
    friend bool operator==(const CommonPoints&, const CommonPoints&) = default;
};

// A finished round, as the history keeps it.
struct Round {
    Round() = default;
    Round(std::string date, int minutes, int score, int found, int possible, std::optional<CommonPoints> common = {},
          int hints = 0)
        : date(std::move(date)), minutes(minutes), score(score), found(found), possible(possible), common(common),
          hints(hints)
    {
    }

    std::string date; // YYYY-MM-DD
    int minutes = 0;
    int score = 0;
    int found = 0;    // words the player scored
    int possible = 0; // words the board held
    std::optional<CommonPoints> common; // none for rounds kept before it was counted
    int hints = 0;                      // words shown as hints; a round with any sets no best
    friend bool operator==(const Round&, const Round&) = default;
};

struct BestScore {
    int score = 0;
    std::string date; // YYYY-MM-DD
    friend bool operator==(const BestScore&, const BestScore&) = default;
};

struct Records {
    std::array<std::optional<BestScore>, kLongestRound> best; // by round length, 1 minute first
    std::vector<Round> rounds;     // oldest first, at most kRoundsKept of each length
    std::vector<std::string> kept; // lines this version does not use, in file order

    const std::optional<BestScore>& bestFor(int minutes) const { return best.at(static_cast<std::size_t>(minutes - 1)); }
    friend bool operator==(const Records&, const Records&) = default;
};

// Whether a round of this length and score goes into the records: it had a
// length picked and scored something.
bool recordable(int minutes, int score);

// Enters a finished round that is recordable into the best scores and the
// rounds. True when it sets a new best for its length (the first score for
// a length does); an equal score keeps the older date, and a round with
// hints never sets one.
bool enterRound(Records& records, const Round& round);

// Reads a records file. Nothing when the text is not a records file of a
// version this program knows; `problem` then says why.
std::optional<Records> parseRecords(std::string_view text, std::string* problem = nullptr);

std::string formatRecords(const Records& records);

// Makes the records' text fit kLargestRecordsFile: the kept lines of later
// kinds go, the oldest first, until it does (the best scores and the rounds
// alone are far smaller). How many went.
std::size_t fitRecords(Records& records);

// The player's scores in the rounds kept of one length, as a curve: round
// by round in the order played.
struct ProgressPoint {
    int x = 0; // 1 for the oldest round kept
    int score = 0;
    friend bool operator==(const ProgressPoint&, const ProgressPoint&) = default;
};

struct Progress {
    int minutes = 0;
    std::vector<Round> rounds; // of that length, oldest first
    std::vector<ProgressPoint> points; // one for each round
    int bestIndex = -1;         // the first round without hints with the highest score; -1: none
    std::string caption;        // what the chart shows
    std::string summary;        // its best and its latest round, in words
    friend bool operator==(const Progress&, const Progress&) = default;
};

Progress progressFor(const Records& records, int minutes);

// How the round compares with the records, as the All Words window says it.
struct RecordNote {
    int minutes = 0;                // the round's length; 0 when none was picked
    std::optional<BestScore> best;  // the best for that length, this round counted
    bool newRecord = false;         // this round set it
    bool unavailable = false;       // the records could not be read or written
    bool withHints = false;         // the round had hints, so it could set no record
    Progress progress;              // the rounds of that length, this one counted
    friend bool operator==(const RecordNote&, const RecordNote&) = default;
};

std::string recordText(const RecordNote& note);

} // namespace game
