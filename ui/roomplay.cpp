#include "roomplay.h"

#include "application.h"
#include "hostedbroker.h"
#include "languageload.h"
#include "report.h"
#include "roomlink.h"
#include "sodiumapi.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QRandomGenerator>
#include <QResource>
#include <QSettings>
#include <QStyle>
#include <QStyleOptionViewItem>
#include <QTimer>

namespace golexorb {

namespace {

using game::room::Millis;

// The list's own options for measuring a line, which QListView keeps to itself.
struct ListAccess : QListWidget {
    using QListWidget::initViewItemOption;
};

Millis now()
{
    return QDateTime::currentMSecsSinceEpoch();
}

// The block rules the word list was made with, embedded for the chat.
game::room::Masker masker()
{
    const auto text = [](const char* name) {
        return QResource(QStringLiteral(":/blocklist/") + QLatin1String(name)).uncompressedData();
    };
    const QByteArray words = text("blocklist.txt"), stems = text("blockstems.txt"), allowed = text("blockallow.txt");
    const auto view = [](const QByteArray& b) { return std::string_view(b.constData(), std::size_t(b.size())); };
    return game::room::Masker(view(words), view(stems), view(allowed));
}

// A token for this player's account, made once: a namesake in a room is
// told apart by it, and this player's own messages of an earlier run are not.
std::string sessionToken(QSettings& settings)
{
    QString token = settings.value(QStringLiteral("room/session")).toString();
    if (!game::room::validId(token.toStdString()) || token.size() < 8) {
        token = QString::number(QRandomGenerator::system()->generate64(), 36);
        settings.setValue(QStringLiteral("room/session"), token);
    }
    return token.toStdString();
}

} // namespace

RoomPlay::RoomPlay(RoomWindow* window, ChatWidgets chat)
    : QObject(nullptr)
    , window_(window)
    , chat_(chat.chatlst)
    , sendtxt_(chat.sendtxt)
    , sendLabel_(chat.send)
    , startTimer_(new QTimer(this))
    , deadlineTimer_(new QTimer(this))
{
    startTimer_->setSingleShot(true);
    startTimer_->setTimerType(Qt::PreciseTimer); // every board starts at the same moment
    connect(startTimer_, &QTimer::timeout, this, &RoomPlay::beginPlannedRound);
    deadlineTimer_->setSingleShot(true);
    connect(deadlineTimer_, &QTimer::timeout, this, [this] {
        if (state_)
            apply(state_->tick(now()));
    });
}

RoomPlay::~RoomPlay()
{
    shutDown();
}

void RoomPlay::shutDown()
{
    leave();
    if (host_)
        host_->stop();
}

RoomPlay::Remembered RoomPlay::remembered()
{
    const QSettings s = golexorb::playerSettings();
    return {s.value(QStringLiteral("room/server")).toString(), s.value(QStringLiteral("room/room")).toString(),
            s.value(QStringLiteral("room/name")).toString()};
}

QString RoomPlay::server() const
{
    const QString full = QString::fromStdString(request_.address.text());
    return full.left(full.lastIndexOf(QLatin1Char('/')));
}

bool RoomPlay::join(const Request& request, QString* why)
{
    const std::string name = request.name.toStdString();
    if (!game::room::validName(name)) {
        *why = QCoreApplication::translate("Room", "A name is 1 to 20 characters, no / + or #, no space at either end, nothing invisible.");
        return false;
    }
    leave();
    QSettings settings = golexorb::playerSettings();
    QString unsigned_;
    auto signing = roomSigning(settings, &unsigned_);
    auto state = std::make_unique<game::room::RoomState>(
        request.address.room, name, masker(), [this](const game::Board& board, const wordlist::Language& language) {
            return window_->wordsOnBoard(board, language);
        },
        game::room::Session{sessionToken(settings), now()}, std::move(signing));
    auto* link = new RoomLink(this);
    // A password typed into the address serves when the password box is
    // empty; from here on it is kept apart from the address.
    RoomLink::Settings s{request.address,
                         request.password.isEmpty() ? QByteArray::fromStdString(request.address.password) : request.password,
                         state->will(), game::room::subscriptions(request.address.room)};
    s.address.password.clear();
    connect(link, &RoomLink::connected, this, &RoomPlay::linkConnected);
    connect(link, &RoomLink::failed, this, &RoomPlay::linkFailed);
    connect(link, &RoomLink::arrived, this, &RoomPlay::linkArrived);
    if (!link->start(s, why)) {
        delete link;
        *why = QCoreApplication::translate("Room", "Rooms need the MQTT library: %1").arg(*why);
        return false;
    }
    state_ = std::move(state);
    link_ = link;
    request_ = request;
    request_.address = s.address;
    request_.password = s.password;
    everConnected_ = false;
    outage_ = false;
    yielding_ = false;
    notice_.clear();

    settings.setValue(QStringLiteral("room/server"), server());
    settings.setValue(QStringLiteral("room/room"), QString::fromStdString(request.address.room));
    settings.setValue(QStringLiteral("room/name"), request.name);

    wasMultiplayerHeight_ = window_->multiplayerHeight();
    window_->setMultiplayerHeight(true);
    setChatAlive(true);
    line(QCoreApplication::translate("Room", "Joining room %1 on %2 as %3...")
             .arg(QString::fromStdString(request.address.room), server(), QString::fromStdString(state_->name())));
    if (!unsigned_.isEmpty())
        line(QCoreApplication::translate("Room", "Your lines go unsigned, and others' are not checked: %1.").arg(unsigned_));
    return true;
}

void RoomPlay::leave()
{
    leave(true);
}

void RoomPlay::leave(bool sayGoodbye)
{
    if (!state_)
        return;
    startTimer_->stop();
    deadlineTimer_->stop();
    plan_.reset();
    // A clean disconnect leaves no will behind: without the goodbye the
    // name's "here" on the broker stays as it is.
    const auto goodbye = state_->leaving();
    link_->stop(sayGoodbye ? std::optional(goodbye.publish.front()) : std::nullopt);
    delete link_;
    link_ = nullptr;
    state_.reset();
    request_.password.clear();
    roomBoard_.reset();
    rematch_ = false;
    setChatAlive(false);
    if (!wasMultiplayerHeight_)
        window_->setMultiplayerHeight(false);
    emit changed();
}

bool RoomPlay::connected() const
{
    return link_ && link_->isConnected();
}

QString RoomPlay::status() const
{
    if (!state_)
        return {};
    return (connected() ? QCoreApplication::translate("Room", "In room %1 on %2 as %3.")
                        : QCoreApplication::translate("Room", "In room %1 on %2 as %3 (not connected: trying again)."))
        .arg(QString::fromStdString(state_->room()), server(), QString::fromStdString(state_->name()));
}

// The lower area: alive in a room; otherwise the single line "chatlst" and
// an empty box, as designed, with nothing listening.
void RoomPlay::setChatAlive(bool alive)
{
    chat_->clear();
    sendtxt_->clear();
    if (alive) {
        // The session's lines so far: leaving and joining again keeps them.
        batch_ = true;
        for (const QString& text : std::as_const(history_))
            addLine(text);
        batch_ = false;
        sendtxt_->installEventFilter(this);
        sendLabel_->installEventFilter(this);
        sendLabel_->setCursor(Qt::PointingHandCursor);
        sendtxt_->setMaxLength(int(game::room::kMaxChatChars));
        chat_->setWordWrap(true); // a long line wraps rather than scrolls sideways
    } else {
        chat_->setWordWrap(false);
        sendtxt_->removeEventFilter(this);
        sendLabel_->removeEventFilter(this);
        sendLabel_->unsetCursor();
        sendtxt_->setMaxLength(32767);
        chat_->addItem(QStringLiteral("chatlst"));
    }
}

bool RoomPlay::eventFilter(QObject* watched, QEvent* event)
{
    // Return sends, and goes no further: the window's own Return is "Add".
    if (watched == sendtxt_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            send();
            return true;
        }
    }
    if (watched == sendLabel_ && event->type() == QEvent::MouseButtonRelease) {
        const auto* e = static_cast<QMouseEvent*>(event);
        if (e->button() == Qt::LeftButton && sendLabel_->rect().contains(e->position().toPoint())) {
            send();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

void RoomPlay::line(const QString& text)
{
    history_.append(text);
    while (history_.size() > kMaxChatLines)
        history_.removeFirst();
    addLine(text);
    // Heard as it is shown; who was already here, said whole at each
    // connection, is heard as a count instead, and the standings by their
    // winner line.
    // The lines are known by their translated patterns: the text after a
    // name that is here, the standings' heading as a whole.
    const bool ranked = !text.isEmpty() && text[0].isDigit() && text.contains(QLatin1String(". "));
    const QString here = QCoreApplication::translate("Room", "%1 is here.");
    const QString hereEnd = here.mid(here.indexOf(QLatin1String("%1")) + 2);
    const QString heading =
        QCoreApplication::translate("Room", "Standings (a word two or more found scores nothing in the room score):");
    if (batch_ && here.startsWith(QLatin1String("%1")) && text.endsWith(hereEnd))
        ++hereUnsaid_;
    else if (!ranked && text != heading)
        window_->say(text.toStdString());
}

void RoomPlay::addLine(const QString& text)
{
    // Items of a list are plain text: nothing from the network is read as markup.
    auto* item = new QListWidgetItem(text);
    chat_->addItem(item);
    // Measured once, as the list measures its lines: left to the list, every
    // new line had all the others measured again, 30 ms with 500 wrapped lines.
    QStyleOptionViewItem option;
    (chat_->*(&ListAccess::initViewItemOption))(&option);
    // The width the lines have with the scroll bar there, whether it is yet
    // or not: a line measured wider would lose its last row once it comes.
    option.rect = QRect(0, 0, chat_->contentsRect().width() - chat_->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, chat_), 1);
    item->setSizeHint(chat_->itemDelegate()->sizeHint(option, chat_->indexFromItem(item)));
    while (chat_->count() > kMaxChatLines)
        delete chat_->takeItem(0);
    if (!batch_)
        chat_->scrollToBottom();
}

void RoomPlay::send()
{
    if (!state_)
        return;
    const auto out = state_->chat(sendtxt_->text().toStdString());
    if (!out)
        return;
    if (!link_->publish(*out)) {
        line(QCoreApplication::translate("Room", "Not connected: the line was not sent."));
        return;
    }
    sendtxt_->clear();
}

void RoomPlay::apply(game::room::RoomState::Effects effects)
{
    if (effects.nameTaken) {
        // Out of the link's signal first: leaving deletes the link.
        yielding_ = true;
        QMetaObject::invokeMethod(this, &RoomPlay::yieldName, Qt::QueuedConnection);
        return;
    }
    for (const auto& l : effects.lines)
        line(QString::fromStdString(l));
    for (const auto& f : effects.unsubscribe)
        link_->unsubscribe(f);
    for (const auto& f : effects.subscribe)
        link_->subscribe(f);
    for (const auto& m : effects.publish)
        link_->publish(m);
    if (effects.start) {
        rematch_ = false; // a round is coming: the rematch, whoever started it
        const wordlist::Language& language = *wordlist::findLanguage(effects.start->language);
        const QByteArray blockText = golexorb::LanguageLoader::blockText(language);
        state_->setChatLanguage(language, std::string_view(blockText.constData(), std::size_t(blockText.size())));
        if (!window_->languageInstalled(language)) {
            // Nothing to play it with: this board watches the round.
            line(QCoreApplication::translate("Room", "That round is in %1, whose word list is not installed here (%2): you watch this one.")
                     .arg(QString::fromUtf8(language.name.data(), qsizetype(language.name.size())),
                          golexorb::LanguageLoader::installLine(language)));
            state_->roundSkipped(effects.start->id);
        } else {
            // Read in the lead before the start; from the cache that takes a moment.
            window_->loadLanguage(language);
            plan_ = std::move(effects.start);
            const Millis wait = std::clamp<Millis>(plan_->start - now(), 0, 60'000);
            startTimer_->start(int(wait));
            // 3, 2, 1 in the chat list before the board shows.
            for (int second = 3; second >= 1; --second)
                if (wait >= second * 1000 - 250)
                    QTimer::singleShot(int(std::max<Millis>(0, wait - second * 1000)), this, [this, second, id = plan_->id] {
                        if (plan_ && plan_->id == id)
                            countdown(second);
                    });
        }
    }
    armDeadline();
    emit changed();
    rematchIfDue();
}

void RoomPlay::countdown(int second)
{
    line(QStringLiteral("%1...").arg(second));
}

void RoomPlay::armDeadline()
{
    deadlineTimer_->stop();
    if (!state_)
        return;
    if (const auto at = state_->nextDeadline())
        deadlineTimer_->start(int(std::clamp<Millis>(*at - now(), 0, 24 * 3600'000)));
}

void RoomPlay::beginPlannedRound()
{
    if (!plan_ || !state_)
        return;
    const auto plan = *plan_;
    const wordlist::Language& language = *wordlist::findLanguage(plan.language);
    if (!window_->languageLoaded(language) && plan.secondsLeft(now()) > 0) {
        // Its words are still being read (the first time, from the list):
        // the round starts when they are in, with the time the others have left.
        window_->loadLanguage(language);
        startTimer_->start(200);
        return;
    }
    plan_.reset();
    // A board that got the message late starts with the time the others have left.
    if (window_->startRoomRound(plan.letters, plan.minutes, plan.secondsLeft(now()), language)) {
        roomBoard_ = plan.letters;
        window_->setHelpAllowed(plan.help);
    }
    else
        state_->roundSkipped(plan.id);
    armDeadline();
    emit changed();
}

bool RoomPlay::sharedRoundRunning() const
{
    return state_ && state_->playing() && window_->roundRunning();
}

void RoomPlay::refusePause()
{
    line(QCoreApplication::translate("Room", "A shared round can't be paused: it goes on for everyone."));
}

bool RoomPlay::hosting() const
{
    return host_ && host_->running();
}

int RoomPlay::othersHere() const
{
    return state_ ? int(state_->playersHere().size()) : 0;
}

QString RoomPlay::friendsAddress() const
{
    if (!state_)
        return {};
    const QString host = QString::fromStdString(request_.address.host);
    const bool loopback = host == QLatin1String("127.0.0.1") || host == QLatin1String("localhost")
                          || host == QLatin1String("[::1]");
    if (loopback && hosting()) {
        // Friends reach this computer by its address on the network.
        const QStringList ips = HostedBroker::networkAddresses();
        if (!ips.isEmpty()) {
            game::room::Address a = request_.address;
            a.host = ips.first().contains(QLatin1Char(':')) ? ('[' + ips.first() + ']').toStdString()
                                                              : ips.first().toStdString();
            a.user.clear();
            return QString::fromStdString(a.text());
        }
    }
    return QString::fromStdString(request_.address.text());
}

void RoomPlay::startGame()
{
    if (!state_ || state_->playing() || window_->roundRunning())
        return;
    const int minutes = window_->pickedMinutes();
    if (minutes < 1) {
        line(QCoreApplication::translate("Room", "Pick a Game Time first: a room's round lasts 1 to 10 minutes."));
        return;
    }
    startWith(minutes);
}

void RoomPlay::playAgain()
{
    if (!state_)
        return;
    if (state_->lastMinutes() < 1) {
        line(QCoreApplication::translate("Room", "No round yet to play again: Start Game starts one."));
        return;
    }
    rematch_ = true;
    if (state_->roundUnderWay(now()) || state_->playing() || window_->roundRunning())
        line(QCoreApplication::translate("Room", "Play again: the next %n-minute round starts when every player has "
                                                 "finished.", nullptr, state_->lastMinutes()));
    emit changed();
    rematchIfDue();
}

void RoomPlay::rematchIfDue()
{
    if (!rematch_ || !state_ || state_->roundUnderWay(now()) || state_->playing() || window_->roundRunning())
        return;
    rematch_ = false;
    startWith(state_->lastMinutes());
}

void RoomPlay::startWith(int minutes)
{
    if (state_->roundUnderWay(now())) {
        line(QCoreApplication::translate("Room", "A round is under way in the room: the next one starts when every "
                                                 "player has finished it, or its time is up."));
        return;
    }
    if (!connected()) {
        line(QCoreApplication::translate("Room", "Not connected: the round cannot reach the room."));
        return;
    }
    const QByteArray id = QByteArray::number(QRandomGenerator::system()->generate64(), 36).left(10);
    apply(state_->startRound(window_->drawRoomLetters(), minutes, id.toStdString(), now(), window_->boardLanguage(),
                             window_->helpInRoomRounds()));
}

void RoomPlay::roundEnded()
{
    if (!state_ || !state_->playing())
        return;
    apply(state_->roundEnded(window_->acceptedWords(), now()));
}

void RoomPlay::addFinders(game::Report& report) const
{
    if (!state_ || !roomBoard_ || report.d != *roomBoard_)
        return;
    for (auto& w : report.allwords)
        w.finders = state_->findersOf(w.word);
}

void RoomPlay::linkConnected()
{
    if (!state_)
        return;
    if (!everConnected_)
        line(QCoreApplication::translate("Room", "You joined room %1 on %2 as %3. Friends join with %4")
                 .arg(QString::fromStdString(state_->room()), server(), QString::fromStdString(state_->name()),
                      friendsAddress()));
    else if (outage_)
        line(QCoreApplication::translate("Room", "Connected to %1 again.").arg(server()));
    everConnected_ = true;
    outage_ = false;
    apply(state_->connected(now()));
}

void RoomPlay::linkFailed(const QString& why)
{
    if (!state_ || outage_)
        return; // said once; the link keeps trying
    outage_ = true;
    QString reason = why;
    while (reason.endsWith(QLatin1Char('.')))
        reason.chop(1);
    line((everConnected_ ? QCoreApplication::translate("Room", "Lost the connection to %1: %2. Playing on alone; trying again.")
                         : QCoreApplication::translate("Room", "Cannot reach %1: %2. Playing on alone; trying again."))
             .arg(server(), reason));
}

void RoomPlay::yieldName()
{
    if (!state_ || !yielding_)
        return;
    const QString name = QString::fromStdString(state_->name());
    leave(false);
    notice_ = QCoreApplication::translate("Room", "Someone in this room already goes by %1: choose another name, then Join.").arg(name);
    emit nameTaken();
}

// What waited: all of it at once (the link's queue is short), its lines
// added together and the list scrolled once.
void RoomPlay::linkArrived()
{
    if (!state_ || !link_)
        return;
    int dropped = 0;
    const auto waiting = link_->take(&dropped);
    batch_ = true;
    if (dropped > 0)
        apply(state_->overflowed(dropped, now()));
    for (const auto& m : waiting)
        linkMessage(m.topic, m.payload, m.retained);
    batch_ = false;
    chat_->scrollToBottom();
    if (hereUnsaid_ > 0)
        window_->say(QCoreApplication::translate("Room", "%n player(s) here already.", nullptr, hereUnsaid_).toStdString());
    hereUnsaid_ = 0;
}

void RoomPlay::linkMessage(const QByteArray& topic, const QByteArray& payload, bool retained)
{
    if (!state_ || yielding_)
        return;
    const bool busy = window_->roundRunning() && !state_->playing();
    apply(state_->receive(std::string_view(topic.constData(), std::size_t(topic.size())),
                          std::string_view(payload.constData(), std::size_t(payload.size())), retained, busy, now()));
}

HostedBroker* RoomPlay::host()
{
    if (!host_)
        host_ = new HostedBroker(this);
    return host_;
}

} // namespace golexorb
