#include "board.h"
#include "mainlogic.h"
#include "scriptedplatform.h"

#include <QTest>

#include <map>
#include <random>

using namespace game;

class TestBoard : public QObject {
    Q_OBJECT
private slots:
    void drawGivesLetter_data();
    void drawGivesLetter();
    void touchingTable_data();
    void touchingTable();
    void fillRedrawsPositionZero();
    void fillReseedsEveryTime();
    void letterOdds();
};

void TestBoard::drawGivesLetter_data()
{
    QTest::addColumn<double>("r");
    QTest::addColumn<QString>("letter"); // empty: the draw is repeated
    QTest::newRow("0.75 is 76.5, rounds down to the even 76: D") << 0.75 << "D";
    QTest::newRow("25.5 rounds up to the even 26: A") << 25.5 / 102 << "A";
    QTest::newRow("just below 1 gives 102: Z") << 0.99999999 << "Z";
    QTest::newRow("0.005 gives 0.51, rounds to 1: E") << 0.005 << "E";
    QTest::newRow("0 lands before the pool") << 0.0 << "";
    QTest::newRow("exactly 1/204 is 0.5, rounds to 0") << 1.0 / 204 << "";
    QTest::newRow("just above 1/204 gives 1: E") << 1.0 / 204 + 1e-9 << "E";
    QTest::newRow("101/102 gives Q") << 101.0 / 102 << "Q";
    QTest::newRow("out of range above is redrawn, never read past the pool") << 1.5 << "";
    QTest::newRow("negative is redrawn") << -0.25 << "";
}

void TestBoard::drawGivesLetter()
{
    QFETCH(double, r);
    QFETCH(QString, letter);
    const int p = poolPosition(r);
    if (letter.isEmpty()) {
        QCOMPARE(p, 0);
    } else {
        QVERIFY(p >= 1 && p <= 102);
        QCOMPARE(QString(QChar(kLetterPool[static_cast<std::size_t>(p - 1)])), letter);
    }
}

void TestBoard::touchingTable_data()
{
    QTest::addColumn<int>("cell");
    QTest::addColumn<QList<int>>("touching");
    const QList<QList<int>> table = {
        {1, 4, 5},        {0, 2, 4, 5, 6},        {1, 3, 5, 6, 7},         {2, 6, 7},
        {0, 1, 5, 8, 9},  {0, 1, 2, 4, 6, 8, 9, 10}, {1, 2, 3, 5, 7, 9, 10, 11}, {2, 3, 6, 10, 11},
        {4, 5, 9, 12, 13}, {4, 5, 6, 8, 10, 12, 13, 14}, {5, 6, 7, 9, 11, 13, 14, 15}, {6, 7, 10, 14, 15},
        {8, 9, 13},       {8, 9, 10, 12, 14},     {9, 10, 11, 13, 15},     {10, 11, 14},
    };
    for (int n = 0; n < 16; ++n)
        QTest::addRow("cell %d", n) << n << table[n];
}

void TestBoard::touchingTable()
{
    QFETCH(int, cell);
    QFETCH(QList<int>, touching);
    QList<int> got;
    for (int m = 0; m < 16; ++m)
        if (game::touching(cell, m))
            got << m;
    QCOMPARE(got, touching);
}

void TestBoard::fillRedrawsPositionZero()
{
    ScriptedPlatform platform;
    MainLogic logic(platform);
    // Cell 0: three draws before the pool, then D. Cell 6: two, then Z.
    platform.draws = {0.0, 0.001, 1.0 / 204, 0.75, 0.5, 0.5, 0.5, 0.5, 0.5, 0.0, 0.004, 0.9999};
    platform.fallback = [] { return 0.005; };
    logic.fillboard();
    QCOMPARE(logic.letters()[0], std::string("D"));
    QCOMPARE(logic.letters()[5], std::string("N"));
    QCOMPARE(logic.letters()[6], std::string("Z"));
    QCOMPARE(logic.letters()[7], std::string("E"));
    for (int n = 0; n < kCells; ++n) {
        QCOMPARE(logic.letters()[n].size(), std::size_t(1));
        QCOMPARE(logic.l()[n].caption, logic.letters()[n]);
    }
}

void TestBoard::fillReseedsEveryTime()
{
    ScriptedPlatform platform;
    MainLogic logic(platform);
    logic.fillboard();
    logic.fillboard();
    QCOMPARE(platform.randomizes, 2);
}

// Over many draws from a seeded source each letter comes up with 2c/203 (Z
// with 1/203); a chi-square test at the 0.1 % level, 25 degrees of freedom.
void TestBoard::letterOdds()
{
    std::mt19937_64 engine(20261208);
    ScriptedPlatform platform;
    platform.fallback = [&engine] { return static_cast<double>(engine() >> 11) * 0x1.0p-53; };
    MainLogic logic(platform);
    std::map<char, int> seen;
    const int fills = 20000;
    for (int i = 0; i < fills; ++i) {
        logic.fillboard();
        for (const auto& letter : logic.letters())
            ++seen[letter[0]];
    }
    std::map<char, int> copies;
    for (char c : kLetterPool)
        ++copies[c];
    const double total = fills * kCells;
    double chi2 = 0;
    for (const auto& [letter, c] : copies) {
        const double p = letter == 'Z' ? 1.0 / 203 : 2.0 * c / 203;
        const double expected = total * p;
        const double diff = seen[letter] - expected;
        chi2 += diff * diff / expected;
    }
    QCOMPARE(seen.size(), std::size_t(26));
    QVERIFY2(chi2 < 52.62, qPrintable(QString::number(chi2)));
}

QTEST_APPLESS_MAIN(TestBoard)
#include "tst_board.moc"
