#include "mainlogic.h"
#include "scriptedplatform.h"

#include <QTest>

using namespace game;

class TestSearch : public QObject {
    Q_OBJECT
private slots:
    void typing_data();
    void typing();
    void gainingFocusClearsBox();
    void losingFocusSearchesPlaceholder();
    void boxStartsHidden();
};

namespace {
// Puts `text` into the box as typing does. Taken by value and moved in: GCC 12
// at -O3 warns falsely (-Wrestrict) when a one-letter literal is assigned to a
// std::string.
void type(MainLogic& logic, std::string text)
{
    logic.setSearchtxtText(std::move(text));
}

std::vector<std::string> list()
{
    return {"zebra", "", "apple", "Apricot", "apricot", "app", std::string(2, '\0') + "x", "Search...box"};
}
} // namespace

void TestSearch::typing_data()
{
    QTest::addColumn<QStringList>("texts"); // typed one after the other
    QTest::addColumn<QString>("label");
    QTest::newRow("first entry in list order, not sorted order") << QStringList{"ap"} << "apple";
    QTest::newRow("an entry equal to the text counts") << QStringList{"app"} << "apple";
    QTest::newRow("case must match") << QStringList{"Ap"} << "Apricot";
    QTest::newRow("no entry begins with it: label unchanged") << QStringList{"ze", "zz"} << "zebra";
    QTest::newRow("longer than every entry") << QStringList{"zebras"} << "......";
    QTest::newRow("emptying the box clears the label") << QStringList{"ap", ""} << "";
}

void TestSearch::typing()
{
    QFETCH(QStringList, texts);
    QFETCH(QString, label);
    ScriptedPlatform platform;
    MainLogic logic(platform);
    logic.setWordList(list());
    for (const QString& t : texts)
        type(logic, t.toStdString());
    QCOMPARE(QString::fromStdString(logic.predictiontxt().caption), label);
    QCOMPARE(platform.yields, 0);
}

void TestSearch::gainingFocusClearsBox()
{
    ScriptedPlatform platform;
    MainLogic logic(platform);
    logic.setWordList(list());
    logic.searchtxt_GotFocus();
    QVERIFY(logic.searchtxt().text.empty());
    QVERIFY(logic.predictiontxt().caption.empty());
    QCOMPARE(logic.searchtxt().fontName, std::string("Tahoma"));
    QVERIFY(!logic.searchtxt().bold);
    QCOMPARE(logic.searchtxt().color, kBlack);
}

void TestSearch::losingFocusSearchesPlaceholder()
{
    ScriptedPlatform platform;
    MainLogic logic(platform);
    logic.setWordList(list());
    logic.searchtxt_GotFocus();
    type(logic, "zeb");
    logic.searchtxt_LostFocus();
    QCOMPARE(logic.searchtxt().text, std::string("Search..."));
    QCOMPARE(logic.searchtxt().fontName, std::string("MS Sans Serif"));
    QVERIFY(logic.searchtxt().bold);
    QCOMPARE(logic.searchtxt().color, kLightGrey);
    QCOMPARE(logic.predictiontxt().caption, std::string("Search...box"));

    // With no entry beginning with the placeholder the label keeps its word.
    MainLogic plain(platform);
    plain.setWordList({"zebra"});
    plain.searchtxt_GotFocus();
    type(plain, "z");
    plain.searchtxt_LostFocus();
    QCOMPARE(plain.predictiontxt().caption, std::string("zebra"));
}

void TestSearch::boxStartsHidden()
{
    ScriptedPlatform platform;
    MainLogic logic(platform);
    QCOMPARE(logic.searchtxt().text, std::string("search..."));
    QVERIFY(!logic.searchtxt().visible);
    QVERIFY(!logic.predictiontxt().visible);
    QCOMPARE(logic.predictiontxt().caption, std::string("......"));
}

QTEST_APPLESS_MAIN(TestSearch)
#include "tst_search.moc"
