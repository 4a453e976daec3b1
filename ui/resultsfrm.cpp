#include "resultsfrm.h"
#include "ui_resultsfrm.h"

#include "allwordsfrm.h"
#include "application.h"

#include <QCoreApplication>
#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QRegularExpression>
#include <QPainter>
#include <QPlainTextEdit>
#include <QShortcut>
#include <QPrinter>
#include <QPrinterInfo>

namespace {

using golexorb::fromUtf8;

// The records end each word with CR LF; a text box shows lines split on LF.
QString lines(const std::string& s)
{
    QString text = fromUtf8(s);
    text.remove(QLatin1Char('\r'));
    if (text.endsWith(QLatin1Char('\n')))
        text.chop(1);
    return text;
}

} // namespace

ResultsFrm::ResultsFrm(QWidget* parent)
    : QDialog(parent)
    , ui(std::make_unique<Ui::resultsfrm>())
{
    ui->setupUi(this);
    golexorb::setUpDialog(this);
    // Placed by its client area, whatever the main window's position.
    setGeometry(QRect(kClientPos, QSize(233, 481)));
    setFixedSize(233, 481);
    // The board copy and the two headings over the word boxes are boxes: the
    // system's text-box colour inside a one-pixel line of its text colour,
    // the headings' text in colours of their own. A one-pixel sunken panel
    // draws its line in the light and dark colours, which take the line's.
    const QColor line = palette().color(QPalette::Text);
    for (QLabel* box : findChildren<QLabel*>()) {
        if (box->frameShape() != QFrame::Panel)
            continue;
        box->setBackgroundRole(QPalette::Base);
        box->setForegroundRole(QPalette::Text);
        QPalette p = box->palette();
        p.setColor(QPalette::Light, line);
        p.setColor(QPalette::Dark, line);
        box->setPalette(p);
    }
    // The two word boxes draw their frame and scroll bars from the system's
    // window colour, not from the white behind the picture as the awards box does.
    for (QWidget* words : {static_cast<QWidget*>(ui->acceptedtxt), static_cast<QWidget*>(ui->rejectedtxt)}) {
        QPalette p = words->palette();
        for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
            p.setBrush(group, QPalette::Window, QApplication::palette().brush(group, QPalette::Window));
        words->setPalette(p);
    }
    connect(ui->Label8, &ClickLabel::clicked, this, &ResultsFrm::Label8_Click);
    // The board copy keeps its design; it only learns to take a click, and
    // F5 does the same from the keyboard.
    for (int k = 0; k < 16; ++k) {
        if (auto* d = findChild<QLabel*>(QStringLiteral("d_%1").arg(k))) {
            d->installEventFilter(this);
            d->setToolTip(QCoreApplication::translate("resultsfrm", "Every word this board held (F5)"));
        }
    }
    auto* allwords = new QShortcut(QKeySequence(Qt::Key_F5), this);
    connect(allwords, &QShortcut::activated, this, &ResultsFrm::d_Click);
    auto* print = new QShortcut(QKeySequence::Print, this);
    connect(print, &QShortcut::activated, ui->Label8, &ClickLabel::click);
    // The report as it was made: its boxes can be read, selected and
    // copied, not typed into, and Tab goes on from them.
    for (QPlainTextEdit* box : {ui->acceptedtxt, ui->rejectedtxt, ui->awardstxt}) {
        box->setReadOnly(true);
        box->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        box->setTabChangesFocus(true);
    }
    ui->acceptedtxt->setFocus();
}

ResultsFrm::~ResultsFrm() = default;

void ResultsFrm::fill(const game::Report& r)
{
    report_ = r;
    ui->acceptedtxt->setPlainText(lines(r.acceptedtxt));
    ui->rejectedtxt->setPlainText(lines(r.rejectedtxt));
    ui->longestwordtxt->setText(fromUtf8(r.longestwordtxt));
    ui->scoretxt->setText(fromUtf8(r.scoretxt));
    for (int k = 0; k < 16; ++k) {
        if (auto* d = findChild<QLabel*>(QStringLiteral("d_%1").arg(k)))
            d->setText(fromUtf8(r.d[static_cast<std::size_t>(k)]));
    }
    ui->lettermostusedtxt->setText(fromUtf8(r.lettermostusedtxt));
    ui->desctxt->setText(fromUtf8(r.desctxt));
    ui->awardstxt->setPlainText(lines(r.awardstxt));
    // Room above the board's own capitals (Ä, Å) in another language; none in English.
    if (r.language.empty())
        return;
    QString letters;
    for (const auto& cell : r.d)
        letters += fromUtf8(cell);
    for (auto* label : findChildren<QLabel*>(QRegularExpression(QStringLiteral("^d_\\d+$"))))
        golexorb::makeRoomForAccents(label, letters);
    golexorb::makeRoomForAccents(ui->lettermostusedtxt, letters);
    golexorb::makeRoomForAccents(ui->longestwordtxt, fromUtf8(r.longestwordtxt));
}

bool ResultsFrm::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonRelease && watched->objectName().startsWith(QLatin1String("d_"))) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const auto* label = static_cast<QWidget*>(watched);
        if (mouse->button() == Qt::LeftButton && label->rect().contains(mouse->position().toPoint())) {
            d_Click();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void ResultsFrm::keyPressEvent(QKeyEvent* event)
{
    // Only the title-bar button closes the report; Escape, which closes
    // other dialogs, does nothing here.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void ResultsFrm::d_Click()
{
    AllWordsFrm allwords(this);
    allwords.fill(report_);
    allwords.exec();
}

void ResultsFrm::paintEvent(QPaintEvent*)
{
    QPainter(this).fillRect(rect(), QColor(255, 255, 255));
    golexorb::paintBackground(this);
}

void ResultsFrm::Label8_Click()
{
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) {
        golexorb::messageBox(this, QCoreApplication::translate("resultsfrm", "No printer is available, so the results were not printed."));
        return;
    }
    const QPixmap image = grab();
    QPrinter printer(info, QPrinter::HighResolution);
    printer.setDocName(QCoreApplication::translate("resultsfrm", "Go LEXORB results"));
    QPainter painter;
    if (!painter.begin(&printer)) {
        golexorb::messageBox(this, QCoreApplication::translate("resultsfrm", "The results could not be printed on %1.").arg(info.printerName()));
        return;
    }
    // As large as the page allows, proportions kept.
    const QRect page = painter.viewport();
    const QSize size = image.size().scaled(page.size(), Qt::KeepAspectRatio);
    painter.drawPixmap(QRect(QPoint(0, 0), size), image);
    painter.end();
}
