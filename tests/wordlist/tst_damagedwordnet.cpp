// What a word means, read from a damaged copy of the WordNet database by the
// real library in the lookup program: the library ends or crashes its
// process, and the game's side gets a line saying the database could not be
// read, and goes on.

#include "definitions.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using wordlist::Meaning;

namespace {

const QString kDatabase = "/usr/share/wordnet";

QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class TestDamagedWordNet : public QObject {
    Q_OBJECT
private slots:
    void damaged_data();
    void damaged();
};

void TestDamagedWordNet::damaged_data()
{
    QTest::addColumn<QString>("file");   // the one file damaged, the others as installed
    QTest::addColumn<QString>("damage"); // done at the synset of "quiz"
    QTest::addColumn<QString>("says"); // a crash, or under AddressSanitizer its report and status 1
    QTest::newRow("a synset of another type") << "data.noun" << "type" << "Unknown synset type";
    QTest::newRow("a data file cut short") << "data.noun" << "cut" << "the lookup program ";
    QTest::newRow("an offset past the end") << "index.noun" << "offset" << "the lookup program ";
}

void TestDamagedWordNet::damaged()
{
    QFETCH(QString, file);
    QFETCH(QString, damage);
    QFETCH(QString, says);
    if (!QFile::exists(kDatabase + "/data.noun"))
        QSKIP("the WordNet database is not installed (wordnet-base)");

    // The copy: links to the installed files, but for the damaged one.
    QTemporaryDir scratch;
    const QString dict = scratch.filePath("dict");
    QVERIFY(QDir().mkpath(dict));
    for (const QString& name : QDir(kDatabase).entryList(QDir::Files))
        if (name != file)
            QVERIFY(QFile::link(kDatabase + "/" + name, dict + "/" + name));
    const QByteArray index = readAll(kDatabase + "/index.noun");
    const qsizetype line = index.indexOf("\nquiz n ") + 1;
    QVERIFY(line > 0);
    const QByteArray offset = index.mid(index.indexOf('\n', line) - 10, 8); // its one synset, last on the line
    QCOMPARE(offset.size(), 8);
    QByteArray bytes = readAll(kDatabase + "/" + file);
    const qsizetype at = offset.toLongLong();
    if (damage == "type") {
        // "07199191 10 n 01 quiz ...": offset, lexicographer file, type.
        QVERIFY(bytes.mid(at, 8) == offset && bytes[at + 12] == 'n');
        bytes[at + 12] = 'x';
    } else if (damage == "cut") {
        bytes.truncate(at + 30);
    } else {
        bytes.replace(index.indexOf(offset, line), offset.size(), "99999999");
    }
    QFile out(dict + "/" + file);
    QVERIFY(out.open(QIODevice::WriteOnly));
    QCOMPARE(out.write(bytes), bytes.size());
    out.close();

    qputenv("WNSEARCHDIR", QFile::encodeName(dict));
    wordlist::setLookupProgram(GOLEXORB_LOOKUP_PROGRAM); // started afresh, with the copy
    const Meaning m = wordlist::define("quiz");
    const QString shown = QString::fromStdString(wordlist::meaningText(m));
    // The program is started again: words the damage does not touch are found.
    const Meaning after = wordlist::define("quickly");
    qunsetenv("WNSEARCHDIR");
    wordlist::setLookupProgram(GOLEXORB_LOOKUP_PROGRAM);

    QCOMPARE(m.status, Meaning::Status::unreadable);
    QVERIFY2(shown.startsWith("The WordNet database could not be read: ") && shown.contains(says)
                 && shown.contains(dict),
             qPrintable(shown));
    QCOMPARE(after.status, Meaning::Status::found);
    QCOMPARE(after.senses.front().partOfSpeech, std::string("adverb"));
}

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    TestDamagedWordNet test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_damagedwordnet.moc"
