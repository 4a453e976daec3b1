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

#include <fcntl.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <unistd.h>

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
    void removeSaysWhatStays();
    void deadRuns_data();
    void deadRuns();

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

void TestDicFile::removeSaysWhatStays()
{
    mdlList::DicFile dic("abc");
    std::ofstream(dic.folder() / "left by someone") << "x";
    const std::string problem = dic.remove();
    QVERIFY2(problem.find(dic.folder().string()) != std::string::npos
                 && problem.find("could not be removed") != std::string::npos,
             problem.c_str());
    QVERIFY(!fs::exists(dic.path()));
    QVERIFY(dic.remove().empty()); // said once
    fs::remove_all(dic.folder());
}

void TestDicFile::deadRuns_data()
{
    QTest::addColumn<QString>("name"); // %1: this process's id
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("cleared");
    // No process has an id this high (the kernel's limit is far below it).
    QTest::newRow("a killed run") << "golexorb-2147483646-5-aB3xyz" << "folder" << true;
    QTest::newRow("its id now another process's") << "golexorb-%1-1-aB3xyz" << "folder" << true;
    QTest::newRow("a live run") << "" << "live" << false;
    QTest::newRow("locked by a run elsewhere") << "golexorb-2147483646-5-aB3xyz" << "locked" << false;
    QTest::newRow("holding something else") << "golexorb-2147483646-5-aB3xyz" << "extra" << false;
    QTest::newRow("a link to a folder") << "golexorb-2147483646-5-aB3xyz" << "link" << false;
    QTest::newRow("another user's") << "golexorb-2147483646-5-aB3xyz" << "foreign" << false;
    QTest::newRow("among names planted by another user") << "golexorb-2147483646-5-aB3xyz" << "planted" << true;
    QTest::newRow("named another way") << "golexorb-2147483646-5-aB3xyz7" << "folder" << false;
    QTest::newRow("named as older versions did") << "golexorb-aB3xyz" << "folder" << false;
}

void TestDicFile::deadRuns()
{
    QFETCH(QString, name);
    QFETCH(QString, kind);
    QFETCH(bool, cleared);
    if (kind == "foreign" && ::geteuid() != 0)
        QSKIP("only root can make a folder of another user's");

    const fs::path base = tmp_->path().toStdString();
    std::unique_ptr<mdlList::DicFile> live;
    fs::path folder;
    if (kind == "live") {
        live = std::make_unique<mdlList::DicFile>("abc");
        folder = live->folder();
    } else {
        folder = base / QString(name).replace("%1", QString::number(::getpid())).toStdString();
        const fs::path real = kind == "link" ? base / "elsewhere" : folder;
        fs::create_directory(real);
        std::ofstream(real / "dic.bin") << "abc";
        if (kind == "link")
            fs::create_directory_symlink(real, folder);
        if (kind == "extra")
            std::ofstream(real / "notes") << "x";
        if (kind == "foreign") {
            QCOMPARE(::chown(real.c_str(), 65534, 65534), 0);
        }
        // Folders of another user where root can make them, files otherwise,
        // all named as runs that are gone.
        for (int i = 0; kind == "planted" && i < 200; ++i) {
            const fs::path other = base / ("golexorb-" + std::to_string(1000 + i) + "-5-planted");
            if (::geteuid() == 0) {
                fs::create_directory(other);
                QCOMPARE(::chown(other.c_str(), 65534, 65534), 0);
            } else {
                std::ofstream(other) << "x";
            }
        }
    }
    int lock = -1;
    if (kind == "locked") {
        lock = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY);
        QVERIFY(lock >= 0 && ::flock(lock, LOCK_EX) == 0);
    }

    // flock locks are per open file: taken here, the folder reads as held by
    // another run although this process does the clearing.
    const int n = mdlList::clearDeadRuns();
    if (lock >= 0)
        ::close(lock);
    QCOMPARE(n, cleared ? 1 : 0);
    QCOMPARE(fs::exists(fs::symlink_status(folder)), !cleared);
    if (kind == "extra") {
        QVERIFY(!fs::exists(folder / "dic.bin"));
        QVERIFY(fs::exists(folder / "notes"));
    } else if (!cleared) {
        QVERIFY(fs::exists(folder / "dic.bin"));
    }
    if (kind == "link")
        QVERIFY(fs::exists(base / "elsewhere" / "dic.bin"));
    if (kind == "planted")
        QCOMPARE(std::distance(fs::directory_iterator(base), fs::directory_iterator()), 200);
}

QTEST_GUILESS_MAIN(TestDicFile)
#include "tst_dicfile.moc"
