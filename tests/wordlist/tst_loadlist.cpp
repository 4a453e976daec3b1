#include "dfsenc.h"
#include "mdllist.h"
#include "wordindex.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <sys/stat.h>
#include <unistd.h>

using Lines = std::vector<std::string>;
Q_DECLARE_METATYPE(std::string)
Q_DECLARE_METATYPE(Lines)

namespace {

std::string enc(const std::string& s)
{
    return dfsenc::encodeline(s);
}

// Built by appending: GCC 12 gives a false -Wrestrict on "literal" + std::string.
std::string numbered(std::size_t i)
{
    std::string w = "w";
    w += std::to_string(i);
    return w;
}

std::string zeros(std::size_t n)
{
    return std::string(n, '\0');
}

} // namespace

class TestLoadlist : public QObject {
    Q_OBJECT

private slots:
    void init();
    void lines_data();
    void lines();
    void fullList();
    void lineBeyondLastEntryNotStored();
    void errors_data();
    void errors();

private:
    std::filesystem::path write(const std::string& bytes);

    std::unique_ptr<QTemporaryDir> dir_;
};

void TestLoadlist::init()
{
    dir_ = std::make_unique<QTemporaryDir>();
    QVERIFY(dir_->isValid());
}

std::filesystem::path TestLoadlist::write(const std::string& bytes)
{
    const QString name = dir_->filePath("list.dic");
    QFile f(name);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes.data(), qint64(bytes.size())) != qint64(bytes.size()))
        qFatal("cannot write %s", qPrintable(name));
    return std::filesystem::path(name.toStdString());
}

void TestLoadlist::lines_data()
{
    QTest::addColumn<std::string>("file");
    QTest::addColumn<Lines>("expected"); // the first entries; every later one is empty

    QTest::newRow("empty file") << std::string() << Lines{};
    QTest::newRow("CR LF lines") << enc("cat") + "\r\n" + enc("dog") + "\r\n" << Lines{"cat", "dog"};
    QTest::newRow("text after the last line end is a line")
        << enc("cat") + "\r\n" + enc("dog") << Lines{"cat", "dog"};
    QTest::newRow("lone CR ends a line") << enc("cat") + "\r" + enc("dog") << Lines{"cat", "dog"};
    QTest::newRow("lone LF is a character")
        << enc("cat") + "\n" + enc("dog") << Lines{"cat" + zeros(1) + "dog"};
    QTest::newRow("LF CR") << enc("ab") + "\n\r" + enc("c") << Lines{"ab" + zeros(1), "c"};
    QTest::newRow("CR CR LF gives an empty line")
        << enc("ab") + "\r\r\n" + enc("c") << Lines{"ab", "", "c"};
    QTest::newRow("empty lines keep later positions")
        << "\r\n\r\n" + enc("x") + "\r\n\r\n" + enc("y") << Lines{"", "", "x", "", "y"};
    QTest::newRow("codes below 10 pass through")
        << std::string("\x01\x0a\x0b", 3) + "\r\n" << Lines{std::string("\x01\x00\x01", 3)};
    QTest::newRow("three zero bytes at the end")
        << enc("ab") + "\r\n" + zeros(3) << Lines{"ab", zeros(3)};
    // The loader looks for line ends 64 bytes at a time.
    QTest::newRow("line longer than a block")
        << enc(std::string(150, 'x')) + "\r\n" + enc("y") << Lines{std::string(150, 'x'), "y"};
    QTest::newRow("CR ends a block, its LF begins the next")
        << enc(std::string(63, 'a')) + "\r\n" + enc("b") << Lines{std::string(63, 'a'), "b"};
    QTest::newRow("lone CR as the last byte of a block")
        << enc(std::string(63, 'a')) + "\r" + enc("b") << Lines{std::string(63, 'a'), "b"};
}

void TestLoadlist::lines()
{
    QFETCH(std::string, file);
    QFETCH(Lines, expected);

    const auto list = mdlList::loadlist(write(file));
    QCOMPARE(list.size(), mdlList::kEntries);
    for (std::size_t i = 0; i < list.size(); ++i) {
        const std::string want = i < expected.size() ? expected[i] : std::string();
        if (list[i] != want)
            QFAIL(qPrintable(QStringLiteral("entry %1 is \"%2\", expected \"%3\"")
                                 .arg(i)
                                 .arg(QString::fromLatin1(list[i].data(), qsizetype(list[i].size())))
                                 .arg(QString::fromLatin1(want.data(), qsizetype(want.size())))));
    }

    // The index answers as a scan does on the list as loaded, its empty tail
    // included (no row holds two spellings of one word, so equal is enough).
    const wordlist::WordIndex index(list);
    Lines words = expected;
    words.emplace_back();
    for (const std::string& w : words) {
        std::optional<std::size_t> first;
        for (std::size_t i = 0; i < list.size() && !first; ++i)
            if (list[i] == w)
                first = i;
        QCOMPARE(index.find(w), first);
    }
}

void TestLoadlist::fullList()
{
    // Exactly 200,001 lines, each ended by CR LF: every entry filled, in order.
    std::string file;
    for (std::size_t i = 0; i < mdlList::kEntries; ++i)
        file += enc(numbered(i)) + "\r\n";

    const auto list = mdlList::loadlist(write(file));
    QCOMPARE(list.size(), mdlList::kEntries);
    for (std::size_t i = 0; i < list.size(); ++i) {
        if (list[i] != numbered(i))
            QFAIL(qPrintable(QStringLiteral("entry %1 is wrong").arg(i)));
    }
}

void TestLoadlist::lineBeyondLastEntryNotStored()
{
    std::string file;
    for (std::size_t i = 0; i < mdlList::kEntries; ++i)
        file += "\r\n";
    file += enc("extra") + "\r\n" + enc("more");

    const auto list = mdlList::loadlist(write(file));
    QCOMPARE(list.size(), mdlList::kEntries);
    for (std::string_view entry : list)
        QVERIFY(entry.empty());

    // The last stored line is the 200,001st, not whatever follows it.
    file = std::string();
    for (std::size_t i = 0; i + 1 < mdlList::kEntries; ++i)
        file += "\r\n";
    file += enc("last") + "\r\n" + enc("extra");
    QCOMPARE(mdlList::loadlist(write(file)).back(), std::string("last"));
}

void TestLoadlist::errors_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("missing file") << "missing";
    QTest::newRow("a folder") << "folder";
    QTest::newRow("no read permission") << "unreadable";
    QTest::newRow("read fails after opening") << "readerror";
}

void TestLoadlist::errors()
{
    QFETCH(QString, kind);

    std::filesystem::path name;
    if (kind == "missing") {
        name = dir_->filePath("absent.dic").toStdString();
    } else if (kind == "folder") {
        name = dir_->path().toStdString();
    } else if (kind == "unreadable") {
        if (::geteuid() == 0)
            QSKIP("root reads files whatever their permissions");
        name = write(enc("cat") + "\r\n");
        QVERIFY(::chmod(name.c_str(), 0) == 0);
    } else {
        // Opens fine, but reading from address 0 of our own memory fails (EIO).
        name = "/proc/self/mem";
        if (!std::filesystem::exists(name))
            QSKIP("no /proc/self/mem here");
    }

    try {
        mdlList::loadlist(name);
        QFAIL("loadlist returned a list instead of reporting the error");
    } catch (const mdlList::LoadError& e) {
        const std::string what = e.what();
        QVERIFY2(what.find(name.string()) != std::string::npos, e.what());
    }
}

QTEST_GUILESS_MAIN(TestLoadlist)
#include "tst_loadlist.moc"
