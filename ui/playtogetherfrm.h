#pragma once
// "Play Together": the server, the room and the player's name, with Join
// and Leave; a password when the server asks for one (kept in memory only);
// and "Host on this computer", which runs a broker here and says the
// address to give friends. In a room it also shows the room at a glance,
// left open beside the main window: who is here and what each is doing,
// with the last round's room scores; the address with Copy; and Play again.

#include <QDialog>
#include <QString>

#include <memory>

namespace Ui {
class playtogetherfrm;
}

namespace golexorb {
class RoomPlay;
}

class PlayTogetherFrm : public QDialog {
    Q_OBJECT
public:
    PlayTogetherFrm(golexorb::RoomPlay* room, QWidget* parent = nullptr);
    ~PlayTogetherFrm() override;

public slots:
    void onJoinClicked();
    void onLeaveClicked();
    void onHostClicked();
    void onCopyClicked();
    void onAgainClicked();

    // Places the window beside `main`, on the side the screen has room on.
    void placeBeside(QWidget* main);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void showState();
    void showHost();
    void showRoom();

    std::unique_ptr<Ui::playtogetherfrm> ui;
    golexorb::RoomPlay* room_;
    QString notice_; // why the room was left, if it was left unasked
};
