#include "allwordsfrm.h"
#include "ui_allwordsfrm.h"

#include "application.h"

#include <QGuiApplication>
#include <QListWidget>
#include <QPainter>
#include <QScreen>

#include <algorithm>

namespace {

using golexorb::fromLatin1;

constexpr int kBoardLeft = 8, kBoardTop = 336, kPitch = 32, kCell = 33;
const QColor kFoundColor(0, 192, 0); // as the accepted words on the results
const QColor kRestColor(160, 160, 160);

} // namespace

AllWordsFrm::AllWordsFrm(QWidget* parent)
    : QDialog(parent)
    , ui(std::make_unique<Ui::allwordsfrm>())
{
    ui->setupUi(this);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    golexorb::applyDesignFontSizes(this);
    setModal(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(255, 255, 255));
    setPalette(pal);
    // The results window stands right of the main window; this one mirrors it on the left.
    QPoint at(92, 153);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        at.setX(area.x() + std::max(0, area.width() - 699 - 233));
        at.setY(area.y() + 153);
    }
    setGeometry(QRect(at, QSize(233, 481)));
    setFixedSize(233, 481);
    for (int k = 0; k < 16; ++k)
        p_.push_back(findChild<QLabel*>(QStringLiteral("p_%1").arg(k)));
    connect(ui->allwordslst, &QListWidget::currentRowChanged, this, &AllWordsFrm::allwordslst_Click);
    ui->allwordslst->setFocus();
}

AllWordsFrm::~AllWordsFrm() = default;

QPointF AllWordsFrm::cellCentre(int k)
{
    return {kBoardLeft + kPitch * (k % 4) + kCell / 2.0, kBoardTop + kPitch * (k / 4) + kCell / 2.0};
}

void AllWordsFrm::fill(const game::Report& r)
{
    words_ = r.allwords;
    path_.clear();
    ui->foundtxt->setText(fromLatin1(r.foundtxt));
    ui->recordtxt->setText(fromLatin1(r.recordtxt));
    for (int k = 0; k < 16; ++k)
        p_[std::size_t(k)]->setText(fromLatin1(r.d[std::size_t(k)]));
    QListWidget* list = ui->allwordslst;
    const QSignalBlocker quiet(list);
    list->clear();
    for (const auto& w : words_) {
        auto* item = new QListWidgetItem(fromLatin1(w.word).toLower(), list);
        if (w.found) {
            QFont f = list->font();
            f.setBold(true);
            item->setFont(f);
            item->setForeground(kFoundColor);
        }
    }
    showLetters();
    update();
}

void AllWordsFrm::allwordslst_Click(int row)
{
    path_.clear();
    if (row >= 0 && std::size_t(row) < words_.size()) {
        path_ = words_[std::size_t(row)].path;
        ui->pathtxt->setText(fromLatin1(words_[std::size_t(row)].word));
    }
    showLetters();
    update();
}

// The letters of the path in black, the others greyed; all black when no
// word is picked.
void AllWordsFrm::showLetters()
{
    for (int k = 0; k < 16; ++k) {
        const bool onPath = path_.empty() || std::find(path_.begin(), path_.end(), k) != path_.end();
        QPalette pal = p_[std::size_t(k)]->palette();
        pal.setColor(QPalette::WindowText, onPath ? QColor(0, 0, 0) : kRestColor);
        p_[std::size_t(k)]->setPalette(pal);
    }
}

void AllWordsFrm::paintEvent(QPaintEvent*)
{
    QPainter(this).fillRect(rect(), QColor(255, 255, 255));
    golexorb::paintBackground(this);
    QPainter painter(this);
    painter.fillRect(QRect(kBoardLeft, kBoardTop, kPitch * 3 + kCell, kPitch * 3 + kCell), palette().color(QPalette::Base));
    // The trail under the letters, from centre to centre, as the game draws it.
    painter.setPen(QPen(QColor(255, 0, 0), 1));
    for (std::size_t i = 1; i < path_.size(); ++i)
        painter.drawLine(cellCentre(path_[i - 1]), cellCentre(path_[i]));
}
