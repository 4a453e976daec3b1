// Looking words up in the WordNet database installed with wordnet-base.

#include "definitions.h"

#include <QCoreApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>

using wordlist::Meaning;
Q_DECLARE_METATYPE(Meaning::Status)

class TestDefinitions : public QObject {
    Q_OBJECT
private slots:
    void lookUp_data();
    void lookUp();
    void missingDatabase();
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

// The database is found through WNSEARCHDIR, as the library reads it: a
// copy of this program looks a word up with it pointing at an empty folder.
void TestDefinitions::missingDatabase()
{
    QTemporaryDir empty;
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("WNSEARCHDIR", empty.path());
    child.setProcessEnvironment(env);
    child.start(QCoreApplication::applicationFilePath(), {"--define", "quiz"});
    QVERIFY(child.waitForFinished(30000));
    QCOMPARE(child.exitStatus(), QProcess::NormalExit);
    QCOMPARE(child.exitCode(), 0);
    const QString out = QString::fromUtf8(child.readAllStandardOutput());
    QVERIFY2(out.startsWith("noDatabase\n"), qPrintable(out));
    QVERIFY2(out.contains("Can't open") && out.contains(empty.path()), qPrintable(out)); // the library's words
    QVERIFY(out.contains("sudo apt install wordnet-base"));
}

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc == 3 && QByteArray(argv[1]) == "--define") {
        // Twice: a failed opening is not retried, and nothing crashes.
        wordlist::define(argv[2]);
        const Meaning m = wordlist::define(argv[2]);
        std::printf("%s\n%s\n%s\n", m.status == Meaning::Status::noDatabase ? "noDatabase" : "other", m.problem.c_str(),
                    wordlist::meaningText(m).c_str());
        return 0;
    }
    TestDefinitions test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_definitions.moc"
