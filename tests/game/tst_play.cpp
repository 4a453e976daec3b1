#include "mainlogic.h"
#include "scriptedplatform.h"

#include <QTest>

#include <sstream>

#include "commonness.h"

using namespace game;

// The board of every test here:
//   C A T S
//   D O G E
//   X Y Z Q
//   R E A D
static const std::string kBoard = "CATSDOGEXYZQREAD";

namespace {

struct Game {
    ScriptedPlatform platform;
    MainLogic logic{platform};

    explicit Game(bool withList = true)
    {
        std::vector<std::string> list = {"", "dogs", "Cat", "cat", "cats", "dog", "read", "CAT", "oxy"};
        list.resize(withList ? 200001 : 0);
        logic.setWordList(std::move(list));
        // "oxy" is the one rare word.
        static const std::string sizes = wordlist::packSizes({0, 10, 10, 10, 10, 10, 10, 10, 70});
        logic.setCommonness(wordlist::Commonness(sizes));
        platform.draws = drawsFor(kBoard);
        logic.startbtn_Click();
    }

    // "p5" presses cell 5 at (300, 300) twips, "p5@10,20" at (10, 20),
    // "c5" at its centre, "tDOG" types D, O, G, "B" is Backspace,
    // "A" adds, "C" cancels, "E" ends the round, "S" starts a new round with
    // the same board, "H" shows a start, "N" makes the round one without
    // hints.
    void play(const QString& script)
    {
        for (const QString& step : script.split(' ', Qt::SkipEmptyParts)) {
            if (step == "A") {
                logic.Addbtn_Click();
            } else if (step == "C") {
                logic.Cancelbtn_Click();
            } else if (step == "S") {
                platform.draws = drawsFor(kBoard);
                logic.startbtn_Click();
            } else if (step == "E") {
                logic.endbtn_Click();
            } else if (step == "B") {
                logic.keyBackspace();
            } else if (step == "H") {
                logic.showStart();
            } else if (step == "N") {
                logic.setHelpAllowed(false);
            } else if (step.startsWith('t')) {
                for (QChar c : step.mid(1))
                    logic.keyLetter(c.toLatin1());
            } else if (step.startsWith('c')) {
                logic.l_MouseDown(step.mid(1).toInt(), 1, 0, 375, 375);
            } else if (step.startsWith('p')) {
                const QStringList parts = step.mid(1).split('@');
                float x = 300, y = 300;
                if (parts.size() == 2) {
                    x = parts[1].section(',', 0, 0).toFloat();
                    y = parts[1].section(',', 1, 1).toFloat();
                }
                logic.l_MouseDown(parts[0].toInt(), 1, 0, x, y);
            }
        }
    }

    bool selectionClear() const
    {
        for (int n = 0; n < kCells; ++n)
            if (logic.used()[n] != 0 || logic.l()[n].color != kPaleYellow)
                return false;
        return logic.wordtxt().caption.empty() && logic.lastcell() == kNoCell && logic.surface().lines.empty()
            && logic.lastx() == 0 && logic.lasty() == 0;
    }
};

// "3:1/2,1/3 4:0/3,0/3": for each length, common words found of those on the board, then all words.
QString counts(const WordCounts& c)
{
    QString out;
    for (const LengthCount& l : c.lengths)
        out += QString(" %1:%2/%3,%4/%5").arg(l.length).arg(l.commonFound).arg(l.common).arg(l.found).arg(l.all);
    return out.mid(1);
}

QString lines(const std::vector<std::string>& v)
{
    QStringList out;
    for (const auto& s : v)
        out << QString::fromStdString(s);
    return out.join('|');
}

} // namespace

class TestPlay : public QObject {
    Q_OBJECT
private slots:
    void boardIsScripted();
    void presses_data();
    void presses();
    void segmentsJoinPressPoints();
    void anyButtonOrModifierPresses();
    void pressesWithoutRoundChangeNothing();
    void cancelClearsSelection();
    void typing_data();
    void typing();
    void submissions_data();
    void submissions();
    void addWithoutRoundOnlyClears();
    void wordAcceptedAgainNextRound();
};

void TestPlay::boardIsScripted()
{
    Game g;
    for (int n = 0; n < kCells; ++n)
        QCOMPARE(g.logic.l()[n].caption, std::string(1, kBoard[n]));
}

void TestPlay::presses_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<QString>("word");
    QTest::addColumn<int>("segments");
    QTest::newRow("first press on any cell, no segment") << "p10" << "Z" << 0;
    QTest::newRow("touching press adds a letter and a segment") << "p0 p5" << "CO" << 1;
    QTest::newRow("cell already in the word is ignored") << "p0 p1 p0" << "CA" << 1;
    QTest::newRow("non-touching press changes nothing") << "p0 p10" << "C" << 0;
    QTest::newRow("a rejected press does not block the cell") << "p0 p10 p5 p10" << "COZ" << 2;
    QTest::newRow("16 letters along a path of all cells")
        << "p0 p1 p2 p3 p7 p6 p5 p4 p8 p9 p10 p11 p15 p14 p13 p12" << "CATSEGODXYZQDAER" << 15;
    QTest::newRow("corners do not touch across the board") << "p3 p12" << "S" << 0;
    // A hint is a segment of its own, its letters left as they are.
    QTest::newRow("a hint lights a segment, no letter") << "H" << "" << 1;
    QTest::newRow("Cancel and Add leave it lit") << "H C A" << "" << 1;
    QTest::newRow("an ignored press ends it too") << "p0 H p10" << "C" << 0;
    QTest::newRow("a typed letter ends it") << "H tD" << "D" << 0;
}

void TestPlay::presses()
{
    QFETCH(QString, script);
    QFETCH(QString, word);
    QFETCH(int, segments);
    Game g;
    g.play(script);
    QCOMPARE(QString::fromStdString(g.logic.wordtxt().caption), word);
    QCOMPARE(int(g.logic.surface().lines.size()), segments);
    int black = 0;
    for (int n = 0; n < kCells; ++n) {
        QCOMPARE(g.logic.used()[n] == 1, g.logic.l()[n].color == kBlack);
        black += g.logic.used()[n];
    }
    QCOMPARE(black, int(word.size()));
}

void TestPlay::segmentsJoinPressPoints()
{
    Game g;
    // A press on the very corner of a label (0, 0) still anchors the next segment.
    g.play("p0@0,0 p5@30,45 p10@749,1");
    QCOMPARE(g.logic.surface().lines.size(), std::size_t(2));
    QCOMPARE(g.logic.surface().lines[0], (Segment{2280, 2160, 3000 + 30, 2880 + 45, kRed}));
    QCOMPARE(g.logic.surface().lines[1], (Segment{3000 + 30, 2880 + 45, 3720 + 749, 3600 + 1, kRed}));
    QCOMPARE(g.logic.lastcell(), 10);
    QCOMPARE(g.logic.lastx(), 749.0f);
}

void TestPlay::anyButtonOrModifierPresses()
{
    Game g;
    g.logic.l_MouseDown(0, 2, 0, 100, 100); // right button
    g.logic.l_MouseDown(1, 4, 0, 100, 100); // middle button
    g.logic.l_MouseDown(2, 1, 1, 100, 100); // Shift
    g.logic.l_MouseDown(3, 2, 7, 100, 100); // right with Shift, Ctrl and Alt
    QCOMPARE(g.logic.wordtxt().caption, std::string("CATS"));
    QCOMPARE(g.logic.surface().lines.size(), std::size_t(3));
}

void TestPlay::pressesWithoutRoundChangeNothing()
{
    Game g;
    g.play("p0 p1");
    g.logic.endbtn_Click();
    g.play("p5 p6 C");
    QVERIFY(g.logic.wordtxt().caption.empty()); // as the round's end left it
    for (int n = 0; n < kCells; ++n)
        QCOMPARE(g.logic.used()[n], 0);
    QVERIFY(g.logic.surface().lines.empty());
}

void TestPlay::cancelClearsSelection()
{
    Game g;
    g.play("p0 p1 p2 C");
    QVERIFY(g.selectionClear());
    g.play("p15");
    QCOMPARE(g.logic.wordtxt().caption, std::string("D"));
}

// Typing leaves exactly the state that pressing the shown path leaves, so
// the mouse, Add and Cancel carry on from it as from presses.
void TestPlay::typing_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("pressed");
    QTest::addColumn<int>("beeps");
    QTest::newRow("a word through the cell centres") << "tCAT" << "c0 c1 c2" << 0;
    QTest::newRow("lower case as upper case") << "tdog" << "c4 c5 c6" << 0;
    QTest::newRow("a letter no path takes beeps") << "tCX" << "c0" << 1;
    QTest::newRow("no cell twice") << "tQQ" << "c11" << 1;
    QTest::newRow("first of two D's shown") << "tDA" << "c4 c1" << 0;
    QTest::newRow("re-routed when only the other path goes on") << "tDAE" << "c15 c14 c13" << 0;
    QTest::newRow("re-routed from the first letter") << "tEAD" << "c13 c14 c15" << 0;
    QTest::newRow("Backspace drops the last letter") << "tDAT B" << "c4 c1" << 0;
    QTest::newRow("Backspace to nothing, then anew") << "tC B B tR" << "c12" << 0;
    QTest::newRow("Backspace keeps a press point") << "p0@10,20 p1 B" << "p0@10,20" << 0;
    QTest::newRow("typing goes on from a press") << "p4@5,5 tOG" << "p4@5,5 c5 c6" << 0;
    QTest::newRow("a press goes on from typed letters") << "tE p10 tE" << "c7 p10 c13" << 0;
    QTest::newRow("the last pressed cell is never re-routed") << "p4 tAE" << "p4 c1" << 1;
    QTest::newRow("the shown path is kept while it can go on") << "tDAE B B tA" << "c15 c14" << 0;
    QTest::newRow("Cancel drops the typed path") << "tDA C tE" << "c7" << 0;
    QTest::newRow("sixteen letters") << "tCATSEGODXYZQDAER" << "c0 c1 c2 c3 c7 c6 c5 c4 c8 c9 c10 c11 c15 c14 c13 c12"
                                   << 0;
    QTest::newRow("no round: no letter, no beep") << "E tC S tC" << "c0" << 0;
}

void TestPlay::typing()
{
    QFETCH(QString, typed);
    QFETCH(QString, pressed);
    QFETCH(int, beeps);
    Game t(false), p(false); // no word is added
    t.play(typed);
    p.play(pressed);
    QCOMPARE(t.platform.beeps, beeps);
    QCOMPARE(t.logic.wordtxt().caption, p.logic.wordtxt().caption);
    QCOMPARE(t.logic.used(), p.logic.used());
    for (int n = 0; n < kCells; ++n)
        QVERIFY(t.logic.l()[n].color == p.logic.l()[n].color);
    QVERIFY(t.logic.surface().lines == p.logic.surface().lines);
    QCOMPARE(t.logic.lastcell(), p.logic.lastcell());
    QCOMPARE(t.logic.lastx(), p.logic.lastx());
    QCOMPARE(t.logic.lasty(), p.logic.lasty());
    if (p.logic.lastcell() != kNoCell)
        QCOMPARE(t.logic.prevcell(), p.logic.prevcell());
}

void TestPlay::submissions_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<QString>("accepted");
    QTest::addColumn<QString>("rejected");
    QTest::addColumn<QString>("listed");
    QTest::addColumn<QString>("boxes");
    QTest::addColumn<int>("score");
    QTest::addColumn<QString>("longest");
    QTest::addColumn<QString>("prediction");
    QTest::addColumn<QString>("counts");
    QTest::addColumn<QString>("hinted");

    // The board holds CAT, DOG and OXY (rare), CATS, DOGS and READ.
    const QString none = "3:0/2,0/3 4:0/3,0/3";
    const QString again = "You have already entered that word!";
    const QString tooShort = "Words must be bigger than 2 letters!";
    QTest::newRow("found word scores its length, shown as the list spells it")
        << "p0 p1 p2 A" << "CAT\r\n" << "" << "CAT" << "" << 3 << "CAT" << "Cat" << "3:1/2,1/3 4:0/3,0/3" << "";
    QTest::newRow("word not in the list is rejected and listed")
        << "p0 p1 p4 A" << "" << "CAD\r\n" << "CAD" << "" << 0 << "CAD" << "......" << none << "";
    QTest::newRow("accepted word again") << "p0 p1 p2 A p0 p1 p2 A" << "CAT\r\n" << "" << "CAT" << again << 3
                                         << "CAT" << "Cat" << "3:1/2,1/3 4:0/3,0/3" << "";
    QTest::newRow("rejected word again") << "p0 p1 p4 A p0 p1 p4 A" << "" << "CAD\r\n" << "CAD" << again << 0
                                         << "CAD" << "......" << none << "";
    QTest::newRow("two letters") << "p0 p1 A" << "" << "" << "" << tooShort << 0 << "" << "......" << none << "";
    QTest::newRow("empty word") << "A" << "" << "" << "" << tooShort << 0 << "" << "......" << none << "";
    QTest::newRow("equal length keeps the first longest")
        << "p4 p5 p6 p3 A p0 p1 p2 p3 A" << "DOGS\r\nCATS\r\n" << "" << "DOGS|CATS" << "" << 8 << "DOGS" << "cats"
        << "3:0/2,0/3 4:2/3,2/3" << "";
    QTest::newRow("longer rejected word becomes the longest")
        << "p0 p1 p2 A p4 p5 p6 p7 p11 A" << "CAT\r\n" << "DOGEQ\r\n" << "CAT|DOGEQ" << "" << 3 << "DOGEQ" << "Cat"
        << "3:1/2,1/3 4:0/3,0/3" << "";
    QTest::newRow("scores add up over several words")
        << "p4 p5 p6 A p12 p13 p14 p15 A p4 p5 p6 p3 A p5 p8 p9 A" << "DOG\r\nREAD\r\nDOGS\r\nOXY\r\n" << ""
        << "DOG|READ|DOGS|OXY" << "" << 14 << "READ" << "oxy" << "3:1/2,2/3 4:2/3,2/3" << "";
    // The hint: the first common word not found, longest first (CATS).
    QTest::newRow("a hinted word is found but scores nothing")
        << "H p0 p1 p2 p3 A" << "CATS\r\n" << "" << "CATS" << "" << 0 << "CATS" << "cats" << "3:0/2,0/3 4:1/3,1/3"
        << "CATS";
    QTest::newRow("the same start again until its word is found")
        << "H C H p4 p5 p6 p3 A H tCATS A H" << "DOGS\r\nCATS\r\n" << "" << "DOGS|CATS" << "" << 4 << "DOGS"
        << "cats" << "3:0/2,0/3 4:2/3,2/3" << "CATS|READ";
    QTest::newRow("a round without hints refuses them")
        << "N H p0 p1 p2 p3 A" << "CATS\r\n" << "" << "CATS" << "" << 4 << "CATS" << "cats" << "3:0/2,0/3 4:1/3,1/3"
        << "";
    QTest::newRow("no hint once every common word is found")
        << "tCAT A tDOG A tCATS A tDOGS A tREAD A H" << "CAT\r\nDOG\r\nCATS\r\nDOGS\r\nREAD\r\n" << ""
        << "CAT|DOG|CATS|DOGS|READ" << "" << 18 << "CATS" << "read" << "3:2/2,2/3 4:3/3,3/3" << "";
    QTest::newRow("a new round clears the hints")
        << "H E S" << "" << "" << "" << "" << 0 << "" << "......" << none << "";
}

void TestPlay::submissions()
{
    QFETCH(QString, script);
    QFETCH(QString, accepted);
    QFETCH(QString, rejected);
    QFETCH(QString, listed);
    QFETCH(QString, boxes);
    QFETCH(int, score);
    QFETCH(QString, longest);
    QFETCH(QString, prediction);
    QFETCH(QString, counts);
    QFETCH(QString, hinted);
    Game g;
    g.play(script);
    QCOMPARE(QString::fromStdString(g.logic.acceptedwords()), accepted);
    QCOMPARE(QString::fromStdString(g.logic.rejectedwords()), rejected);
    QCOMPARE(lines(g.logic.wordlst()), listed);
    QCOMPARE(lines(g.platform.boxes), boxes);
    QCOMPARE(g.logic.score(), score);
    QCOMPARE(QString::fromStdString(g.logic.longestword()), longest);
    QCOMPARE(QString::fromStdString(g.logic.predictiontxt().caption), prediction);
    QCOMPARE(::counts(g.logic.wordCounts()), counts);
    QCOMPARE(lines(g.logic.hintedwords()), hinted);
    if (!g.logic.hint())
        QVERIFY(g.selectionClear());
}

void TestPlay::addWithoutRoundOnlyClears()
{
    Game g;
    g.play("p0 p1 p2 E");
    g.logic.Addbtn_Click();
    QVERIFY(g.platform.boxes.empty());
    QVERIFY(g.logic.wordlst().empty());
    QVERIFY(g.selectionClear());
}

void TestPlay::wordAcceptedAgainNextRound()
{
    Game g;
    g.play("p0 p1 p2 A");
    g.logic.endbtn_Click();
    QCOMPARE(g.logic.scoretxt().caption, std::string("Your Score: 3"));
    QCOMPARE(lines(g.logic.wordlst()), QString("CAT")); // stays listed until the next start
    g.play("S p0 p1 p2 A");
    QVERIFY(g.platform.boxes.empty());
    QCOMPARE(g.logic.acceptedwords(), std::string("CAT\r\n"));
    QCOMPARE(g.logic.score(), 3);
}

QTEST_APPLESS_MAIN(TestPlay)
#include "tst_play.moc"
