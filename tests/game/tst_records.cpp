// The records' text format and the progress curve made from it.

#include "records.h"

#include <QByteArray>
#include <QList>
#include <QTest>

using namespace game;

class TestRecords : public QObject {
    Q_OBJECT
private slots:
    void format_data();
    void format();
    void progress_data();
    void progress();
};

void TestRecords::format_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QByteArray>("written"); // empty: not a records file
    QTest::newRow("no records") << QByteArray("golexorb-records 1\n") << QByteArray("golexorb-records 1\n");
    QTest::newRow("in order, CR LF, blank lines")
        << QByteArray("golexorb-records 1\r\n\r\nbest 10 7 2024-01-02\r\nbest 1 30 2023-12-31\r\n")
        << QByteArray("golexorb-records 1\nbest 1 30 2023-12-31\nbest 10 7 2024-01-02\n");
    QTest::newRow("a length twice: the higher score")
        << QByteArray("golexorb-records 1\nbest 3 20 2024-01-01\nbest 3 25 2024-02-01\nbest 3 25 2024-03-01\n")
        << QByteArray("golexorb-records 1\nbest 3 25 2024-02-01\n");
    QTest::newRow("lines of later kinds and bad lines are kept")
        << QByteArray("golexorb-records 1\nmedal 2031-01-01 gold\nbest 11 5 2024-01-01\nbest 3 -5 2024-01-01\n"
                      "best 3 5 2024-13-01\nbest 2 9 2024-01-01\nround 2024-01-01 3 40 91 90\nround 2024-01-01 3 40 12\n")
        << QByteArray("golexorb-records 1\nbest 2 9 2024-01-01\nmedal 2031-01-01 gold\nbest 11 5 2024-01-01\n"
                      "best 3 -5 2024-01-01\nbest 3 5 2024-13-01\nround 2024-01-01 3 40 91 90\nround 2024-01-01 3 40 12\n");
    QTest::newRow("rounds in the order played, after the bests")
        << QByteArray("golexorb-records 1\nround 2024-01-02 3 40 12 90\nbest 3 40 2024-01-02\nround 2024-01-01 1 0 0 35\n")
        << QByteArray("golexorb-records 1\nbest 3 40 2024-01-02\nround 2024-01-02 3 40 12 90\nround 2024-01-01 1 0 0 35\n");
    QTest::newRow("a round's common words on the line after it")
        << QByteArray("golexorb-records 1\nround 2024-01-02 3 40 12 90\ncommon 2024-01-02 3 40 12 90 30 260\n")
        << QByteArray("golexorb-records 1\nround 2024-01-02 3 40 12 90\ncommon 2024-01-02 3 40 12 90 30 260\n");
    QTest::newRow("common lines an older copy moved to the end find their rounds")
        << QByteArray("golexorb-records 1\nround 2024-01-01 3 40 12 90\nround 2024-01-01 3 40 12 90\n"
                      "round 2024-01-02 1 5 2 30\nmedal x\ncommon 2024-01-01 3 40 12 90 30 260\n"
                      "common 2024-01-01 3 40 12 90 31 261\n")
        << QByteArray("golexorb-records 1\nround 2024-01-01 3 40 12 90\ncommon 2024-01-01 3 40 12 90 30 260\n"
                      "round 2024-01-01 3 40 12 90\ncommon 2024-01-01 3 40 12 90 31 261\nround 2024-01-02 1 5 2 30\n"
                      "medal x\n");
    QTest::newRow("a common line with no round before it goes, a bad one is kept")
        << QByteArray("golexorb-records 1\ncommon 2024-01-05 3 40 12 90 30 260\nround 2024-01-05 3 40 12 90\n"
                      "common 2024-01-05 3 40 12 90 41 260\n")
        << QByteArray("golexorb-records 1\nround 2024-01-05 3 40 12 90\ncommon 2024-01-05 3 40 12 90 41 260\n");
    QTest::newRow("a round with hints: after its common line, or moved to the end")
        << QByteArray("golexorb-records 1\nround 2024-01-02 3 40 12 90\nhints 2024-01-02 3 40 12 90 2\n"
                      "common 2024-01-02 3 40 12 90 30 260\nround 2024-01-03 3 9 2 50\nmedal x\n"
                      "hints 2024-01-03 3 9 2 50 1\nhints 2024-01-03 3 9 2 50 0\n")
        << QByteArray("golexorb-records 1\nround 2024-01-02 3 40 12 90\ncommon 2024-01-02 3 40 12 90 30 260\n"
                      "hints 2024-01-02 3 40 12 90 2\nround 2024-01-03 3 9 2 50\nhints 2024-01-03 3 9 2 50 1\n"
                      "medal x\nhints 2024-01-03 3 9 2 50 0\n");
    QTest::newRow("a kept line ending in CR comes back the same")
        << QByteArray("golexorb-records 1\r\nnote \r\r\n") << QByteArray("golexorb-records 1\nnote \n");
    QTest::newRow("empty file") << QByteArray() << QByteArray();
    QTest::newRow("another file") << QByteArray("[General]\nbest=3\n") << QByteArray();
    QTest::newRow("a later format") << QByteArray("golexorb-records 2\nbest 3 25 2024-02-01\n") << QByteArray();
    QTest::newRow("binary") << QByteArray("golexorb-records 1\n\0\0", 21) << QByteArray();
}

void TestRecords::format()
{
    QFETCH(QByteArray, text);
    QFETCH(QByteArray, written);
    std::string problem;
    const auto records = parseRecords(text.toStdString(), &problem);
    QCOMPARE(bool(records), !written.isEmpty());
    if (!records) {
        QVERIFY(!problem.empty());
        return;
    }
    const std::string out = formatRecords(*records);
    QCOMPARE(QByteArray::fromStdString(out), written);
    QVERIFY(parseRecords(out) == records); // and back
}

void TestRecords::progress_data()
{
    QTest::addColumn<QByteArray>("rounds"); // round lines of a records file
    QTest::addColumn<int>("minutes");
    QTest::addColumn<QList<int>>("scores");
    QTest::addColumn<int>("best");
    QTest::addColumn<QString>("summary");
    const QByteArray four = "round 2024-01-01 3 10 2 80\nround 2024-01-02 3 25 5 80\nround 2024-01-02 1 7 1 60\n"
                            "round 2024-01-03 3 25 6 80\nround 2024-01-04 3 12 4 80\n";
    QTest::newRow("a tie: the first to reach it") << four << 3 << QList<int>{10, 25, 25, 12} << 1
                                                  << "Best: 25 in round 2 of 4, on 2024-01-02.\nLast round: 4 of 80 words found.";
    QTest::newRow("one round") << four << 1 << QList<int>{7} << 0
                               << "Best: 7 in round 1 of 1, on 2024-01-02.\nLast round: 1 of 60 words found.";
    QTest::newRow("none of that length") << four << 10 << QList<int>{} << -1 << "No rounds of 10 minutes recorded yet.";
    const QByteArray hinted = four + "hints 2024-01-02 3 25 5 80 1\nround 2024-01-05 3 40 9 80\nhints 2024-01-05 3 40 9 80 3\n";
    QTest::newRow("a round with hints is never the best") << hinted << 3 << QList<int>{10, 25, 25, 12, 40} << 2
                                                          << "Best: 25 in round 3 of 5, on 2024-01-03.\n"
                                                             "Last round: 9 of 80 words found, with hints.";
    QTest::newRow("every round with hints: no best")
        << QByteArray("round 2024-01-05 2 40 9 80\nhints 2024-01-05 2 40 9 80 1\n") << 2 << QList<int>{40} << -1
        << "No best yet: every round had hints.\nLast round: 9 of 80 words found, with hints.";
}

void TestRecords::progress()
{
    QFETCH(QByteArray, rounds);
    QFETCH(int, minutes);
    QFETCH(QList<int>, scores);
    QFETCH(int, best);
    QFETCH(QString, summary);
    const auto records = parseRecords(("golexorb-records 1\n" + rounds).toStdString());
    QVERIFY(records);
    const Progress p = progressFor(*records, minutes);
    QList<int> ys;
    for (std::size_t i = 0; i < p.points.size(); ++i) {
        QCOMPARE(p.points[i].x, int(i) + 1);
        ys << p.points[i].score;
    }
    QCOMPARE(ys, scores);
    QCOMPARE(p.bestIndex, best);
    QCOMPARE(QString::fromStdString(p.summary), summary);
}

QTEST_APPLESS_MAIN(TestRecords)
#include "tst_records.moc"
