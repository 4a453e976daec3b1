// What a word means, read from a damaged copy of the WordNet database, or
// with a damaged library, by the lookup program: it answers that the
// database could not be read (or the library loaded) and ends, never with
// meanings read from the wrong place, and the game's side goes on.

#include "definitions.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using wordlist::Meaning;
Q_DECLARE_METATYPE(Meaning::Status)

namespace {

const QString kDatabase = "/usr/share/wordnet";

QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Where a library this program loaded lies (zlib, which Qt loads).
QString loadedLibrary(const QByteArray& name)
{
    QFile maps("/proc/self/maps");
    if (!maps.open(QIODevice::ReadOnly))
        return {};
    for (const QByteArray& line : maps.readAll().split('\n')) {
        const qsizetype at = line.indexOf('/');
        if (at >= 0 && line.indexOf(name, at) >= 0)
            return QFile::decodeName(line.mid(at));
    }
    return {};
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
    QTest::addColumn<QString>("damage"); // done at the last synset of `word`
    QTest::addColumn<QString>("word");
    QTest::addColumn<Meaning::Status>("status");
    QTest::addColumn<QString>("says"); // in the text shown, with the folder's name
    QTest::newRow("a synset of another type") << "data.noun" << "type" << "quiz" << Meaning::Status::unreadable
                                              << "The WordNet database could not be read: WordNet library error: Unknown synset type";
    QTest::newRow("a data file cut short") << "data.noun" << "cut" << "quiz" << Meaning::Status::unreadable
                                           << "could not be read: data.noun ends at byte ";
    QTest::newRow("an offset past the end") << "index.noun" << "offset" << "quiz" << Meaning::Status::unreadable
                                            << "could not be read: a seek past the end of data.noun, which has ";
    // Six senses read first: the library, left where the sixth ended, read
    // the synset after it as the seventh.
    QTest::newRow("a later sense's offset past the end")
        << "index.noun" << "offset" << "dog" << Meaning::Status::unreadable
        << "could not be read: a seek past the end of data.noun, which has ";
    QTest::newRow("a library that is none") << "libwordnet-3.0.so" << "text" << "quiz" << Meaning::Status::brokenLibrary
                                            << "The WordNet library could not be loaded: %1/libwordnet-3.0.so: invalid ELF header";
    QTest::newRow("another library under its name")
        << "libwordnet-3.0.so" << "another" << "quiz" << Meaning::Status::brokenLibrary
        << "The WordNet library could not be loaded: %1/libwordnet-3.0.so: undefined symbol: wninit";
}

void TestDamagedWordNet::damaged()
{
    QFETCH(QString, file);
    QFETCH(QString, damage);
    QFETCH(QString, word);
    QFETCH(Meaning::Status, status);
    QFETCH(QString, says);
    if (!QFile::exists(kDatabase + "/data.noun"))
        QSKIP("the WordNet database is not installed (wordnet-base)");

    // The copy: links to the installed files, but for the damaged one; a
    // damaged library goes where the loader looks first.
    QTemporaryDir scratch;
    const QString dict = scratch.filePath("dict");
    QVERIFY(QDir().mkpath(dict));
    for (const QString& name : QDir(kDatabase).entryList(QDir::Files))
        if (name != file)
            QVERIFY(QFile::link(kDatabase + "/" + name, dict + "/" + name));
    const QByteArray index = readAll(kDatabase + "/index.noun");
    const qsizetype line = index.indexOf("\n" + word.toLatin1() + " n ") + 1;
    QVERIFY(line > 0);
    const QByteArray offset = index.mid(index.indexOf('\n', line) - 10, 8); // its last synset, last on the line
    QCOMPARE(offset.size(), 8);
    QByteArray bytes = readAll(kDatabase + "/" + file);
    const qsizetype at = offset.toLongLong();
    if (damage == "type") {
        // "07199191 10 n 01 quiz ...": offset, lexicographer file, type.
        QVERIFY(bytes.mid(at, 8) == offset && bytes[at + 12] == 'n');
        bytes[at + 12] = 'x';
    } else if (damage == "cut") {
        bytes.truncate(at + 30);
    } else if (damage == "offset") {
        bytes.replace(index.indexOf(offset, line), offset.size(), "99999999");
    } else if (damage == "text") {
        bytes = QByteArray(4096, 'x');
    } else {
        bytes = readAll(loadedLibrary("/libz.so"));
        QVERIFY(!bytes.isEmpty());
    }
    QFile out(dict + "/" + file);
    QVERIFY(out.open(QIODevice::WriteOnly));
    QCOMPARE(out.write(bytes), bytes.size());
    out.close();

    qputenv("WNSEARCHDIR", QFile::encodeName(dict));
    qputenv("LD_LIBRARY_PATH", QFile::encodeName(dict));
    wordlist::setLookupProgram(GOLEXORB_LOOKUP_PROGRAM); // started afresh, with the copy
    const Meaning m = wordlist::define(word.toStdString());
    const QString shown = QString::fromStdString(wordlist::meaningText(m));
    // The program is started again: words the damage does not touch are found.
    const Meaning after = wordlist::define("quickly");
    qunsetenv("WNSEARCHDIR");
    qunsetenv("LD_LIBRARY_PATH");
    wordlist::setLookupProgram(GOLEXORB_LOOKUP_PROGRAM);

    QCOMPARE(m.status, status);
    QVERIFY(m.senses.empty());
    QVERIFY2(shown.contains(QString(says).replace("%1", dict)) && shown.contains(dict), qPrintable(shown));
    if (status == Meaning::Status::brokenLibrary) {
        QVERIFY2(shown.contains("sudo apt install --reinstall wordnet"), qPrintable(shown));
        QCOMPARE(after.status, status);
        return;
    }
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
