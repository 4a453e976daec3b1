// The word list as the game embeds it.

#include "blocklist.h"
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
    void noBlockedWord();
    void blockList_data();
    void blockList();

private:
    QByteArray bytes_;
    std::vector<QByteArray> lines_; // the 200,000 CR LF lines, undecoded
    std::set<std::string> words_;   // decoded
};

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

void TestResource::noBlockedWord()
{
    QFile f(QStringLiteral(SOURCE_DIR "/resources/blocklist.txt"));
    QVERIFY(f.open(QIODevice::ReadOnly));
    const auto list = mkdic::parseBlockList(f.readAll().toStdString());
    QVERIFY(list.size() > 200);
    for (const auto& form : mkdic::blockedForms(list))
        QVERIFY2(!words_.contains(form), form.c_str());
}

// What a new player tries stays; a blocked word's forms go, not the words
// that merely contain it.
void TestResource::blockList_data()
{
    QTest::addColumn<QString>("word");
    QTest::addColumn<bool>("kept");
    for (const char* w : {"cats", "boxes", "churches", "ladies", "walked", "stopped", "carried", "making", "colour",
                          "colours", "favourite", "organised", "travelled", "centre", "grapes", "therapist",
                          "assess", "passes", "spices", "spiced", "analysis", "butter", "title", "document",
                          "cocktail", "pussycat", "sextet", "snatched", "escorts", "tits", "scrape"})
        QTest::newRow(w) << w << true;
    for (const char* w : {"fucked", "fucks", "shitting", "cunts", "sluts", "whores", "spics", "faggots", "wankers"})
        QTest::newRow(w) << w << false;
}

void TestResource::blockList()
{
    QFETCH(QString, word);
    QFETCH(bool, kept);
    QCOMPARE(words_.contains(word.toStdString()), kept);
}

QTEST_GUILESS_MAIN(TestResource)
#include "tst_resource.moc"
