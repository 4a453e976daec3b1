// The records file in the player's data folder: where it goes, the lock, and
// what happens to a file that cannot be read.

#include "recordstore.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace game;

namespace {

QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QStringList asideFiles(const QString& folder)
{
    return QDir(folder).entryList({"records.txt.unreadable-*"}, QDir::Files);
}

} // namespace

class TestRecordStore : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void rounds_data();
    void rounds();
    void file_data();
    void file();
    void twoCopiesAtOnce();
    void roundsKept();
};

void TestRecordStore::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
}

void TestRecordStore::rounds_data()
{
    QTest::addColumn<int>("minutes");
    QTest::addColumn<int>("score");
    QTest::addColumn<QString>("text"); // after entering it over a best of 20 for 3 minutes
    QTest::newRow("better") << 3 << 21 << "New record for 3 minutes: 21!";
    QTest::newRow("equal keeps the older") << 3 << 20 << "Record for 3 minutes: 20 on 2024-01-01.";
    QTest::newRow("first for its length") << 1 << 4 << "New record for 1 minute: 4!";
    QTest::newRow("nothing scored") << 5 << 0 << "No record yet for 5 minutes.";
    QTest::newRow("no length picked") << 0 << 30 << "Rounds without a game time are not recorded.";
}

void TestRecordStore::rounds()
{
    QFETCH(int, minutes);
    QFETCH(int, score);
    QFETCH(QString, text);
    QTemporaryDir dir;
    writeFile(dir.filePath("records.txt"), "golexorb-records 1\nbest 3 20 2024-01-01\n");
    const RecordNote note = golexorb::RecordStore(dir.path()).finishRound(Round{"2024-06-01", minutes, score, 2, 9});
    QCOMPARE(QString::fromStdString(recordText(note)), text);
    QVERIFY(!note.unavailable);
    const auto records = parseRecords(readAll(dir.filePath("records.txt")).toStdString());
    QVERIFY(records);
    QCOMPARE(records->bestFor(3)->score, std::max(20, minutes == 3 ? score : 0));
}

void TestRecordStore::file_data()
{
    QTest::addColumn<QString>("folder"); // under a fresh temporary folder
    QTest::addColumn<QByteArray>("before"); // records.txt there first; null: none
    QTest::addColumn<bool>("saved");
    QTest::newRow("missing folder") << "not/yet/made" << QByteArray() << true;
    QTest::newRow("good file") << "." << QByteArray("golexorb-records 1\nbest 9 50 2020-01-01\n") << true;
    QTest::newRow("unreadable file") << "." << QByteArray("\x89PNG\r\n\x1a\n") << true;
    QTest::newRow("folder cannot be made") << "plain-file/records" << QByteArray() << false;
}

void TestRecordStore::file()
{
    QFETCH(QString, folder);
    QFETCH(QByteArray, before);
    QFETCH(bool, saved);
    QTemporaryDir tmp;
    writeFile(tmp.filePath("plain-file"), "a file, where a folder would go");
    const QString dir = QDir(tmp.path()).filePath(folder);
    const QString path = QDir(dir).filePath("records.txt");
    if (!before.isNull())
        writeFile(path, before);
    const bool corrupt = !before.isNull() && !parseRecords(before.toStdString());

    const RecordNote note = golexorb::RecordStore(dir).finishRound(Round{"2024-06-01", 4, 17, 5, 60});
    QCOMPARE(note.unavailable, !saved);
    QCOMPARE(note.newRecord, saved);
    if (!saved) {
        QVERIFY(!QFile::exists(path));
        return;
    }
    const auto records = parseRecords(readAll(path).toStdString());
    QVERIFY(records);
    QCOMPARE(records->bestFor(4), std::optional<BestScore>(BestScore{17, "2024-06-01"}));
    QCOMPARE(records->rounds, std::vector<Round>({Round{"2024-06-01", 4, 17, 5, 60}}));
    QCOMPARE(bool(records->bestFor(9)), !before.isNull() && !corrupt); // merged, not replaced
    // An unreadable file is kept aside whole, never overwritten.
    const QStringList aside = asideFiles(dir);
    QCOMPARE(aside.size(), corrupt ? 1 : 0);
    if (corrupt)
        QCOMPARE(readAll(QDir(dir).filePath(aside.front())), before);
    QVERIFY(!QFile::exists(QDir(dir).filePath("records.lock")));
}

// Copies of the game are processes: this program run again, each entering
// rounds for its own length as fast as it can into one folder. Without the
// lock, one copy's read-merge-write loses the other's rounds.
void TestRecordStore::twoCopiesAtOnce()
{
    QTemporaryDir dir;
    constexpr int kRounds = 40;
    std::vector<std::unique_ptr<QProcess>> copies;
    for (int minutes : {2, 7}) {
        auto p = std::make_unique<QProcess>();
        p->start(QCoreApplication::applicationFilePath(),
                 {"--enter-rounds", dir.path(), QString::number(minutes), QString::number(kRounds)});
        copies.push_back(std::move(p));
    }
    for (auto& p : copies) {
        QVERIFY(p->waitForFinished(60000));
        QCOMPARE(p->exitCode(), 0);
    }
    const auto records = parseRecords(readAll(dir.filePath("records.txt")).toStdString());
    QVERIFY(records);
    QCOMPARE(records->bestFor(2)->score, kRounds);
    QCOMPARE(records->bestFor(7)->score, kRounds);
    QCOMPARE(records->rounds.size(), std::size_t(2 * kRounds));
    QVERIFY(asideFiles(dir.path()).isEmpty());
}

// Rounds are kept up to a bound for each length, the oldest dropped first;
// rounds of one length never push out another's.
void TestRecordStore::roundsKept()
{
    QTemporaryDir dir;
    golexorb::RecordStore store(dir.path());
    const Round other{"2024-01-01", 5, 30, 6, 70};
    store.finishRound(other);
    constexpr int kExtra = 3;
    RecordNote note;
    for (int score = 1; score <= int(kRoundsKept) + kExtra; ++score)
        note = store.finishRound(Round{"2024-02-01", 3, score, score % 7, 90});
    store.finishRound(Round{"2024-02-02", 3, 0, 0, 90}); // scored nothing: not entered
    QCOMPARE(note.progress.points.size(), kRoundsKept);
    QCOMPARE(note.progress.points.front(), (ProgressPoint{1, kExtra + 1}));
    QCOMPARE(note.progress.points.back(), (ProgressPoint{int(kRoundsKept), int(kRoundsKept) + kExtra}));
    const auto records = parseRecords(readAll(dir.filePath("records.txt")).toStdString());
    QVERIFY(records);
    QCOMPARE(records->rounds.size(), kRoundsKept + 1);
    QCOMPARE(records->rounds.front(), other);
    QCOMPARE(records->rounds[1], (Round{"2024-02-01", 3, kExtra + 1, (kExtra + 1) % 7, 90}));
    QCOMPARE(records->rounds.back().score, int(kRoundsKept) + kExtra);
}

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() == 5 && args[1] == "--enter-rounds") {
        golexorb::RecordStore store(args[2]);
        for (int score = 1; score <= args[4].toInt(); ++score) {
            if (store.finishRound(Round{"2024-06-01", args[3].toInt(), score, 1, 1}).unavailable)
                return 1;
        }
        return 0;
    }
    TestRecordStore test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_recordstore.moc"
