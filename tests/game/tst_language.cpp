// A round in another board language, from the draw to the report: the
// board drawn by the language's weights, a word with Ä typed and counted
// by its tiles, an English word rejected, and what the results say.

#include "mainlogic.h"
#include "scriptedplatform.h"

#include "languages.h"
#include "lexicon.h"

#include <QTest>

using namespace game;

namespace {

// The draw that picks `tile` by the lexicon's weights: the middle of its share.
double drawOf(const wordlist::Lexicon& lexicon, const std::string& tile)
{
    double before = 0, total = 0;
    for (std::size_t t = 0; t < lexicon.tiles().size(); ++t) {
        if (lexicon.tiles()[t] == tile)
            before = total + lexicon.weights()[t] / 2.0;
        total += lexicon.weights()[t];
    }
    return before / total;
}

void type(MainLogic& logic, const char* utf8)
{
    const QString text = QString::fromUtf8(utf8);
    for (const QChar c : text)
        logic.keyText(QString(c).toUtf8().toStdString());
}

} // namespace

class TestLanguage : public QObject {
    Q_OBJECT

private slots:
    void germanRound();
};

void TestLanguage::germanRound()
{
    ScriptedPlatform platform;
    MainLogic logic(platform);
    std::vector<std::string> english{"cat", "sea", "see"};
    english.resize(200001);
    logic.setWordList(std::move(english));
    const auto de = wordlist::buildLexicon(*wordlist::findLanguage("de"), "Ärger\närgern\nHaus\nRegen\naber\nSee\nBus\n",
                                           {}, {});
    logic.setLexicon(de);

    // Ä R G E
    // S U A R
    // E E H N
    // B A B E
    const Board board{"Ä", "R", "G", "E", "S", "U", "A", "R", "E", "E", "H", "N", "B", "A", "B", "E"};
    for (const auto& tile : board)
        platform.draws.push_back(drawOf(*de, tile));
    logic.Combo1_Click();
    logic.startbtn_Click();
    QCOMPARE(logic.letters(), board);
    QCOMPARE(logic.roundLanguage().code, std::string_view("de"));

    type(logic, "är"); // two tiles, three bytes: too short
    logic.Addbtn_Click();
    QCOMPARE(platform.boxes, std::vector<std::string>{"Words must be bigger than 2 letters!"});
    type(logic, "Ärger");
    QCOMPARE(logic.wordtxt().caption, std::string("ÄRGER"));
    logic.Addbtn_Click();
    type(logic, "haus");
    logic.Addbtn_Click();
    type(logic, "sea"); // English, not German
    logic.Addbtn_Click();
    QCOMPARE(platform.beeps, 0);
    type(logic, "ß"); // SS: the board has one S
    QCOMPARE(platform.beeps, 1);
    QCOMPARE(logic.acceptedwords(), std::string("ÄRGER\r\nHAUS\r\n"));
    QCOMPARE(logic.rejectedwords(), std::string("SEA\r\n"));
    QCOMPARE(logic.score(), 9); // tiles, not bytes
    QCOMPARE(logic.longestword(), std::string("ÄRGER"));
    QCOMPARE(logic.spelling("ÄRGER"), std::string("Ärger"));

    logic.endbtn_Click();
    const Report r = logic.scoretxt_Click();
    QCOMPARE(r.acceptedtxt, std::string("ärger\r\nhaus\r\n"));
    QCOMPARE(r.language, std::string("German"));
    QVERIFY(r.challengecode.empty()); // challenge codes carry English boards only
    QCOMPARE(r.commontxt, std::string("All words in one list: no word frequencies"));
    QVERIFY(r.awardstxt.find("5 letters or more") != std::string::npos);
    QCOMPARE(r.lettermostusedtxt, std::string("R"));
    // Every word the board holds, with its spelling, none set apart as rare.
    std::vector<std::pair<std::string, std::string>> listed;
    for (std::size_t i = 0; i < r.allwords.size(); ++i) {
        QVERIFY(!r.allwords[i].rare);
        listed.emplace_back(r.allwords[i].word, r.spellings[i]);
    }
    QCOMPARE(listed, (std::vector<std::pair<std::string, std::string>>{
                         {"ÄRGERN", "ärgern"}, {"ÄRGER", "Ärger"}, {"HAUS", "Haus"}, {"SEE", "See"}}));
    QCOMPARE(r.foundtxt, std::string("You found 9 of 18 points"));
    QCOMPARE(logic.finishedRound("2024-06-01"), (Round{"2024-06-01", 0, 9, 2, 4}));

    // A round from elsewhere (a challenge) is English unless told otherwise.
    QVERIFY(logic.startRoundOn(board, 1, 60));
    QVERIFY(!logic.roundLexicon());
    type(logic, "sea");
    logic.Addbtn_Click();
    QCOMPARE(logic.score(), 3);
}

QTEST_APPLESS_MAIN(TestLanguage)
#include "tst_language.moc"
