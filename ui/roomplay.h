#pragma once
// The main window in a room: the lower area comes alive (the chat list
// shows who joined and left, the chat, the rounds and the standings;
// Return in the text box or "Send" sends), Start Game starts a round for the
// whole room, and each round's words go to the room when it ends. Outside
// a room the lower area is exactly as designed and nothing here touches it.
//
// The room's rules live in game::room::RoomState; the connection in
// RoomLink. This class carries messages between them and the window, and
// keeps the clock: a round starts at the time its message names.

#include "roomstate.h"
#include "roomwindow.h"

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>
#include <utility>

class QLabel;
class QLineEdit;
class QListWidget;
class QTimer;

namespace game {
struct Report;
}

namespace golexorb {

class HostedBroker;
class RoomLink;

class RoomPlay : public QObject {
    Q_OBJECT
public:
    // The main window's lower area: the chat list "chatlst", the text box
    // "sendtxt" and the "Send" label.
    struct ChatWidgets {
        QListWidget* chatlst;
        QLineEdit* sendtxt;
        QLabel* send;
    };
    // Owned by the window, and gone before its widgets are.
    RoomPlay(RoomWindow* window, ChatWidgets chat);
    ~RoomPlay() override;
    // Leaves the room and stops the broker this computer hosts: the game closes.
    void shutDown();

    struct Request {
        game::room::Address address;
        QString name;
        QByteArray password; // kept in memory for trying again, never written
    };
    // Joins the room, leaving any other first; false, with the reason, when
    // the name or the network library will not do. Remembers the server,
    // the room and the name (not the password) in the player's settings.
    bool join(const Request& request, QString* why);
    // Says goodbye and puts the lower area back as designed.
    void leave();
    // Why the room was last left without the player asking, once ("" if
    // it was not): what the Play Together window shows.
    QString takeNotice() { return std::exchange(notice_, QString()); }
    bool inRoom() const { return state_ != nullptr; }
    bool connected() const;
    // "In room den on example.org as Ann", or "" outside a room.
    QString status() const;
    const game::room::RoomState* state() const { return state_.get(); }
    const Request& request() const { return request_; }
    // The address joined, without the room: what the Play Together window shows.
    QString server() const;

    // Start Game in the room: a round for everyone, with this player's Game
    // Time; while the room's round is on, says why not.
    void startGame();
    // "Play again": a round of the last one's length, started as soon as
    // every player has finished the one under way (at once if none is).
    void playAgain();
    bool rematchWaiting() const { return rematch_; }
    // Whether this board plays the room's round now.
    bool sharedRoundRunning() const;
    // F6 or Pause in a shared round: says that it goes on.
    void refusePause();
    // The address to give friends: the room's, or, on the broker this
    // computer hosts, the one the network reaches; "" outside a room.
    QString friendsAddress() const;
    // Whether this computer hosts the room's broker, and how many others
    // are in the room.
    bool hosting() const;
    int othersHere() const;
    // This board's round ended: its words go to the room.
    void roundEnded();
    // Who found each word, when the report is of the room's last round.
    void addFinders(game::Report& report) const;

    // The broker this computer hosts, made at the first use.
    HostedBroker* host();

    // Lines the chat list may hold; the oldest go first.
    static constexpr int kMaxChatLines = 500;

    // The last server, room and name joined with, from the player's settings.
    struct Remembered {
        QString server, room, name;
    };
    static Remembered remembered();

signals:
    // The room was left because someone there already goes by this name.
    void nameTaken();
    // Who is here or what they do may have changed.
    void changed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void linkConnected();
    void linkFailed(const QString& why);
    void linkArrived();
    void linkMessage(const QByteArray& topic, const QByteArray& payload, bool retained);
    void send();
    void apply(game::room::RoomState::Effects effects);
    void line(const QString& text);
    void addLine(const QString& text);
    void countdown(int second);
    void startWith(int minutes);
    void rematchIfDue();
    void beginPlannedRound();
    void armDeadline();
    void setChatAlive(bool alive);
    void leave(bool sayGoodbye);
    void yieldName();

    RoomWindow* window_;
    QListWidget* chat_;
    QLineEdit* sendtxt_;
    QLabel* sendLabel_;
    std::unique_ptr<game::room::RoomState> state_;
    RoomLink* link_ = nullptr;
    Request request_;
    std::optional<game::room::RoundPlan> plan_;
    QTimer* startTimer_;
    QTimer* deadlineTimer_;
    bool everConnected_ = false;
    bool outage_ = false;
    bool wasMultiplayerHeight_ = false; // before joining
    std::optional<game::Board> roomBoard_; // the board of the last room round this board played
    HostedBroker* host_ = nullptr;
    bool yielding_ = false; // the name is taken: leaving, deaf to the room
    bool batch_ = false; // handling what arrived: the list scrolls once, at its end
    QString notice_;
    QStringList history_; // the chat list of this session, kept across leaving and joining
    bool rematch_ = false;
    int hereUnsaid_ = 0; // "is here" lines of a batch, said as a count
};

} // namespace golexorb
