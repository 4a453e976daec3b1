// The records file on any bytes: the parser must not fail on it, and what
// it accepts must come back unchanged through writing and reading again,
// within the limits the format keeps.

#include "fuzz.h"

#include "records.h"

#include <algorithm>
#include <array>
#include <string>

namespace {

using namespace game;

void checkLimits(const Records& r, const char* when)
{
    std::array<std::size_t, kLongestRound> perLength{};
    for (const Round& round : r.rounds) {
        FUZZ_CHECK(round.minutes >= kShortestRound && round.minutes <= kLongestRound, when);
        FUZZ_CHECK(round.found <= round.possible, when);
        FUZZ_CHECK(++perLength[std::size_t(round.minutes - 1)] <= kRoundsKept, when);
    }
    for (const std::string& line : r.kept)
        FUZZ_CHECK(line.find('\n') == std::string::npos, when);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    std::string problem;
    const auto records = parseRecords(text, &problem);
    if (!records) {
        FUZZ_CHECK(!problem.empty(), "a refusal says why");
        return 0;
    }
    checkLimits(*records, "as read");

    // Written and read back: the same records, and the same text again.
    const std::string written = formatRecords(*records);
    const auto again = parseRecords(written);
    FUZZ_CHECK(again.has_value(), "its own text is read back");
    FUZZ_CHECK(*again == *records, "read back unchanged:\n" + written);
    FUZZ_CHECK(formatRecords(*again) == written, "written the same twice");

    // A round entered keeps the limits, and the best is at least its score;
    // a round with hints leaves the best as it was.
    Records entered = *records;
    const std::size_t tail = std::min<std::size_t>(size, 4);
    const Round round{"2024-05-01", 1 + int(tail > 0 ? data[size - 1] % 10 : 0),
                      int(tail > 1 ? data[size - 2] : 1), 0, 0, {}, tail > 2 ? data[size - 3] % 3 : 0};
    const bool newBest = enterRound(entered, round);
    checkLimits(entered, "after a round");
    if (round.hints > 0) {
        FUZZ_CHECK(!newBest && entered.best == records->best, "a round with hints sets no best");
    } else if (recordable(round.minutes, round.score)) {
        const auto& best = entered.bestFor(round.minutes);
        FUZZ_CHECK(best && best->score >= round.score, "best at least the round's score");
        FUZZ_CHECK(newBest == (best->score == round.score && best->date == round.date
                               && (!records->bestFor(round.minutes) || records->bestFor(round.minutes)->score < round.score)),
                   "new best");
    }
    for (int m = kShortestRound; m <= kLongestRound; ++m) {
        const Progress p = progressFor(entered, m);
        FUZZ_CHECK(p.points.size() == p.rounds.size(), "a point a round");
        const bool anyWithout = std::any_of(p.rounds.begin(), p.rounds.end(), [](const Round& r) { return r.hints == 0; });
        FUZZ_CHECK((p.bestIndex >= 0) == anyWithout, "a best round unless every round had hints");
        if (p.bestIndex >= 0) {
            FUZZ_CHECK(std::size_t(p.bestIndex) < p.rounds.size() && p.rounds[std::size_t(p.bestIndex)].hints == 0,
                       "best round");
            for (const Round& r : p.rounds)
                FUZZ_CHECK(r.hints > 0 || r.score <= p.rounds[std::size_t(p.bestIndex)].score, "best is highest");
        }
    }
    return 0;
}
