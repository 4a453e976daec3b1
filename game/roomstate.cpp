#include "roomstate.h"

#include "records.h"
#include "roomsign.h"

#include "translate.h"

#include <algorithm>
#include <iterator>
#include <utility>

namespace game::room {

namespace {
// The board language's own name ("Deutsch") for a round in another board
// language; nothing for English, whose lines say no language.
std::string languageOf(std::string_view code)
{
    const wordlist::Language* language = wordlist::findLanguage(code);
    return language && !language->english() ? std::string(language->name) : std::string();
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
    return fill(translate("Room", "%1-minute round"), {std::to_string(minutes)});
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
    const Seat mine = seat(name_, session_.token, session_.since);
    order_.insert(mine);
    seats_.emplace(name_, mine);
}

RoomState::Seat RoomState::seat(const std::string& name, const std::string& session, Millis since) const
{
    const bool untold = session.empty() || since == 0;
    return {untold, untold ? 0 : since, untold ? std::string() : session, name};
}

std::vector<std::string> RoomState::scorerOrder(std::size_t first) const
{
    std::vector<std::string> out;
    for (auto it = order_.begin(); it != order_.end() && out.size() < first; ++it)
        out.push_back(std::get<3>(*it));
    return out;
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
    return round_ && round_->shownCounted == 0 && now < round_->deadline() && (now < roundEnd() || !othersFinished()
                                                                    || held_.has_value());
}

RoomState::Doing RoomState::doing(const std::string& name, Millis now) const
{
    if (!round_ || !round_->expected.count(name) || (round_->shownCounted > 0 && now >= roundEnd()))
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
    round_->resultsOut = now;
}

Outgoing RoomState::will() const
{
    return send(presence(false));
}

RoomState::Effects RoomState::connected(Millis now)
{
    Effects e;
    e.publish.push_back(send(presence(true)));
    // A broker that restarted has lost what it kept; put this player's
    // results of the round back for whoever has not got them yet.
    if (round_ && !myResultsTopic_.empty() && round_->sent && !held_) {
        e.publish.push_back(send(Results{round_->round.id, name_, round_->mine}));
        round_->resultsOut = now;
    }
    // And the standings this player scored.
    if (round_ && round_->lastStandings)
        e.publish.push_back(*round_->lastStandings);
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
    std::optional<Millis> at;
    const auto soonest = [&at](Millis t) {
        if (!at || t < *at)
            at = t;
    };
    // Words held back by an early finisher go out when the round's time is up.
    if (held_)
        soonest(roundEnd());
    if (round_ && !playing()) {
        if (round_->scoring && !round_->scored)
            soonest(std::max(round_->deadline(), round_->scoringSince + kGather));
        else if (!round_->scoring && !round_->kept && !round_->standbyLooked)
            soonest(round_->deadline() + kStandbyWait);
    }
    if (round_ && round_->lineMissing && round_->resultsOut)
        soonest(round_->leftOutAt());
    return at;
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
    e.lines.push_back(translate("Room", "The room sends more than can be shown: some lines are left out."));
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

void RoomState::arrive(const std::string& name, const NameKey& key, const Presence& p)
{
    here_.insert(name);
    const Seat s = seat(name, p.session, p.since);
    order_.insert(s);
    seats_.emplace(name, s);
    hereByFolded_.emplace(key.folded, name);
    hereByMapped_.emplace(key.mapped, name);
}

void RoomState::depart(const std::string& name)
{
    here_.erase(name);
    if (const auto it = seats_.find(name); it != seats_.end()) {
        order_.erase(it->second);
        seats_.erase(it);
    }
    finished_.erase(name);
    for (auto* byKey : {&hereByFolded_, &hereByMapped_})
        std::erase_if(*byKey, [&](const auto& entry) { return entry.second == name; });
}

void RoomState::track(RoundStart r, bool playing, Millis now, Effects& e)
{
    if (round_) {
        if (round_->scoring)
            e.unsubscribe.push_back(resultsSubscription(room_, round_->round.id));
        if (round_->kept)
            lastStandingsTopic_ = topicBase(room_) + "standings/" + round_->round.id;
    }
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
    reconsider(now, e);
}

const std::set<std::string>* RoomState::boardWordsOf(Tracked& t)
{
    if (!t.boardWords) {
        const wordlist::Language& language = *wordlist::findLanguage(t.round.language);
        const auto board = boardOf(t.round.letters, language);
        auto words = board ? boardWords_(*board, language) : std::optional(std::set<std::string>{});
        if (!words)
            return nullptr; // its language's words are not to be had here
        t.boardWords = std::move(*words);
    }
    return &*t.boardWords;
}

void RoomState::reconsider(Millis now, Effects& e)
{
    if (!round_ || round_->scoring)
        return;
    const auto order = scorerOrder();
    bool mine = !round_->kept && !order.empty() && order[0] == name_;
    if (!round_->kept && !round_->standbyLooked && now >= round_->deadline() + kStandbyWait) {
        // No standings after the wait: the scorer is stuck or gone unheard.
        round_->standbyLooked = true;
        mine = mine || (order.size() > 1 && order[1] == name_);
    }
    if (!mine)
        return;
    round_->scoring = true;
    round_->scoringSince = now;
    // The last round's standings leave the broker as this one starts, not
    // at its end, which costs enough.
    if (!lastStandingsTopic_.empty())
        e.publish.push_back(write(room_, Cleared{std::exchange(lastStandingsTopic_, std::string())}));
    if (round_->sent)
        round_->results[name_] = round_->mine;
    e.subscribe.push_back(resultsSubscription(room_, round_->round.id));
}

void RoomState::scoreIfDue(Millis now, Effects& e)
{
    if (!round_ || !round_->scoring || playing())
        return;
    Tracked& t = *round_;
    // Fewer results than players expected means some are missing: in a big
    // room that spares a look through them at every result that comes in.
    const bool allIn = !t.results.empty() && t.results.size() >= t.expected.size()
                       && std::all_of(t.expected.begin(), t.expected.end(),
                                      [&](const std::string& n) { return t.results.count(n) > 0; });
    if (!allIn && now < std::max(t.deadline(), t.scoringSince + kGather))
        return;
    t.scored = true;
    const int counted = static_cast<int>(t.results.size());
    if (counted <= t.published)
        return; // nothing new, or nothing at all
    const std::set<std::string>* board = boardWordsOf(t);
    if (!board) {
        // No result can be checked without the language's words: no
        // standings rather than wrong ones; the standby after this one scores.
        const wordlist::Language& language = *wordlist::findLanguage(t.round.language);
        e.lines.push_back(fill(translate("Room", "The standings of a round in %1 need its word list (%2)."),
                               {translate("Languages", std::string(language.englishName).c_str()), language.package}));
        t.published = counted;
        return;
    }
    Scored out = scored(standings(t.results, *board), t.round.id, name_, counted);
    Outgoing message = send(out);
    if (message.payload.size() > kMaxStandingsBytes) {
        // Never so far: who found which word goes, the scores stay.
        out.words.clear();
        out.found.assign(out.players.size(), {});
        message = send(out);
    }
    t.published = counted;
    t.lastStandings = message;
    e.publish.push_back(std::move(message));
    keep(std::move(out), now, e);
}

void RoomState::keep(Scored s, Millis now, Effects& e)
{
    Tracked& t = *round_;
    if (t.kept && s.counted <= t.kept->counted)
        return; // the standings that counted the most stay
    t.kept = std::move(s);
    showIfDue(now, e);
}

void RoomState::showIfDue(Millis now, Effects& e)
{
    // Until this board's own round has ended its words are not in.
    if (!round_ || !round_->kept || playing() || round_->kept->counted <= round_->shownCounted)
        return;
    Tracked& t = *round_;
    t.shownCounted = t.kept->counted;
    // The shared words' line names the finders of its first few words
    // only: a room of hundreds has hundreds of shared words, and each of
    // its players reads the standings.
    const Scored& k = *t.kept;
    const std::size_t counted = std::min(k.players.size(), k.found.size());
    std::vector<std::size_t> finders(k.words.size(), 0);
    for (std::size_t p = 0; p < counted; ++p)
        for (const std::size_t n : k.found[p])
            if (n < k.words.size())
                ++finders[n];
    constexpr std::size_t kNamed = kMostSharedWords; // as many as the line shows
    std::vector<SharedWord> shared;
    std::vector<std::size_t> slot(k.words.size(), kNamed);
    std::size_t total = 0;
    for (std::size_t n = 0; n < k.words.size(); ++n) {
        if (finders[n] < 2)
            continue;
        if (total++ < kNamed) {
            slot[n] = shared.size();
            shared.push_back({k.words[n], {}});
        }
    }
    for (std::size_t p = 0; p < counted; ++p)
        for (const std::size_t n : k.found[p])
            if (n < k.words.size() && slot[n] < kNamed)
                shared[slot[n]].finders.push_back(k.players[p].name);
    for (auto& w : shared)
        std::sort(w.finders.begin(), w.finders.end());
    const auto shown = [this](std::string_view n) { return show(n); };
    const auto lines = standingsLines(k.players, shown, name_);
    e.lines.insert(e.lines.end(), lines.begin(), lines.end());
    e.lines.push_back(sharedWordsLine(shared, total, shown, kNamed));
    if (const std::string winner = winnerLine(k.players, shown); !winner.empty())
        e.lines.push_back(winner);
    e.lines.push_back(t.kept->by == name_ ? translate("Room", "Scored by you from %n result(s).", nullptr, t.kept->counted)
                                          : fill(translate("Room", "Scored by %1 from %n result(s).", nullptr, t.kept->counted),
                                                 {show(t.kept->by)}));
    lastStandings_ = k.players;
    checkOwnLine(now, finders, e);
}

// This player's line against the words it sent: a difference means the
// standings were forged or broken on the way.
void RoomState::checkOwnLine(Millis now, const std::vector<std::size_t>& finders, Effects& e)
{
    Tracked& t = *round_;
    const Scored& s = *t.kept;
    const auto line = std::find_if(s.players.begin(), s.players.end(), [&](const Standing& p) { return p.name == name_; });
    t.lineMissing = t.sent && line == s.players.end();
    if (t.lineMissing) {
        // Not counted yet, perhaps: a scorer that hears it late publishes again.
        leftOutIfDue(now, e);
        return;
    }
    if (!t.sent)
        return;
    const std::set<std::string>* words = boardWordsOf(t);
    if (!words)
        return; // nothing to check them with
    const auto& board = *words;
    const std::set<std::string> mine(t.mine.begin(), t.mine.end());
    Standing expected{name_, 0, 0, 0};
    for (const auto& w : mine) {
        if (!board.count(w))
            continue;
        expected.score += static_cast<int>(w.size());
        const auto at = std::lower_bound(s.words.begin(), s.words.end(), w);
        if (at != s.words.end() && *at == w && finders[std::size_t(at - s.words.begin())] == 1) {
            expected.roomScore += static_cast<int>(w.size());
            ++expected.onlyTheirs;
        }
    }
    bool same = line->score == expected.score;
    if (!s.words.empty()) {
        // Who found what is in the message: this player's words must be as sent.
        std::set<std::string> listed;
        for (const std::size_t n : s.found[static_cast<std::size_t>(line - s.players.begin())])
            listed.insert(s.words[n]);
        std::set<std::string> counted;
        std::copy_if(mine.begin(), mine.end(), std::inserter(counted, counted.end()),
                     [&](const std::string& w) { return board.count(w) > 0; });
        same = same && listed == counted && line->roomScore == expected.roomScore && line->onlyTheirs == expected.onlyTheirs;
    }
    if (!same)
        e.lines.push_back(fill(translate("Room", "These standings are not what your words make (score %1, not %2; room "
                                                 "score %3, not %4): the message was forged or broken on the way."),
                               {std::to_string(expected.score), std::to_string(line->score),
                                std::to_string(expected.roomScore), std::to_string(line->roomScore)}));
}

// Standings without this player's line are what a scorer publishes before
// its results reach it: it publishes again when they come, and waits for
// results until kStandingsWait after the round's end. Standings that still
// lack the line kStandbyWait after that wait, and after the results went
// out, left it out: said, unless their scorer has gone and can publish no
// more.
void RoomState::leftOutIfDue(Millis now, Effects& e)
{
    if (!round_ || !round_->lineMissing || round_->resultsOut == 0 || now < round_->leftOutAt())
        return;
    round_->lineMissing = false;
    const std::string& by = round_->kept->by;
    if (by == name_ || here_.count(by))
        e.lines.push_back(translate("Room", "These standings leave out your words: the message was forged or broken on the way."));
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

std::vector<std::string> RoomState::findersOf(std::string_view word) const
{
    std::vector<std::string> out;
    if (!round_ || !round_->kept)
        return out;
    // Asked for every word of All Words: looked up in the message as it came.
    const Scored& s = *round_->kept;
    const auto at = std::lower_bound(s.words.begin(), s.words.end(), word);
    if (at == s.words.end() || *at != word)
        return out;
    const std::size_t n = static_cast<std::size_t>(at - s.words.begin());
    std::vector<const std::string*> names;
    for (std::size_t p = 0; p < s.players.size(); ++p)
        if (std::binary_search(s.found[p].begin(), s.found[p].end(), n))
            names.push_back(&s.players[p].name);
    std::sort(names.begin(), names.end(), [](const std::string* a, const std::string* b) { return *a < *b; });
    for (const std::string* name : names)
        out.push_back(show(*name));
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
            arrive(p->name, key, *p);
            if (!p->finished.empty())
                finished_[p->name] = p->finished;
            // Someone already here when this player came may be playing the
            // round, and so does someone who comes before it starts.
            if (round_ && !round_->kept && (retained || now < round_->round.start))
                round_->expected.insert(p->name);
            // Who is here already is said whole at each connection, however many.
            if (retained)
                e.lines.push_back(fill(translate("Room", "%1 is here."), {show(p->name)}));
            else
                roomLine(fill(translate("Room", "%1 joined the room."), {show(p->name)}), now, e);
            reconsider(now, e);
        } else if (here_.count(p->name)) {
            depart(p->name);
            roomLine(fill(translate("Room", "%1 left the room."), {show(p->name)}), now, e);
            if (round_ && !round_->results.count(p->name))
                round_->expected.erase(p->name);
            releaseIfDue(now, e);
            // The scorer gone before its standings are out: the next in order takes over.
            reconsider(now, e);
            scoreIfDue(now, e);
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
        roomLine(unverified(c->name) ? fill(translate("Room", "%1 (unverified): %2"), {show(c->name), show(c->text)})
                                     : show(c->name) + ": " + show(c->text),
                 now, e);
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
        const bool mineToo = rs->by == name_;
        const std::string by = show(rs->by);
        if (retained && rs->start <= now) {
            // Kept from before this player came: under way.
            if (playing())
                return e;
            roomLine(fill(mineToo ? translate("Room", "Your %2 is under way (%3 left): you play the next one.")
                                  : translate("Room", "%1's %2 is under way (%3 left): you play the next one."),
                          {by, minutesText(rs->minutes), clockText(rs->start + length - now)}),
                     now, e);
            track(*rs, false, now, e);
            return e;
        }
        if (playing() || localBusy) {
            // A round under way is never interrupted; said once for it,
            // however many rounds are started meanwhile.
            if (!saidBusy_)
                roomLine(fill(mineToo ? translate("Room", "You started a %2; yours is under way: you play the next one.")
                                      : translate("Room", "%1 started a %2; yours is under way: you play the next one."),
                              {by, minutesText(rs->minutes)}),
                         now, e);
            saidBusy_ = true;
            if (!playing())
                track(*rs, false, now, e);
            return e;
        }
        saidBusy_ = false;
        // The next round comes before the last one's standings here (the
        // starter had every result first): show them with what came in.
        showIfDue(now, e);
        RoundStart mine = *rs;
        const Millis ahead = rs->start - now;
        if (ahead < -kTolerance || ahead > kLead + kTolerance)
            mine.start = now + kLead; // the starter's clock or this one is off
        const auto board = boardOf(mine.letters, *wordlist::findLanguage(mine.language));
        e.start = RoundPlan{mine.id, *board, mine.minutes, mine.start, mine.by, mine.language, mine.help};
        const std::string language = languageOf(mine.language);
        if (language.empty())
            roomLine(fill(mineToo ? translate("Room", "You started a %2.") : translate("Room", "%1 started a %2."),
                          {by, minutesText(mine.minutes)}),
                     now, e);
        else
            roomLine(fill(mineToo ? translate("Room", "You started a %2 in %3.")
                                  : translate("Room", "%1 started a %2 in %3."),
                          {by, minutesText(mine.minutes), language}),
                     now, e);
        track(std::move(mine), true, now, e);
        return e;
    }

    if (auto* res = std::get_if<Results>(&*r.message)) {
        // Another round's, or read by a player who does not score (a
        // scorer reads late ones too, and publishes again).
        if (!round_ || res->round != round_->round.id || !round_->scoring)
            return e;
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
        scoreIfDue(now, e);
        return e;
    }

    if (auto* st = std::get_if<Scored>(&*r.message)) {
        // From a scorer here (the broker's may come before its "here"), signed
        // with the name's key when it has one.
        if (!retained && st->by != name_ && !here_.count(st->by)) {
            count(Ignored::absent);
            return e;
        }
        if (!verified(*st, st->by, st->sig))
            return e;
        if (round_ && st->round == round_->round.id) {
            keep(std::move(*st), now, e);
        } else if (retained && shownOther_.empty() && !(round_ && round_->kept)) {
            // The last round's, kept from before this player came.
            shownOther_ = st->round;
            const auto lines = standingsLines(st->players, [this](std::string_view n) { return show(n); }, name_);
            e.lines.insert(e.lines.end(), lines.begin(), lines.end());
            e.lines.push_back(fill(translate("Room", "Scored by %1 from %n result(s).", nullptr, st->counted),
                                   {show(st->by)}));
        }
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
    const std::string name = languageOf(r.language);
    e.lines.push_back(name.empty() ? fill(translate("Room", "You start a %1."), {minutesText(minutes)})
                                   : fill(translate("Room", "You start a %1 in %2."), {minutesText(minutes), name}));
    track(r, true, now, e);
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
        // Others would ignore it whole: the shortest words go, as many as
        // needed, so that what is left scores the most.
        std::stable_sort(mine.words.begin(), mine.words.end(),
                         [](const std::string& a, const std::string& b) { return a.size() > b.size(); });
        while (out.payload.size() > kMaxMessageBytes) {
            mine.words.pop_back();
            out = send(mine);
        }
    }
    round_->mine = mine.words;
    round_->sent = true;
    if (round_->scoring)
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
    scoreIfDue(now, e);
    showIfDue(now, e);
    return e;
}

RoomState::Effects RoomState::tick(Millis now)
{
    Effects e;
    releaseIfDue(now, e);
    reconsider(now, e);
    scoreIfDue(now, e);
    showIfDue(now, e);
    leftOutIfDue(now, e);
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
