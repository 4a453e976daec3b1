#include "dicfile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>

#include <sys/resource.h>

namespace fs = std::filesystem;
Q_DECLARE_METATYPE(std::string)

namespace {

std::string readAll(const fs::path& p)
{
    std::ifstream in(p, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool isEmptyFolder(const fs::path& p)
{
    return fs::is_directory(p) && fs::is_empty(p);
}

} // namespace

// Each test runs with TMPDIR pointing at a fresh folder of its own, so that
// what a DicFile leaves behind can be seen.
class TestDicFile : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void privateFolder();
    void content_data();
    void content();
    void workingDirectoryUntouched();
    void twoCoexist();
    void removeDeletesFileAndFolder();
    void removeWhenFileAlreadyGone();
    void unusableTempFolder_data();
    void unusableTempFolder();
    void failedWriteCleansUp();

private:
    std::unique_ptr<QTemporaryDir> tmp_;
    QByteArray oldTmpdir_;
    bool hadTmpdir_ = false;
};

void TestDicFile::init()
{
    tmp_ = std::make_unique<QTemporaryDir>();
    QVERIFY(tmp_->isValid());
    hadTmpdir_ = qEnvironmentVariableIsSet("TMPDIR");
    oldTmpdir_ = qgetenv("TMPDIR");
    qputenv("TMPDIR", QFile::encodeName(tmp_->path()));
}

void TestDicFile::cleanup()
{
    if (hadTmpdir_)
        qputenv("TMPDIR", oldTmpdir_);
    else
        qunsetenv("TMPDIR");
    tmp_.reset();
}

void TestDicFile::privateFolder()
{
    mdlList::DicFile dic("abc");
    QCOMPARE(fs::canonical(dic.folder().parent_path()), fs::canonical(tmp_->path().toStdString()));
    QVERIFY(dic.folder().filename().string().starts_with("golexorb-"));
    QCOMPARE(dic.path(), dic.folder() / "dic.bin");
    QCOMPARE(fs::status(dic.folder()).permissions() & fs::perms::all, fs::perms::owner_all);
    QCOMPARE(fs::status(dic.path()).permissions() & fs::perms::all,
             fs::perms::owner_read | fs::perms::owner_write);
}

void TestDicFile::content_data()
{
    QTest::addColumn<std::string>("bytes");

    std::string all;
    for (int i = 0; i < 4 * 256; ++i)
        all.push_back(static_cast<char>(i & 0xff));
    std::string big(3 << 20, '\0');
    for (std::size_t i = 0; i < big.size(); ++i)
        big[i] = static_cast<char>((i * 7919) >> 3);

    QTest::newRow("empty") << std::string();
    QTest::newRow("line ends kept as they are") << std::string("a\r\nb\rc\n\r\n");
    QTest::newRow("every byte value") << all;
    QTest::newRow("3 MiB") << big;
}

void TestDicFile::content()
{
    QFETCH(std::string, bytes);
    mdlList::DicFile dic(bytes);
    QVERIFY(readAll(dic.path()) == bytes);
}

void TestDicFile::workingDirectoryUntouched()
{
    QTemporaryDir cwd;
    QVERIFY(cwd.isValid());
    const QString old = QDir::currentPath();
    QVERIFY(QDir::setCurrent(cwd.path()));
    {
        std::ofstream("dic.bin", std::ios::binary) << "the player's own file";
        mdlList::DicFile dic("the word list");
        QVERIFY(dic.folder() != fs::current_path());
        QCOMPARE(readAll("dic.bin"), std::string("the player's own file"));
    }
    QCOMPARE(readAll("dic.bin"), std::string("the player's own file"));
    QVERIFY(QDir::setCurrent(old));
}

void TestDicFile::twoCoexist()
{
    auto first = std::make_unique<mdlList::DicFile>("first");
    mdlList::DicFile second("second");
    QVERIFY(first->folder() != second.folder());
    QCOMPARE(readAll(first->path()), std::string("first"));
    QCOMPARE(readAll(second.path()), std::string("second"));

    const fs::path firstFolder = first->folder();
    first.reset(); // the destructor removes its own copy only
    QVERIFY(!fs::exists(firstFolder));
    QCOMPARE(readAll(second.path()), std::string("second"));
}

void TestDicFile::removeDeletesFileAndFolder()
{
    mdlList::DicFile dic("abc");
    const fs::path file = dic.path();
    const fs::path folder = dic.folder();
    dic.remove();
    QVERIFY(!fs::exists(file));
    QVERIFY(!fs::exists(folder));
    dic.remove(); // a second call is harmless
    QVERIFY(isEmptyFolder(tmp_->path().toStdString()));
}

void TestDicFile::removeWhenFileAlreadyGone()
{
    mdlList::DicFile dic("abc");
    QVERIFY(fs::remove(dic.path()));
    dic.remove();
    QVERIFY(!fs::exists(dic.folder()));
}

void TestDicFile::unusableTempFolder_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("reason");
    // Root writes into read-only folders, so these are the cases that fail
    // for everyone.
    QTest::newRow("TMPDIR names a plain file") << "file" << "Not a directory";
    QTest::newRow("TMPDIR names nothing") << "missing" << "No such file or directory";
}

void TestDicFile::unusableTempFolder()
{
    QFETCH(QString, kind);
    QFETCH(QString, reason);

    const QString bad = tmp_->filePath(kind == "file" ? "plain" : "absent");
    if (kind == "file")
        std::ofstream(bad.toStdString()) << "x";
    qputenv("TMPDIR", QFile::encodeName(bad));

    try {
        mdlList::DicFile dic("abc");
        QFAIL("no error for an unusable temporary folder");
    } catch (const mdlList::DicFileError& e) {
        const QString what = QString::fromLocal8Bit(e.what());
        QVERIFY2(what.contains("temporary folder") && what.contains(bad) && what.contains(reason),
                 e.what());
    }
}

void TestDicFile::failedWriteCleansUp()
{
    // A file size limit makes the write fail part way (EFBIG) the way a full
    // disk would.
    struct rlimit old {};
    QVERIFY(::getrlimit(RLIMIT_FSIZE, &old) == 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = old;
    small.rlim_cur = 4096;
    QVERIFY(::setrlimit(RLIMIT_FSIZE, &small) == 0);

    std::string message;
    bool thrown = false;
    try {
        mdlList::DicFile dic(std::string(100000, 'x'));
    } catch (const mdlList::DicFileError& e) {
        thrown = true;
        message = e.what();
    }
    ::setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);

    QVERIFY(thrown);
    QVERIFY2(message.find("dic.bin could not be written") != std::string::npos, message.c_str());
    QVERIFY2(isEmptyFolder(tmp_->path().toStdString()), "the private folder was left behind");
}

QTEST_GUILESS_MAIN(TestDicFile)
#include "tst_dicfile.moc"
