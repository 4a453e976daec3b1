#include "records.h"

#include "ascii.h"

#include "translate.h"

#include <algorithm>
#include <iterator>
#include <map>
#include <set>

namespace game {

namespace {

constexpr std::string_view kMagic = "golexorb-records";
// Scores are sums of word lengths; anything near this is not a real score.
constexpr int kHighestScore = 1000000;

std::vector<std::string_view> split(std::string_view line)
{
    std::vector<std::string_view> out;
    std::size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && line[i] == ' ')
            ++i;
        const std::size_t start = i;
        while (i < line.size() && line[i] != ' ')
            ++i;
        if (i > start)
            out.push_back(line.substr(start, i - start));
    }
    return out;
}

// A plain decimal number within [lo, hi].
std::optional<int> number(std::string_view s, int lo, int hi)
{
    const auto v = wordlist::parseDecimal<int>(s);
    if (!v || *v < lo || *v > hi)
        return std::nullopt;
    return v;
}

std::optional<int> roundLength(std::string_view s)
{
    const auto v = wordlist::parseDecimal<int>(s);
    return v && isRoundLength(*v) ? v : std::nullopt;
}

bool isDate(std::string_view s)
{
    return s.size() == 10 && s[4] == '-' && s[7] == '-' && number(s.substr(0, 4), 1, 9999)
        && number(s.substr(5, 2), 1, 12) && number(s.substr(8, 2), 1, 31);
}

// Drops the oldest rounds of any length that has more than kRoundsKept.
void keepRecent(std::vector<Round>& rounds)
{
    std::array<std::size_t, kLongestRound> newer{};
    std::vector<Round> kept;
    for (auto it = rounds.rbegin(); it != rounds.rend(); ++it) {
        if (++newer[static_cast<std::size_t>(it->minutes - 1)] <= kRoundsKept)
            kept.push_back(std::move(*it));
    }
    rounds.assign(std::make_move_iterator(kept.rbegin()), std::make_move_iterator(kept.rend()));
}

// A round's fields as its line gives them, after the kind.
std::string roundFields(const Round& r)
{
    return r.date + " " + std::to_string(r.minutes) + " " + std::to_string(r.score) + " " + std::to_string(r.found)
        + " " + std::to_string(r.possible);
}

// Lines that belong to a round, such as "hints": the last line first, each
// to the nearest round before it with the same fields that has none of its
// kind yet. A line written right after its round finds it, and so does a
// line an older copy moved to the end of the file; one whose round was
// dropped finds none and goes.
template <class Line, class Take>
void attachToRounds(std::vector<Round>& rounds, const std::vector<Line>& lines, Take take)
{
    if (lines.empty())
        return;
    std::map<std::string, std::set<std::size_t>> unmatched; // by the round's fields, where it stands
    for (std::size_t k = 0; k < rounds.size(); ++k)
        unmatched[roundFields(rounds[k])].insert(k);
    for (auto line = lines.rbegin(); line != lines.rend(); ++line) {
        auto it = unmatched.find(roundFields(line->round));
        if (it == unmatched.end())
            continue;
        auto before = it->second.lower_bound(line->roundsBefore);
        if (before == it->second.begin())
            continue;
        --before;
        take(rounds[*before], *line);
        it->second.erase(before);
    }
}

std::string lengthName(int minutes)
{
    return translate("Records", "%n minute(s)", nullptr, minutes);
}

} // namespace

bool recordable(int minutes, int score)
{
    return isRoundLength(minutes) && score > 0;
}

bool enterRound(Records& records, const Round& round)
{
    if (!recordable(round.minutes, round.score))
        return false;
    records.rounds.push_back(round);
    keepRecent(records.rounds);
    if (round.hints > 0)
        return false;
    auto& best = records.best[static_cast<std::size_t>(round.minutes - 1)];
    if (best && best->score >= round.score)
        return false;
    best = BestScore{round.score, round.date};
    return true;
}

std::optional<Records> parseRecords(std::string_view text, std::string* problem)
{
    auto fail = [problem](std::string why) -> std::optional<Records> {
        if (problem)
            *problem = std::move(why);
        return std::nullopt;
    };
    if (text.find('\0') != std::string_view::npos)
        return fail("it is not a text file");

    std::vector<std::string_view> lines;
    for (std::size_t pos = 0; pos < text.size();) {
        std::size_t end = text.find('\n', pos);
        if (end == std::string_view::npos)
            end = text.size();
        std::string_view line = text.substr(pos, end - pos);
        // Every CR at the end goes: a kept line written back with one would
        // lose it at the next reading and change the file again.
        while (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        lines.push_back(line);
        pos = end + 1;
    }

    const auto header = lines.empty() ? std::vector<std::string_view>{} : split(lines.front());
    if (header.size() != 2 || header[0] != kMagic)
        return fail("its first line is not \"" + std::string(kMagic) + " " + std::to_string(kRecordsVersion) + "\"");
    if (const auto version = number(header[1], 1, 1000000); !version || *version != kRecordsVersion)
        return fail("it is of format version " + std::string(header[1]) + ", which this version does not read");

    Records records;
    // Each well-formed "common" line: the round it names, with where in the
    // rounds read so far it stands, and its figures.
    struct CommonLine {
        Round round;
        std::size_t roundsBefore = 0;
        CommonPoints points;
    };
    std::vector<CommonLine> common;
    struct HintsLine {
        Round round;
        std::size_t roundsBefore = 0;
        int hints = 0;
    };
    std::vector<HintsLine> hints;
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const std::string_view line = lines[i];
        const auto fields = split(line);
        if (fields.empty())
            continue;
        if (fields[0] == "best" && fields.size() == 4) {
            const auto minutes = roundLength(fields[1]);
            const auto score = number(fields[2], 1, kHighestScore);
            if (minutes && score && isDate(fields[3])) {
                // Two lines for one length: the higher score, the first on a tie.
                auto& best = records.best[static_cast<std::size_t>(*minutes - 1)];
                if (!best || best->score < *score)
                    best = BestScore{*score, std::string(fields[3])};
                continue;
            }
        }
        if (fields[0] == "round" && fields.size() == 6 && isDate(fields[1])) {
            const auto minutes = roundLength(fields[2]);
            const auto score = number(fields[3], 0, kHighestScore);
            const auto found = number(fields[4], 0, kHighestScore);
            const auto possible = number(fields[5], 0, kHighestScore);
            if (minutes && score && found && possible && *found <= *possible) {
                records.rounds.push_back(Round{std::string(fields[1]), *minutes, *score, *found, *possible});
                continue;
            }
        }
        if (fields[0] == "common" && fields.size() == 8 && isDate(fields[1])) {
            const auto minutes = roundLength(fields[2]);
            const auto score = number(fields[3], 0, kHighestScore);
            const auto found = number(fields[4], 0, kHighestScore);
            const auto possible = number(fields[5], 0, kHighestScore);
            const auto commonScore = number(fields[6], 0, kHighestScore);
            const auto commonBest = number(fields[7], 0, kHighestScore);
            if (minutes && score && found && possible && *found <= *possible && commonScore && commonBest
                && *commonScore <= *commonBest && *commonScore <= *score) {
                common.push_back({Round{std::string(fields[1]), *minutes, *score, *found, *possible},
                                  records.rounds.size(), CommonPoints{*commonScore, *commonBest}});
                continue;
            }
        }
        if (fields[0] == "hints" && fields.size() == 7 && isDate(fields[1])) {
            const auto minutes = roundLength(fields[2]);
            const auto score = number(fields[3], 0, kHighestScore);
            const auto found = number(fields[4], 0, kHighestScore);
            const auto possible = number(fields[5], 0, kHighestScore);
            const auto count = number(fields[6], 1, kHighestScore);
            if (minutes && score && found && possible && *found <= *possible && count) {
                hints.push_back({Round{std::string(fields[1]), *minutes, *score, *found, *possible},
                                 records.rounds.size(), *count});
                continue;
            }
        }
        records.kept.emplace_back(line);
    }
    // The last line first, each to the nearest round before it with the same
    // fields and no figures yet: a line written right after its round finds
    // it, and so do lines an older copy moved to the end of the file. One
    // whose round was dropped finds none and goes.
    if (!common.empty()) {
        std::map<std::string, std::set<std::size_t>> unmatched; // by the round's fields, where it stands
        for (std::size_t k = 0; k < records.rounds.size(); ++k)
            unmatched[roundFields(records.rounds[k])].insert(k);
        for (auto c = common.rbegin(); c != common.rend(); ++c) {
            auto it = unmatched.find(roundFields(c->round));
            if (it == unmatched.end())
                continue;
            auto before = it->second.lower_bound(c->roundsBefore);
            if (before == it->second.begin())
                continue;
            --before;
            records.rounds[*before].common = c->points;
            it->second.erase(before);
        }
    }
    attachToRounds(records.rounds, hints, [](Round& r, const HintsLine& line) { r.hints = line.hints; });
    keepRecent(records.rounds);
    return records;
}

std::string formatRecords(const Records& records)
{
    std::string out = std::string(kMagic) + " " + std::to_string(kRecordsVersion) + "\n";
    for (int minutes = kShortestRound; minutes <= kLongestRound; ++minutes) {
        if (const auto& best = records.bestFor(minutes))
            out += "best " + std::to_string(minutes) + " " + std::to_string(best->score) + " " + best->date + "\n";
    }
    for (const auto& r : records.rounds) {
        const std::string fields = roundFields(r);
        out += "round " + fields + "\n";
        if (r.common)
            out += "common " + fields + " " + std::to_string(r.common->score) + " " + std::to_string(r.common->best)
                + "\n";
        if (r.hints > 0)
            out += "hints " + fields + " " + std::to_string(r.hints) + "\n";
    }
    for (const auto& line : records.kept)
        out += line + "\n";
    return out;
}

std::size_t fitRecords(Records& records)
{
    std::size_t size = formatRecords(records).size();
    std::size_t dropped = 0;
    while (size > kLargestRecordsFile && dropped < records.kept.size())
        size -= records.kept[dropped++].size() + 1;
    records.kept.erase(records.kept.begin(), records.kept.begin() + std::ptrdiff_t(dropped));
    return dropped;
}

Progress progressFor(const Records& records, int minutes)
{
    Progress p;
    p.minutes = minutes;
    for (const Round& r : records.rounds) {
        if (r.minutes != minutes)
            continue;
        p.rounds.push_back(r);
        p.points.push_back(ProgressPoint{int(p.rounds.size()), r.score});
        if (r.hints == 0 && (p.bestIndex < 0 || r.score > p.rounds[std::size_t(p.bestIndex)].score))
            p.bestIndex = int(p.rounds.size()) - 1;
    }
    p.caption = fill(translate("Records", "Your scores in rounds of %1"), {lengthName(minutes)});
    if (p.rounds.empty()) {
        p.summary = fill(translate("Records", "No rounds of %1 recorded yet."), {lengthName(minutes)});
        return p;
    }
    const Round& last = p.rounds.back();
    if (p.bestIndex >= 0) {
        const Round& best = p.rounds[std::size_t(p.bestIndex)];
        p.summary = fill(translate("Records", "Best: %1 in round %2 of %3, on %4."),
                         {std::to_string(best.score), std::to_string(p.bestIndex + 1), std::to_string(p.rounds.size()),
                          best.date});
    } else {
        p.summary = translate("Records", "No best yet: every round had hints.");
    }
    p.summary += '\n';
    p.summary += fill(last.hints > 0 ? translate("Records", "Last round: %1 of %2 words found, with hints.")
                                     : translate("Records", "Last round: %1 of %2 words found."),
                      {std::to_string(last.found), std::to_string(last.possible)});
    return p;
}

std::string recordText(const RecordNote& note)
{
    if (!isRoundLength(note.minutes))
        return translate("Records", "Rounds without a game time are not recorded.");
    if (note.unavailable)
        return translate("Records", "Your records could not be read or saved this time.");
    const std::string length = lengthName(note.minutes);
    if (!note.best)
        return fill(note.withHints ? translate("Records", "With hints: no record. No record yet for %1.")
                                   : translate("Records", "No record yet for %1."),
                    {length});
    const std::string score = std::to_string(note.best->score);
    if (note.newRecord)
        return fill(translate("Records", "New record for %1: %2!"), {length, score});
    return fill(note.withHints ? translate("Records", "With hints: no record. Record for %1: %2 on %3.")
                               : translate("Records", "Record for %1: %2 on %3."),
                {length, score, note.best->date});
}

} // namespace game
