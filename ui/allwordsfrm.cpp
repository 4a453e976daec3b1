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
#include <QFile>
#include <QFileInfo>
#include <QLibrary>
#include <QListWidget>
#include <QPainter>
#include <QShortcut>

#include <algorithm>
#include <cstdio>
#include <cstring>

#include <elf.h>

namespace {

using golexorb::fromLatin1;
using golexorb::fromUtf8;

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

// The ELF header of a file: its first bytes, zero when it has fewer.
Elf64_Ehdr elfHeader(QFile& file)
{
    Elf64_Ehdr header{};
    file.seek(0);
    file.read(reinterpret_cast<char*>(&header), sizeof header);
    return header;
}

// Why the file at `path` is not a whole shared library of this computer's
// kind; empty when it is one. The loader maps a library as its headers
// describe it, and touching a page past the end of a file cut short ends
// the program (SIGBUS): so the headers are checked against the file's size
// before it is loaded.
QString damageIn(const QString& path)
{
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        return QCoreApplication::translate("AllWords", "it cannot be read: %1").arg(file.errorString());
    QFile self(QCoreApplication::applicationFilePath());
    const Elf64_Ehdr own = self.open(QIODevice::ReadOnly) ? elfHeader(self) : Elf64_Ehdr{};
    const Elf64_Ehdr h = elfHeader(file);
    if (std::memcmp(h.e_ident, ELFMAG, SELFMAG) != 0)
        return QCoreApplication::translate("AllWords", "it is not a library");
    if (h.e_ident[EI_CLASS] != ELFCLASS64 || h.e_ident[EI_DATA] != own.e_ident[EI_DATA]
        || h.e_machine != own.e_machine || h.e_type != ET_DYN)
        return QCoreApplication::translate("AllWords", "it is not a library for this computer");
    const auto size = quint64(file.size());
    const auto within = [size](quint64 offset, quint64 length) { return offset <= size && length <= size - offset; };
    if (h.e_phentsize != sizeof(Elf64_Phdr) || !within(h.e_phoff, quint64(h.e_phnum) * sizeof(Elf64_Phdr))
        || !within(h.e_shoff, quint64(h.e_shnum) * h.e_shentsize))
        return QCoreApplication::translate("AllWords", "it is cut short: %1 bytes").arg(size);
    for (quint64 i = 0; i < h.e_phnum; ++i) {
        Elf64_Phdr segment{};
        if (!file.seek(qint64(h.e_phoff + i * sizeof segment))
            || file.read(reinterpret_cast<char*>(&segment), sizeof segment) != qint64(sizeof segment))
            return QCoreApplication::translate("AllWords", "it cannot be read: %1").arg(file.errorString());
        if (segment.p_type == PT_LOAD && !within(segment.p_offset, segment.p_filesz))
            return QCoreApplication::translate("AllWords", "it is cut short: %1 bytes").arg(size);
    }
    return {};
}

// The folders the game's helpers are looked for in: the program's own (the
// build), the installed ones, and GOLEXORB_MODULE_PATH for programs
// elsewhere in the build (the tests).
QStringList helperFolders(const char* installed)
{
    const QString appDir = QCoreApplication::applicationDirPath();
    QStringList folders{appDir, QDir::cleanPath(QDir(appDir).filePath(QString::fromLatin1(installed)))};
    if (const QString extra = qEnvironmentVariable("GOLEXORB_MODULE_PATH"); !extra.isEmpty())
        folders.append(extra);
    return folders;
}

// What words mean comes from the WordNet lookup program, found once.
void findLookupProgram()
{
    [[maybe_unused]] static const bool found = [] {
        for (const QString& folder : helperFolders("../" GOLEXORB_HELPER_DIR)) {
            const QFileInfo program(QDir(folder).filePath(QStringLiteral("golexorb-wordnet")));
            if (program.isFile() && program.isExecutable()) {
                wordlist::setLookupProgram(QFile::encodeName(program.filePath()).toStdString());
                return true;
            }
        }
        return false;
    }();
}

// The function that makes the chart window; null with the problem, and
// whether installing Qt Charts may mend it.
MakeProgressWindow progressWindowMaker(QString* problem, bool* needsCharts)
{
    static MakeProgressWindow make = nullptr;
    if (make)
        return make;
    *needsCharts = true;
    for (const QString& folder : helperFolders("../" GOLEXORB_MODULE_DIR)) {
        const QString path = QDir(folder).filePath(QStringLiteral("golexorb-progress.so"));
        if (!QFileInfo::exists(path))
            continue;
        if (const QString damage = damageIn(path); !damage.isEmpty()) {
            *problem = QCoreApplication::translate("AllWords", "the module %1 is damaged (%2)").arg(path, damage);
            *needsCharts = false;
            return nullptr;
        }
        QLibrary library(path); // left loaded for the rest of the run
        if (!library.load()) {
            *problem = library.errorString();
            return nullptr;
        }
        make = reinterpret_cast<MakeProgressWindow>(library.resolve("golexorb_progress_window"));
        if (make)
            return make;
        *problem = QCoreApplication::translate("AllWords", "the module %1 lacks its entry point golexorb_progress_window").arg(path);
        *needsCharts = false;
        return nullptr;
    }
    *problem = QCoreApplication::translate("AllWords", "golexorb-progress.so is not installed");
    return nullptr;
}

// What a word means, WordNet's own English, or in the player's language
// why there is nothing to show.
QString shownMeaning(const wordlist::Meaning& m)
{
    const QString package = fromUtf8(m.package);
    switch (m.status) {
    case wordlist::Meaning::Status::notAWord:
        return QCoreApplication::translate("AllWords", "Only words of letters a to z can be looked up.");
    case wordlist::Meaning::Status::noDatabase:
        return QCoreApplication::translate("AllWords", "Definitions need WordNet, which is not installed. Install it with\n"
                                                       "    sudo apt install %1\nand start the game again.")
            .arg(package);
    case wordlist::Meaning::Status::brokenLibrary:
        return QCoreApplication::translate("AllWords", "The WordNet library could not be loaded: %1. Install it again with\n"
                                                       "    sudo apt install --reinstall %2\nand start the game again.")
            .arg(fromUtf8(m.problem), package);
    case wordlist::Meaning::Status::unreadable:
        return QCoreApplication::translate("AllWords", "The WordNet database could not be read: %1.").arg(fromUtf8(m.problem));
    case wordlist::Meaning::Status::noEntry:
        return QCoreApplication::translate("AllWords", "No definition of \"%1\" in WordNet.").arg(fromUtf8(m.word));
    case wordlist::Meaning::Status::found:
        break;
    }
    return fromUtf8(wordlist::meaningText(m));
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
    connect(ui->allwordslst, &QListWidget::currentRowChanged, this, &AllWordsFrm::onWordRowChanged);
    connect(ui->progressbtn, &ClickLabel::clicked, this, &AllWordsFrm::onProgressClicked);
    connect(ui->copybtn, &ClickLabel::clicked, this, &AllWordsFrm::onCopyClicked);
    connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_G), this), &QShortcut::activated, this, [this] {
        if (ui->progressbtn->isEnabled())
            onProgressClicked();
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
    spellings_ = r.spellings;
    spellings_.resize(words_.size());
    progress_ = r.progress;
    path_.clear();
    ui->progressbtn->setEnabled(game::isRoundLength(progress_.minutes));
    ui->meaningtxt->clear();
    // The language by its name in the player's language ("Deutsch" is "German" in English).
    language_ = r.language.empty() ? QString() : QCoreApplication::translate("Languages", r.language.c_str());
    ui->foundtxt->setText(fromUtf8(r.foundtxt));
    ui->commontxt->setText(fromUtf8(r.commontxt));
    ui->recordtxt->setText(fromUtf8(r.recordtxt));
    for (int k = 0; k < 16; ++k)
        p_[std::size_t(k)]->setText(fromUtf8(r.d[std::size_t(k)]));
    QListWidget* list = ui->allwordslst;
    const QSignalBlocker quiet(list);
    list->clear();
    captionRow_ = -1;
    for (std::size_t i = 0; i < words_.size(); ++i) {
        const auto& w = words_[i];
        if (w.rare && captionRow_ < 0) {
            // Neither selectable nor reachable with the arrow keys.
            captionRow_ = list->count();
            auto* caption = new QListWidgetItem(QCoreApplication::translate("AllWords", kRareCaption), list);
            caption->setFlags(Qt::NoItemFlags);
            caption->setTextAlignment(Qt::AlignHCenter);
            QFont f = list->font();
            f.setItalic(true);
            caption->setFont(f);
            caption->setForeground(list->palette().color(QPalette::Text));
        }
        // In another language, as its list spells it: "été" for ETE.
        QString text = spellings_[i].empty() ? fromUtf8(w.word).toLower() : fromUtf8(spellings_[i]);
        if (w.hinted)
            text += QCoreApplication::translate("AllWords", " (hinted)");
        // A room's round: who found it.
        QStringList finders;
        for (const auto& name : w.finders)
            finders.append(QString::fromStdString(name));
        if (!finders.isEmpty())
            text += QStringLiteral("  (%1)").arg(finders.join(QStringLiteral(", ")));
        auto* item = new QListWidgetItem(text, list);
        if (!language_.isEmpty()) // room for the accents of a capital ("Ärger")
            golexorb::makeRoomForAccents(item, list->font(), text.left(1), devicePixelRatioF());
        // What the green and the grey show, said to a screen reader.
        QString spoken = item->text();
        if (w.found) {
            QFont f = list->font();
            f.setBold(true);
            item->setFont(f);
            item->setForeground(kFoundColor);
            spoken += QCoreApplication::translate("AllWords", ", found by you");
        } else if (w.rare) {
            item->setForeground(kRareColor);
        }
        if (w.rare)
            spoken += QCoreApplication::translate("AllWords", ", rare");
        if (spoken != item->text())
            item->setData(Qt::AccessibleTextRole, spoken);
    }
    code_ = QString::fromStdString(r.challengecode);
    ui->challengetxt->setText(code_.isEmpty() ? QString() : QCoreApplication::translate("AllWords", "Code: %1").arg(code_));
    // Without a code neither takes a place in the Tab order.
    ui->challengetxt->setVisible(!code_.isEmpty());
    ui->copybtn->setVisible(!code_.isEmpty());
    showLetters();
    update();
}

void AllWordsFrm::onCopyClicked()
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

void AllWordsFrm::onWordRowChanged(int row)
{
    path_.clear();
    if (const game::ListedWord* w = wordAt(row)) {
        path_ = w->path;
        // The tiles played, and beside the board how the language spells them.
        const std::string& spelt = spellings_[std::size_t(w - words_.data())];
        ui->pathtxt->setText(spelt.empty() ? fromUtf8(w->word) : fromUtf8(w->word) + QLatin1Char('\n') + fromUtf8(spelt));
        if (!language_.isEmpty()) {
            golexorb::makeRoomForAccents(ui->pathtxt, fromUtf8(w->word));
            ui->meaningtxt->setPlainText(fromUtf8(game::meaningsNote(language_.toStdString())));
            showLetters();
            update();
            return;
        }
        // Fast enough to run here: a few milliseconds for the words with
        // the most senses (golexorb_definitions_bench), and a time limit
        // when the lookup program is stuck.
        findLookupProgram();
        QString meaning = shownMeaning(wordlist::define(w->word));
        if (w->rare)
            meaning += (meaning.isEmpty() || meaning.endsWith(QLatin1Char('\n')) ? QStringLiteral("\n") : QStringLiteral("\n\n"))
                + fromUtf8(game::translate("AllWords", game::kRareWordNote));
        ui->meaningtxt->setPlainText(meaning);
    }
    showLetters();
    update();
}

void AllWordsFrm::onProgressClicked()
{
    QString problem;
    bool needsCharts = true;
    const MakeProgressWindow make = progressWindowMaker(&problem, &needsCharts);
    if (!make) {
        const QString text = QCoreApplication::translate("AllWords", "The progress chart cannot be shown: %1.").arg(problem);
        std::fprintf(stderr, "golexorb: %s\n", qPrintable(text));
        golexorb::messageBox(this, needsCharts ? text + QCoreApplication::translate("AllWords", " It needs Qt Charts (sudo apt install libqt6charts6).")
                                               : text);
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
