// The main window's design: every control where it belongs, as it looks when
// the window is created.

#include "clicklabel.h"
#include "mainfrm.h"
#include "uitest.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

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
    void captionsFit_data();
    void captionsFit();
};

namespace {

const Qt::Alignment kLeft = Qt::AlignLeft | Qt::AlignTop;
const Qt::Alignment kRight = Qt::AlignRight | Qt::AlignTop;
const Qt::Alignment kCentre = Qt::AlignHCenter | Qt::AlignTop;

QWidget* control(QWidget* window, const QString& name)
{
    return window->findChild<QWidget*>(name);
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
    QVERIFY(window.form().running);
    QVERIFY(!start->isEnabled());
    QTest::mouseClick(end, Qt::LeftButton);
    QCOMPARE(endClicks.count(), 1);
    QVERIFY(!window.form().running);
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

GOLEXORB_UI_TEST_MAIN(TestMainFrm)
#include "tst_mainfrm.moc"
