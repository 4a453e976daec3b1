#include "playtogetherfrm.h"
#include "ui_playtogetherfrm.h"

#include "application.h"
#include "hostedbroker.h"
#include "room.h"
#include "roomplay.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QDateTime>
#include <QGuiApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QTimer>

#include <algorithm>
#include <map>
#include <QPainter>

namespace {
constexpr int kWidth = 233, kHeight = 400, kRoomHeight = 588;
} // namespace

PlayTogetherFrm::PlayTogetherFrm(golexorb::RoomPlay* room, QWidget* parent)
    : QDialog(parent)
    , ui(std::make_unique<Ui::playtogetherfrm>())
    , room_(room)
    , notice_(room->takeNotice())
{
    ui->setupUi(this);
    golexorb::setUpDialog(this);
    setFixedSize(kWidth, kHeight);
    if (parent)
        move(parent->geometry().topLeft() + QPoint((parent->width() - kWidth) / 2, 40));
    connect(ui->joinbtn, &ClickLabel::clicked, this, &PlayTogetherFrm::onJoinClicked);
    connect(ui->leavebtn, &ClickLabel::clicked, this, &PlayTogetherFrm::onLeaveClicked);
    connect(ui->hostbtn, &ClickLabel::clicked, this, &PlayTogetherFrm::onHostClicked);
    connect(ui->copybtn, &ClickLabel::clicked, this, &PlayTogetherFrm::onCopyClicked);
    connect(ui->againbtn, &ClickLabel::clicked, this, &PlayTogetherFrm::onAgainClicked);
    connect(room_, &golexorb::RoomPlay::changed, this, &PlayTogetherFrm::showState);
    // What each player is doing changes with the clock too.
    auto* refresh = new QTimer(this);
    refresh->setInterval(1000);
    connect(refresh, &QTimer::timeout, this, [this] {
        if (room_->inRoom())
            showRoom();
    });
    refresh->start();
    for (QLineEdit* edit : {ui->servertxt, ui->roomtxt, ui->nametxt, ui->passwordtxt})
        connect(edit, &QLineEdit::returnPressed, this, &PlayTogetherFrm::onJoinClicked);

    if (room_->inRoom()) {
        const auto& r = room_->request();
        ui->servertxt->setText(room_->server());
        ui->roomtxt->setText(QString::fromStdString(r.address.room));
        ui->nametxt->setText(r.name);
    } else {
        const auto last = golexorb::RoomPlay::remembered();
        ui->servertxt->setText(last.server);
        ui->roomtxt->setText(last.room);
        QString name = last.name;
        if (name.isEmpty() && game::room::validName(qEnvironmentVariable("USER").toStdString()))
            name = qEnvironmentVariable("USER");
        ui->nametxt->setText(name);
    }
    QLineEdit* first = ui->servertxt->text().isEmpty() ? ui->servertxt
                       : ui->roomtxt->text().isEmpty() ? ui->roomtxt
                                                       : ui->nametxt;
    first->setFocus();
    if (first == ui->nametxt && !notice_.isEmpty())
        ui->nametxt->selectAll(); // the name was taken: typing replaces it
    showState();
    showHost();
}

PlayTogetherFrm::~PlayTogetherFrm() = default;

void PlayTogetherFrm::showState()
{
    const bool in = room_->inRoom();
    for (QWidget* w : std::initializer_list<QWidget*>{ui->Label5, ui->playerslst, ui->Label6, ui->addresstxt, ui->copybtn,
                                                      ui->againbtn})
        w->setVisible(in);
    setFixedSize(kWidth, in ? kRoomHeight : kHeight);
    if (in)
        showRoom();
    ui->leavebtn->setEnabled(room_->inRoom());
    QString status = room_->inRoom() ? room_->status() : notice_;
    if (status.isEmpty())
        status = QCoreApplication::translate("PlayTogether", "Not in a room: you play alone.");
    ui->statustxt->setText(status);
}

void PlayTogetherFrm::showRoom()
{
    const auto* state = room_->state();
    if (!state)
        return;
    using Doing = game::room::RoomState::Doing;
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    std::map<std::string, int> last;
    if (const auto& s = state->lastStandings())
        for (const auto& p : *s)
            last[p.name] = p.roomScore;
    std::vector<std::string> names = state->playersHere();
    names.insert(names.begin(), state->name());
    QStringList lines;
    for (const auto& n : names) {
        const Doing d = state->doing(n, now);
        // Whole lines for each case, as the player's language puts them.
        const bool you = n == state->name();
        const QString name = QString::fromStdString(n);
        const auto it = last.find(n);
        const char* pattern = nullptr;
        if (it == last.end())
            pattern = d == Doing::playing  ? (you ? QT_TRANSLATE_NOOP("PlayTogether", "%1 (you): playing")
                                                  : QT_TRANSLATE_NOOP("PlayTogether", "%1: playing"))
                    : d == Doing::finished ? (you ? QT_TRANSLATE_NOOP("PlayTogether", "%1 (you): finished")
                                                  : QT_TRANSLATE_NOOP("PlayTogether", "%1: finished"))
                                           : (you ? QT_TRANSLATE_NOOP("PlayTogether", "%1 (you): watching")
                                                  : QT_TRANSLATE_NOOP("PlayTogether", "%1: watching"));
        else
            pattern = d == Doing::playing  ? (you ? QT_TRANSLATE_NOOP("PlayTogether", "%1 (you): playing, %2 last round")
                                                  : QT_TRANSLATE_NOOP("PlayTogether", "%1: playing, %2 last round"))
                    : d == Doing::finished ? (you ? QT_TRANSLATE_NOOP("PlayTogether", "%1 (you): finished, %2 last round")
                                                  : QT_TRANSLATE_NOOP("PlayTogether", "%1: finished, %2 last round"))
                                           : (you ? QT_TRANSLATE_NOOP("PlayTogether", "%1 (you): watching, %2 last round")
                                                  : QT_TRANSLATE_NOOP("PlayTogether", "%1: watching, %2 last round"));
        QString text = QCoreApplication::translate("PlayTogether", pattern).arg(name);
        if (it != last.end())
            text = text.arg(it->second);
        lines << text;
    }
    // Rebuilt only when it changed, so the selection and the screen
    // reader's place in the list stay.
    bool same = ui->playerslst->count() == lines.size();
    for (int i = 0; same && i < lines.size(); ++i)
        same = ui->playerslst->item(i)->text() == lines[i];
    if (!same) {
        const int row = ui->playerslst->currentRow();
        ui->playerslst->clear();
        ui->playerslst->addItems(lines);
        ui->playerslst->setCurrentRow(std::min(row, int(lines.size()) - 1));
    }
    const QString address = room_->friendsAddress();
    if (ui->addresstxt->text() != address)
        ui->addresstxt->setText(address);
    ui->againbtn->setText(room_->rematchWaiting() ? QCoreApplication::translate("PlayTogether", "Play again (waiting)")
                                                : QCoreApplication::translate("PlayTogether", "Play again"));
}

void PlayTogetherFrm::placeBeside(QWidget* main)
{
    const QRect area = golexorb::screenArea();
    const QRect frame = main->frameGeometry();
    const int width = kWidth + 6;
    int x = frame.right() + 1 + 4;
    if (x + width > area.right() + 1)
        x = std::max(area.left(), frame.left() - 4 - width);
    const int y = std::clamp(frame.top(), area.top(), std::max(area.top(), area.bottom() + 1 - 29 - 3 - kRoomHeight));
    move(x, y);
}

void PlayTogetherFrm::onCopyClicked()
{
    QGuiApplication::clipboard()->setText(ui->addresstxt->text());
    ui->statustxt->setText(QCoreApplication::translate("PlayTogether", "The address is on the clipboard: give it to your friends."));
}

void PlayTogetherFrm::onAgainClicked()
{
    room_->playAgain();
    showRoom();
}

void PlayTogetherFrm::showHost()
{
    golexorb::HostedBroker* host = room_->host();
    if (!host->running())
        return;
    const QString room = ui->roomtxt->text().trimmed();
    if (room.isEmpty()) {
        // No placeholder passes for a room's name: friends would join it.
        ui->hosttxt->setText(QCoreApplication::translate("PlayTogether", "Hosting on port %1. Type a room's name to see the address to give friends.")
                                 .arg(host->port()));
        return;
    }
    QStringList addresses;
    for (const QString& ip : golexorb::HostedBroker::networkAddresses())
        addresses.append(QStringLiteral("mqtt://%1:%2/%3").arg(ip).arg(host->port()).arg(room));
    ui->hosttxt->setText(addresses.isEmpty()
                             ? QCoreApplication::translate("PlayTogether", "Hosting on port %1, but this computer is on no network friends could reach.")
                                   .arg(host->port())
                             : QCoreApplication::translate("PlayTogether", "Hosting. Friends on your network join with:\n%1").arg(addresses.join('\n')));
}

void PlayTogetherFrm::onJoinClicked()
{
    std::string why;
    const auto address = game::room::joinAddress(ui->servertxt->text().toStdString(), ui->roomtxt->text().toStdString(), &why);
    if (!address) {
        QString text = QString::fromStdString(why);
        text[0] = text[0].toUpper();
        ui->statustxt->setText(text + QLatin1Char('.'));
        return;
    }
    golexorb::RoomPlay::Request request{*address, ui->nametxt->text().trimmed(), ui->passwordtxt->text().toUtf8()};
    QString problem;
    if (!room_->join(request, &problem)) {
        ui->statustxt->setText(problem);
        return;
    }
    if (isModal())
        accept();
    else
        showState();
}

void PlayTogetherFrm::onLeaveClicked()
{
    room_->leave();
    showState();
}

void PlayTogetherFrm::onHostClicked()
{
    golexorb::HostedBroker* host = room_->host();
    if (!host->running()) {
        QString why;
        if (!host->start(game::room::kDefaultPort, &why)) {
            ui->hosttxt->setText(why);
            return;
        }
    }
    ui->servertxt->setText(QStringLiteral("mqtt://127.0.0.1:%1").arg(host->port()));
    if (ui->roomtxt->text().isEmpty())
        ui->roomtxt->setText(QStringLiteral("family"));
    showHost();
}

void PlayTogetherFrm::paintEvent(QPaintEvent*)
{
    QPainter(this).fillRect(rect(), QColor(255, 255, 255));
    golexorb::paintBackground(this);
}
