#include "mainfrm.h"
#include "ui_mainfrm.h"

#include "announcer.h"
#include "application.h"
#include "clicklabel.h"
#include "helpfrm.h"
#include "howtoplayfrm.h"
#include "languages.h"
#include "loadingfrm.h"
#include "resultsfrm.h"
#include "roomplay.h"

#include <QCoreApplication>
#include <QApplication>
#include <QCloseEvent>
#include <QDate>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QTimer>
#include <QWindow>

#include <cstdio>
#include <utility>

namespace {

QColor toQColor(game::Rgb c)
{
    return QColor(c.r, c.g, c.b);
}

using golexorb::fromLatin1;
using golexorb::fromUtf8;

std::string toStd(const QString& s)
{
    return s.toLatin1().toStdString();
}

void setCaption(QLabel* label, const std::string& caption)
{
    const QString text = fromUtf8(caption);
    if (label->text() != text) {
        label->setText(text);
        golexorb::repaintAccents(label);
    }
}

} // namespace

MainFrm::MainFrm(QWidget* parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui::mainfrm>())
    , logic_(*this)
{
    ui->setupUi(this);
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    golexorb::applyDesignFontSizes(this);
    golexorb::useScalableFonts(this);
    golexorb::tightenToFit(ui->oneplayerbtn);
    golexorb::tightenToFit(ui->multiplaybtn);
    golexorb::tightenTranslatedCaptions(this);
    ui->Combo1->setCurrentIndex(-1);
    // The frame is drawn over the time band but must not catch its clicks.
    ui->Shape1->setAttribute(Qt::WA_TransparentForMouseEvents);

    for (int n = 0; n < game::kCells; ++n) {
        ClickLabel* label = findChild<ClickLabel*>(QStringLiteral("l_%1").arg(n));
        Q_ASSERT(label);
        l_[static_cast<std::size_t>(n)] = label;
        label->setCell(true);
        connect(label, &ClickLabel::mouseDown, this,
                [this, n](int button, int shift, float x, float y) { l_MouseDown(n, button, shift, x, y); });
    }

    sectimer_ = new QTimer(this);
    sectimer_->setObjectName(QStringLiteral("sectimer"));
    sectimer_->setInterval(1000);
    sectimer_->setTimerType(Qt::PreciseTimer); // it is the round's clock
    connect(sectimer_, &QTimer::timeout, this, &MainFrm::sectimer_Timer);
    // Rounds that wait for another copy of the game to let go of the
    // records are entered once it has; a try never waits.
    recordsRetry_ = new QTimer(this);
    recordsRetry_->setInterval(1000);
    connect(recordsRetry_, &QTimer::timeout, this, [this] {
        if (records_.enterWaiting())
            recordsRetry_->stop();
    });

    connect(ui->Combo1, &QComboBox::activated, this, &MainFrm::Combo1_Click);
    connect(ui->startbtn, &ClickLabel::clicked, this, &MainFrm::startbtn_Click);
    connect(ui->endbtn, &ClickLabel::clicked, this, &MainFrm::endbtn_Click);
    connect(ui->oneplayerbtn, &ClickLabel::clicked, this, &MainFrm::oneplayerbtn_Click);
    connect(ui->multiplaybtn, &ClickLabel::clicked, this, &MainFrm::multiplaybtn_Click);
    connect(ui->Cancelbtn, &ClickLabel::clicked, this, &MainFrm::Cancelbtn_Click);
    connect(ui->Addbtn, &ClickLabel::clicked, this, &MainFrm::Addbtn_Click);
    connect(ui->scoretxt, &ClickLabel::clicked, this, &MainFrm::scoretxt_Click);
    connect(ui->searchtxt, &QLineEdit::textEdited, this, &MainFrm::searchtxt_Change);
    ui->searchtxt->installEventFilter(this);
    // Keys reach the game through the lists and the drop-down as well (see
    // gameKey), and focus never rests on a control below the window's edge.
    for (QWidget* w : findChildren<QWidget*>()) {
        if (w->focusPolicy() != Qt::NoFocus && w != ui->searchtxt)
            w->installEventFilter(this);
    }

    loadingfrm_ = new LoadingFrm(this);
    announcer_ = new Announcer(this);
    setUpRoomKeys();
    setUpLanguageKeys();
    setUpHelpKeys();

    setFixedSize(350, clientHeight());
    placeCentred();
    sync();
}

MainFrm::~MainFrm() = default;

int MainFrm::clientHeight() const
{
    return (logic_.outerHeightTwips() - game::MainLogic::kFrameHeight) / game::kTwipsPerPixel;
}

void MainFrm::placeCentred()
{
    // Centre the window with its frame. Until the window manager has framed
    // it, take the designed frame of 3 px at the sides and bottom and 29 px
    // at the top, and place the client area by it (setGeometry, unlike
    // move, places the client area, not the frame); moveEvent corrects it
    // once the real frame is known.
    const QSize outer(width() + 6, game::MainLogic::kOneplayerHeight / game::kTwipsPerPixel);
    setGeometry(QRect(golexorb::centredOnScreen(outer) + QPoint(3, 29), size()));
}

void MainFrm::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!centredByFrame_) {
        centredByFrame_ = true;
        centreByFrame(20);
    }
}

// The window manager frames the window after it is mapped, and no event
// tells the widget when; look for the frame a few times, then centre the
// window again by its real frame, which may differ from the designed one.
void MainFrm::centreByFrame(int triesLeft)
{
    if (!isVisible() || !windowHandle())
        return;
    if (windowHandle()->frameMargins().isNull()) {
        if (triesLeft > 0)
            QTimer::singleShot(25, this, [this, triesLeft] { centreByFrame(triesLeft - 1); });
        return;
    }
    const QRect frame = frameGeometry();
    const QPoint want = golexorb::centredOnScreen(frame.size());
    if (frame.topLeft() != want)
        move(want); // places the frame
}

// ---------------------------------------------------------------- platform

void MainFrm::randomize()
{
    random_.randomize();
}

double MainFrm::rnd()
{
    return scriptedRandom_ ? scriptedRandom_() : random_.next();
}

void MainFrm::msgBox(std::string_view text)
{
    sync();
    golexorb::messageBox(this, fromUtf8(text));
}

void MainFrm::doEvents()
{
    sync();
    // A window just shown is painted only once the window system has mapped
    // it; give it a moment so the loading notice really appears. The wait
    // sleeps until an event comes: spinning would take the processor from
    // the window manager that is mapping the window.
    if (loadingfrm_->isVisible() && loadingfrm_->windowHandle()) {
        QTimer deadline;
        deadline.setSingleShot(true);
        deadline.start(500);
        while (!loadingfrm_->windowHandle()->isExposed() && deadline.isActive())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        loadingfrm_->repaint();
    }
    QCoreApplication::processEvents();
}

std::string_view MainFrm::loadResData(std::string_view type, std::string_view name)
{
    return resources_.load(type, name);
}

void MainFrm::releaseResData(std::string_view bytes)
{
    resources_.release(bytes);
}

void MainFrm::beep()
{
    QApplication::beep();
}

// ---------------------------------------------------------------- state to widgets

void MainFrm::sync()
{
    const auto letters = logic_.l();
    const auto used = logic_.used();
    for (int n = 0; n < game::kCells; ++n) {
        ClickLabel* label = l_[static_cast<std::size_t>(n)];
        const auto& cell = letters[static_cast<std::size_t>(n)];
        setCaption(label, cell.caption);
        const QColor color = toQColor(cell.color);
        if (label->palette().color(QPalette::WindowText) != color) {
            QPalette p = label->palette();
            p.setColor(QPalette::WindowText, color);
            label->setPalette(p);
        }
    }
    for (int n = 0; n < game::kCells; ++n) {
        ClickLabel* label = l_[static_cast<std::size_t>(n)];
        const QString name = QCoreApplication::translate("mainfrm", "%1, row %2, column %3").arg(label->text()).arg(n / 4 + 1).arg(n % 4 + 1);
        if (label->accessibleName() != name)
            label->setAccessibleName(name);
        label->setSelected(used[static_cast<std::size_t>(n)] == 1);
    }
    setCaption(ui->wordtxt, logic_.wordtxt().caption);
    setCaption(ui->seconds, logic_.seconds().caption);
    setCaption(ui->scoretxt, logic_.scoretxt().caption);
    ui->scoretxt->setVisible(logic_.scoretxt().visible);
    ui->startbtn->setEnabled(logic_.startbtn().enabled);
    ui->endbtn->setEnabled(logic_.endbtn().enabled);
    ui->Combo1->setEnabled(logic_.combo1Enabled());
    setCaption(ui->predictiontxt, logic_.predictiontxt().caption);
    ui->predictiontxt->setVisible(logic_.predictiontxt().visible);

    const auto& box = logic_.searchtxt();
    const QString boxText = fromUtf8(box.text);
    if (ui->searchtxt->text() != boxText)
        ui->searchtxt->setText(boxText); // setText raises no textEdited: the logic has already searched
    QFont font = ui->searchtxt->font();
    if (font.family() != fromUtf8(box.fontName) || font.bold() != box.bold) {
        font.setFamily(fromUtf8(box.fontName));
        font.setBold(box.bold);
        ui->searchtxt->setFont(font);
    }
    if (ui->searchtxt->palette().color(QPalette::Text) != toQColor(box.color)) {
        QPalette p = ui->searchtxt->palette();
        p.setColor(QPalette::Text, toQColor(box.color));
        p.setColor(QPalette::WindowText, toQColor(box.color));
        ui->searchtxt->setPalette(p);
    }
    ui->searchtxt->setVisible(box.visible);

    syncWordList();

    if (logic_.sectimerEnabled() && !sectimer_->isActive())
        sectimer_->start();
    else if (!logic_.sectimerEnabled() && sectimer_->isActive())
        sectimer_->stop();

    if (height() != clientHeight()) {
        setFixedSize(width(), clientHeight());
        passFocusOn(true);
    }

    if (logic_.loadingfrmVisible() != loadingfrm_->isVisible())
        loadingfrm_->setVisible(logic_.loadingfrmVisible());

    // The letters have room above them for the round's own capitals (Ä, Å);
    // in English none, as designed.
    if (const wordlist::Language& round = logic_.roundLanguage(); accentsFor_ != round.code) {
        accentsFor_ = std::string(round.code);
        const QString letters = fromUtf8(round.ownLetters);
        for (ClickLabel* label : l_)
            golexorb::makeRoomForAccents(label, letters);
        golexorb::makeRoomForAccents(ui->wordtxt, letters);
    }

    // A board language other than English names itself in the title: the
    // round's while one runs, the chosen one between rounds.
    const wordlist::Language& shown = logic_.running() ? logic_.roundLanguage() : language();
    const QString title = shown.english() ? QStringLiteral("Go LEXORB")
                                          : QStringLiteral("Go LEXORB \u2013 ") + fromUtf8(shown.name);
    if (windowTitle() != title)
        setWindowTitle(title);

    announcer_->follow(logic_);
    if (helpfrm_)
        helpfrm_->follow(logic_);
    update();
}

void MainFrm::syncWordList()
{
    QListWidget* list = ui->wordlst;
    const auto& words = logic_.wordlst();
    const int shown = list->count();
    bool prefixMatches = static_cast<std::size_t>(shown) <= words.size();
    for (int i = 0; prefixMatches && i < shown; ++i)
        prefixMatches = list->item(i)->text() == fromUtf8(words[static_cast<std::size_t>(i)]);
    if (!prefixMatches) {
        list->clear();
    }
    // A board language's rows have room for its accented capitals (none in English).
    const QString letters = fromUtf8(logic_.roundLanguage().ownLetters);
    for (auto i = static_cast<std::size_t>(list->count()); i < words.size(); ++i) {
        list->addItem(fromUtf8(words[i]));
        if (!letters.isEmpty())
            golexorb::makeRoomForAccents(list->item(list->count() - 1), list->font(), letters, devicePixelRatioF());
    }
}

void MainFrm::paintEvent(QPaintEvent*)
{
    golexorb::paintBackground(this);
    QPainter painter(this);
    // One pixel wide as designed; at a larger scale, smooth rather than stepped.
    if (!qFuzzyCompare(devicePixelRatioF(), 1.0))
        painter.setRenderHint(QPainter::Antialiasing);
    const game::Surface surface = logic_.surface();
    for (const auto& s : surface.lines) {
        painter.setPen(QPen(toQColor(s.color), 1));
        painter.drawLine(QLineF(s.x1 / game::kTwipsPerPixel, s.y1 / game::kTwipsPerPixel,
                                s.x2 / game::kTwipsPerPixel, s.y2 / game::kTwipsPerPixel));
    }
    painter.setPen(palette().color(QPalette::ButtonText));
    const QFontMetrics fm(font());
    for (const auto& t : surface.texts) {
        painter.drawText(QPointF(t.x / game::kTwipsPerPixel, t.y / game::kTwipsPerPixel + fm.ascent()), fromUtf8(t.text));
    }
}

// ---------------------------------------------------------------- handlers

void MainFrm::Form_Load()
{
    try {
        logic_.Form_Load();
    } catch (...) {
        sync(); // the error window takes the loading notice's place
        throw;
    }
    sync();
    recordsRetry_->start(); // rounds a run before left waiting, once the window is up
}

void MainFrm::closeEvent(QCloseEvent* event)
{
    if (unloading_) {
        event->accept();
        return;
    }
    unloading_ = true;
    if (room_ && room_->hosting() && room_->othersHere() > 0) {
        // Closing takes the room's broker along: whoever plays there is left
        // without a room.
        const int others = room_->othersHere();
        unloading_ = false;
        if (!golexorb::askYesNo(this,
                                QCoreApplication::translate("mainfrm", "You host this room: closing the game ends it, and "
                                                                       "leaves %n player(s) without a room. Close anyway?",
                                                            nullptr, others))) {
            event->ignore();
            return;
        }
        unloading_ = true;
    }
    if (room_)
        room_->shutDown(); // "gone" to the room, and the hosted broker stopped
    // A copy of the word list that stays behind is said, and the run ends
    // as a failure.
    const std::string problem = logic_.Form_Unload();
    if (!problem.empty()) {
        std::fprintf(stderr, "golexorb: %s\n", problem.c_str());
        closedCleanly_ = false;
    }
    sync();
    if (resultsfrm_)
        resultsfrm_->close();
    if (helpfrm_)
        helpfrm_->close();
    loadingfrm_->close();
    event->accept();
    QCoreApplication::quit();
}

void MainFrm::Combo1_Click(int index)
{
    logic_.setCombo1Text(index >= 0 ? toStd(ui->Combo1->itemText(index)) : std::string());
    logic_.Combo1_Click();
    sync();
}

void MainFrm::startbtn_Click()
{
    if (room_ && room_->inRoom()) {
        room_->startGame(); // the room's round starts on every board at once
        return;
    }
    logic_.startbtn_Click();
    sync();
}

void MainFrm::endbtn_Click()
{
    const bool wasRunning = logic_.running();
    logic_.endbtn_Click();
    recordIfEnded(wasRunning);
    sync();
}

void MainFrm::sectimer_Timer()
{
    const bool wasRunning = logic_.running();
    logic_.sectimer_Timer();
    recordIfEnded(wasRunning);
    sync();
}

void MainFrm::recordIfEnded(bool wasRunning)
{
    if (wasRunning && !logic_.running()) {
        logic_.setRecordNote(records_.finishRound(
            logic_.finishedRound(QDate::currentDate().toString(Qt::ISODate).toStdString()),
            logic_.roundLanguage().code));
        if (records_.waiting())
            recordsRetry_->start();
        if (room_)
            room_->roundEnded();
        if (pickedIndex_)
            ui->Combo1->setCurrentIndex(*std::exchange(pickedIndex_, std::nullopt));
    }
}

void MainFrm::oneplayerbtn_Click()
{
    logic_.oneplayerbtn_Click();
    sync();
}

void MainFrm::multiplaybtn_Click()
{
    logic_.multiplaybtn_Click();
    sync();
}

void MainFrm::l_MouseDown(int index, int button, int shift, float x, float y)
{
    logic_.l_MouseDown(index, button, shift, x, y);
    sync();
}

void MainFrm::Cancelbtn_Click()
{
    logic_.Cancelbtn_Click();
    sync();
}

void MainFrm::Addbtn_Click()
{
    logic_.Addbtn_Click();
    sync();
}

void MainFrm::scoretxt_Click()
{
    game::Report report = logic_.scoretxt_Click();
    if (room_)
        room_->addFinders(report);
    sync();
    ResultsFrm results(this);
    resultsfrm_ = &results;
    results.fill(report);
    results.exec();
}

void MainFrm::howToPlay()
{
    // A shared round goes on for everyone: it never waits.
    if (logic_.running() && !logic_.paused() && !(room_ && room_->sharedRoundRunning())) {
        logic_.keyPause();
        sync();
    }
    HowToPlayFrm window(this);
    window.exec();
}

void MainFrm::searchtxt_Change(const QString& text)
{
    logic_.setSearchtxtText(toStd(text));
    sync();
}

void MainFrm::searchtxt_GotFocus()
{
    logic_.searchtxt_GotFocus();
    sync();
}

void MainFrm::searchtxt_LostFocus()
{
    logic_.searchtxt_LostFocus();
    sync();
}

bool MainFrm::inGameTimeBox(const QWidget* w) const
{
    // Its open list is a window of its own, a child of the box.
    for (; w; w = w->parentWidget()) {
        if (w == ui->Combo1)
            return true;
    }
    return false;
}

bool MainFrm::belowEdge(const QWidget* w) const
{
    return w && w != this && w->geometry().top() >= height();
}

// Tab and Shift+Tab as Qt walks the focus chain, but past the controls
// below the window's edge: focus never lands there, so a screen reader is
// not told of them either.
bool MainFrm::focusNextPrevChild(bool next)
{
    QWidget* const start = focusWidget() ? focusWidget() : this;
    for (QWidget* w = start;;) {
        w = next ? w->nextInFocusChain() : w->previousInFocusChain();
        if (w == start || !w)
            return false;
        if ((w->focusPolicy() & Qt::TabFocus) && w->isEnabled() && w->isVisibleTo(this) && !w->focusProxy()
            && w->window() == this && !belowEdge(w)) {
            w->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            return true;
        }
    }
}

void MainFrm::passFocusOn(bool next)
{
    movingFocus_ = true;
    // "wordlst" is always in sight, so this ends within one round of the chain.
    for (int i = 0; i < 8 && belowEdge(focusWidget()); ++i)
        focusNextPrevChild(next);
    movingFocus_ = false;
}

// The game's keys. F2, F3 and F4 click "Start Game", "End Game" and the
// score wherever the focus is; F1 shows how to play, F6 and Pause hold a
// round and go on, F7 turns the spoken news off and on, F9 says the Help
// window's counts and F10 shows a start. While the focus is
// not in a text box, Return
// and Escape click "Add" and "Cancel", and during a round letters and
// Backspace spell the word. A key whose label is disabled or hidden is left
// to the focused control. Returns whether the game took the key.
bool MainFrm::gameKey(QKeyEvent* event)
{
    if (event->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier))
        return false;
    switch (event->key()) {
    case Qt::Key_F2:
        return ui->startbtn->click();
    case Qt::Key_F3:
        return ui->endbtn->click();
    case Qt::Key_F4:
        return ui->scoretxt->click();
    case Qt::Key_F1:
        howToPlay();
        return true;
    case Qt::Key_F6:
    case Qt::Key_Pause:
        if (!logic_.running())
            return false;
        if (room_ && room_->sharedRoundRunning()) {
            room_->refusePause();
            return true;
        }
        logic_.keyPause();
        sync();
        return true;
    case Qt::Key_F7:
        announcer_->toggle();
        return true;
    case Qt::Key_F8:
        sayBoard();
        return true;
    case Qt::Key_F9:
        sayCounts();
        return true;
    case Qt::Key_F10:
        showStart();
        return true;
    default:
        break;
    }
    if (qobject_cast<QLineEdit*>(QApplication::focusWidget()))
        return false;
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // The Game Time box keeps Return for picking its entry, open or closed.
        if (inGameTimeBox(QApplication::focusWidget()))
            return false;
        return ui->Addbtn->click();
    case Qt::Key_Escape:
        return ui->Cancelbtn->click();
    case Qt::Key_Backspace:
        if (!logic_.running())
            return false;
        logic_.keyBackspace();
        sync();
        return true;
    default:
        break;
    }
    const QString text = event->text();
    if (!logic_.running() || text.size() != 1 || !text[0].isLetter())
        return false;
    if (logic_.roundLexicon()) {
        // The language's own letters, and the others folded to its tiles.
        logic_.keyText(text.toUtf8().toStdString());
    } else {
        if (text[0].unicode() > 0xff)
            return false;
        logic_.keyLetter(text[0].toLatin1());
    }
    sync();
    return true;
}

void MainFrm::keyPressEvent(QKeyEvent* event)
{
    if (!gameKey(event))
        QWidget::keyPressEvent(event);
}

bool MainFrm::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress && watched != ui->searchtxt && !qobject_cast<QLineEdit*>(watched)
        && gameKey(static_cast<QKeyEvent*>(event)))
        return true;
    if (event->type() == QEvent::FocusIn && !movingFocus_ && belowEdge(qobject_cast<QWidget*>(watched))) {
        // Out of sight at the one-player height: pass the focus on, the way it came.
        passFocusOn(static_cast<QFocusEvent*>(event)->reason() != Qt::BacktabFocusReason);
    }

    if (watched == ui->searchtxt) {
        if (event->type() == QEvent::FocusIn)
            searchtxt_GotFocus();
        else if (event->type() == QEvent::FocusOut)
            searchtxt_LostFocus();
    }
    return QWidget::eventFilter(watched, event);
}
