// Looking words up in the WordNet database installed with wordnet-base,
// through the lookup program.

#include "definitions.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

using wordlist::Meaning;
Q_DECLARE_METATYPE(Meaning::Status)

class TestDefinitions : public QObject {
    Q_OBJECT
private slots:
    void lookUp_data();
    void lookUp();
    void database_data();
    void database();
};

void TestDefinitions::lookUp_data()
{
    QTest::addColumn<QString>("word");
    QTest::addColumn<Meaning::Status>("status");
    QTest::addColumn<QString>("entries"); // "lemma (part of speech)" of each heading, in order
    QTest::addColumn<QString>("text");    // how the text begins
    QTest::newRow("base form, two parts of speech")
        << "quiz" << Meaning::Status::found << "quiz (noun)|quiz (verb)" << "quiz (noun)\n1. an examination";
    QTest::newRow("irregular verb to its base") << "ran" << Meaning::Status::found << "run (verb)"
                                                << "ran is a form of run.\n\nrun (verb)\n1. move fast";
    QTest::newRow("irregular plural, as the board spells it")
        << "GEESE" << Meaning::Status::found << "goose (noun)" << "geese is a form of goose.";
    QTest::newRow("a word and a form of another") << "saw" << Meaning::Status::found
                                                  << "saw (noun)|saw (verb)|see (verb)" << "saw is a form of see.";
    QTest::newRow("in the game's list, not in WordNet")
        << "doit" << Meaning::Status::noEntry << "" << "No definition of \"doit\" in WordNet.";
    QTest::newRow("empty") << "" << Meaning::Status::notAWord << "" << "Only words of letters a to z";
    QTest::newRow("apostrophe") << "don't" << Meaning::Status::notAWord << "" << "Only words";
    QTest::newRow("accented") << QString::fromLatin1("caf\xe9") << Meaning::Status::notAWord << "" << "Only words";
    // The library's buffers hold 256 bytes; such words never reach it.
    QTest::newRow("too long") << QString(300, 'a') << Meaning::Status::notAWord << "" << "Only words";
}

void TestDefinitions::lookUp()
{
    QFETCH(QString, word);
    QFETCH(Meaning::Status, status);
    QFETCH(QString, entries);
    QFETCH(QString, text);
    const Meaning m = wordlist::define(word.toLatin1().toStdString());
    QCOMPARE(m.status, status);
    QStringList headings;
    for (const auto& s : m.senses) {
        const QString h = QString::fromStdString(s.lemma + " (" + s.partOfSpeech + ")");
        if (headings.isEmpty() || headings.back() != h)
            headings << h;
        QVERIFY(!s.gloss.empty());
    }
    QCOMPARE(headings.join('|'), entries);
    const QString shown = QString::fromStdString(wordlist::meaningText(m));
    QVERIFY2(shown.startsWith(text), qPrintable(shown.left(200)));
}

// The database is found through WNSEARCHDIR, as the library reads it. Each
// row names the lookup program again, which starts it afresh with the
// environment of the moment.
void TestDefinitions::database_data()
{
    QTest::addColumn<QString>("folder");  // system; empty; loop: data.noun links to itself; fifo: sents.vrb is one
    QTest::addColumn<QString>("program"); // real; hangs; limit: answers with its memory limit; none
    QTest::addColumn<Meaning::Status>("status");
    QTest::addColumn<QStringList>("says"); // in the text shown or the problem; %1: the folder
    QTest::newRow("not installed: an empty folder")
        << "empty" << "real" << Meaning::Status::noDatabase
        << QStringList{"Can't open datafile(%1/data.noun)", "sudo apt install wordnet-base"};
    QTest::newRow("a file that cannot be opened, with its path")
        << "loop" << "real" << Meaning::Status::unreadable
        << QStringList{"The WordNet database could not be read: %1/data.noun: Too many levels of symbolic links."};
    QTest::newRow("a FIFO among its files, never opened")
        << "fifo" << "real" << Meaning::Status::unreadable
        << QStringList{"The WordNet database could not be read: %1/sents.vrb is not a regular file."};
    QTest::newRow("a lookup that hangs is ended") << "system" << "hangs" << Meaning::Status::unreadable
                                                  << QStringList{"could not be read: looking it up took longer than 3 seconds"};
    QTest::newRow("a limit on the program's memory") << "system" << "limit" << Meaning::Status::unreadable
                                                     << QStringList{"could not be read: limit 524288."};
    QTest::newRow("no lookup program") << "system" << "none" << Meaning::Status::unreadable
                                       << QStringList{"golexorb-wordnet is not installed beside the game"};
}

void TestDefinitions::database()
{
    QFETCH(QString, folder);
    QFETCH(QString, program);
    QFETCH(Meaning::Status, status);
    QFETCH(QStringList, says);
#if defined(__SANITIZE_ADDRESS__)
    if (program == "limit")
        QSKIP("AddressSanitizer needs more address space than the limit allows");
#endif
    QTemporaryDir scratch;
    const QString dir = folder == "system" ? QString("/usr/share/wordnet") : scratch.filePath("dict");
    if (folder != "system") {
        QVERIFY(QDir().mkpath(dir));
        for (const QString& name : QDir("/usr/share/wordnet").entryList(QDir::Files))
            if (folder != "empty")
                QVERIFY(QFile::link("/usr/share/wordnet/" + name, dir + "/" + name));
    }
    if (folder == "loop") {
        QFile::remove(dir + "/data.noun");
        QVERIFY(QFile::link(dir + "/data.noun", dir + "/data.noun"));
    }
    if (folder == "fifo") {
        QFile::remove(dir + "/sents.vrb");
        QCOMPARE(::mkfifo(QFile::encodeName(dir + "/sents.vrb").constData(), 0600), 0);
    }
    std::string path = GOLEXORB_LOOKUP_PROGRAM;
    if (program == "hangs" || program == "limit") {
        path = scratch.filePath("fake-lookup").toStdString();
        QFile fake(QString::fromStdString(path));
        QVERIFY(fake.open(QIODevice::WriteOnly));
        fake.write(program == "hangs" ? "#!/bin/sh\nexec sleep 60\n"
                                      : "#!/bin/sh\nwhile read word; do printf 'done\\tunreadable\\t\\tlimit %s\\n' \"$(ulimit -v)\"; done\n");
        fake.close();
        QVERIFY(fake.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    }
    if (program == "none")
        path = scratch.filePath("nowhere/golexorb-wordnet").toStdString();

    qputenv("WNSEARCHDIR", QFile::encodeName(dir));
    wordlist::setLookupProgram(path);
    // Twice: a failed opening is not retried, and nothing crashes. A
    // lookup that hangs takes the whole time limit: once is enough.
    if (program != "hangs")
        wordlist::define("quiz");
    const Meaning m = wordlist::define("quiz");
    qunsetenv("WNSEARCHDIR");
    wordlist::setLookupProgram(GOLEXORB_LOOKUP_PROGRAM);

    QCOMPARE(m.status, status);
    const QString shown = QString::fromStdString(wordlist::meaningText(m) + "\n" + m.problem);
    for (const QString& fragment : says)
        QVERIFY2(shown.contains(QString(fragment).replace("%1", dir)), qPrintable(shown));
    QCOMPARE(wordlist::define("quiz").status, Meaning::Status::found); // and afterwards, as ever
}

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    wordlist::setLookupProgram(GOLEXORB_LOOKUP_PROGRAM);
    TestDefinitions test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_definitions.moc"
