// The main window's design: every control where it belongs, as it looks when
// the window is created.

#include "allwordsfrm.h"
#include "clicklabel.h"
#include "howtoplayfrm.h"
#include "languagefrm.h"
#include "mainfrm.h"
#include "loadingfrm.h"
#include "resultsfrm.h"
#include "uitest.h"

#include <QAccessible>
#include <QComboBox>
#include <QFontDatabase>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QSet>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QToolTip>

class TestMainFrm : public QObject {
    Q_OBJECT
private slots:
    void controls_data();
    void controls();
    void windowItself();
    void comboEntries();
    void focusOrder();
    void letterPressInTwips_data();
    void letterPressInTwips();
    void labelButtons();
    void labelMouse_data();
    void labelMouse();
    void accessible_data();
    void accessible();
    void accessiblePresses();
    void sharpAtAnyScale();
    void captionsFit_data();
    void captionsFit();
    void comboKeepsItsName();
    void tabStaysInSight();
    void tooltipColours_data();
    void tooltipColours();
};

namespace {

const Qt::Alignment kLeft = Qt::AlignLeft | Qt::AlignTop;
const Qt::Alignment kRight = Qt::AlignRight | Qt::AlignTop;
const Qt::Alignment kCentre = Qt::AlignHCenter | Qt::AlignTop;

QWidget* control(QWidget* window, const QString& name)
{
    return window->findChild<QWidget*>(name);
}

std::unique_ptr<QWidget> makeWindow(const QString& name)
{
    if (name == "mainfrm")
        return std::make_unique<MainFrm>();
    if (name == "resultsfrm")
        return std::make_unique<ResultsFrm>();
    if (name == "allwordsfrm")
        return std::make_unique<AllWordsFrm>();
    if (name == "howtoplayfrm")
        return std::make_unique<HowToPlayFrm>();
    if (name == "languagefrm")
        return std::make_unique<LanguageFrm>(QStringLiteral("en"));
    return std::make_unique<LoadingFrm>();
}

} // namespace

void TestMainFrm::controls_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QRect>("twips"); // left, top, width, height as designed
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("alignment"); // 0: not a label
    QTest::addColumn<bool>("visible");
    QTest::addColumn<bool>("enabled");

    auto row = [](const char* name, const char* kind, QRect twips, const char* caption, Qt::Alignment align,
                  bool visible = true, bool enabled = true) {
        QTest::newRow(name) << name << kind << twips << caption << int(align) << visible << enabled;
    };
    row("Combo1", "QComboBox", {3840, 1080, 735, 315}, "", {});
    row("sendtxt", "QLineEdit", {120, 7080, 3975, 285}, "", {});
    row("wordlst", "QListWidget", {240, 2520, 1935, 2370}, "", {});
    row("chatlst", "QListWidget", {120, 7440, 4935, 1395}, "", {});
    row("searchtxt", "QLineEdit", {120, 1080, 1215, 285}, "search...", {}, false);
    row("endbtn", "ClickLabel", {1320, 1800, 855, 255}, "End Game", kCentre, true, false);
    row("scoretxt", "ClickLabel", {2520, 1800, 2415, 255}, "Your Score:", kCentre);
    row("Shape1", "QFrame", {-240, 960, 5535, 735}, "", {});
    row("multiplaybtn", "ClickLabel", {4440, 120, 615, 615}, "multiplayer", kLeft);
    row("oneplayerbtn", "ClickLabel", {3720, 120, 615, 615}, "1 player", kLeft);
    row("startbtn", "ClickLabel", {240, 1800, 855, 255}, "Start Game", kCentre);
    row("Label3", "QLabel", {3960, 1440, 1095, 255}, "Seconds Left", kLeft);
    row("seconds", "QLabel", {3360, 1440, 615, 255}, "0", kCentre);
    row("minutescap", "QLabel", {4680, 1080, 855, 255}, "min", kLeft);
    row("gametimecap", "QLabel", {2640, 1080, 1095, 255}, "Game Time:", kRight);
    row("wordtxt", "QLabel", {240, 2040, 1935, 255}, "Your Word Here", kCentre);
    row("Label1", "QLabel", {4080, 7080, 975, 255}, "Send", kCentre);
    row("Addbtn", "ClickLabel", {240, 2280, 855, 255}, "Add", kCentre);
    row("Cancelbtn", "ClickLabel", {1200, 2280, 975, 255}, "Cancel", kCentre);
    for (int n = 0; n < 16; ++n) {
        const QByteArray name = "l_" + QByteArray::number(n);
        QTest::newRow(name.constData()) << QString(name) << "ClickLabel"
                                        << QRect(2280 + 720 * (n % 4), 2160 + 720 * (n / 4), 750, 750) << "?"
                                        << int(kCentre) << true << true;
    }
    row("predictiontxt", "QLabel", {120, 1320, 2415, 255}, "......", kLeft, false);
}

void TestMainFrm::controls()
{
    QFETCH(QString, name);
    QFETCH(QString, kind);
    QFETCH(QRect, twips);
    QFETCH(QString, caption);
    QFETCH(int, alignment);
    QFETCH(bool, visible);
    QFETCH(bool, enabled);

    MainFrm window;
    QWidget* w = control(&window, name);
    QVERIFY2(w, qPrintable(name + " is missing"));
    QCOMPARE(w->metaObject()->className(), kind);
    QCOMPARE(w->geometry(), QRect(twips.x() / 15, twips.y() / 15, twips.width() / 15, twips.height() / 15));
    QCOMPARE(!w->isHidden(), visible);
    QCOMPARE(w->isEnabled(), enabled);
    if (auto* label = qobject_cast<QLabel*>(w)) {
        QCOMPARE(label->text(), caption);
        QCOMPARE(int(label->alignment() & (Qt::AlignHorizontal_Mask | Qt::AlignVertical_Mask)), alignment);
        QVERIFY(!label->autoFillBackground()); // the picture shows through
    } else if (auto* edit = qobject_cast<QLineEdit*>(w)) {
        QCOMPARE(edit->text(), caption);
    } else if (auto* combo = qobject_cast<QComboBox*>(w)) {
        QCOMPARE(combo->currentText(), caption);
    }
}

void TestMainFrm::windowItself()
{
    MainFrm window;
    QCOMPARE(window.objectName(), QString("mainfrm"));
    QCOMPARE(window.windowTitle(), QString("Go LEXORB"));
    QCOMPARE(window.size(), QSize(350, 345));
    QCOMPARE(window.minimumSize(), window.maximumSize()); // fixed size
    QCOMPARE(window.sectimer()->objectName(), QString("sectimer"));
    QCOMPARE(window.sectimer()->interval(), 1000);
    QVERIFY(!window.sectimer()->isActive());
    QCOMPARE(window.font().family(), QString("Tahoma"));
    QCOMPARE(window.font().pixelSize(), 11); // 8.25 pt at 96 dpi
    QCOMPARE(window.letter(0)->font().pixelSize(), 37); // 27.75 pt
    QVERIFY(window.letter(0)->font().bold());
    QCOMPARE(window.letter(0)->palette().color(QPalette::WindowText), QColor(255, 255, 128));
    QVERIFY(!window.windowIcon().isNull());
    // Centred with its frame on the screen.
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    QCOMPARE(window.x(), (screen.width() - 356) / 2 + 3);
    QCOMPARE(window.y(), (screen.height() - 377) / 2 + 29);
}

void TestMainFrm::comboEntries()
{
    MainFrm window;
    auto* combo = window.findChild<QComboBox*>("Combo1");
    QStringList entries;
    for (int i = 0; i < combo->count(); ++i)
        entries << combo->itemText(i);
    QCOMPARE(entries, QString("1 2 3 4 5 6 7 8 9 10").split(' '));
    QCOMPARE(combo->currentIndex(), -1);
    QVERIFY(!combo->isEditable());
    auto* chat = window.findChild<QListWidget*>("chatlst");
    QCOMPARE(chat->count(), 1);
    QCOMPARE(chat->item(0)->text(), QString("chatlst"));
}

void TestMainFrm::focusOrder()
{
    MainFrm window;
    QStringList order;
    QWidget* w = window.findChild<QWidget*>("searchtxt");
    for (int i = 0; i < 5; ++i) {
        order << w->objectName();
        w = w->nextInFocusChain();
        while (w->focusPolicy() == Qt::NoFocus || w->objectName().isEmpty() || w->parent() != &window)
            w = w->nextInFocusChain();
    }
    QCOMPARE(order, QString("searchtxt chatlst wordlst sendtxt Combo1").split(' '));
}

void TestMainFrm::letterPressInTwips_data()
{
    QTest::addColumn<int>("cell");
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<int>("buttonCode");
    QTest::addColumn<int>("shiftCode");
    QTest::newRow("left button 10 right, 20 down") << 0 << Qt::LeftButton << Qt::KeyboardModifiers() << QPoint(10, 20) << 1 << 0;
    QTest::newRow("right button with Shift") << 5 << Qt::RightButton << Qt::KeyboardModifiers(Qt::ShiftModifier) << QPoint(10, 20) << 2 << 1;
    QTest::newRow("middle button with Ctrl and Alt") << 15 << Qt::MiddleButton
                                                  << Qt::KeyboardModifiers(Qt::ControlModifier | Qt::AltModifier)
                                                  << QPoint(49, 0) << 4 << 6;
}

void TestMainFrm::letterPressInTwips()
{
    QFETCH(int, cell);
    QFETCH(Qt::MouseButton, button);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(QPoint, at);
    QFETCH(int, buttonCode);
    QFETCH(int, shiftCode);
    MainFrm window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QSignalSpy down(window.letter(cell), &ClickLabel::mouseDown);
    QTest::mousePress(window.letter(cell), button, modifiers, at);
    QCOMPARE(down.count(), 1);
    QCOMPARE(down[0][0].toInt(), buttonCode);
    QCOMPARE(down[0][1].toInt(), shiftCode);
    QCOMPARE(down[0][2].toFloat(), float(at.x() * 15));
    QCOMPARE(down[0][3].toFloat(), float(at.y() * 15));
    QTest::mouseRelease(window.letter(cell), button, modifiers, at);
}

void TestMainFrm::labelButtons()
{
    MainFrm window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto* start = window.findChild<ClickLabel*>("startbtn");
    auto* end = window.findChild<ClickLabel*>("endbtn");
    QSignalSpy startClicks(start, &ClickLabel::clicked);
    QSignalSpy endClicks(end, &ClickLabel::clicked);

    // A release outside the label is no click.
    QTest::mousePress(start, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseRelease(start, Qt::LeftButton, {}, QPoint(200, 5));
    QCOMPARE(startClicks.count(), 0);
    QTest::mouseClick(end, Qt::LeftButton);
    QCOMPARE(endClicks.count(), 0); // disabled
    QTest::mouseClick(start, Qt::LeftButton);
    QCOMPARE(startClicks.count(), 1);
    QVERIFY(window.logic().running());
    QVERIFY(!start->isEnabled());
    QTest::mouseClick(end, Qt::LeftButton);
    QCOMPARE(endClicks.count(), 1);
    QVERIFY(!window.logic().running());
}

void TestMainFrm::labelMouse_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<QString>("events"); // P press, R release, D double-click
    QTest::addColumn<int>("clicks");
    QTest::addColumn<int>("downs");
    QTest::newRow("click") << "Cancelbtn" << Qt::LeftButton << "PR" << 1 << 1;
    QTest::newRow("double-click is one click") << "Cancelbtn" << Qt::LeftButton << "PRPDR" << 1 << 2;
    QTest::newRow("double-click without its own press") << "Cancelbtn" << Qt::LeftButton << "PRDR" << 1 << 2;
    QTest::newRow("right button clicks nothing") << "Addbtn" << Qt::RightButton << "PR" << 0 << 1;
    QTest::newRow("middle button clicks nothing") << "multiplaybtn" << Qt::MiddleButton << "PR" << 0 << 1;
    QTest::newRow("a letter: each button going down") << "l_0" << Qt::RightButton << "PRPDR" << 0 << 2;
}

void TestMainFrm::labelMouse()
{
    QFETCH(QString, name);
    QFETCH(Qt::MouseButton, button);
    QFETCH(QString, events);
    QFETCH(int, clicks);
    QFETCH(int, downs);
    MainFrm window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto* label = window.findChild<ClickLabel*>(name);
    QSignalSpy clicked(label, &ClickLabel::clicked);
    QSignalSpy down(label, &ClickLabel::mouseDown);
    for (QChar e : events) {
        if (e == 'P')
            QTest::mousePress(label, button);
        else if (e == 'R')
            QTest::mouseRelease(label, button);
        else
            QTest::mouseDClick(label, button);
    }
    QCOMPARE(clicked.count(), clicks);
    QCOMPARE(down.count(), downs);
}

void TestMainFrm::accessible_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("name"); // empty: the window itself
    QTest::addColumn<int>("role");
    QTest::addColumn<QString>("spoken");
    QTest::addColumn<bool>("press");
    QTest::addColumn<bool>("tab"); // reached with Tab from where the window opens
    auto row = [](const char* window, const char* name, QAccessible::Role role, const char* spoken, bool press = false,
                  bool tab = false) {
        QTest::newRow(qPrintable(QString("%1 %2").arg(window, name))) << window << name << int(role) << spoken << press << tab;
    };
    row("mainfrm", "", QAccessible::Window, "Go LEXORB");
    row("mainfrm", "startbtn", QAccessible::Button, "Start Game", true);
    row("mainfrm", "endbtn", QAccessible::Button, "End Game", false); // disabled
    row("mainfrm", "Addbtn", QAccessible::Button, "Add", true);
    row("mainfrm", "Cancelbtn", QAccessible::Button, "Cancel", true);
    row("mainfrm", "oneplayerbtn", QAccessible::Button, "1 player", true);
    row("mainfrm", "multiplaybtn", QAccessible::Button, "multiplayer", true);
    row("mainfrm", "scoretxt", QAccessible::Button, "Your Score:", true);
    row("mainfrm", "l_6", QAccessible::Button, "?, row 2, column 3", true);
    row("mainfrm", "Combo1", QAccessible::ComboBox, "Game time in minutes", true, true);
    row("mainfrm", "wordlst", QAccessible::List, "Your words", false, true);
    row("mainfrm", "searchtxt", QAccessible::EditableText, "Search the word list");
    row("resultsfrm", "", QAccessible::Dialog, "Results");
    row("resultsfrm", "Label8", QAccessible::Button, "Print", true, true);
    row("resultsfrm", "acceptedtxt", QAccessible::EditableText, "Accepted words", false, true);
    row("resultsfrm", "rejectedtxt", QAccessible::EditableText, "Rejected words", false, true);
    row("resultsfrm", "awardstxt", QAccessible::EditableText, "Awards", false, true);
    row("loadingfrm", "", QAccessible::Window, "Loading");
    row("allwordsfrm", "allwordslst", QAccessible::List, "All words on the board", false, true);
    row("allwordsfrm", "meaningtxt", QAccessible::EditableText, "Meaning", false, true);
    row("allwordsfrm", "challengetxt", QAccessible::StaticText, "Code: 7QXF-2M4K-9RTA-8CWN-B3D", false, true);
    row("allwordsfrm", "copybtn", QAccessible::Button, "Copy", true, true);
    row("allwordsfrm", "progressbtn", QAccessible::Button, "Progress", true, true);
    row("howtoplayfrm", "", QAccessible::Dialog, "How to Play");
    row("howtoplayfrm", "rulestxt", QAccessible::StaticText, "How to play", false, true);
    row("languagefrm", "", QAccessible::Dialog, "Language");
    row("languagefrm", "languagelst", QAccessible::List, "Board languages", false, true);
    row("languagefrm", "choosebtn", QAccessible::Button, "Play it", true);
}

void TestMainFrm::accessible()
{
    QFETCH(QString, window);
    QFETCH(QString, name);
    QFETCH(int, role);
    QFETCH(QString, spoken);
    QFETCH(bool, press);
    QFETCH(bool, tab);
    std::unique_ptr<QWidget> w;
    if (window == "mainfrm")
        w = std::make_unique<MainFrm>();
    else
        w = makeWindow(window);
    if (auto* all = qobject_cast<AllWordsFrm*>(w.get())) {
        game::Report report; // a round of a length, with a code to pass on
        report.progress.minutes = 3;
        report.challengecode = "7QXF-2M4K-9RTA-8CWN-B3D";
        all->fill(report);
    }
    QObject* object = name.isEmpty() ? w.get() : w->findChild<QWidget*>(name);
    QVERIFY(object);
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(object);
    QVERIFY(a);
    QCOMPARE(int(a->role()), role);
    QCOMPARE(a->text(QAccessible::Name), spoken);
    const QStringList actions = a->actionInterface() ? a->actionInterface()->actionNames() : QStringList();
    QCOMPARE(actions.contains(QAccessibleActionInterface::pressAction()), press);
    if (name.isEmpty())
        return;
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w.get()));
    QApplication::setActiveWindow(w.get());
    QSet<QWidget*> reached;
    for (int i = 0; i < 40 && QApplication::focusWidget(); ++i) {
        reached << QApplication::focusWidget();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    QCOMPARE(reached.contains(static_cast<QWidget*>(object)), tab);
}

void TestMainFrm::accessiblePresses()
{
    MainFrm window;
    window.setRandomSource([] { return 0.01; }); // every letter an E
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto press = [](QObject* o) {
        QAccessible::queryAccessibleInterface(o)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    };
    auto* start = window.findChild<ClickLabel*>("startbtn");
    QSignalSpy clicks(start, &ClickLabel::clicked);
    press(start);
    QCOMPARE(clicks.count(), 1);
    QVERIFY(window.logic().running());
    press(start); // disabled now
    QCOMPARE(clicks.count(), 1);

    QAccessibleInterface* cell = QAccessible::queryAccessibleInterface(window.letter(5));
    QCOMPARE(cell->text(QAccessible::Name), QString("E, row 2, column 2"));
    QVERIFY(cell->state().selectable && !cell->state().selected);
    press(window.letter(5)); // pressed at its centre
    QVERIFY(cell->state().selected);
    QCOMPARE(window.logic().wordtxt().caption, std::string("E"));
    QCOMPARE(window.logic().lastx(), 375.0f);
    press(window.findChild<ClickLabel*>("Cancelbtn"));
    QVERIFY(!cell->state().selected);
}

// Run at QT_SCALE_FACTOR 1.5 and 2 as well: no caption drawn from a bitmap
// font's pictures, and the picture drawn from its twice-the-size drawing.
void TestMainFrm::sharpAtAnyScale()
{
    MainFrm window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const qreal scale = window.devicePixelRatioF();
    const QList<QWidget*> windows{&window, new ResultsFrm(&window), new LoadingFrm(&window)};
    for (QWidget* w : windows) {
        for (auto* label : w->findChildren<QLabel*>()) {
            const QFontInfo info(label->font());
            const bool scalable = QFontDatabase::isSmoothlyScalable(info.family(), info.styleName());
            QVERIFY2(scalable || qFuzzyCompare(scale, 1.0), qPrintable(label->objectName() + " in " + info.family()));
        }
    }
    QCOMPARE(window.findChild<QLabel*>("oneplayerbtn")->font().family(),
             qFuzzyCompare(scale, 1.0) ? QString("Small Fonts") : QString("Tahoma"));
    if (!qFuzzyCompare(scale, 2.0))
        return;
    // The title artwork: a picture merely doubled would have every 2 x 2 block of one colour.
    const QImage shot = window.grab(QRect(15, 10, 210, 45)).toImage();
    int mixed = 0, blocks = 0;
    for (int y = 0; y + 1 < shot.height(); y += 2) {
        for (int x = 0; x + 1 < shot.width(); x += 2, ++blocks) {
            const QRgb c = shot.pixel(x, y);
            mixed += shot.pixel(x + 1, y) != c || shot.pixel(x, y + 1) != c || shot.pixel(x + 1, y + 1) != c;
        }
    }
    QVERIFY2(mixed * 4 > blocks, qPrintable(QString("%1 of %2 blocks mixed").arg(mixed).arg(blocks)));
}

void TestMainFrm::captionsFit_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("lines"); // lines the caption may take
    for (const char* name : {"startbtn", "endbtn", "Addbtn", "Cancelbtn", "Label3", "minutescap", "gametimecap",
                             "wordtxt", "Label1", "oneplayerbtn", "multiplaybtn", "predictiontxt"})
        QTest::newRow(name) << name << QString() << 1;
    QTest::newRow("Calculating Score...") << "scoretxt" << "Calculating Score..." << 1;
    QTest::newRow("Your Score: 123") << "scoretxt" << "Your Score: 123" << 1;
    QTest::newRow("600 seconds") << "seconds" << "600" << 1;
    QTest::newRow("a letter") << "l_0" << "W" << 1;
    QTest::newRow("long word") << "wordtxt" << "ABCDEFGHIJKL" << 1;
}

void TestMainFrm::captionsFit()
{
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(int, lines);
    MainFrm window;
    auto* label = window.findChild<QLabel*>(name);
    QVERIFY(label);
    const QString text = caption.isEmpty() ? label->text() : caption;
    const QFontMetricsF fm(label->font());
    QVERIFY2(fm.horizontalAdvance(text) <= label->contentsRect().width(),
             qPrintable(QString("%1 is %2 px wide in %3 px").arg(text).arg(fm.horizontalAdvance(text)).arg(label->width())));
    QVERIFY(fm.height() * lines <= label->contentsRect().height() + 1);
}

void TestMainFrm::comboKeepsItsName()
{
    MainFrm window;
    auto* combo = window.findChild<QComboBox*>("Combo1");
    combo->setCurrentIndex(2);
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(combo);
    QCOMPARE(a->text(QAccessible::Name), QString("Game time in minutes"));
    QCOMPARE(a->text(QAccessible::Value), QString("3"));
    QCOMPARE(a->child(0)->object(), combo->view()); // where a screen reader finds what is picked
}

// Tab never lands on the chat controls below the window's edge, not even on
// its way on (Qt tells a screen reader of every landing); it reaches them
// once the window is taller.
void TestMainFrm::tabStaysInSight()
{
    MainFrm window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QApplication::setActiveWindow(&window);
    QStringList landed;
    QObject listening; // ends the connection however the test ends
    connect(qApp, &QApplication::focusChanged, &listening, [&](QWidget*, QWidget* now) { landed << now->objectName(); });
    for (Qt::Key key : {Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Backtab})
        QTest::keyClick(QApplication::focusWidget(), key);
    QCOMPARE(landed, QString("wordlst Combo1 wordlst").split(' '));
    window.multiplaybtn_Click();
    for (int i = 0; i < 3; ++i)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QVERIFY2(landed.contains("chatlst") && landed.contains("sendtxt"), qPrintable(landed.join(' ')));
}

void TestMainFrm::tooltipColours_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("name");
    for (const char* name : {"startbtn", "Addbtn", "scoretxt", "multiplaybtn"})
        QTest::newRow(name) << "mainfrm" << name;
    QTest::newRow("Print") << "resultsfrm" << "Label8";
    QTest::newRow("Progress") << "allwordsfrm" << "progressbtn";
    QTest::newRow("How to Play") << "howtoplayfrm" << "rulestxt";
}

// A tooltip comes in the desktop's tooltip colours, whatever its label's
// own colour ("Start Game" is white).
void TestMainFrm::tooltipColours()
{
    QFETCH(QString, window);
    QFETCH(QString, name);
    const auto w = makeWindow(window);
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w.get()));
    auto* target = w->findChild<QWidget*>(name);
    const QColor own = target->palette().color(QPalette::WindowText);
    QHelpEvent help(QEvent::ToolTip, QPoint(2, 2), target->mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(target, &help);
    QLabel* tip = nullptr;
    for (QWidget* top : QApplication::topLevelWidgets())
        tip = top->inherits("QTipLabel") && top->isVisible() ? qobject_cast<QLabel*>(top) : tip;
    QVERIFY(tip && tip->text() == target->toolTip() && !tip->text().isEmpty());
    const QImage image = tip->grab().toImage();
    QToolTip::hideText();
    const QColor text = QToolTip::palette().color(QPalette::ToolTipText);
    int ownPixels = 0, textPixels = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            ownPixels += own != text && image.pixelColor(x, y) == own;
            textPixels += image.pixelColor(x, y) == text;
        }
    }
    QVERIFY(textPixels > 0);
    QCOMPARE(ownPixels, 0);
}

GOLEXORB_UI_TEST_MAIN(TestMainFrm)
#include "tst_mainfrm.moc"
