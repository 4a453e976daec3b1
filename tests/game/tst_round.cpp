#include "mainform.h"
#include "scriptedplatform.h"

#include <QTemporaryDir>
#include <QTest>

#include <cstdlib>
#include <filesystem>
#include <fstream>

using namespace game;
namespace fs = std::filesystem;

namespace {
// Picks an entry of Combo1 as the player does. The text is made with
// to_string: GCC 12 at -O3 warns falsely (-Wrestrict) when a one-letter
// literal is assigned to a std::string.
void pick(MainForm& form, int minutes)
{
    form.combo1Text = std::to_string(minutes);
    form.Combo1_Click();
}
} // namespace

class TestRound : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void loadGivesIdleWindow();
    void loadFailures_data();
    void loadFailures();
    void unloadRemovesFileAndFolder();
    void clock_data();
    void clock();
    void startAndFinish();
    void endAtOnceRestoresFullTime();
    void pickDuringRoundIgnored();
    void windowHeights();
    void closingDuringRoundDoesNotScore();

private:
    QByteArray savedTmp_;
    QTemporaryDir tmp_;
};

void TestRound::init()
{
    savedTmp_ = qgetenv("TMPDIR");
    qputenv("TMPDIR", tmp_.path().toLocal8Bit());
}

void TestRound::cleanup()
{
    if (savedTmp_.isNull())
        qunsetenv("TMPDIR");
    else
        qputenv("TMPDIR", savedTmp_);
}

void TestRound::loadGivesIdleWindow()
{
    ScriptedPlatform platform;
    platform.resource = scrambledList({"cat", "dog"}) + std::string(3, '\0');
    MainForm form(platform);
    bool loadingShownAtYield = false;
    bool fileThereAtYield = false;
    platform.onYield = [&] {
        loadingShownAtYield = form.loadingfrmVisible;
        fileThereAtYield = fs::exists(form.dicPath());
    };
    form.Form_Load();

    QVERIFY(loadingShownAtYield);
    QVERIFY(fileThereAtYield);
    QCOMPARE(platform.yields, 1);
    QVERIFY(!form.loadingfrmVisible);
    QCOMPARE(form.diclist.size(), std::size_t(200001));
    QCOMPARE(form.diclist[0], std::string("cat"));
    QCOMPARE(form.diclist[2], std::string(3, '\0'));
    QVERIFY(form.diclist[3].empty());
    QCOMPARE(form.lastcell, kNoCell);
    QVERIFY(!form.running);
    QVERIFY(!form.scoretxt.visible);
    QCOMPARE(form.seconds.caption, std::string("0"));
    QVERIFY(form.surface.texts.empty()); // "Loaded 1/2" was printed, then cleared
    QVERIFY(form.startbtn.enabled);
    QVERIFY(!form.endbtn.enabled);
    QVERIFY(!form.sectimerEnabled);
    // The copy lies in a private folder of its own, not in the working directory.
    const fs::path file = form.dicPath();
    QCOMPARE(file.filename().string(), std::string("dic.bin"));
    QCOMPARE(QString::fromStdString(file.parent_path().parent_path().string()), tmp_.path());
    QCOMPARE(fs::status(file.parent_path()).permissions() & fs::perms::all, fs::perms::owner_all);
}

void TestRound::loadFailures_data()
{
    QTest::addColumn<bool>("resourceMissing");
    QTest::addColumn<bool>("tmpIsFile");
    QTest::addColumn<QString>("message");
    QTest::newRow("resource cannot be read") << true << false << "The embedded word list could not be read";
    QTest::newRow("temporary folder unusable") << false << true << "The word list could not be written";
}

void TestRound::loadFailures()
{
    QFETCH(bool, resourceMissing);
    QFETCH(bool, tmpIsFile);
    QFETCH(QString, message);
    if (tmpIsFile) {
        const QString plain = tmp_.filePath("plain-file");
        std::ofstream(plain.toStdString()) << "x";
        qputenv("TMPDIR", plain.toLocal8Bit());
    }
    ScriptedPlatform platform;
    platform.resource = scrambledList({"cat"});
    platform.resourceMissing = resourceMissing;
    MainForm form(platform);
    try {
        form.Form_Load();
        QFAIL("start-up went on");
    } catch (const StartupError& e) {
        QVERIFY2(QString(e.what()).startsWith(message), e.what());
    }
}

void TestRound::unloadRemovesFileAndFolder()
{
    ScriptedPlatform platform;
    platform.resource = scrambledList({"cat"});
    MainForm form(platform);
    form.Form_Load();
    const fs::path file = form.dicPath();
    QVERIFY(fs::exists(file));
    fs::remove(file); // already gone is no error
    form.Form_Unload();
    QVERIFY(!fs::exists(file.parent_path()));
    QCOMPARE(platform.yields, 2);
}

void TestRound::clock_data()
{
    QTest::addColumn<QString>("pick");
    QTest::addColumn<int>("full");
    QTest::newRow("no length picked finishes at the first tick") << "" << 0;
    QTest::newRow("1 minute") << "1" << 60;
    QTest::newRow("3 minutes") << "3" << 180;
    QTest::newRow("10 minutes") << "10" << 600;
}

void TestRound::clock()
{
    QFETCH(QString, pick);
    QFETCH(int, full);
    ScriptedPlatform platform;
    MainForm form(platform);
    form.combo1Text = pick.toStdString();
    form.Combo1_Click();
    QCOMPARE(form.seconds.caption, std::to_string(full));
    form.startbtn_Click();
    for (int tick = 1; tick <= full; ++tick) {
        form.sectimer_Timer();
        QVERIFY(form.running);
        QCOMPARE(form.seconds.caption, std::to_string(full - tick));
    }
    form.sectimer_Timer(); // tick full + 1
    QVERIFY(!form.running);
    QVERIFY(!form.sectimerEnabled);
    QCOMPARE(form.seconds.caption, std::to_string(full));
    QCOMPARE(form.scoretxt.caption, std::string("Your Score: 0"));
}

void TestRound::startAndFinish()
{
    ScriptedPlatform platform;
    MainForm form(platform);
    form.wordlst = {"OLD"};
    form.score = 9;
    form.used[3] = 1;
    form.startbtn_Click();
    QVERIFY(form.running);
    QVERIFY(form.sectimerEnabled);
    QVERIFY(!form.combo1Enabled);
    QVERIFY(!form.startbtn.enabled);
    QVERIFY(form.endbtn.enabled);
    QVERIFY(form.wordlst.empty());
    QVERIFY(!form.scoretxt.visible);
    QCOMPARE(form.score, 0);
    QCOMPARE(form.used[3], 0);
    QVERIFY(form.wordtxt.caption.empty());
    for (const auto& cell : form.l)
        QCOMPARE(cell.caption.size(), std::size_t(1));

    form.l_MouseDown(0, 1, 0, 300, 300);
    form.l_MouseDown(1, 1, 0, 300, 300);
    form.endbtn_Click();
    QVERIFY(!form.running);
    QVERIFY(form.scoretxt.visible);
    QVERIFY(form.startbtn.enabled);
    QVERIFY(form.combo1Enabled);
    QVERIFY(!form.endbtn.enabled);
    QVERIFY(form.wordtxt.caption.empty());
    QVERIFY(form.surface.lines.empty());
    QCOMPARE(form.lastcell, kNoCell);
    for (int n = 0; n < kCells; ++n) {
        QCOMPARE(form.l[n].color, kPaleYellow);
        QCOMPARE(form.used[n], 0);
    }
}

void TestRound::endAtOnceRestoresFullTime()
{
    ScriptedPlatform platform;
    MainForm form(platform);
    pick(form, 2);
    form.startbtn_Click();
    for (int i = 0; i < 5; ++i)
        form.sectimer_Timer();
    QCOMPARE(form.seconds.caption, std::string("115"));
    form.endbtn_Click();
    QCOMPARE(form.seconds.caption, std::string("120"));
    // After the finish a new pick shows at once and the next round uses it.
    pick(form, 4);
    QCOMPARE(form.seconds.caption, std::string("240"));
    form.startbtn_Click();
    form.sectimer_Timer();
    QCOMPARE(form.seconds.caption, std::string("239"));
}

void TestRound::pickDuringRoundIgnored()
{
    ScriptedPlatform platform;
    MainForm form(platform);
    pick(form, 1);
    form.startbtn_Click();
    form.sectimer_Timer();
    pick(form, 5);
    QCOMPARE(form.seconds.caption, std::string("59"));
}

void TestRound::windowHeights()
{
    ScriptedPlatform platform;
    MainForm form(platform);
    QCOMPARE(form.outerHeightTwips - MainForm::kFrameHeight, 345 * 15);
    form.startbtn_Click();
    form.multiplaybtn_Click();
    QCOMPARE(form.outerHeightTwips - MainForm::kFrameHeight, 600 * 15);
    form.oneplayerbtn_Click();
    QCOMPARE(form.outerHeightTwips - MainForm::kFrameHeight, 345 * 15);
    QVERIFY(form.running);
    QVERIFY(form.sectimerEnabled);
}

void TestRound::closingDuringRoundDoesNotScore()
{
    ScriptedPlatform platform;
    MainForm form(platform);
    form.startbtn_Click();
    form.Form_Unload();
    QVERIFY(!form.sectimerEnabled);
    QVERIFY(!form.scoretxt.visible);
}

QTEST_APPLESS_MAIN(TestRound)
#include "tst_round.moc"
