#pragma once
// One player's view of a room: who is here, the chat, the room's round and
// its standings. It reads the room's messages and says what to show, what
// to publish and when this board's round starts; the window layer carries
// the messages, keeps the clock and plays the round. Times are given to
// every call, so tests run it without waiting.

#include "chatmask.h"
#include "room.h"
#include "roomsign.h"
#include "standings.h"

#include <array>
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

namespace game::room {

// A round this board is to play, and when.
struct RoundPlan {
    std::string id;
    Board letters;
    int minutes = 0;
    Millis start = 0; // by this computer's clock
    std::string by;
    std::string language = "en"; // the board language's code
    bool help = false;            // hints allowed in it
    // The seconds on this board's clock when its round starts at `now`: a
    // board that got the message late starts with the time the others have
    // left, to the nearest second.
    int secondsLeft(Millis now) const;
};

// Who a player is beyond the name: a token of its account and when it
// joined. Two players who chose one name see each other's; the one who
// joined later is told the name is taken. Without a token (tools, other
// programs) nobody is told.
struct Session {
    std::string token; // of the id's form
    Millis since = 0;
};

class RoomState {
public:
    // Every word a board of that language holds, as the solver finds them;
    // nothing while the language's words are not to be had.
    using BoardWords = std::function<std::optional<std::set<std::string>>(const Board&, const wordlist::Language&)>;

    // A round starts this long after Start is pressed, so that every board
    // gets the message before it.
    static constexpr Millis kLead = 3000;
    // A start time further than this from what the arrival says (a clock
    // that is off) is replaced by the arrival time and the lead.
    static constexpr Millis kTolerance = 2000;
    // A round starting further ahead than this is ignored: kept on the
    // broker, it would start a round for every player who joins.
    static constexpr Millis kMaxAhead = 60'000;
    // The scorer waits this long after the round's end for missing results.
    static constexpr Millis kStandingsWait = 10000;
    // A scorer that takes over waits this long for the results the broker
    // kept, unless all are in sooner.
    static constexpr Millis kGather = 1500;
    // The standby scores when no standings came this long after the wait.
    static constexpr Millis kStandbyWait = 3000;
    static constexpr std::size_t kMaxPlayers = kMaxRoomPlayers;

    // With `signing`, what this player says is signed, and what a name with
    // a key says counts only when signed with it; lines of names without
    // one are marked as unverified.
    RoomState(std::string room, std::string name, Masker masker, BoardWords boardWords, Session session = {},
              std::optional<Signing> signing = {});

    struct Effects {
        std::vector<std::string> lines;   // for the chat list, UTF-8, in order
        std::vector<Outgoing> publish;    // in order
        // Topic filters to subscribe to and to leave, before publishing:
        // the results of the round this player scores.
        std::vector<std::string> subscribe, unsubscribe;
        std::optional<RoundPlan> start;   // a round this board is to start
        // Someone who joined earlier goes by this player's name: leave,
        // without a "gone" (the name's presence is theirs).
        bool nameTaken = false;
    };

    const std::string& room() const { return room_; }
    const std::string& name() const { return name_; }

    // The Last Will: "gone", published by the broker when this player drops.
    Outgoing will() const;
    // Connected (again): "here", and this player's results the broker may have lost.
    Effects connected(Millis now);
    // Leaving: "gone".
    Effects leaving() const;
    // A message from the broker. `retained`: the broker kept it from before
    // this player subscribed. `localBusy`: this board is in a round of its own.
    Effects receive(std::string_view topic, std::string_view payload, bool retained, bool localBusy, Millis now);
    // Start Game in the room: the round for everyone, starting kLead from now.
    // Nothing while this board has a room round planned or under way. The
    // board is of `language`'s tiles, and the round says so, and whether
    // its players may take hints.
    Effects startRound(const Board& letters, int minutes, std::string id, Millis now,
                       const wordlist::Language& language = wordlist::englishLanguage(), bool help = false);
    // A planned round that this board could not start after all.
    void roundSkipped(std::string_view id);
    // This board's round ended with these words accepted.
    Effects roundEnded(const std::vector<std::string>& words, Millis now);
    // Standings that are due.
    Effects tick(Millis now);
    // A chat line to send, cleaned and cut; nothing when it is empty.
    std::optional<Outgoing> chat(std::string_view text) const;
    // Messages the connection left out, the window being behind: counted,
    // and said once in a while.
    Effects overflowed(int dropped, Millis now);

    // Whether this board has a room round planned or under way.
    bool playing() const;
    // Whether the room's round is still on: its standings not shown yet,
    // some player here not finished, and its time and the wait for
    // results not over. No new round starts meanwhile.
    bool roundUnderWay(Millis now) const;
    // What a player here is doing in the room's round.
    enum class Doing { watching, playing, finished };
    Doing doing(const std::string& name, Millis now) const;
    // The length of the room's last round, in minutes (0: none yet).
    int lastMinutes() const { return round_ ? round_->round.minutes : 0; }
    // The players' lines of the last round's standings shown, if any (who
    // found which word: findersOf).
    const std::optional<std::vector<Standing>>& lastStandings() const { return lastStandings_; }
    // When tick() next has something to do.
    std::optional<Millis> nextDeadline() const;
    // The id of the room round tracked now ("" if none).
    // The chat masks the room's board language's block list too, from its
    // rounds on.
    void setChatLanguage(const wordlist::Language& language, std::string_view blockText)
    {
        masker_.setLanguage(language, blockText);
    }
    std::string roundId() const { return round_ ? round_->round.id : std::string(); }
    // Who found the word in the round tracked now, names as shown.
    std::vector<std::string> findersOf(std::string_view word) const;
    std::vector<std::string> playersHere() const;
    // Who scores a round now: the first of the players here by when they
    // joined, then by session (players without, such as tools, come last,
    // by name); the second is the standby.
    std::vector<std::string> scorerOrder(std::size_t first = 2) const;
    // Whether this player reads the results of the round tracked now.
    bool scoring() const { return round_ && round_->scoring; }

    int ignored(Ignored why) const { return ignored_[static_cast<std::size_t>(why)]; }
    int ignoredTotal() const;

private:
    struct Tracked {
        RoundStart round; // its start is this computer's
        bool playing = false;
        bool ended = false;
        std::set<std::string> expected;
        std::vector<std::string> mine; // the words this player sent
        bool sent = false;
        std::optional<std::set<std::string>> boardWords; // worked out once, when needed
        // Scoring: the results read, how many the last standings counted.
        bool scoring = false;
        Millis scoringSince = 0;
        bool scored = false; // the first standings are out, or there was nothing to score
        int published = 0;
        std::optional<Outgoing> lastStandings;
        std::map<std::string, std::vector<std::string>> results;
        bool standbyLooked = false;
        // The standings that counted most, and how many results those shown counted.
        std::optional<Scored> kept;
        int shownCounted = 0;
        // When this player's results last went out (0: not yet), and whether
        // the standings shown lack its line, not yet said.
        Millis resultsOut = 0;
        bool lineMissing = false;
        Millis deadline() const;
        // When standings still lacking this player's line were left so on purpose.
        Millis leftOutAt() const { return std::max(deadline(), resultsOut) + kStandbyWait; }
    };

    std::string show(std::string_view text) const { return masker_.mask(text); }
    void count(Ignored why, int times = 1) { ignored_[static_cast<std::size_t>(why)] += times; }
    bool allowLine(const std::string& name, Millis now);
    // A line from the room for the chat list, within the room's limit.
    void roomLine(std::string line, Millis now, Effects& e);
    void tooMuch(Millis now, Effects& e);
    // The name of someone here that `key` passes for, or nullptr.
    const std::string* lookalikeHere(const NameKey& key) const;
    void arrive(const std::string& name, const NameKey& key, const Presence& p);
    void depart(const std::string& name);
    void track(RoundStart r, bool playing, Millis now, Effects& e);
    // Null while the round's language's words are not to be had.
    const std::set<std::string>* boardWordsOf(Tracked& t);
    // Becomes the scorer when first in order, or the standby when no standings came.
    void reconsider(Millis now, Effects& e);
    void scoreIfDue(Millis now, Effects& e);
    void keep(Scored s, Millis now, Effects& e);
    void showIfDue(Millis now, Effects& e);
    // `finders`: how many found each of the standings' words.
    void checkOwnLine(Millis now, const std::vector<std::size_t>& finders, Effects& e);
    void leftOutIfDue(Millis now, Effects& e);
    Presence presence(bool here) const
    {
        Presence p{name_, here, session_.token, session_.since};
        p.finished = finishedEarly_;
        return p;
    }
    Millis roundEnd() const; // when the tracked round's time is up
    // This player's message as it goes out, signed when it can be.
    Outgoing send(Message m) const;
    // Whether a message under `name` may count: signed with the name's key
    // when it has one (else dropped and counted).
    bool verified(const Message& m, const std::string& name, std::string_view sig);
    bool unverified(const std::string& name) const;
    // Whether a presence agrees with the key its name has, if any; the
    // first key heard under a name becomes its key.
    bool keyAgrees(const Presence& p);
    // Whether everyone expected in the round has ended it (or left).
    bool othersFinished() const;
    // This player's words, held while others still play, go out once they
    // may be read.
    void releaseIfDue(Millis now, Effects& e);
    void namesake(const Presence& p, Effects& e) const;

    std::string room_;
    std::string name_;
    Masker masker_;
    BoardWords boardWords_;
    Session session_;
    std::optional<Signing> signing_;
    std::map<std::string, std::string> keys_; // each name's key, as first heard; kept after it leaves
    NameKey key_; // this player's name, as names are told apart
    std::set<std::string> here_;
    // Who is here, in the order that picks the scorer (this player too).
    using Seat = std::tuple<bool, Millis, std::string, std::string>; // untold, since, session, name
    Seat seat(const std::string& name, const std::string& session, Millis since) const;
    std::set<Seat> order_;
    std::map<std::string, Seat> seats_;
    std::string lastStandingsTopic_; // the standings of the last round, cleared by the next one's scorer
    std::string shownOther_;         // a round's standings kept from before this player came, shown
    std::map<std::string, std::string> hereByFolded_, hereByMapped_; // NameKey's parts: who has them
    std::map<std::string, std::deque<Millis>> lines_;
    std::deque<Millis> roomLines_; // when the room's lines of the last second came
    std::optional<Millis> saidTooMuch_;
    bool saidBusy_ = false; // "...yours is under way" said for this board's round
    std::optional<Tracked> round_;
    std::string myResultsTopic_; // what this player last left on the broker
    std::optional<Outgoing> held_; // this player's results, waiting for the round's time
    std::string finishedEarly_;    // the round this player ended before its time
    std::map<std::string, std::string> finished_; // who said they ended which round early
    std::optional<std::vector<Standing>> lastStandings_;
    std::array<int, static_cast<std::size_t>(Ignored::count)> ignored_{};
};

} // namespace game::room
