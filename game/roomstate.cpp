#include "roomstate.h"

#include "records.h"
#include "roomsign.h"

#include <algorithm>

namespace game::room {

namespace {
// " in Deutsch" after a round of another board language; nothing for English.
std::string inLanguage(std::string_view code)
{
    const wordlist::Language* language = wordlist::findLanguage(code);
    return language && !language->english() ? " in " + std::string(language->name) : std::string();
}
} // namespace

namespace {

// A round's length in time: the clock shows the full time, counts to 0, and
// the round ends at the tick after that.
Millis roundMillis(int minutes)
{
    return (Millis(minutes) * 60 + 1) * 1000;
}

std::string minutesText(int minutes)
{
    return std::to_string(minutes) + "-minute round";
}

std::string clockText(Millis ms)
{
    const Millis s = std::max<Millis>(0, (ms + 999) / 1000);
    const Millis sec = s % 60;
    return std::to_string(s / 60) + ":" + (sec < 10 ? "0" : "") + std::to_string(sec);
}

} // namespace

int RoundPlan::secondsLeft(Millis now) const
{
    const Millis late = std::max<Millis>(0, now - start);
    return minutes * 60 - int((late + 500) / 1000);
}

// ---------------------------------------------------------------- the room

RoomState::RoomState(std::string room, std::string name, Masker masker, BoardWords boardWords, Session session,
                     std::optional<Signing> signing)
    : room_(std::move(room))
    , name_(std::move(name))
    , masker_(std::move(masker))
    , boardWords_(std::move(boardWords))
    , session_(std::move(session))
    , signing_(std::move(signing))
    , key_(nameKey(name_))
{
}

Outgoing RoomState::send(Message m) const
{
    if (signing_) {
        if (auto* p = std::get_if<Presence>(&m)) {
            p->key = signing_->publicKey;
        } else if (const std::string text = signedText(room_, m); !text.empty()) {
            std::string sig = signing_->sign(text);
            std::visit(
                [&](auto& x) {
                    if constexpr (requires { x.sig; })
                        x.sig = std::move(sig);
                },
                m);
        }
    }
    return write(room_, m);
}

bool RoomState::verified(const Message& m, const std::string& name, std::string_view sig)
{
    const std::string* key = nullptr;
    if (name == name_)
        key = signing_ ? &signing_->publicKey : nullptr;
    else if (const auto k = keys_.find(name); k != keys_.end())
        key = &k->second;
    if (!key || !signing_)
        return true; // a name without a key, or no means to check: shown as unverified
    if (sig.empty() || !signing_->verify(*key, signedText(room_, m), sig)) {
        count(Ignored::badSignature);
        return false;
    }
    return true;
}

bool RoomState::unverified(const std::string& name) const
{
    return signing_ && name != name_ && !keys_.count(name);
}

bool RoomState::keyAgrees(const Presence& p)
{
    const auto k = keys_.find(p.name);
    if (k == keys_.end()) {
        // The first key heard under a name owns it (a room's worth of them
        // remembered, so that a flood of names cannot fill the memory).
        if (p.here && !p.key.empty() && !lookalikeHere(nameKey(p.name)) && keys_.size() < kMaxPlayers * 4)
            keys_.emplace(p.name, p.key);
        return true;
    }
    if (p.key == k->second)
        return true;
    count(Ignored::keyTaken);
    return false;
}

Millis RoomState::Tracked::deadline() const
{
    return round.start + roundMillis(round.minutes) + kStandingsWait;
}

Millis RoomState::roundEnd() const
{
    return round_ ? round_->round.start + roundMillis(round_->round.minutes) : 0;
}

bool RoomState::othersFinished() const
{
    if (!round_)
        return true;
    return std::all_of(round_->expected.begin(), round_->expected.end(), [&](const std::string& n) {
        if (n == name_)
            return !playing();
        const auto f = finished_.find(n);
        return !here_.count(n) || round_->results.count(n) > 0
               || (f != finished_.end() && f->second == round_->round.id);
    });
}

bool RoomState::roundUnderWay(Millis now) const
{
    return round_ && !round_->shown && now < round_->deadline() && (now < roundEnd() || !othersFinished()
                                                                    || held_.has_value());
}

RoomState::Doing RoomState::doing(const std::string& name, Millis now) const
{
    if (!round_ || !round_->expected.count(name) || (round_->shown && now >= roundEnd()))
        return Doing::watching;
    if (now >= roundEnd() || round_->results.count(name))
        return Doing::finished;
    if (name == name_)
        return playing() ? Doing::playing : Doing::finished;
    const auto f = finished_.find(name);
    return f != finished_.end() && f->second == round_->round.id ? Doing::finished : Doing::playing;
}

void RoomState::releaseIfDue(Millis now, Effects& e)
{
    if (!held_ || !round_ || (now < roundEnd() && !othersFinished()))
        return;
    myResultsTopic_ = held_->topic;
    e.publish.push_back(std::move(*held_));
    held_.reset();
}

Outgoing RoomState::will() const
{
    return send(presence(false));
}

RoomState::Effects RoomState::connected()
{
    Effects e;
    e.publish.push_back(send(presence(true)));
    // A broker that restarted has lost what it kept; put this player's
    // results of the round back for whoever has not got them yet.
    if (round_ && !myResultsTopic_.empty() && !held_) {
        if (const auto mine = round_->results.find(name_); mine != round_->results.end())
            e.publish.push_back(send(Results{round_->round.id, name_, mine->second}));
    }
    return e;
}

RoomState::Effects RoomState::leaving() const
{
    Effects e;
    e.publish.push_back(will());
    return e;
}

bool RoomState::playing() const
{
    return round_ && round_->playing && !round_->ended;
}

std::optional<Millis> RoomState::nextDeadline() const
{
    if (held_)
        return roundEnd();
    if (round_ && !round_->shown)
        return round_->deadline();
    return std::nullopt;
}

int RoomState::ignoredTotal() const
{
    int total = 0;
    for (int n : ignored_)
        total += n;
    return total;
}

std::vector<std::string> RoomState::playersHere() const
{
    return {here_.begin(), here_.end()};
}

bool RoomState::allowLine(const std::string& name, Millis now)
{
    if (lines_.size() > kMaxPlayers) {
        // Forget the players quiet for a second: they are not over the limit.
        for (auto it = lines_.begin(); it != lines_.end();)
            it = it->second.empty() || it->second.back() <= now - 1000 ? lines_.erase(it) : std::next(it);
    }
    auto& times = lines_[name];
    while (!times.empty() && times.front() <= now - 1000)
        times.pop_front();
    if (times.size() >= static_cast<std::size_t>(kMaxLinesPerSecond))
        return false;
    times.push_back(now);
    return true;
}

void RoomState::roomLine(std::string line, Millis now, Effects& e)
{
    while (!roomLines_.empty() && roomLines_.front() <= now - 1000)
        roomLines_.pop_front();
    if (roomLines_.size() >= static_cast<std::size_t>(kMaxRoomLinesPerSecond)) {
        count(Ignored::flood);
        tooMuch(now, e);
        return;
    }
    roomLines_.push_back(now);
    e.lines.push_back(std::move(line));
}

// Said once, then again only after ten seconds: a flood adds one line.
void RoomState::tooMuch(Millis now, Effects& e)
{
    if (saidTooMuch_ && now - *saidTooMuch_ < 10'000 && now >= *saidTooMuch_)
        return;
    saidTooMuch_ = now;
    e.lines.push_back("The room sends more than can be shown: some lines are left out.");
}

RoomState::Effects RoomState::overflowed(int dropped, Millis now)
{
    Effects e;
    if (dropped > 0) {
        count(Ignored::flood, dropped);
        tooMuch(now, e);
    }
    return e;
}

const std::string* RoomState::lookalikeHere(const NameKey& key) const
{
    if (const auto it = hereByFolded_.find(key.folded); it != hereByFolded_.end())
        return &it->second;
    if (const auto it = hereByMapped_.find(key.mapped); it != hereByMapped_.end())
        return &it->second;
    return nullptr;
}

void RoomState::arrive(const std::string& name, const NameKey& key)
{
    here_.insert(name);
    hereByFolded_.emplace(key.folded, name);
    hereByMapped_.emplace(key.mapped, name);
}

void RoomState::depart(const std::string& name)
{
    here_.erase(name);
    finished_.erase(name);
    for (auto* byKey : {&hereByFolded_, &hereByMapped_})
        std::erase_if(*byKey, [&](const auto& entry) { return entry.second == name; });
}

void RoomState::track(RoundStart r, bool playing, Effects& e)
{
    // This player's results of the last round leave the broker with it.
    if (!myResultsTopic_.empty()) {
        e.publish.push_back(write(room_, Cleared{myResultsTopic_}));
        myResultsTopic_.clear();
    }
    if (playing)
        saidBusy_ = false;
    held_.reset();
    if (!finishedEarly_.empty()) {
        finishedEarly_.clear();
        e.publish.push_back(send(presence(true)));
    }
    Tracked t;
    t.round = std::move(r);
    t.playing = playing;
    t.ended = !playing;
    t.expected = here_;
    if (playing)
        t.expected.insert(name_);
    round_ = std::move(t);
}

// A presence under this player's own name: its own (ignored), or a
// namesake's. The one of two namesakes who joined later yields; the other
// says "here" again over what the later one left on the broker. A "gone"
// not its own (a namesake's will) would make the room think this player
// left, so it says "here" again too.
void RoomState::namesake(const Presence& p, Effects& e) const
{
    if (session_.token.empty() || p.session.empty() || p.session == session_.token)
        return; // this player's own, a will left by an earlier run, or nobody to tell apart
    const bool theyCameFirst = p.since != session_.since ? p.since < session_.since : p.session < session_.token;
    if (p.here && theyCameFirst) {
        e.nameTaken = true;
        return;
    }
    // A name that only looks like this one has a topic of its own: nothing
    // of this player's there to say again.
    if (p.name == name_)
        e.publish.push_back(send(presence(true)));
}

void RoomState::standingsIfDue(Millis now, Effects& e, bool now_or_never)
{
    if (!round_ || round_->shown)
        return;
    // Fewer results than players expected means some are missing: in a big
    // room that spares a look through them at every result that comes in.
    const bool allIn = !round_->results.empty() && round_->results.size() >= round_->expected.size()
                       && std::all_of(round_->expected.begin(), round_->expected.end(),
                                      [&](const std::string& n) { return round_->results.count(n) > 0; });
    if (!allIn && now < round_->deadline() && !now_or_never)
        return;
    // Until this board's own round has ended its words are not in.
    if (playing())
        return;
    round_->shown = true;
    if (round_->results.empty())
        return;
    const wordlist::Language& language = *wordlist::findLanguage(round_->round.language);
    const auto board = boardOf(round_->round.letters, language);
    const auto words = board ? boardWords_(*board, language) : std::optional<std::set<std::string>>(std::set<std::string>{});
    if (!words) {
        // Without the language's words no result can be checked: no standings rather than wrong ones.
        e.lines.push_back("The standings of a round in " + std::string(language.englishName) + " need its word list ("
                          + std::string(language.package) + ").");
        return;
    }
    const auto s = standings(round_->results, *words);
    const auto shown = [this](std::string_view n) { return show(n); };
    const auto lines = standingsLines(s, shown);
    e.lines.insert(e.lines.end(), lines.begin(), lines.end());
    e.lines.push_back(sharedWordsLine(s, shown));
    e.lines.push_back(winnerLine(s, shown));
    lastStandings_ = s;
}

std::vector<std::string> RoomState::findersOf(std::string_view word) const
{
    std::vector<std::string> out;
    if (!round_)
        return out;
    for (const auto& [name, words] : round_->results)
        if (std::find(words.begin(), words.end(), word) != words.end())
            out.push_back(show(name));
    return out;
}

RoomState::Effects RoomState::receive(std::string_view topic, std::string_view payload, bool retained, bool localBusy,
                                      Millis now)
{
    Effects e;
    Read r = read(room_, topic, payload);
    if (!r.message) {
        count(r.why);
        return e;
    }

    if (auto* p = std::get_if<Presence>(&*r.message)) {
        if (p->name == name_) {
            namesake(*p, e);
            return e;
        }
        const NameKey key = nameKey(p->name);
        if (key.same(key_)) {
            // A name that passes for this player's: told apart as a namesake
            // is; whoever it is, it never joins this player's room.
            namesake(*p, e);
            if (!e.nameTaken)
                count(Ignored::nameTaken);
            return e;
        }
        if (!keyAgrees(*p))
            return e;
        if (p->here) {
            if (here_.count(p->name)) {
                // "here" again: it may say the player ended the round early.
                if (!p->finished.empty())
                    finished_[p->name] = p->finished;
                else
                    finished_.erase(p->name);
                releaseIfDue(now, e);
                return e;
            }
            if (lookalikeHere(key)) {
                count(Ignored::nameTaken); // the first to come keeps the name
                return e;
            }
            if (here_.size() >= kMaxPlayers) {
                count(Ignored::flood);
                return e;
            }
            arrive(p->name, key);
            if (!p->finished.empty())
                finished_[p->name] = p->finished;
            // Someone already here when this player came may be playing the
            // round, and so does someone who comes before it starts.
            if (round_ && !round_->shown && (retained || now < round_->round.start))
                round_->expected.insert(p->name);
            // Who is here already is said whole at each connection, however many.
            if (retained)
                e.lines.push_back(show(p->name) + " is here.");
            else
                roomLine(show(p->name) + " joined the room.", now, e);
        } else if (here_.count(p->name)) {
            depart(p->name);
            roomLine(show(p->name) + " left the room.", now, e);
            if (round_ && !round_->results.count(p->name))
                round_->expected.erase(p->name);
            releaseIfDue(now, e);
            standingsIfDue(now, e);
        }
        return e;
    }

    if (auto* c = std::get_if<Chat>(&*r.message)) {
        // Lines of a name not here are not shown, and do not count against
        // the limits of those who are.
        if (c->name != name_ && !here_.count(c->name)) {
            count(Ignored::absent);
            return e;
        }
        if (!verified(*c, c->name, c->sig))
            return e;
        if (!allowLine(c->name, now)) {
            count(Ignored::flood);
            return e;
        }
        roomLine(show(c->name) + (unverified(c->name) ? " (unverified): " : ": ") + show(c->text), now, e);
        return e;
    }

    if (auto* rs = std::get_if<RoundStart>(&*r.message)) {
        if (round_ && round_->round.id == rs->id)
            return e; // this player's own, or heard before
        if (!retained && rs->by != name_ && !here_.count(rs->by)) {
            // Started by no one here: an outsider's, never played. (One kept
            // on the broker may come before its starter's "here".)
            count(Ignored::absent);
            return e;
        }
        if (!verified(*rs, rs->by, rs->sig))
            return e;
        const Millis length = roundMillis(rs->minutes);
        if (rs->start > now + kMaxAhead) {
            count(Ignored::outOfTime);
            return e;
        }
        if (now >= rs->start + length) {
            // Over already: a round the broker kept from before is no news;
            // one sent now comes from a clock that is far off.
            if (!retained)
                count(Ignored::outOfTime);
            return e;
        }
        const std::string by = rs->by == name_ ? std::string("You") : show(rs->by);
        if (retained && rs->start <= now) {
            // Kept from before this player came: under way.
            if (playing())
                return e;
            roomLine(by + (rs->by == name_ ? "r " : "'s ") + minutesText(rs->minutes) + " is under way ("
                         + clockText(rs->start + length - now) + " left): you play the next one.",
                     now, e);
            track(*rs, false, e);
            return e;
        }
        if (playing() || localBusy) {
            // A round under way is never interrupted; said once for it,
            // however many rounds are started meanwhile.
            if (!saidBusy_)
                roomLine(by + " started a " + minutesText(rs->minutes) + "; yours is under way: you play the next one.",
                         now, e);
            saidBusy_ = true;
            if (!playing())
                track(*rs, false, e);
            return e;
        }
        saidBusy_ = false;
        // The next round comes before the last one's standings here (the
        // starter had every result first): show them with what came in.
        standingsIfDue(now, e, true);
        RoundStart mine = *rs;
        const Millis ahead = rs->start - now;
        if (ahead < -kTolerance || ahead > kLead + kTolerance)
            mine.start = now + kLead; // the starter's clock or this one is off
        const auto board = boardOf(mine.letters, *wordlist::findLanguage(mine.language));
        e.start = RoundPlan{mine.id, *board, mine.minutes, mine.start, mine.by, mine.language, mine.help};
        roomLine(by + " started a " + minutesText(mine.minutes) + inLanguage(mine.language) + ".", now, e);
        track(std::move(mine), true, e);
        return e;
    }

    if (auto* res = std::get_if<Results>(&*r.message)) {
        if (!round_ || res->round != round_->round.id || round_->shown)
            return e; // another round's, or too late
        if (res->name == name_ && round_->results.count(name_))
            return e; // this player's own, known already
        if (!verified(*res, res->name, res->sig))
            return e;
        if (res->name != name_ && !here_.count(res->name)) {
            // Of someone gone, or not yet heard of: unless the name passes for another's.
            const NameKey key = nameKey(res->name);
            if (key.same(key_) || lookalikeHere(key)) {
                count(Ignored::nameTaken);
                return e;
            }
        }
        if (!round_->results.count(res->name) && round_->results.size() >= kMaxPlayers) {
            count(Ignored::flood);
            return e;
        }
        round_->results[res->name] = std::move(res->words);
        releaseIfDue(now, e);
        standingsIfDue(now, e);
        return e;
    }
    return e; // a cleared topic: nothing to do
}

RoomState::Effects RoomState::startRound(const Board& letters, int minutes, std::string id, Millis now,
                                         const wordlist::Language& language, bool help)
{
    Effects e;
    const std::string text = lettersOf(letters, language);
    if (playing() || roundUnderWay(now) || text.empty() || !isRoundLength(minutes) || !validId(id))
        return e;
    RoundStart r{std::move(id), text, minutes, now + kLead, name_, std::string(language.code), help};
    e.start = RoundPlan{r.id, letters, minutes, r.start, name_, r.language, help};
    e.lines.push_back("You start a " + minutesText(minutes) + inLanguage(r.language) + ".");
    track(r, true, e);
    e.publish.push_back(send(r));
    return e;
}

void RoomState::roundSkipped(std::string_view id)
{
    if (round_ && round_->round.id == id && round_->playing) {
        round_->playing = false;
        round_->ended = true;
        round_->expected.erase(name_);
    }
}

RoomState::Effects RoomState::roundEnded(const std::vector<std::string>& words, Millis now)
{
    Effects e;
    if (!playing())
        return e;
    round_->ended = true;
    Results mine{round_->round.id, name_, {}};
    for (const auto& w : words)
        if (std::find(mine.words.begin(), mine.words.end(), w) == mine.words.end())
            mine.words.push_back(w);
    Outgoing out = send(mine);
    if (out.payload.size() > kMaxMessageBytes) {
        // Others would ignore it whole: the longest words go, as many as fit.
        std::stable_sort(mine.words.begin(), mine.words.end(),
                         [](const std::string& a, const std::string& b) { return a.size() > b.size(); });
        while (out.payload.size() > kMaxMessageBytes) {
            mine.words.pop_back();
            out = send(mine);
        }
    }
    round_->results[name_] = mine.words;
    held_ = std::move(out);
    if (now < roundEnd() && !othersFinished()) {
        // Ended early: the words wait for the round's time (or for everyone
        // to end theirs), so that no one still playing reads them; the room
        // is told this player has finished.
        finishedEarly_ = round_->round.id;
        e.publish.push_back(send(presence(true)));
    }
    releaseIfDue(now, e);
    standingsIfDue(now, e);
    return e;
}

RoomState::Effects RoomState::tick(Millis now)
{
    Effects e;
    releaseIfDue(now, e);
    standingsIfDue(now, e);
    return e;
}

std::optional<Outgoing> RoomState::chat(std::string_view text) const
{
    const std::string clean = cleanText(text);
    if (clean.empty())
        return std::nullopt;
    return send(Chat{name_, clean});
}

} // namespace game::room
