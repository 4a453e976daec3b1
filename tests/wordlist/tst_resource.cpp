// The word list as the game embeds it.

#include "blockrules.h"
#include "commonness.h"
#include "dicfile.h"
#include "mdllist.h"

#include <QFile>
#include <QTest>

#include <set>
#include <string>
#include <vector>

class TestResource : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void framing();
    void words();
    void loadsThroughTheTemporaryFile();
    void commonness();
    void noBlockedWord();
    void blockList_data();
    void blockList();

private:
    QByteArray bytes_;
    std::vector<QByteArray> lines_; // the 200,000 CR LF lines, undecoded
    std::set<std::string> words_;   // decoded
    QByteArray sizes_;              // :/DIC/SIZES
    wordlist::BlockRules rules_;       // as the files beside the list give them
};

namespace {

std::vector<std::string> readList(const char* name)
{
    QFile f(QStringLiteral(SOURCE_DIR "/resources/") + QLatin1String(name));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return wordlist::parseBlockList(f.readAll().toStdString());
}

} // namespace

void TestResource::initTestCase()
{
    QFile f(QStringLiteral(":/DIC/BIN"));
    QVERIFY2(f.open(QIODevice::ReadOnly), "the resource :/DIC/BIN is missing");
    bytes_ = f.readAll();
    QVERIFY(bytes_.endsWith(QByteArray("\r\n\0\0\0", 5)));
    const QByteArray body = bytes_.left(bytes_.size() - 3);
    qsizetype pos = 0;
    while (pos < body.size()) {
        const qsizetype end = body.indexOf("\r\n", pos);
        QVERIFY(end >= 0);
        lines_.push_back(body.mid(pos, end - pos));
        pos = end + 2;
    }
    for (const QByteArray& raw : lines_) {
        std::string word(raw.constData(), std::size_t(raw.size()));
        for (char& c : word)
            c = char(static_cast<unsigned char>(c) - 10);
        words_.insert(word);
    }
    QFile sizes(QStringLiteral(":/DIC/SIZES"));
    QVERIFY2(sizes.open(QIODevice::ReadOnly), "the resource :/DIC/SIZES is missing");
    sizes_ = sizes.readAll();
    rules_ = wordlist::makeRules(readList("blocklist.txt"), readList("blockstems.txt"), readList("blockallow.txt"));
    QVERIFY(rules_.forms.size() > 200 && !rules_.stems.empty() && !rules_.allowed.empty());
}

void TestResource::framing()
{
    QCOMPARE(lines_.size(), std::size_t(200000));
    for (const QByteArray& line : lines_)
        QVERIFY2(!line.contains('\r') && !line.contains('\n'), line.constData());
}

void TestResource::words()
{
    std::size_t count = 0;
    QByteArray previous;
    for (const QByteArray& raw : lines_) {
        QByteArray word = raw;
        for (char& c : word)
            c = char(static_cast<unsigned char>(c) - 10);
        if (word.isEmpty())
            break;
        for (char c : word)
            QVERIFY2(c >= 'a' && c <= 'z', word.constData());
        QVERIFY2(count == 0 || previous < word, (previous + " before " + word).constData());
        previous = word;
        ++count;
    }
    // The rest is padding.
    for (std::size_t i = count; i < lines_.size(); ++i)
        QVERIFY(lines_[i].isEmpty());
    QVERIFY2(count > 100000, qPrintable(QString::number(count)));
    qInfo("%zu words", count);
}

void TestResource::loadsThroughTheTemporaryFile()
{
    mdlList::DicFile dic(std::string_view(bytes_.constData(), std::size_t(bytes_.size())));
    const auto list = mdlList::loadlist(dic.path());
    QCOMPARE(list.size(), mdlList::kEntries);
    QCOMPARE(list.front(), std::string("a"));
    QCOMPARE(list.back(), std::string(3, '\0'));
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        std::string word(lines_[i].constData(), std::size_t(lines_[i].size()));
        for (char& c : word)
            c = char(static_cast<unsigned char>(c) - 10);
        if (list[i] != word)
            QFAIL(qPrintable(QStringLiteral("entry %1 differs").arg(i)));
    }
}

// One size for each word, in list order; the junk a new player met is rare.
void TestResource::commonness()
{
    const std::size_t count = words_.size() - 1; // less the empty entry
    QCOMPARE(std::size_t(sizes_.size()), (count + 1) / 2);
    const wordlist::Commonness c(std::string_view(sizes_.constData(), std::size_t(sizes_.size())));
    for (std::size_t i = 0; i < count; ++i)
        QVERIFY2(c.size(i) >= 10 && c.size(i) <= 70, qPrintable(QString::number(i)));
    QCOMPARE(c.size(0), 10);               // "a"
    QCOMPARE(c.rare(count - 1), true);      // "zymurgy"
}

void TestResource::noBlockedWord()
{
    for (const auto& form : rules_.forms)
        QVERIFY2(!words_.contains(form), form.c_str());
    for (const auto& word : words_)
        QVERIFY2(!wordlist::blocked(rules_, word), word.c_str());
    // An allowed word the list lacks would be a stale or misspelt entry.
    for (const auto& word : rules_.allowed)
        QVERIFY2(words_.contains(word), word.c_str());
}

// What a new player tries stays; a blocked word's forms go, and so does
// every word holding a stem, not the words that merely contain a blocked
// word. `kept`: the block rules let it through; `listed`: the built list
// holds it (SCOWL lacks proper names such as "scunthorpe").
void TestResource::blockList_data()
{
    QTest::addColumn<QString>("word");
    QTest::addColumn<bool>("kept");
    QTest::addColumn<bool>("listed");
    for (const char* w : {"cats", "boxes", "churches", "ladies", "walked", "stopped", "carried", "making", "colour",
                          "colours", "favourite", "organised", "travelled", "centre", "grapes", "therapist",
                          "assess", "passes", "spices", "spiced", "analysis", "butter", "title", "document",
                          "cocktail", "pussycat", "sextet", "snatched", "escorts", "tits", "scrape",
                          // holding the letters of a stem or a whole blocked word
                          "assassin", "dickens", "niggardly", "swanky", "twattle", "cockatoo",
                          // the allow list
                          "mishit", "mishitting", "snigger", "sniggeringly"})
        QTest::newRow(w) << w << true << true;
    for (const char* w : {"scunthorpe", "essex"})
        QTest::newRow(w) << w << true << false;
    for (const char* w : {"fucked", "fucks", "shitting", "cunts", "sluts", "whores", "spics", "faggots", "wankers",
                          // families the whole words missed, each through its stem
                          "bullshitted", "bullshitting", "bullshitter", "chickenshit", "shitload", "shittier",
                          "shittiest", "shitwork", "sluttier", "sluttish", "whoreson", "whoremaster",
                          "sonsofbitches", "bitchiness", "bitchily", "motherfucking", "niggerhead", "cocksuckers",
                          // not in the list's sizes; the stem keeps it out should they grow
                          "shittah"})
        QTest::newRow(w) << w << false << false;
}

void TestResource::blockList()
{
    QFETCH(QString, word);
    QFETCH(bool, kept);
    QFETCH(bool, listed);
    QCOMPARE(!wordlist::blocked(rules_, word.toStdString()), kept);
    QCOMPARE(words_.contains(word.toStdString()), listed);
}

QTEST_GUILESS_MAIN(TestResource)
#include "tst_resource.moc"
