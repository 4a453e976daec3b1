#include "allwordsfrm.h"
#include "ui_allwordsfrm.h"

#include "application.h"
#include "definitions.h"
#include "growinglayout.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>
#include <QListWidget>
#include <QPainter>
#include <QShortcut>

#include <algorithm>

namespace {

using golexorb::fromLatin1;

constexpr int kBoardLeft = 8, kBoardTop = 304, kPitch = 32, kCell = 33;
constexpr int kWidth = 233, kHeight = 600;
const QColor kFoundColor(0, 192, 0); // as the accepted words on the results
const QColor kRestColor(160, 160, 160);
const QColor kRareColor(128, 128, 128); // greyer than a word, readable on white

// The chart window lives in a module of its own, loaded the first time it
// is opened, so that Qt Charts costs the game's start-up nothing. It lies
// beside the program in the build, and in the library folder once installed;
// programs elsewhere in the build (the tests) name its folder in
// GOLEXORB_MODULE_PATH. No build folder is compiled in: the installed
// program must not look there.
using MakeProgressWindow = QDialog* (*)(const game::Progress&, QWidget*);

MakeProgressWindow progressWindowMaker(QString* problem)
{
    static MakeProgressWindow make = nullptr;
    if (make)
        return make;
    const QString appDir = QCoreApplication::applicationDirPath();
    QStringList folders{appDir, QDir(appDir).filePath(QStringLiteral("../" GOLEXORB_MODULE_DIR))};
    if (const QString extra = qEnvironmentVariable("GOLEXORB_MODULE_PATH"); !extra.isEmpty())
        folders.append(extra);
    for (const QString& folder : folders) {
        const QString path = QDir(folder).filePath(QStringLiteral("golexorb-progress.so"));
        if (!QFileInfo::exists(path))
            continue;
        QLibrary library(path); // left loaded for the rest of the run
        make = reinterpret_cast<MakeProgressWindow>(library.resolve("golexorb_progress_window"));
        if (make)
            return make;
        *problem = library.errorString();
        return nullptr;
    }
    *problem = QStringLiteral("golexorb-progress.so is not installed");
    return nullptr;
}

} // namespace

AllWordsFrm::AllWordsFrm(QWidget* parent)
    : QDialog(parent)
    , ui(std::make_unique<Ui::allwordsfrm>())
{
    ui->setupUi(this);
    golexorb::setUpDialog(this);
    // The list and the meaning take what the window gains or loses in height,
    // down to a few lines each.
    auto* layout = new GrowingLayout(this, QSize(kWidth, kHeight));
    layout->grow(ui->allwordslst, 1, 56);
    layout->grow(ui->meaningtxt, 1, 45);
    golexorb::placeInside(this, golexorb::addedWindowPlace(QSize(kWidth, kHeight)), QSize(kWidth, kHeight),
                          layout->minimumSize());
    for (int k = 0; k < 16; ++k)
        p_.push_back(findChild<QLabel*>(QStringLiteral("p_%1").arg(k)));
    connect(ui->allwordslst, &QListWidget::currentRowChanged, this, &AllWordsFrm::allwordslst_Click);
    connect(ui->progressbtn, &ClickLabel::clicked, this, &AllWordsFrm::progressbtn_Click);
    connect(ui->copybtn, &ClickLabel::clicked, this, &AllWordsFrm::copybtn_Click);
    connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_G), this), &QShortcut::activated, this, [this] {
        if (ui->progressbtn->isEnabled())
            progressbtn_Click();
    });
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
    progress_ = r.progress;
    path_.clear();
    ui->progressbtn->setEnabled(game::isRoundLength(progress_.minutes));
    ui->meaningtxt->clear();
    ui->foundtxt->setText(fromLatin1(r.foundtxt));
    ui->commontxt->setText(fromLatin1(r.commontxt));
    ui->recordtxt->setText(fromLatin1(r.recordtxt));
    for (int k = 0; k < 16; ++k)
        p_[std::size_t(k)]->setText(fromLatin1(r.d[std::size_t(k)]));
    QListWidget* list = ui->allwordslst;
    const QSignalBlocker quiet(list);
    list->clear();
    captionRow_ = -1;
    for (const auto& w : words_) {
        if (w.rare && captionRow_ < 0) {
            // Neither selectable nor reachable with the arrow keys.
            captionRow_ = list->count();
            auto* caption = new QListWidgetItem(QString::fromLatin1(kRareCaption), list);
            caption->setFlags(Qt::NoItemFlags);
            caption->setTextAlignment(Qt::AlignHCenter);
            QFont f = list->font();
            f.setItalic(true);
            caption->setFont(f);
            caption->setForeground(list->palette().color(QPalette::Text));
        }
        QString text = fromLatin1(w.word).toLower();
        // A room's round: who found it.
        QStringList finders;
        for (const auto& name : w.finders)
            finders.append(QString::fromStdString(name));
        if (!finders.isEmpty())
            text += QStringLiteral("  (%1)").arg(finders.join(QStringLiteral(", ")));
        auto* item = new QListWidgetItem(text, list);
        // What the green and the grey show, said to a screen reader.
        QString spoken = item->text();
        if (w.found) {
            QFont f = list->font();
            f.setBold(true);
            item->setFont(f);
            item->setForeground(kFoundColor);
            spoken += QStringLiteral(", found by you");
        } else if (w.rare) {
            item->setForeground(kRareColor);
        }
        if (w.rare)
            spoken += QStringLiteral(", rare");
        if (spoken != item->text())
            item->setData(Qt::AccessibleTextRole, spoken);
    }
    code_ = QString::fromStdString(r.challengecode);
    ui->challengetxt->setText(code_.isEmpty() ? QString() : QStringLiteral("Code: %1").arg(code_));
    ui->copybtn->setVisible(!code_.isEmpty());
    showLetters();
    update();
}

void AllWordsFrm::copybtn_Click()
{
    QGuiApplication::clipboard()->setText(code_);
}

const game::ListedWord* AllWordsFrm::wordAt(int row) const
{
    if (row < 0 || row == captionRow_)
        return nullptr;
    const std::size_t i = std::size_t(captionRow_ >= 0 && row > captionRow_ ? row - 1 : row);
    return i < words_.size() ? &words_[i] : nullptr;
}

void AllWordsFrm::allwordslst_Click(int row)
{
    path_.clear();
    if (const game::ListedWord* w = wordAt(row)) {
        path_ = w->path;
        ui->pathtxt->setText(fromLatin1(w->word));
        // Fast enough to run here: a few milliseconds for the words with
        // the most senses (golexorb_definitions_bench).
        std::string meaning = wordlist::meaningText(wordlist::define(w->word));
        if (w->rare)
            meaning += std::string(meaning.empty() || meaning.ends_with('\n') ? "\n" : "\n\n") + std::string(game::kRareWordNote);
        ui->meaningtxt->setPlainText(fromLatin1(meaning));
    }
    showLetters();
    update();
}

void AllWordsFrm::progressbtn_Click()
{
    QString problem;
    const MakeProgressWindow make = progressWindowMaker(&problem);
    if (!make) {
        golexorb::messageBox(this, QStringLiteral("The progress chart cannot be shown: %1. It needs Qt Charts "
                                                  "(sudo apt install libqt6charts6).")
                                       .arg(problem));
        return;
    }
    const std::unique_ptr<QDialog> window(make(progress_, this));
    window->exec();
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
    // The board moves down as the list above it grows.
    painter.translate(p_[0]->pos() - QPoint(kBoardLeft, kBoardTop));
    painter.fillRect(QRect(kBoardLeft, kBoardTop, kPitch * 3 + kCell, kPitch * 3 + kCell), palette().color(QPalette::Base));
    // The trail under the letters, from centre to centre, as the game draws it.
    painter.setPen(QPen(QColor(255, 0, 0), 1));
    for (std::size_t i = 1; i < path_.size(); ++i)
        painter.drawLine(cellCentre(path_[i - 1]), cellCentre(path_[i]));
}
