#include "mainlogic.h"
#include "report.h"
#include "scriptedplatform.h"

#include <QTest>

using namespace game;

namespace {
// Accepts "CAT" and "QUIZ", rejects "READQ", and ends the round.
void playRound(MainLogic& logic, ScriptedPlatform& platform)
{
    std::vector<std::string> list = {"cat", "quiz"};
    logic.setWordList(list);
    platform.draws = drawsFor("CATSQUIZXYZQREAD");
    logic.startbtn_Click();
    for (int cell : {0, 1, 2})
        logic.l_MouseDown(cell, 1, 0, 100, 100);
    logic.Addbtn_Click();
    for (int cell : {4, 5, 6, 7})
        logic.l_MouseDown(cell, 1, 0, 100, 100);
    logic.Addbtn_Click();
    for (int cell : {12, 13, 14, 15, 11})
        logic.l_MouseDown(cell, 1, 0, 100, 100);
    logic.Addbtn_Click();
    logic.endbtn_Click();
}
} // namespace

class TestReport : public QObject {
    Q_OBJECT
private slots:
    void awards_data();
    void awards();
    void mostUsedLetter_data();
    void mostUsedLetter();
    void reportFromRound();
    void reportTwiceIsIdentical();
};

void TestReport::awards_data()
{
    QTest::addColumn<QString>("longest");
    QTest::addColumn<QString>("accepted");
    QTest::addColumn<int>("score");
    QTest::addColumn<QStringList>("lines");

    const QString seven = "Found a with 7 letters or more!";
    const QString five = "Found a word 5 letters or more!";
    QTest::newRow("nothing") << "" << "" << 0 << QStringList{};
    QTest::newRow("longest of 4") << "WORD" << "WORD\r\n" << 4 << QStringList{};
    QTest::newRow("longest of 5") << "WORDS" << "" << 0 << QStringList{five};
    QTest::newRow("longest of 6") << "WORDSS" << "" << 0 << QStringList{five};
    QTest::newRow("longest of 7, even when rejected") << "ABCDEFG" << "" << 0 << QStringList{seven};
    QTest::newRow("longest of 12") << "ABCDEFGHIJKL" << "" << 0 << QStringList{seven};
    QTest::newRow("Q in an accepted word") << "" << "QAT\r\n" << 3 << QStringList{"Used a Q!"};
    QTest::newRow("Z in an accepted word") << "" << "ZAP\r\n" << 3 << QStringList{"Used a Z!"};
    QTest::newRow("lower-case q and z count") << "" << "qaz\r\n" << 3 << QStringList{"Used a Q!", "Used a Z!"};
    QTest::newRow("Q and Z only in rejected words") << "QUIZ" << "CAT\r\n" << 3 << QStringList{};
    QTest::newRow("score 30") << "" << "" << 30 << QStringList{};
    QTest::newRow("score 31") << "" << "" << 31 << QStringList{"scored over 30!"};
    QTest::newRow("score 40") << "" << "" << 40 << QStringList{"scored over 30!"};
    QTest::newRow("score 41") << "" << "" << 41 << QStringList{"Nice scored over 40!", "scored over 30!"};
    QTest::newRow("score 50") << "" << "" << 50 << QStringList{"Nice scored over 40!", "scored over 30!"};
    QTest::newRow("score 51")
        << "" << "" << 51 << QStringList{"Massive score over 50!", "Nice scored over 40!", "scored over 30!"};
    QTest::newRow("everything, in order")
        << "QUIZZES" << "QUIZZES\r\n" << 60
        << QStringList{seven, "Used a Q!", "Used a Z!", "Massive score over 50!", "Nice scored over 40!", "scored over 30!"};
}

void TestReport::awards()
{
    QFETCH(QString, longest);
    QFETCH(QString, accepted);
    QFETCH(int, score);
    QFETCH(QStringList, lines);
    QString expected;
    for (const QString& line : lines)
        expected += line + "\r\n";
    QCOMPARE(QString::fromStdString(awardLines(longest.toStdString(), accepted.toStdString(), score)), expected);
}

void TestReport::mostUsedLetter_data()
{
    QTest::addColumn<QString>("board");
    QTest::addColumn<QString>("accepted");
    QTest::addColumn<QString>("letter");
    QTest::newRow("no word accepted shows nothing") << "CATSDOGEXYZQREAD" << "" << "";
    QTest::newRow("clear winner") << "ABCDEFGHIJKLMNOP" << "ABA\r\nCAD\r\n" << "A";
    QTest::newRow("tie goes to the later cell") << "ABCDEFGHIJKLMNOP" << "FAB\r\nGEM\r\n" << "M";
    QTest::newRow("a letter twice in one word counts twice") << "ABCDEFGHIJKLMNOP" << "PEEP\r\nMOP\r\n" << "P";
    QTest::newRow("board letter with a duplicate cell") << "CATSDOGEXYZQREAD" << "CAT\r\nDOG\r\n" << "D";
    QTest::newRow("same letter on two cells, later one wins the tie") << "ABCDEFGHIJKLMNOA" << "BAA\r\n" << "A";
    QTest::newRow("case must match") << "CATSDOGEXYZQREAD" << "cat\r\n" << "";
}

void TestReport::mostUsedLetter()
{
    QFETCH(QString, board);
    QFETCH(QString, accepted);
    QFETCH(QString, letter);
    std::array<std::string, 16> cells;
    for (int k = 0; k < 16; ++k)
        cells[k] = std::string(1, board.at(k).toLatin1());
    QCOMPARE(QString::fromStdString(letterMostUsed(cells, accepted.toStdString())), letter);
}

void TestReport::reportFromRound()
{
    ScriptedPlatform platform;
    MainLogic logic(platform);
    playRound(logic, platform);

    const Report r = logic.scoretxt_Click();
    QCOMPARE(r.acceptedtxt, std::string("cat\r\nquiz\r\n"));
    QCOMPARE(r.rejectedtxt, std::string("readq\r\n"));
    QCOMPARE(r.longestwordtxt, std::string("READQ"));
    QCOMPARE(r.scoretxt, std::string("7"));
    for (int k = 0; k < 16; ++k)
        QCOMPARE(r.d[k], logic.l()[k].caption);
    QCOMPARE(r.lettermostusedtxt, std::string("A")); // all used once: the highest such cell, 14
    QCOMPARE(r.desctxt, std::string("The results below are to show how well you did Go LEXORB"));
    QCOMPARE(r.awardstxt, std::string("Found a word 5 letters or more!\r\nUsed a Q!\r\nUsed a Z!\r\n"));
    QCOMPARE(logic.awards(), r.awardstxt);
}

void TestReport::reportTwiceIsIdentical()
{
    ScriptedPlatform platform;
    MainLogic logic(platform);
    playRound(logic, platform);
    const Report first = logic.scoretxt_Click();
    const Report second = logic.scoretxt_Click();
    QVERIFY(first == second);
    QCOMPARE(logic.awards(), first.awardstxt); // rebuilt from empty, never doubled
}

QTEST_APPLESS_MAIN(TestReport)
#include "tst_report.moc"
