// The board languages: how a list's entries fold to tiles, in each encoding;
// the letter weights; the Hunspell expansion; the block lists; and the cache.

#include "blockrules.h"
#include "hunspell.h"
#include "langcache.h"

#include <unicode/ucnv.h>

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

using namespace wordlist;

namespace {

std::string bytes(const QByteArray& b)
{
    return std::string(b.constData(), std::size_t(b.size()));
}

std::string utf8(const QString& s)
{
    return bytes(s.toUtf8());
}

// A language as the table has it, with its list somewhere else (and, for
// Spanish, one word a line like the others).
struct Sample {
    std::string file;
    Language language;
    Sample(std::string_view code, std::string path) : file(std::move(path)), language(*findLanguage(code))
    {
        language.listFile = file;
        language.format = Language::Format::Lines;
    }
};

void writeFile(const std::string& path, std::string_view content)
{
    std::ofstream(path, std::ios::binary | std::ios::trunc).write(content.data(), std::streamsize(content.size()));
}

} // namespace

class TestLanguages : public QObject {
    Q_OBJECT

private slots:
    void folding_data();
    void folding();
    void spellings();
    void weights();
    void hunspell();
    void blockList();
    void cache_data();
    void cache();
    void unreadableList_data();
    void unreadableList();
    void packageSuggestsEveryList();
};

void TestLanguages::folding_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("entry");    // as the list means it
    QTest::addColumn<QString>("encoding"); // as the list's bytes hold it
    QTest::addColumn<QString>("tiles");    // empty: left out

    const QString u8 = "UTF-8", latin1 = "ISO-8859-1", latin2 = "ISO-8859-2";
    QTest::newRow("ß becomes SS, a German noun kept") << "de" << "Straße" << u8 << "STRASSE";
    QTest::newRow("Ä kept, Latin-1") << "de" << "Ärger" << latin1 << "ÄRGER";
    QTest::newRow("é folded in German") << "de" << "Café" << u8 << "CAFE";
    QTest::newRow("ł folded outside Polish") << "de" << "łódź" << u8 << "LODZ";
    QTest::newRow("a German abbreviation left out") << "de" << "ABC" << u8 << "";
    QTest::newRow("a capital inside a name") << "de" << "McDonald" << u8 << "";
    QTest::newRow("é folded, Latin-1") << "fr" << "été" << latin1 << "ETE";
    QTest::newRow("é in decomposed form") << "fr" << QString::fromUtf8("e\xcc\x81te\xcc\x81") << u8 << "ETE";
    QTest::newRow("ç folded outside Catalan") << "fr" << "garçon" << u8 << "GARCON";
    QTest::newRow("œ becomes OE") << "fr" << "cœur" << u8 << "COEUR";
    QTest::newRow("ø folded outside Danish") << "fr" << "smørrebrød" << u8 << "SMORREBROD";
    QTest::newRow("a capitalised proper noun dropped") << "fr" << "Paris" << u8 << "";
    QTest::newRow("an apostrophe") << "fr" << "aujourd'hui" << u8 << "";
    QTest::newRow("Ñ kept") << "es" << "niño" << u8 << "NIÑO";
    QTest::newRow("á folded in Spanish") << "es" << "árbol" << u8 << "ARBOL";
    QTest::newRow("Å Ä Ö kept, Latin-1") << "sv" << "räksmörgås" << latin1 << "RÄKSMÖRGÅS";
    QTest::newRow("Æ Ø Å kept") << "da" << "blåbærgrød" << u8 << "BLÅBÆRGRØD";
    QTest::newRow("Ø kept, Latin-1") << "nb" << "søster" << latin1 << "SØSTER";
    QTest::newRow("two tiles are too few") << "nb" << "øl" << latin1 << "";
    QTest::newRow("Ż Ó Ł kept, Latin-2") << "pl" << "żółw" << latin2 << "ŻÓŁW";
    QTest::newRow("Ł Ó Ź kept, UTF-8") << "pl" << "łódź" << u8 << "ŁÓDŹ";
    QTest::newRow("Catalan's middle dot goes") << "ca" << "col·legi" << u8 << "COLLEGI";
    QTest::newRow("Ç kept in Catalan") << "ca" << "plaça" << u8 << "PLAÇA";
    QTest::newRow("16 tiles") << "it" << "abcdefghilmnopqr" << u8 << "ABCDEFGHILMNOPQR";
    QTest::newRow("17 tiles are too many") << "it" << "abcdefghilmnopqrs" << u8 << "";
    QTest::newRow("a digit") << "it" << "a1b2c3" << u8 << "";
}

void TestLanguages::folding()
{
    QFETCH(QString, code);
    QFETCH(QString, entry);
    QFETCH(QString, encoding);
    QFETCH(QString, tiles);
    // A small sample list in that encoding: the entry, and a word every
    // language plays.
    const std::string text = utf8(entry) + "\nzzz\n";
    std::string list(text.size() * 2, '\0');
    UErrorCode err = U_ZERO_ERROR;
    list.resize(std::size_t(ucnv_convert(encoding.toLatin1().constData(), "UTF-8", list.data(), int(list.size()),
                                         text.data(), int(text.size()), &err)));
    QVERIFY(U_SUCCESS(err));
    BuildCounts counts;
    const Sample sample(code.toStdString(), ""); // the lexicon keeps its language
    const auto lexicon = buildLexicon(sample.language, list, {}, {}, &counts);
    QCOMPARE(counts.lines, std::size_t(2));
    QCOMPARE(counts.encoding, encoding == "UTF-8" ? Encoding::Utf8 : Encoding::Legacy);
    QVERIFY(lexicon->find("ZZZ"));
    if (tiles.isEmpty()) {
        QCOMPARE(lexicon->words().size(), std::size_t(1));
        return;
    }
    const auto i = lexicon->find(utf8(tiles));
    QVERIFY2(i, qPrintable(tiles));
    QCOMPARE(tileCount(utf8(tiles)), std::size_t(tiles.size()));
    // As the list spells it, composed.
    QCOMPARE(QString::fromStdString(lexicon->spelling(*i)), entry.normalized(QString::NormalizationForm_C));
}

void TestLanguages::spellings()
{
    const auto fr = buildLexicon(*findLanguage("fr"), "cote\ncôte\ncoté\ncôté\ncote\nété\nmer\n", {}, {});
    QCOMPARE(fr->spellingOf("COTE"), std::string("cote, côte, coté, côté"));
    QCOMPARE(fr->spellingOf("ETE"), std::string("été"));
    QCOMPARE(fr->spellingOf("MER"), std::string("mer"));
    QCOMPARE(fr->spellingOf("XYZ"), std::string("xyz")); // no word: the tiles in lower case
    const auto de = buildLexicon(*findLanguage("de"), "essen\nEssen\nHaus\n", {}, {});
    QCOMPARE(de->spellingOf("ESSEN"), std::string("essen, Essen"));
    QCOMPARE(de->spellingOf("HAUS"), std::string("Haus"));
    QCOMPARE(de->folding().lower("ÄRGER"), std::string("ärger"));
}

void TestLanguages::weights()
{
    // Words of 3 to 8 tiles count: ABER, ÄRGER, STRASSE; AB is no word and
    // ABCDEFGHI (9 tiles) is played but not weighed.
    const auto de = buildLexicon(*findLanguage("de"), "aber\nÄrger\nab\nabcdefghi\nStraße\n", {}, {});
    std::vector<std::uint32_t> want(29, 0);
    for (const auto& [tile, n] : std::vector<std::pair<std::size_t, std::uint32_t>>{
             {0, 2}, {1, 1}, {4, 3}, {6, 1}, {17, 4}, {18, 3}, {19, 1}, {26, 1}})
        want[tile] = n; // A B E G R S T Ä
    QCOMPARE(de->weights(), want);
    QCOMPARE(de->drawnTile(0.0), std::string("A"));
    QCOMPARE(de->drawnTile(1.99 / 16), std::string("A"));
    QCOMPARE(de->drawnTile(2.0 / 16), std::string("B"));
    QCOMPARE(de->drawnTile(15.0 / 16), std::string("Ä"));
    QCOMPARE(de->drawnTile(0.999999), std::string("Ä"));
}

void TestLanguages::hunspell()
{
    const std::string aff = "SET UTF-8\n"
                            "NEEDAFFIX X\n"
                            "PFX A Y 1\nPFX A 0 re .\n"
                            "SFX B Y 2\nSFX B 0 s [^s]\nSFX B 0 es s\n"
                            "SFX C Y 1\nSFX C o ito/B o\n"
                            "SFX D Y 1\nSFX D errar ierren errar\n";
    const std::string dic = "5\ngato/BC\nbus/B\nraíz/X\nhacer/AB\nerrar/D\n";
    std::vector<std::string> forms;
    expandHunspell(dic, aff, [&forms](std::string_view f) { forms.emplace_back(f); });
    std::sort(forms.begin(), forms.end());
    // Twofold (gatitos), crossed (rehacers), NEEDAFFIX (no raíz), a
    // suffix that would strip the whole stem gives nothing (no ierren).
    QCOMPARE(forms, (std::vector<std::string>{"bus", "buses", "errar", "gatito", "gatitos", "gato", "gatos", "hacer",
                                               "hacers", "rehacer", "rehacers"}));
}

void TestLanguages::blockList()
{
    BuildCounts counts;
    const std::string block = "# a comment\narschloch\nScheiße\nfick dich\n";
    const auto de = buildLexicon(*findLanguage("de"), "Arschloch\nHaus\nScheiße\nscheisse\n", {}, block, &counts);
    QCOMPARE(de->words().size(), std::size_t(1)); // HAUS
    QCOMPARE(counts.blocked, std::size_t(2));
    QCOMPARE(languageBlockRules(de->folding(), block).forms, (std::set<std::string>{"ARSCHLOCH", "SCHEISSE"}));
}

void TestLanguages::cache_data()
{
    QTest::addColumn<QString>("change");
    QTest::addColumn<CacheState>("found");
    QTest::newRow("as made: loaded") << "" << CacheState::Loaded;
    QTest::newRow("the list changed: stale") << "list" << CacheState::Stale;
    QTest::newRow("the block list changed: stale") << "block" << CacheState::Stale;
    QTest::newRow("made by another version: stale") << "version" << CacheState::Stale;
    QTest::newRow("a byte changed: damaged") << "flip" << CacheState::Damaged;
    QTest::newRow("cut short: damaged") << "cut" << CacheState::Damaged;
    QTest::newRow("empty: damaged") << "empty" << CacheState::Damaged;
    QTest::newRow("not a cache: damaged") << "garbage" << CacheState::Damaged;
    QTest::newRow("a folder in its place: unreadable") << "folder" << CacheState::Unreadable;
}

void TestLanguages::cache()
{
    QFETCH(QString, change);
    QFETCH(CacheState, found);
    QTemporaryDir dir;
    const std::filesystem::path folder = dir.filePath("cache").toStdString();
    Sample de("de", dir.filePath("ngerman").toStdString());
    writeFile(de.file, "Ärger\nHaus\nessen\n");
    std::string block = "arsch\n";

    LoadReport report;
    auto first = loadLexicon(de.language, folder, block, &report);
    QCOMPARE(report.cache, CacheState::Missing);
    QVERIFY(report.built && report.cacheProblem.empty());
    const std::string file = cacheFile(folder, de.language).string();
    QVERIFY(QFile::exists(QString::fromStdString(file)));

    std::string cache;
    {
        std::ifstream in(file, std::ios::binary);
        cache.assign(std::istreambuf_iterator<char>(in), {});
    }
    if (change == "list") {
        writeFile(de.file, "Ärger\nHaus\nessen\nneu\n");
    } else if (change == "block") {
        block = "arsch\nfick\n";
    } else if (change == "version") {
        cache[8] = char(cache[8] + 1);
        writeFile(file, cache);
    } else if (change == "flip") {
        cache[cache.size() / 2] ^= 0x20;
        writeFile(file, cache);
    } else if (change == "cut") {
        writeFile(file, cache.substr(0, cache.size() / 2));
    } else if (change == "empty") {
        writeFile(file, "");
    } else if (change == "garbage") {
        writeFile(file, std::string(cache.size(), 'x'));
    } else if (change == "folder") {
        std::filesystem::remove(file);
        std::filesystem::create_directory(file);
    }

    auto second = loadLexicon(de.language, folder, block, &report);
    QCOMPARE(report.cache, found);
    QCOMPARE(report.built, found != CacheState::Loaded);
    QCOMPARE(report.cacheProblem.empty(), found == CacheState::Loaded);
    QVERIFY(second->find("ÄRGER") && second->find("HAUS") && second->find("ESSEN"));
    QCOMPARE(bool(second->find("NEU")), change == "list");
    QCOMPARE(second->spellingOf("HAUS"), std::string("Haus"));
    if (change != "list")
        QCOMPARE(second->weights(), first->weights());
    // Made again, it is good from then on (the folder stays in the way).
    loadLexicon(de.language, folder, block, &report);
    QCOMPARE(report.cache, change == "folder" ? CacheState::Unreadable : CacheState::Loaded);
}

void TestLanguages::unreadableList_data()
{
    QTest::addColumn<QString>("what");
    QTest::newRow("not installed") << "missing";
    QTest::newRow("a folder") << "folder";
    QTest::newRow("no word to play") << "empty";
    QTest::newRow("removed after its cache was made") << "removed";
}

void TestLanguages::unreadableList()
{
    QFETCH(QString, what);
    QTemporaryDir dir;
    const std::filesystem::path folder = dir.filePath("cache").toStdString();
    Sample fr("fr", dir.filePath("french").toStdString());
    if (what == "folder")
        std::filesystem::create_directory(fr.file);
    if (what == "empty")
        writeFile(fr.file, "a\nb'c\nParis\n");
    if (what == "removed") {
        writeFile(fr.file, "mer\n");
        loadLexicon(fr.language, folder, {});
        std::filesystem::remove(fr.file);
    }
    QVERIFY_THROWS_EXCEPTION(LanguageError, loadLexicon(fr.language, folder, {}));
}

// The Debian package suggests the package of every language's list.
void TestLanguages::packageSuggestsEveryList()
{
    QFile cmake(QStringLiteral(SOURCE_DIR "/cmake/packaging.cmake"));
    QVERIFY(cmake.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(cmake.readAll());
    const auto at = text.indexOf("set(_suggests \"");
    QVERIFY(at >= 0);
    QStringList suggested = text.mid(at + 15, text.indexOf('"', at + 15) - at - 15).split(", ");
    suggested.removeAll("mosquitto");
    QStringList packages;
    for (const Language& l : languages())
        if (!l.package.empty() && !packages.contains(QString::fromUtf8(l.package.data(), qsizetype(l.package.size()))))
            packages << QString::fromUtf8(l.package.data(), qsizetype(l.package.size()));
    suggested.sort();
    packages.sort();
    QCOMPARE(suggested, packages);
}

QTEST_APPLESS_MAIN(TestLanguages)
#include "tst_languages.moc"
