// The records file in the player's data folder: where it goes, the lock, and
// what happens to a file that cannot be read.

#include "recordstore.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <csignal>
#include <filesystem>

#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

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
    void dataFolder_data();
    void dataFolder();
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
    QTest::addColumn<int>("hints");
    QTest::addColumn<QString>("text"); // after entering it over a best of 20 for 3 minutes
    QTest::newRow("better") << 3 << 21 << 0 << "New record for 3 minutes: 21!";
    QTest::newRow("equal keeps the older") << 3 << 20 << 0 << "Record for 3 minutes: 20 on 2024-01-01.";
    QTest::newRow("first for its length") << 1 << 4 << 0 << "New record for 1 minute: 4!";
    QTest::newRow("nothing scored") << 5 << 0 << 0 << "No record yet for 5 minutes.";
    QTest::newRow("no length picked") << 0 << 30 << 0 << "Rounds without a game time are not recorded.";
    QTest::newRow("better, with hints") << 3 << 21 << 1 << "With hints: no record. Record for 3 minutes: 20 on 2024-01-01.";
    QTest::newRow("first for its length, with hints") << 1 << 4 << 2 << "With hints: no record. No record yet for 1 minute.";
}

void TestRecordStore::rounds()
{
    QFETCH(int, minutes);
    QFETCH(int, score);
    QFETCH(int, hints);
    QFETCH(QString, text);
    QTemporaryDir dir;
    writeFile(dir.filePath("records.txt"), "golexorb-records 1\nbest 3 20 2024-01-01\n");
    const RecordNote note =
        golexorb::RecordStore(dir.path()).finishRound(Round{"2024-06-01", minutes, score, 2, 9, {}, hints});
    QCOMPARE(QString::fromStdString(recordText(note)), text);
    QVERIFY(!note.unavailable);
    const auto records = parseRecords(readAll(dir.filePath("records.txt")).toStdString());
    QVERIFY(records);
    QCOMPARE(records->bestFor(3)->score, std::max(20, minutes == 3 && hints == 0 ? score : 0));
}

void TestRecordStore::file_data()
{
    QTest::addColumn<QString>("folder"); // under a fresh temporary folder
    QTest::addColumn<QByteArray>("before"); // records.txt there first; null: none
    QTest::addColumn<QString>("planted"); // what else lies there first
    QTest::addColumn<bool>("saved");
    QTest::addColumn<QString>("says"); // on standard error; empty: nothing
    const QByteArray png("\x89PNG\r\n\x1a\n");
    // Lines of a later kind that leave less room than a round's line.
    QByteArray full = "golexorb-records 1\nbest 9 50 2020-01-01\n";
    for (int i = 0; full.size() < qsizetype(kLargestRecordsFile) - 60; ++i)
        full += "medal " + QByteArray::number(i).rightJustified(8, '0') + " " + QByteArray(80, 'x') + "\n";
    full += QByteArray(qsizetype(kLargestRecordsFile) - 10 - full.size(), 'y') + "\n";
    QTest::newRow("missing folder") << "not/yet/made" << QByteArray() << "" << true << "";
    QTest::newRow("good file") << "." << QByteArray("golexorb-records 1\nbest 9 50 2020-01-01\n") << "" << true << "";
    QTest::newRow("unreadable file") << "." << png << "" << true << "is unreadable (its first line";
    QTest::newRow("folder cannot be made") << "plain-file/records" << QByteArray() << "" << false
                                           << "cannot make the folder";
    QTest::newRow("a full file stays within the limit")
        << "." << full << "" << true << "1 line this version does not use went, the oldest first";
    QTest::newRow("a dangling link at the name to keep it aside")
        << "." << png << "aside-links" << true << "is unreadable";
    QTest::newRow("a FIFO for a file") << "." << QByteArray() << "fifo" << true << "(it is not a regular file)";
    QTest::newRow("an endless device for a file") << "." << QByteArray() << "zero" << true << "(it is not a regular file)";
    QTest::newRow("a link for the lock") << "." << QByteArray() << "lock-link" << false
                                         << "records.lock is a symbolic link, which the game does not follow";
    QTest::newRow("a full disk") << "." << QByteArray() << "no-room" << false
                                 << "records.lock cannot be written: File too large";
    QTest::newRow("the leftover of a save that was killed") << "." << QByteArray() << "leftover" << true << "";
    // Held by a copy that does not let go: the round waits, and goes in once the lock is free.
    QTest::newRow("a lock another copy holds")
        << "." << QByteArray("golexorb-records 1\nbest 9 50 2020-01-01\n") << "held" << true
        << "cannot be entered now: they are locked by another copy of the game (process 4242); this round waits in ";
}

void TestRecordStore::file()
{
    QFETCH(QString, folder);
    QFETCH(QByteArray, before);
    QFETCH(QString, planted);
    QFETCH(bool, saved);
    QFETCH(QString, says);
    QTemporaryDir tmp;
    writeFile(tmp.filePath("plain-file"), "a file, where a folder would go");
    const QString dir = QDir(tmp.path()).filePath(folder);
    const QString path = QDir(dir).filePath("records.txt");
    if (!before.isNull())
        writeFile(path, before);
    const bool corrupt = (!before.isNull() && !parseRecords(before.toStdString())) || planted == "fifo" || planted == "zero";
    // Links point at a name that must stay free: nothing is written through them.
    const QString target = tmp.filePath("must-stay-free");
    if (planted == "aside-links") {
        const QDateTime now = QDateTime::currentDateTime();
        for (int s = 0; s < 3; ++s)
            QVERIFY(QFile::link(target, path + ".unreadable-" + now.addSecs(s).toString("yyyyMMdd-HHmmss")));
    }
    if (planted == "fifo")
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    if (planted == "zero")
        QVERIFY(QFile::link("/dev/zero", path));
    if (planted == "lock-link")
        QVERIFY(QFile::link(target, QDir(dir).filePath("records.lock")));
    if (planted == "leftover")
        QVERIFY(QFile::link(target, path + ".saving"));
    // Root writes anywhere, so a full disk is a file size limit here.
    rlimit old{};
    QVERIFY(::getrlimit(RLIMIT_FSIZE, &old) == 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    if (planted == "no-room") {
        const rlimit none{0, old.rlim_max};
        QVERIFY(::setrlimit(RLIMIT_FSIZE, &none) == 0);
    }

    QFile held(QDir(dir).filePath("records.lock"));
    if (planted == "held") {
        QVERIFY(held.open(QIODevice::ReadWrite));
        held.write("4242\ngolexorb\n");
        held.flush();
        QCOMPARE(::flock(held.handle(), LOCK_EX | LOCK_NB), 0);
    }

    golexorb::RecordStore store(dir);
    const RecordNote note = store.finishRound(Round{"2024-06-01", 4, 17, 5, 60});
    ::setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);
    const QString said = QString::fromStdString(store.said());
    QVERIFY2(says.isEmpty() ? said.isEmpty() : said.contains(says), qPrintable(said));
    if (planted == "held") {
        QVERIFY(store.waiting());
        QVERIFY(!store.enterWaiting()); // still held
        QCOMPARE(parseRecords(readAll(path).toStdString())->rounds.size(), std::size_t(0));
        held.close(); // lets go
        QVERIFY(store.enterWaiting());
        QVERIFY(!store.waiting());
        QVERIFY2(store.said().find("1 round that waited was entered") != std::string::npos, store.said().c_str());
    }
    QVERIFY(!QFileInfo::exists(target));
    QCOMPARE(note.unavailable, !saved);
    QCOMPARE(note.newRecord, saved);
    if (!saved) {
        QVERIFY(!QFile::exists(path));
        return;
    }
    const QByteArray text = readAll(path);
    QVERIFY(text.size() <= qsizetype(kLargestRecordsFile));
    const auto records = parseRecords(text.toStdString());
    QVERIFY(records);
    QCOMPARE(records->bestFor(4), std::optional<BestScore>(BestScore{17, "2024-06-01"}));
    QCOMPARE(records->rounds, std::vector<Round>({Round{"2024-06-01", 4, 17, 5, 60}}));
    QCOMPARE(bool(records->bestFor(9)), !before.isNull() && !corrupt); // merged, not replaced
    // An unreadable file is kept aside whole, never overwritten.
    const QStringList aside = QDir(dir).entryList({"records.txt.unreadable-*"}, QDir::Files | QDir::System);
    QStringList kept;
    for (const QString& name : aside)
        if (QFileInfo(QDir(dir).filePath(name)).symLinkTarget() != target)
            kept << name;
    QCOMPARE(kept.size(), corrupt ? 1 : 0);
    if (corrupt && !before.isNull())
        QCOMPARE(readAll(QDir(dir).filePath(kept.front())), before);
    QVERIFY(!QFile::exists(QDir(dir).filePath("records.lock")));
    QCOMPARE(QDir(dir).entryList({"records.pending*"}, QDir::AllEntries | QDir::System), QStringList());
    QVERIFY(!QFileInfo(path + ".saving").isSymLink());
    QCOMPARE(QDir(dir).entryList({"records.txt.*"}, QDir::Files | QDir::System).size() - aside.size(), 0);
}

// Where the records go, as the XDG rules have it; %1 is a scratch folder.
void TestRecordStore::dataFolder_data()
{
    QTest::addColumn<QByteArray>("home");  // null: unset
    QTest::addColumn<QByteArray>("data");  // XDG_DATA_HOME; null: unset
    QTest::addColumn<QByteArray>("folder"); // empty: the records are off
    QTest::newRow("XDG_DATA_HOME") << QByteArray("%1/home") << QByteArray("%1/data") << QByteArray("%1/data/golexorb");
    QTest::newRow("HOME") << QByteArray("%1/home") << QByteArray() << QByteArray("%1/home/.local/share/golexorb");
    QTest::newRow("a relative XDG_DATA_HOME is ignored")
        << QByteArray("%1/home") << QByteArray("data") << QByteArray("%1/home/.local/share/golexorb");
    QTest::newRow("a name that is not UTF-8, as its bytes")
        << QByteArray("%1/home") << QByteArray("%1/d\xe9j\xe0") << QByteArray("%1/d\xe9j\xe0/golexorb");
    QTest::newRow("HOME unset: records off") << QByteArray() << QByteArray() << QByteArray();
    QTest::newRow("HOME empty: records off") << QByteArray("") << QByteArray() << QByteArray();
}

void TestRecordStore::dataFolder()
{
    QFETCH(QByteArray, home);
    QFETCH(QByteArray, data);
    QFETCH(QByteArray, folder);
    QTemporaryDir tmp;
    const QByteArray scratch = QFile::encodeName(tmp.path());
    const QByteArray oldHome = qgetenv("HOME");
    const auto set = [&](const char* name, QByteArray value) {
        if (value.isNull())
            qunsetenv(name);
        else
            qputenv(name, value.replace("%1", scratch));
    };
    set("HOME", home);
    set("XDG_DATA_HOME", data);
    folder.replace("%1", scratch);
    QStandardPaths::setTestModeEnabled(false);
    golexorb::RecordStore store;
    const std::string where = store.folder();
    RecordNote notes[2];
    std::string said[2];
    for (int i : {0, 1}) {
        notes[i] = store.finishRound(Round{"2024-06-01", 2, 8, 1, 9});
        said[i] = store.said();
    }
    QStandardPaths::setTestModeEnabled(true);
    qputenv("HOME", oldHome);
    qunsetenv("XDG_DATA_HOME");

    QCOMPARE(QByteArray::fromStdString(where), folder);
    QCOMPARE(notes[0].unavailable, folder.isEmpty());
    if (folder.isEmpty()) {
        QVERIFY2(said[0].find("the records are off") != std::string::npos, said[0].c_str());
        QVERIFY(said[1].empty()); // said once
        QCOMPARE(QDir(tmp.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());
        return;
    }
    QCOMPARE(notes[1].best->score, 8);
    QCOMPARE(::access((folder + "/records.txt").constData(), R_OK), 0);
    // QTemporaryDir reads names as text and cannot remove one that is not UTF-8.
    std::filesystem::remove_all(std::filesystem::path(folder.toStdString()).parent_path());
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
        // A round that found the other copy holding the lock waits, as in the game.
        for (int tries = 0; !store.enterWaiting(); ++tries) {
            if (tries == 6000)
                return 1;
            QThread::msleep(10);
        }
        return 0;
    }
    TestRecordStore test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_recordstore.moc"
