#include "playtogetherfrm.h"
#include "ui_playtogetherfrm.h"

#include "application.h"
#include "hostedbroker.h"
#include "room.h"
#include "roomplay.h"

#include <QLineEdit>
#include <QPainter>

namespace {
constexpr int kWidth = 233, kHeight = 400;
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
    ui->leavebtn->setEnabled(room_->inRoom());
    QString status = room_->inRoom() ? room_->status() : notice_;
    if (status.isEmpty())
        status = QStringLiteral("Not in a room: you play alone.");
    ui->statustxt->setText(status);
}

void PlayTogetherFrm::showHost()
{
    golexorb::HostedBroker* host = room_->host();
    if (!host->running())
        return;
    const QString room = ui->roomtxt->text().isEmpty() ? QStringLiteral("ROOM") : ui->roomtxt->text();
    QStringList addresses;
    for (const QString& ip : golexorb::HostedBroker::networkAddresses())
        addresses.append(QStringLiteral("mqtt://%1:%2/%3").arg(ip).arg(host->port()).arg(room));
    ui->hosttxt->setText(addresses.isEmpty()
                             ? QStringLiteral("Hosting on port %1, but this computer is on no network friends could reach.")
                                   .arg(host->port())
                             : QStringLiteral("Hosting. Friends on your network join with:\n%1").arg(addresses.join('\n')));
}

void PlayTogetherFrm::onJoinClicked()
{
    QString server = ui->servertxt->text().trimmed();
    while (server.endsWith(QLatin1Char('/')))
        server.chop(1);
    std::string why;
    const auto address = game::room::parseAddress((server + QLatin1Char('/') + ui->roomtxt->text().trimmed()).toStdString(), &why);
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
    accept();
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
