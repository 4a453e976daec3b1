#include "mainform.h"
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
void type(MainForm& form, std::string text)
{
    form.searchtxt.text = std::move(text);
    form.searchtxt_Change();
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
    MainForm form(platform);
    form.setWordList(list());
    for (const QString& t : texts)
        type(form, t.toStdString());
    QCOMPARE(QString::fromStdString(form.predictiontxt.caption), label);
    QCOMPARE(platform.yields, 0);
}

void TestSearch::gainingFocusClearsBox()
{
    ScriptedPlatform platform;
    MainForm form(platform);
    form.setWordList(list());
    form.searchtxt_GotFocus();
    QVERIFY(form.searchtxt.text.empty());
    QVERIFY(form.predictiontxt.caption.empty());
    QCOMPARE(form.searchtxt.fontName, std::string("Tahoma"));
    QVERIFY(!form.searchtxt.bold);
    QCOMPARE(form.searchtxt.color, kBlack);
}

void TestSearch::losingFocusSearchesPlaceholder()
{
    ScriptedPlatform platform;
    MainForm form(platform);
    form.setWordList(list());
    form.searchtxt_GotFocus();
    type(form, "zeb");
    form.searchtxt_LostFocus();
    QCOMPARE(form.searchtxt.text, std::string("Search..."));
    QCOMPARE(form.searchtxt.fontName, std::string("MS Sans Serif"));
    QVERIFY(form.searchtxt.bold);
    QCOMPARE(form.searchtxt.color, kLightGrey);
    QCOMPARE(form.predictiontxt.caption, std::string("Search...box"));

    // With no entry beginning with the placeholder the label keeps its word.
    MainForm plain(platform);
    plain.setWordList({"zebra"});
    plain.searchtxt_GotFocus();
    type(plain, "z");
    plain.searchtxt_LostFocus();
    QCOMPARE(plain.predictiontxt.caption, std::string("zebra"));
}

void TestSearch::boxStartsHidden()
{
    ScriptedPlatform platform;
    MainForm form(platform);
    QCOMPARE(form.searchtxt.text, std::string("search..."));
    QVERIFY(!form.searchtxt.visible);
    QVERIFY(!form.predictiontxt.visible);
    QCOMPARE(form.predictiontxt.caption, std::string("......"));
}

QTEST_APPLESS_MAIN(TestSearch)
#include "tst_search.moc"
