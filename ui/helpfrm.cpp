#include "helpfrm.h"
#include "ui_helpfrm.h"

#include "application.h"
#include "growinglayout.h"
#include "mainlogic.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QHeaderView>
#include <QSettings>
#include <QPainter>
#include <QShortcut>

namespace {

using golexorb::fromUtf8;

constexpr QSize kSize(233, 420);

QString ofText(int found, int all)
{
    return QCoreApplication::translate("Help", "%1 of %2").arg(found).arg(all);
}

void setText(QLabel* label, const QString& text)
{
    if (label->text() != text)
        label->setText(text);
}

} // namespace

HelpFrm::HelpFrm(QWidget* parent)
    : QDialog(parent)
    , ui(std::make_unique<Ui::helpfrm>())
{
    ui->setupUi(this);
    golexorb::setUpDialog(this);
    setModal(false); // it stays open while the round goes on
    // The table takes what the window gains or loses in height.
    auto* layout = new GrowingLayout(this, kSize);
    layout->grow(ui->countstbl, 1, 66);
    // Beside the main window, and level with it. Where neither side has
    // room, at the screen's left edge: over the main window's list rather
    // than its board, and the player may move it.
    QPoint at = golexorb::centredOnScreen(kSize);
    if (parent) {
        const QWidget* main = parent->window();
        at = golexorb::beside(main, kSize);
        if (at.x() <= main->geometry().right() && at.x() + kSize.width() > main->geometry().left())
            at.setX(golexorb::availableArea().left());
    }
    golexorb::placeInside(this, at, kSize, layout->minimumSize());
    QHeaderView* header = ui->countstbl->horizontalHeader();
    header->setSectionResizeMode(QHeaderView::Fixed);
    header->resizeSection(0, 52);
    header->resizeSection(1, 70);
    header->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    connect(ui->hintbtn, &ClickLabel::clicked, this, &HelpFrm::showStartAsked);
    // Kept in the player's settings: the rounds this player starts in a room carry it.
    ui->roomhelpchk->setChecked(golexorb::playerSettings().value(QStringLiteral("room/help"), false).toBool());
    connect(ui->roomhelpchk, &QCheckBox::toggled, this,
            [](bool on) { golexorb::playerSettings().setValue(QStringLiteral("room/help"), on); });
    const auto key = [this](QKeySequence keys, void (HelpFrm::*asked)()) {
        connect(new QShortcut(keys, this), &QShortcut::activated, this, asked);
    };
    key(QKeySequence(Qt::Key_F9), &HelpFrm::countsAsked);
    key(QKeySequence(Qt::Key_F10), &HelpFrm::showStartAsked);
    key(QKeySequence(Qt::CTRL | Qt::Key_H), &HelpFrm::gameAsked);
    ui->countstbl->setFocus();
}

HelpFrm::~HelpFrm() = default;

void HelpFrm::follow(const game::MainLogic& logic)
{
    if (!logic.helpHasBoard()) {
        setText(ui->statustxt, fromUtf8(game::translate("Help", game::kNoRoundYet)));
        if (shown_) {
            ui->countstbl->setRowCount(0);
            shown_.reset();
        }
        setText(ui->pointstxt, QString());
    } else {
        const auto words = logic.boardWords();
        const auto counts = game::countWords(words);
        if (counts != shown_)
            showCounts(counts);
        setText(ui->statustxt, logic.running() ? QCoreApplication::translate("Help", "This round's board: the words you found of those it holds.")
                                               : QCoreApplication::translate("Help", "The round is over: its board's words, as All Words counts them."));
        setText(ui->pointstxt, logic.running() ? QString() : fromUtf8(game::pointsText(words, logic.score(), !logic.roundLexicon())));
    }
    const bool canHint = logic.running() && logic.helpAllowed();
    ui->hintbtn->setEnabled(canHint);
    QString note = golexorb::fromUtf8(logic.hintnote()); // a board language's letters are UTF-8
    if (note.isEmpty())
        note = logic.running() && !logic.helpAllowed() ? fromUtf8(game::refusalText(game::HintRefusal::notAllowed))
                                                        : QCoreApplication::translate("Help", kHintCost);
    setText(ui->hinttxt, note);
}

// A row a length, shortest first, then the totals; a cell reads "2 of 12",
// to the eye and to a screen reader walking the table.
void HelpFrm::showCounts(const game::WordCounts& counts)
{
    QTableWidget* table = ui->countstbl;
    table->setRowCount(int(counts.lengths.size()) + 1);
    for (int row = 0; row < table->rowCount(); ++row) {
        const bool total = row == int(counts.lengths.size());
        const game::LengthCount& count = total ? counts.total : counts.lengths[std::size_t(row)];
        const QString cells[] = {total ? QCoreApplication::translate("Help", "In all") : QString::number(count.length),
                                 ofText(count.commonFound, count.common), ofText(count.found, count.all)};
        for (int column = 0; column < 3; ++column) {
            QTableWidgetItem* item = table->item(row, column);
            if (!item)
                table->setItem(row, column, item = new QTableWidgetItem);
            item->setText(cells[column]);
            QFont f = table->font();
            f.setBold(total);
            item->setFont(f);
        }
    }
    shown_ = counts;
}

void HelpFrm::paintEvent(QPaintEvent*)
{
    QPainter(this).fillRect(rect(), QColor(255, 255, 255));
    golexorb::paintBackground(this);
}
