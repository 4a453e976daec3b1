#include "mainlogic.h"
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
void pick(MainLogic& logic, int minutes)
{
    logic.setCombo1Text(std::to_string(minutes));
    logic.Combo1_Click();
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
    void pauseHoldsTheRound();

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
    MainLogic logic(platform);
    bool loadingShownAtYield = false;
    bool fileThereAtYield = false;
    bool resourceGivenBackAtYield = false;
    platform.onYield = [&] {
        loadingShownAtYield = logic.loadingfrmVisible();
        fileThereAtYield = fs::exists(logic.dicPath());
        // Once written, the embedded bytes are given back whole: the list is read from the file.
        resourceGivenBackAtYield = platform.released.data() == platform.resource.data()
            && platform.released.size() == platform.resource.size();
    };
    logic.Form_Load();

    QVERIFY(loadingShownAtYield);
    QVERIFY(fileThereAtYield);
    QVERIFY(resourceGivenBackAtYield);
    QCOMPARE(platform.yields, 1);
    QVERIFY(!logic.loadingfrmVisible());
    QCOMPARE(logic.dictionary().size(), std::size_t(200001));
    QCOMPARE(logic.dictionary()[0], std::string("cat"));
    QCOMPARE(logic.dictionary()[2], std::string(3, '\0'));
    QVERIFY(logic.dictionary()[3].empty());
    QCOMPARE(logic.lastcell(), kNoCell);
    QVERIFY(!logic.running());
    QVERIFY(!logic.scoretxt().visible);
    QCOMPARE(logic.seconds().caption, std::string("0"));
    QVERIFY(logic.surface().texts.empty()); // "Loaded 1/2" was printed, then cleared
    // How common the words are waits for the first word a round's end counts.
    QCOMPARE(platform.asked, std::vector<std::string>{"DIC/BIN"});
    logic.commonness();
    QCOMPARE(platform.asked, (std::vector<std::string>{"DIC/BIN", "DIC/SIZES"}));
    QVERIFY(logic.startbtn().enabled);
    QVERIFY(!logic.endbtn().enabled);
    QVERIFY(!logic.sectimerEnabled());
    // The copy lies in a private folder of its own, not in the working directory.
    const fs::path file = logic.dicPath();
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
    MainLogic logic(platform);
    try {
        logic.Form_Load();
        QFAIL("start-up went on");
    } catch (const StartupError& e) {
        QVERIFY2(QString(e.what()).startsWith(message), e.what());
    }
}

void TestRound::unloadRemovesFileAndFolder()
{
    ScriptedPlatform platform;
    platform.resource = scrambledList({"cat"});
    MainLogic logic(platform);
    logic.Form_Load();
    const fs::path file = logic.dicPath();
    QVERIFY(fs::exists(file));
    fs::remove(file); // already gone is no error
    logic.Form_Unload();
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
    MainLogic logic(platform);
    logic.setCombo1Text(pick.toStdString());
    logic.Combo1_Click();
    QCOMPARE(logic.seconds().caption, std::to_string(full));
    logic.startbtn_Click();
    for (int tick = 1; tick <= full; ++tick) {
        logic.sectimer_Timer();
        QVERIFY(logic.running());
        QCOMPARE(logic.seconds().caption, std::to_string(full - tick));
    }
    logic.sectimer_Timer(); // tick full + 1
    QVERIFY(!logic.running());
    QVERIFY(!logic.sectimerEnabled());
    QCOMPARE(logic.seconds().caption, std::to_string(full));
    QCOMPARE(logic.scoretxt().caption, std::string("Your Score: 0"));
}

void TestRound::startAndFinish()
{
    ScriptedPlatform platform;
    MainLogic logic(platform);
    // What a round leaves: a listed word, a score and a cell in the word.
    logic.setWordList({"cat"});
    platform.draws = drawsFor("CATSDOGEXYZQREAD");
    logic.startbtn_Click();
    for (int cell : {0, 1, 2})
        logic.l_MouseDown(cell, 1, 0, 300, 300);
    logic.Addbtn_Click();
    logic.l_MouseDown(3, 1, 0, 300, 300);
    QCOMPARE(logic.score(), 3);
    QCOMPARE(logic.used()[3], 1);
    logic.startbtn_Click();
    QVERIFY(logic.running());
    QVERIFY(logic.sectimerEnabled());
    QVERIFY(!logic.combo1Enabled());
    QVERIFY(!logic.startbtn().enabled);
    QVERIFY(logic.endbtn().enabled);
    QVERIFY(logic.wordlst().empty());
    QVERIFY(!logic.scoretxt().visible);
    QCOMPARE(logic.score(), 0);
    QCOMPARE(logic.used()[3], 0);
    QVERIFY(logic.wordtxt().caption.empty());
    for (const auto& cell : logic.l())
        QCOMPARE(cell.caption.size(), std::size_t(1));

    logic.l_MouseDown(0, 1, 0, 300, 300);
    logic.l_MouseDown(1, 1, 0, 300, 300);
    logic.endbtn_Click();
    QVERIFY(!logic.running());
    QVERIFY(logic.scoretxt().visible);
    QVERIFY(logic.startbtn().enabled);
    QVERIFY(logic.combo1Enabled());
    QVERIFY(!logic.endbtn().enabled);
    QVERIFY(logic.wordtxt().caption.empty());
    QVERIFY(logic.surface().lines.empty());
    QCOMPARE(logic.lastcell(), kNoCell);
    for (int n = 0; n < kCells; ++n) {
        QCOMPARE(logic.l()[n].color, kPaleYellow);
        QCOMPARE(logic.used()[n], 0);
    }
}

void TestRound::endAtOnceRestoresFullTime()
{
    ScriptedPlatform platform;
    MainLogic logic(platform);
    pick(logic, 2);
    logic.startbtn_Click();
    for (int i = 0; i < 5; ++i)
        logic.sectimer_Timer();
    QCOMPARE(logic.seconds().caption, std::string("115"));
    logic.endbtn_Click();
    QCOMPARE(logic.seconds().caption, std::string("120"));
    // After the finish a new pick shows at once and the next round uses it.
    pick(logic, 4);
    QCOMPARE(logic.seconds().caption, std::string("240"));
    logic.startbtn_Click();
    logic.sectimer_Timer();
    QCOMPARE(logic.seconds().caption, std::string("239"));
}

void TestRound::pickDuringRoundIgnored()
{
    ScriptedPlatform platform;
    MainLogic logic(platform);
    pick(logic, 1);
    logic.startbtn_Click();
    logic.sectimer_Timer();
    pick(logic, 5);
    QCOMPARE(logic.seconds().caption, std::string("59"));
}

void TestRound::windowHeights()
{
    ScriptedPlatform platform;
    MainLogic logic(platform);
    QCOMPARE(logic.outerHeightTwips() - MainLogic::kFrameHeight, 345 * 15);
    logic.startbtn_Click();
    logic.multiplaybtn_Click();
    QCOMPARE(logic.outerHeightTwips() - MainLogic::kFrameHeight, 600 * 15);
    logic.oneplayerbtn_Click();
    QCOMPARE(logic.outerHeightTwips() - MainLogic::kFrameHeight, 345 * 15);
    QVERIFY(logic.running());
    QVERIFY(logic.sectimerEnabled());
}

void TestRound::closingDuringRoundDoesNotScore()
{
    ScriptedPlatform platform;
    MainLogic logic(platform);
    logic.startbtn_Click();
    logic.Form_Unload();
    QVERIFY(!logic.sectimerEnabled());
    QVERIFY(!logic.scoretxt().visible);
}

// The Pause key holds a round: the clock stops, the letters hide, typing
// does nothing; a press on the board goes on without pressing a letter,
// and End still ends the round.
void TestRound::pauseHoldsTheRound()
{
    ScriptedPlatform platform;
    MainLogic logic(platform);
    logic.setWordList({"cat"});
    logic.keyPause(); // no round: nothing
    QVERIFY(!logic.paused());
    pick(logic, 1);
    platform.draws = drawsFor("CATSDOGEXYZQREAD");
    logic.startbtn_Click();
    logic.keyLetter('C');
    logic.keyPause();
    logic.sectimer_Timer(); // a tick already on its way
    logic.keyLetter('A');
    QVERIFY(logic.paused() && !logic.sectimerEnabled());
    QCOMPARE(logic.seconds().caption, std::string("60"));
    QCOMPARE(logic.l()[1].caption, std::string("?"));
    QCOMPARE(logic.wordtxt().caption, std::string("C"));
    logic.l_MouseDown(1, 1, 0, 300, 300); // goes on, presses nothing
    QVERIFY(!logic.paused() && logic.sectimerEnabled());
    QCOMPARE(logic.wordtxt().caption, std::string("C"));
    logic.keyLetter('A');
    logic.keyLetter('T');
    logic.keyPause();
    logic.Addbtn_Click();
    logic.endbtn_Click();
    QVERIFY(!logic.running() && !logic.paused());
    QCOMPARE(logic.l()[1].caption, std::string("A"));
    QCOMPARE(logic.scoretxt().caption, std::string("Your Score: 3"));
}

QTEST_APPLESS_MAIN(TestRound)
#include "tst_round.moc"
