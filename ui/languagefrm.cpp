#include "languagefrm.h"
#include "ui_languagefrm.h"

#include "application.h"
#include "growinglayout.h"
#include "languageload.h"
#include "languages.h"
#include "translations.h"

#include <QCoreApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QListWidget>
#include <QPainter>

namespace {

constexpr int kWidth = 233, kHeight = 400;
const QColor kAbsentColor(128, 128, 128); // as the rare words on All Words

QString text(std::string_view s)
{
    return QString::fromUtf8(s.data(), qsizetype(s.size()));
}

const wordlist::Language& languageAt(int row)
{
    return wordlist::languages()[std::size_t(row)];
}

// "tiles A to Z, ÄÖÜ"
QString tilesText(const wordlist::Language& l)
{
    return l.ownLetters.empty() ? QCoreApplication::translate("Languages", "tiles A to Z")
                                : QCoreApplication::translate("Languages", "tiles A to Z, %1").arg(text(l.ownLetters));
}

} // namespace

LanguageFrm::LanguageFrm(const QString& current, QWidget* parent)
    : QDialog(parent)
    , ui(std::make_unique<Ui::languagefrm>())
{
    ui->setupUi(this);
    golexorb::setUpDialog(this);
    // Over the main window, as Play Together opens; on a short screen
    // shorter, the list giving up what the screen lacks.
    auto* layout = new GrowingLayout(this, QSize(kWidth, kHeight));
    layout->grow(ui->languagelst, 1, 56);
    const QPoint at = parent ? parent->geometry().topLeft() + QPoint((parent->width() - kWidth) / 2, 40)
                             : golexorb::centredOnScreen(QSize(kWidth, kHeight));
    golexorb::placeInside(this, at, QSize(kWidth, kHeight), layout->minimumSize());
    QListWidget* list = ui->languagelst;
    for (const wordlist::Language& l : wordlist::languages()) {
        auto* item = new QListWidgetItem(text(l.name), list);
        QString spoken = text(l.name);
        if (golexorb::languageName(l) != text(l.name))
            spoken += QStringLiteral(", ") + golexorb::languageName(l);
        if (!golexorb::LanguageLoader::installed(l)) {
            item->setForeground(kAbsentColor);
            spoken += QCoreApplication::translate("Languages", ", not installed");
        }
        if (text(l.code) == current) {
            QFont f = list->font();
            f.setBold(true);
            item->setFont(f);
            list->setCurrentItem(item);
            spoken += QCoreApplication::translate("Languages", ", playing now");
        }
        item->setData(Qt::AccessibleTextRole, spoken);
    }
    if (!list->currentItem())
        list->setCurrentRow(0);
    const auto* now = wordlist::findLanguage(current.toStdString());
    ui->statustxt->setText(QCoreApplication::translate("Languages", "Boards are in %1 now.").arg(text((now ? *now : wordlist::englishLanguage()).name)));
    connect(list, &QListWidget::currentRowChanged, this, &LanguageFrm::languagelst_Click);
    connect(list, &QListWidget::itemActivated, this, &LanguageFrm::choosebtn_Click);
    connect(ui->choosebtn, &ClickLabel::clicked, this, &LanguageFrm::choosebtn_Click);
    connect(ui->copybtn, &ClickLabel::clicked, this, &LanguageFrm::copybtn_Click);
    languagelst_Click(list->currentRow());
    list->setFocus();
}

LanguageFrm::~LanguageFrm() = default;

void LanguageFrm::languagelst_Click(int row)
{
    if (row < 0)
        return;
    const wordlist::Language& l = languageAt(row);
    const bool installed = golexorb::LanguageLoader::installed(l);
    // The letters on a line of their own, the first: Tahoma's accented
    // capitals reach above a line, and only the first has room made there.
    QString info = QCoreApplication::translate("Languages", "%1: %2.").arg(golexorb::languageName(l), tilesText(l)) + QLatin1Char('\n');
    if (l.english()) {
        info += QCoreApplication::translate("Languages", "The game's own word list.");
    } else if (installed) {
        info += QCoreApplication::translate("Languages", "Words from %1 (%2).").arg(text(l.listFile), text(l.package));
        if (!l.thin.empty())
            info += QLatin1Char(' ') + golexorb::languageNote(l);
        if (l.blockList.empty())
            info += QLatin1Char(' ') + QCoreApplication::translate("Languages", "No block list: its words are all there.");
    } else {
        info += QCoreApplication::translate("Languages", "Not installed. Its words come with %1:\n%2")
                    .arg(text(l.package), golexorb::LanguageLoader::installLine(l));
    }
    ui->infotxt->setText(info);
    golexorb::makeRoomForAccents(ui->infotxt, text(l.ownLetters));
    ui->choosebtn->setEnabled(installed);
    ui->copybtn->setVisible(!installed);
}

void LanguageFrm::choosebtn_Click()
{
    const int row = ui->languagelst->currentRow();
    if (row < 0 || !golexorb::LanguageLoader::installed(languageAt(row)))
        return;
    chosen_ = &languageAt(row);
    accept();
}

void LanguageFrm::copybtn_Click()
{
    const int row = ui->languagelst->currentRow();
    if (row >= 0)
        QGuiApplication::clipboard()->setText(golexorb::LanguageLoader::installLine(languageAt(row)));
}

void LanguageFrm::paintEvent(QPaintEvent*)
{
    QPainter(this).fillRect(rect(), QColor(255, 255, 255));
    golexorb::paintBackground(this);
}
