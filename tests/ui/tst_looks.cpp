// The designed windows drawn pixel for pixel as the references in looks/
// show them, at scale 1: the main window idle, during a round, after it and
// at its taller height, the loading window and a filled results window.
//
// After a deliberate change of a design, GOLEXORB_WRITE_LOOKS=FOLDER writes
// the windows as drawn now into FOLDER instead of comparing; look at them
// and copy them over the references.

#include "loadingfrm.h"
#include "mainfrm.h"
#include "resultsfrm.h"
#include "uitest.h"

#include <QComboBox>
#include <QDir>
#include <QImage>
#include <QStandardPaths>
#include <QTest>

#include <functional>

namespace {

void pressCells(MainFrm& w, std::initializer_list<int> cells)
{
    for (int n : cells)
        w.l_MouseDown(n, 1, 0, 375, 375);
}

// The main window after start-up, then `play` on it.
QImage mainWindow(const std::function<void(MainFrm&)>& play)
{
    MainFrm w;
    w.Form_Load();
    w.setRandomSource(boardSource(kBoard));
    play(w);
    return w.grab().toImage();
}

game::Report report()
{
    // Each text built first, then moved in: GCC 12 warns wrongly on a
    // literal assigned to a string in an optimised build.
    using S = std::string;
    game::Report r;
    r.acceptedtxt = S("cat\r\ndog\r\nquiz\r\n");
    r.rejectedtxt = S("readz\r\n");
    r.longestwordtxt = S("QUIZ");
    r.scoretxt = S("10");
    for (int k = 0; k < 16; ++k)
        r.d[static_cast<std::size_t>(k)] = kBoard.mid(k, 1).toStdString();
    r.lettermostusedtxt = S("D");
    r.desctxt = S("The results below are to show how well you did Go LEXORB");
    r.awardstxt = S("Found a word 5 letters or more!\r\nUsed a Q!\r\nUsed a Z!\r\n");
    return r;
}

const std::vector<std::pair<const char*, std::function<QImage()>>>& windows()
{
    static const std::vector<std::pair<const char*, std::function<QImage()>>> table = {
        {"main-idle", [] { return mainWindow([](MainFrm&) {}); }},
        {"main-spelling", [] {
             return mainWindow([](MainFrm& w) {
                 w.findChild<QComboBox*>("Combo1")->setCurrentIndex(2);
                 w.Combo1_Click(2);
                 w.startbtn_Click();
                 pressCells(w, {0, 1, 2});
                 w.Addbtn_Click();
                 pressCells(w, {4, 5, 6});
             });
         }},
        {"main-scored", [] {
             return mainWindow([](MainFrm& w) {
                 w.startbtn_Click();
                 pressCells(w, {8, 9, 10, 11});
                 w.Addbtn_Click();
                 pressCells(w, {12, 13, 14});
                 w.Addbtn_Click();
                 w.endbtn_Click();
             });
         }},
        {"main-multiplayer", [] { return mainWindow([](MainFrm& w) { w.multiplaybtn_Click(); }); }},
        {"loading", [] {
             LoadingFrm loading;
             loading.Form_Load();
             return loading.grab().toImage();
         }},
        {"results", [] {
             ResultsFrm results;
             results.fill(report());
             return results.grab().toImage();
         }},
    };
    return table;
}

} // namespace

class TestLooks : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void asDesigned_data();
    void asDesigned();

private:
    PrivateTmp tmp_;
    QTemporaryDir home_; // the round's records go here
};

void TestLooks::initTestCase()
{
    if (!qFuzzyCompare(qApp->devicePixelRatio(), 1.0))
        QSKIP("the references are drawn at scale 1");
    qputenv("HOME", home_.path().toLocal8Bit());
    QStandardPaths::setTestModeEnabled(true);
}

void TestLooks::asDesigned_data()
{
    QTest::addColumn<int>("row");
    for (std::size_t i = 0; i < windows().size(); ++i)
        QTest::newRow(windows()[i].first) << static_cast<int>(i);
}

void TestLooks::asDesigned()
{
    QFETCH(int, row);
    const auto& [name, draw] = windows()[static_cast<std::size_t>(row)];
    const QImage drawn = draw().convertToFormat(QImage::Format_RGB32);
    const QString file = QStringLiteral("%1.png").arg(QLatin1String(name));

    const QString writeTo = qEnvironmentVariable("GOLEXORB_WRITE_LOOKS");
    if (!writeTo.isEmpty()) {
        QVERIFY(QDir().mkpath(writeTo));
        QVERIFY(drawn.save(QDir(writeTo).filePath(file), "PNG"));
        QSKIP("written, not compared");
    }

    const QImage reference = QImage(QStringLiteral(GOLEXORB_LOOKS_DIR "/") + file, "PNG").convertToFormat(QImage::Format_RGB32);
    QVERIFY2(!reference.isNull(), qPrintable(file + " is missing"));
    QCOMPARE(drawn.size(), reference.size());
    for (int y = 0; y < drawn.height(); ++y) {
        const auto* a = reinterpret_cast<const QRgb*>(drawn.constScanLine(y));
        const auto* b = reinterpret_cast<const QRgb*>(reference.constScanLine(y));
        for (int x = 0; x < drawn.width(); ++x) {
            if (a[x] != b[x]) {
                QFAIL(qPrintable(QStringLiteral("%1 differs first at (%2, %3): %4, the reference %5")
                                     .arg(file).arg(x).arg(y)
                                     .arg(QColor(a[x]).name(), QColor(b[x]).name())));
            }
        }
    }
}

GOLEXORB_UI_TEST_MAIN(TestLooks)
#include "tst_looks.moc"
