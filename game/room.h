#pragma once
// The room protocol: what players of one room say to each other through an
// MQTT broker, as UTF-8 JSON under golexorb/2/ROOM/:
//
//   players/NAME     {"name","state":"here"|"gone"[,"session","since","finished"]}
//                                                              retained; the Last Will says "gone"
//   chat             {"name","text"}
//   round            {"id","letters","minutes","start","by"[,"lang"][,"help"]}   retained
//   results/ID/NAME  {"name","words":[...]}                     retained; read by the scorer only
//   standings/ID     {"by","counted","words":[...],"players":[{"name","score","room","only","found"}]}
//                                                              retained; from the round's scorer
//
// Presence may carry the player's public key ("key"), the others its
// signature ("sig"), both in hexadecimal; see roomsign.h.
//
// Everything read here comes from anyone on the network: a message that
// breaks a rule is ignored and counted, never half taken. Nothing of it
// reaches a file, a shell or the word list. No networking here: the window
// layer carries the messages.

#include "board.h"
#include "standings.h"
#include "roomaddress.h"
#include "utctime.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

namespace game::room {

// 2: one scorer per round publishes the standings; players read no
// results. A game of version 1 would wait for results it never gets.
inline constexpr int kProtocol = 2;
inline constexpr std::size_t kMaxMessageBytes = 4096;
// The most players a room keeps.
inline constexpr std::size_t kMaxRoomPlayers = 1000;
// The standings of a round, the one message that may be bigger: a line for
// each of up to 1,000 players (a name of up to 80 bytes, three numbers and
// a mark for each of up to 1,200 words: 300 hex digits) and each word once.
inline constexpr std::size_t kMaxStandingsBytes = 512 * 1024;
// Words a standings message may list: more than any board holds.
inline constexpr std::size_t kMaxStandingsWords = 4000;
inline constexpr std::size_t kMaxNameChars = 20;
inline constexpr std::size_t kMaxChatChars = 200;
inline constexpr std::size_t kMaxRoomChars = 40;
inline constexpr std::size_t kMaxIdChars = 32;
inline constexpr int kMaxLinesPerSecond = 5;
// Lines the whole room may add to the chat list in a second (chat, players
// coming and going, rounds); the standings come on top.
inline constexpr int kMaxRoomLinesPerSecond = 20;
// A player's name: 1 to 20 printable characters of UTF-8, no space at
// either end, none of / + # (they would change the topic), and nothing
// that draws nothing or moves text about, with which a name could pass for
// another: no control, format (Unicode's Cf: bidirectional marks, joiners,
// tags) or default-ignorable character (variation selectors, the
// combining grapheme joiner, fillers), nothing unassigned or private, no
// combining mark without a letter before it or twice in a row.
bool validName(std::string_view utf8);

// How names are told apart: two names are one when they differ only in
// case or in characters drawn alike (ICU's confusable skeleton, UTS #39:
// a Cyrillic А for a Latin A, I for l, rn for m), whichever of case and
// look is taken first. The checker is opened at the first call, that is
// when a player joins.
struct NameKey {
    std::string folded; // the skeleton of the case-folded name
    std::string mapped; // the case-folded skeleton of the name
    bool same(const NameKey& other) const { return folded == other.folded || mapped == other.mapped; }
};
NameKey nameKey(std::string_view utf8);
// A room's name: 1 to 40 of the letters, digits and - _ .
bool validRoom(std::string_view room);
// A round's id: 1 to 32 of the letters, digits and - _.
bool validId(std::string_view id);

// "golexorb/1/ROOM/"
std::string topicBase(std::string_view room);
// What every player subscribes to: presence, chat, rounds and standings,
// of every version, so that another version's are seen and ignored rather
// than never heard of. Never the results: only a round's scorer reads them.
std::vector<std::string> subscriptions(std::string_view room);
// What the scorer of round `id` subscribes to besides: its results.
std::string resultsSubscription(std::string_view room, std::string_view id);
// The largest message a topic may carry.
std::size_t maxBytes(std::string_view topic);

// ---- Messages ----

struct Presence {
    Presence(std::string name_, bool here_, std::string session_ = {}, Millis since_ = 0)
        : name(std::move(name_)), here(here_), session(std::move(session_)), since(since_)
    {
    }
    std::string name;
    bool here = true;
    // Optional: which copy of the game says it (a token of the id's form,
    // the same for every join from one player's account) and when it
    // joined, so that two players of one name tell each other apart.
    std::string session;
    Millis since = 0;
    // Optional: the id of a round this player ended before its time was up.
    // Their words wait for the time, and the others need not.
    std::string finished;
    // Optional: the player's public signing key (32 bytes); what it says
    // under this name is then signed with it.
    std::string key;
    friend bool operator==(const Presence&, const Presence&) = default;
};
struct Chat {
    std::string name;
    std::string text; // as read: controls turned to spaces, cut at 200 characters
    std::string sig{}; // optional: the signature (64 bytes) of what it says
    friend bool operator==(const Chat&, const Chat&) = default;
};
struct RoundStart {
    std::string id;
    std::string letters; // 16 of A to Z, cell 0 first; or of the language's tiles
    int minutes = 0;     // 1 to 10
    Millis start = 0;
    std::string by;
    std::string language = "en"; // the board language's code
    bool help = false;            // hints allowed, each costing only its taker
    std::string sig{};
    friend bool operator==(const RoundStart&, const RoundStart&) = default;
};
struct Results {
    std::string round; // the round's id, from the topic
    std::string name;
    std::vector<std::string> words; // each 3 to 16 of A to Z
    std::string sig{};
    friend bool operator==(const Results&, const Results&) = default;
};
// A round's standings, as its scorer publishes them: who scored, how many
// results it counted, every word that counted (sorted) and each player's
// line, ranked, with the words it found as places in `words`.
struct Scored {
    std::string round; // the round's id, from the topic
    std::string by;
    int counted = 0;
    std::vector<std::string> words;
    std::vector<Standing> players;
    std::vector<std::vector<std::size_t>> found; // each player's, ascending; empty lists when left out
    std::string sig{};
    friend bool operator==(const Scored&, const Scored&) = default;
};
// Which of the standings' words a player found, as its line writes it: a
// hex digit for each four words, the first of them its highest bit (8),
// trailing zeros left out.
std::string foundMarks(const std::vector<std::size_t>& found);
Scored scored(const Standings& s, std::string round, std::string by, int counted);
// The standings again, finders in name order, as standings() gives them.
Standings standingsOf(const Scored& s);

// An empty retained message: the topic's old message is gone.
struct Cleared {
    std::string topic;
    friend bool operator==(const Cleared&, const Cleared&) = default;
};
using Message = std::variant<Presence, Chat, RoundStart, Results, Scored, Cleared>;

// Why a message was ignored.
enum class Ignored {
    none,
    tooBig,        // over 4 KB (standings: 512 KB)
    otherVersion,  // another protocol version's topic
    otherRoom,     // not under this room (the broker should not send it)
    unknownTopic,  // no message of ours has that topic
    malformed,     // not JSON, fields missing or of the wrong type
    badName,       // not a valid name, or not the one the topic names
    badLetters,    // not 16 letters A to Z, or of its language's tiles
    badLanguage,   // a board language this version does not know
    badMinutes,    // not a whole number from 1 to 10
    badStart,      // not a UTC time as written here
    badId,
    badWords,
    badStandings,  // numbers, words or marks that do not add up as standings do
    outOfTime,     // a round starting over a minute ahead, or heard only after its end
    nameTaken,     // a name that passes for one already here (or this player's)
    absent,        // a chat line from a name that has not said it is here
    flood,         // a sixth chat line within a second from one name, a line
                   // over the room's limit, or more than the window could take
    badSignature,  // a key or signature not of its form; or, in a room, a
                   // signature missing or not the name's key's
    keyTaken,      // another key under a name whose key is known
    count
};
const char* ignoredName(Ignored why);

struct Read {
    std::optional<Message> message;
    Ignored why = Ignored::none;
};
// Reads one message of `room`.
Read read(std::string_view room, std::string_view topic, std::string_view payload);

// A message to publish.
struct Outgoing {
    std::string topic;
    std::string payload;
    bool retain = false;
    // 1 (acknowledged) for what few must not miss: presence, rounds,
    // standings, clears; 0 for chat lines, which every player gets from
    // every player, so that a big room costs half the packets, and results,
    // which the scorer gets from every player at once. Over one TCP
    // connection neither is lost; results are sent again after a reconnection.
    int qos = 1;
    friend bool operator==(const Outgoing&, const Outgoing&) = default;
};
// The message as it goes out. A chat text is cleaned and cut as a reader
// would; the other fields are written as given.
Outgoing write(std::string_view room, const Message& message);

// ---- Text ----

// A chat text as it may be shown: control and layout characters turned to
// spaces, cut at 200 characters; invalid UTF-8 turned to U+FFFD.
std::string cleanText(std::string_view utf8);

} // namespace game::room
