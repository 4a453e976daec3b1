#pragma once
// "Play Together": the server, the room and the player's name, with Join
// and Leave; a password when the server asks for one (kept in memory only);
// and "Host on this computer", which runs a broker here and says the
// address to give friends.

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

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void showState();
    void showHost();

    std::unique_ptr<Ui::playtogetherfrm> ui;
    golexorb::RoomPlay* room_;
    QString notice_; // why the room was left, if it was left unasked
};
