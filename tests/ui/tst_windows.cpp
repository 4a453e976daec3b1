// Start-up, the message boxes, the loading and the results windows, on the
// real widgets with the embedded word list.

#include "allwordsfrm.h"
#include "announcer.h"
#include "clicklabel.h"
#include "commandline.h"
#include "helpfrm.h"
#include "howtoplayfrm.h"
#include "languagefrm.h"
#include "languageload.h"
#include "languages.h"
#include "lexicon.h"
#include "loadingfrm.h"
#include "mainfrm.h"
#include "playtogetherfrm.h"
#include "roomplay.h"
#include "recordstore.h"
#include "resultsfrm.h"
#include "uitest.h"

#include <QAccessible>
#include <QChartView>
#include <QClipboard>
#include <QComboBox>
#include <QLineSeries>
#include <QScatterSeries>
#include <QDate>
#include <QDir>
#include <QInputDialog>
#include <QLineEdit>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QSettings>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTest>
#include <QTextBrowser>

#include <algorithm>
#include <filesystem>
#include <optional>

#include <sys/file.h>

namespace {

void press(MainFrm& w, std::initializer_list<int> cells)
{
    for (int n : cells) {
        QTest::mousePress(w.letter(n), Qt::LeftButton, {}, QPoint(25, 25));
        QTest::mouseRelease(w.letter(n), Qt::LeftButton, {}, QPoint(25, 25));
    }
}

void click(QWidget* window, const char* name)
{
    auto* label = window->findChild<ClickLabel*>(name);
    QVERIFY(label);
    QTest::mouseClick(label, Qt::LeftButton);
}

// Loads the word list, shows the window and starts a round on kBoard.
void startRound(MainFrm& w)
{
    w.Form_Load();
    w.setRandomSource(boardSource(kBoard));
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    click(&w, "startbtn");
}

QStringList texts(QWidget* results, const char* prefix)
{
    QStringList out;
    for (int k = 0; k < 16; ++k)
        out << results->findChild<QLabel*>(QString("%1%2").arg(prefix).arg(k))->text();
    return out;
}

} // namespace

class TestWindows : public QObject {
    Q_OBJECT
private slots:
    void startUpLeavesIdleWindow();
    void loadingWindowTakesShapeSize();
    void messageBoxes_data();
    void messageBoxes();
    void resultsWindow();
    void resultsWindowDesign();
    void allWordsWindow();
    void rareWords_data();
    void rareWords();
    void keyboardRound();
    void progressChart();
    void commandLine_data();
    void commandLine();
    void displayNeeded_data();
    void displayNeeded();
    void announcements();
    void addedWindowsFitTheScreen();
    void roomOnTheScreen();
    void resultsBoxesReadOnly();
    void languageWindow();
    void languageRound();
    void helpAndHint();

private:
    PrivateTmp tmp_;
    // What the All Words window showed of a round with a common and a rare word found.
    struct AllWordsSeen {
        struct Item {
            QString text;
            bool enabled, bold;
            QColor colour;
        };
        QList<Item> items;
        QString foundtxt, commontxt, quoMeaning, catMeaning, belowLastCommon;
        QByteArray records; // the file the round was kept in
    };
    std::optional<AllWordsSeen> rareRound_;
};

namespace {
// Counts the paint events a widget gets.
struct PaintCounter : QObject {
    int paints = 0;
    bool eventFilter(QObject*, QEvent* e) override
    {
        paints += e->type() == QEvent::Paint;
        return false;
    }
};
} // namespace

void TestWindows::startUpLeavesIdleWindow()
{
    MainFrm w;
    PaintCounter counter;
    w.loadingfrm()->installEventFilter(&counter);
    w.Form_Load();
    QVERIFY(counter.paints > 0); // the notice really showed while loading
    QCOMPARE(w.logic().dictionary().size(), std::size_t(200001));
    QVERIFY(std::filesystem::exists(w.logic().dicPath()));
    QVERIFY(!w.loadingfrm()->isVisible());
    QVERIFY(w.findChild<QLabel*>("scoretxt")->isHidden());
    QCOMPARE(w.findChild<QLabel*>("seconds")->text(), QString("0"));
    const std::filesystem::path file = w.logic().dicPath();
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    w.close();
    QVERIFY(!std::filesystem::exists(file));
    QVERIFY(!std::filesystem::exists(file.parent_path()));
}

void TestWindows::loadingWindowTakesShapeSize()
{
    LoadingFrm loading;
    QCOMPARE(loading.size(), QSize(313, 113)); // as designed
    loading.show();
    QVERIFY(QTest::qWaitForWindowExposed(&loading));
    QCOMPARE(loading.size(), QSize(313, 81)); // its frame shape's size
    auto* shape = loading.findChild<QWidget*>("Shape1");
    QCOMPARE(shape->geometry(), loading.rect()); // the frame line lies on the edges
    QVERIFY(loading.windowFlags() & Qt::FramelessWindowHint);
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    QCOMPARE(loading.geometry().center(), screen.center());
    QStringList captions;
    for (const char* name : {"Label1", "Label2", "Label3"}) {
        auto* label = loading.findChild<QLabel*>(name);
        captions << label->text();
        QVERIFY2(QFontMetricsF(label->font()).horizontalAdvance(label->text()) <= label->width(), name);
    }
    QCOMPARE(captions.mid(0, 2), QStringList({"Loading...", "Go LEXORB"}));
    QVERIFY(!captions[2].isEmpty());
}

void TestWindows::messageBoxes_data()
{
    QTest::addColumn<QList<int>>("cells");
    QTest::addColumn<bool>("twice");
    QTest::addColumn<QString>("message");
    QTest::newRow("nothing chosen") << QList<int>{} << false << "Words must be bigger than 2 letters!";
    QTest::newRow("two letters") << QList<int>{0, 1} << false << "Words must be bigger than 2 letters!";
    QTest::newRow("same word twice") << QList<int>{0, 1, 2} << true << "You have already entered that word!";
}

void TestWindows::messageBoxes()
{
    QFETCH(QList<int>, cells);
    QFETCH(bool, twice);
    QFETCH(QString, message);
    MainFrm w;
    startRound(w);
    if (twice) {
        for (int n : cells)
            w.l_MouseDown(n, 1, 0, 100, 100);
        click(&w, "Addbtn");
    }
    for (int n : cells)
        w.l_MouseDown(n, 1, 0, 100, 100);
    QString text, title;
    bool hasIcon = true;
    int buttons = 0;
    answerNextModal([&](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        QVERIFY(box);
        text = box->text();
        title = box->windowTitle();
        hasIcon = box->icon() != QMessageBox::NoIcon;
        buttons = int(box->buttons().size());
        // The word is cleared only after the box is gone.
        QVERIFY(cells.isEmpty() || !w.logic().wordtxt().caption.empty());
    });
    click(&w, "Addbtn");
    QCOMPARE(text, message);
    QCOMPARE(title, QString("Go LEXORB"));
    QVERIFY(!hasIcon);
    QCOMPARE(buttons, 1);
    QVERIFY(w.logic().wordtxt().caption.empty());
    QCOMPARE(w.findChild<QListWidget*>("wordlst")->count(), twice ? 1 : 0);
    w.close();
}

void TestWindows::resultsWindow()
{
    MainFrm w;
    startRound(w);
    press(w, {0, 1, 2}); // CAT
    click(&w, "Addbtn");
    press(w, {4, 5, 6}); // DOG
    click(&w, "Addbtn");
    press(w, {8, 9, 10, 11}); // QUIZ
    click(&w, "Addbtn");
    press(w, {12, 13, 14, 15, 11}); // READZ: not a word
    click(&w, "Addbtn");
    click(&w, "endbtn");
    QCOMPARE(w.findChild<QLabel*>("scoretxt")->text(), QString("Your Score: 10"));

    QList<QStringList> seen;
    for (int open = 0; open < 2; ++open) {
        answerNextModal([&](QWidget* modal) {
            auto* r = qobject_cast<ResultsFrm*>(modal);
            QVERIFY(r);
            QVERIFY(QTest::qWaitForWindowExposed(r));
            QCOMPARE(r->objectName(), QString("resultsfrm"));
            QCOMPARE(r->windowTitle(), QString("Results"));
            QCOMPARE(r->geometry(), QRect(699, 153, 233, 481));
            QVERIFY(r->isModal());
            QStringList all;
            for (const char* box : {"acceptedtxt", "rejectedtxt", "awardstxt"})
                all << r->findChild<QPlainTextEdit*>(box)->toPlainText();
            for (const char* label : {"longestwordtxt", "scoretxt", "lettermostusedtxt", "desctxt"})
                all << r->findChild<QLabel*>(label)->text();
            all << texts(r, "d_").join("");
            seen << all;
        });
        click(&w, "scoretxt");
        QTRY_COMPARE(seen.size(), open + 1);
    }
    QCOMPARE(seen[0], seen[1]);
    QCOMPARE(seen[0], (QStringList{"cat\ndog\nquiz", "readz", "Found a word 5 letters or more!\nUsed a Q!\nUsed a Z!",
                                   "READZ", "10", "D", "The results below are to show how well you did Go LEXORB",
                                   kBoard}));
    w.close();
}

void TestWindows::resultsWindowDesign()
{
    ResultsFrm r;
    QCOMPARE(r.size(), QSize(233, 481));
    QCOMPARE(r.minimumSize(), r.maximumSize());
    struct Expect {
        const char* name;
        QRect twips;
        const char* caption;
    };
    const Expect labels[] = {
        {"Label8", {2520, 6720, 735, 255}, "Print"},
        {"desctxt", {120, 960, 3135, 495}, "The below results are for"},
        {"Label7", {120, 5640, 615, 255}, "Puzzle:"},
        {"scoretxt", {1920, 4200, 1335, 255}, "SCORE"},
        {"longestwordtxt", {1920, 3840, 1335, 255}, "LONGEST WORD"},
        {"lettermostusedtxt", {1920, 3480, 1335, 255}, "LETTER"},
        {"Label6", {0, 4200, 1455, 255}, "Score:"},
        {"Label5", {120, 4560, 615, 255}, "Awards:"},
        {"Label4", {0, 3840, 1455, 255}, "Longest Word:"},
        {"Label3", {0, 3480, 1455, 255}, "Letter Most Used:"},
        {"Label2", {1920, 1560, 1335, 255}, "Rejected Words:"},
        {"Label1", {120, 1560, 1335, 255}, "Accepted Words:"},
    };
    for (const auto& e : labels) {
        auto* label = r.findChild<QLabel*>(e.name);
        QVERIFY2(label, e.name);
        QCOMPARE(label->geometry(), QRect(e.twips.x() / 15, e.twips.y() / 15, e.twips.width() / 15, e.twips.height() / 15));
        QCOMPARE(label->text(), QString(e.caption));
        QVERIFY2(QFontMetricsF(label->font()).horizontalAdvance(label->text()) <= label->width(), e.name);
    }
    for (const auto& [name, twips] : {std::pair{"awardstxt", QRect(120, 4800, 3135, 735)},
                                     std::pair{"rejectedtxt", QRect(1920, 1800, 1335, 1455)},
                                     std::pair{"acceptedtxt", QRect(120, 1800, 1335, 1455)}}) {
        auto* box = r.findChild<QPlainTextEdit*>(name);
        QVERIFY2(box, name);
        QCOMPARE(box->geometry(), QRect(twips.x() / 15, twips.y() / 15, twips.width() / 15, twips.height() / 15));
        QCOMPARE(box->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    }
    // The board copy: 17 px boxes on a 16 px pitch, so neighbours share a line.
    for (int k = 0; k < 16; ++k) {
        auto* d = r.findChild<QLabel*>(QString("d_%1").arg(k));
        QCOMPARE(d->geometry(), QRect(8 + 16 * (k % 4), 400 + 16 * (k / 4), 17, 17));
        QVERIFY(d->text().isEmpty());
    }
    QCOMPARE(r.focusWidget() ? r.focusWidget()->objectName() : QString("acceptedtxt"), QString("acceptedtxt"));
}

// Clicking the results' board copy opens every word the board held, with
// the round's share of the best score and its record, and draws a word's
// path; the round is recorded under the length it started with.
void TestWindows::allWordsWindow()
{
    PrivateHome home;

    MainFrm w;
    w.Form_Load();
    w.setRandomSource(boardSource(kBoard));
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    auto* combo = w.findChild<QComboBox*>("Combo1");
    combo->setCurrentIndex(1);
    w.Combo1_Click(1); // 2 minutes
    click(&w, "startbtn");
    press(w, {0, 1, 2}); // CAT
    click(&w, "Addbtn");
    press(w, {8, 9, 10, 11}); // QUIZ
    click(&w, "Addbtn");
    click(&w, "endbtn");
    combo->setCurrentIndex(4);
    w.Combo1_Click(4); // 5 minutes, for the next round

    QStringList words, found;
    QString foundtxt, recordtxt, meaning;
    QList<int> path;
    bool pathInRed = false, othersGrey = true;
    int rareFrom = -1; // the first rare word's index in `words`
    answerNextModal([&](QWidget* results) {
        QVERIFY(QTest::qWaitForWindowExposed(results));
        answerNextModal([&](QWidget* modal) {
            auto* a = qobject_cast<AllWordsFrm*>(modal);
            QVERIFY(a);
            QVERIFY(QTest::qWaitForWindowExposed(a));
            QCOMPARE(a->windowTitle(), QString("All Words"));
            QCOMPARE(a->size(), QSize(233, 600));
            foundtxt = a->findChild<QLabel*>("foundtxt")->text();
            recordtxt = a->findChild<QLabel*>("recordtxt")->text();
            auto* list = a->findChild<QListWidget*>("allwordslst");
            for (int i = 0; i < list->count(); ++i) {
                if (list->item(i)->text() == AllWordsFrm::kRareCaption) {
                    rareFrom = int(words.size());
                    continue;
                }
                words << list->item(i)->text();
                if (list->item(i)->font().bold())
                    found << list->item(i)->text();
            }
            list->setCurrentRow(int(words.indexOf("quiz")));
            path = QList<int>(a->path().begin(), a->path().end());
            meaning = a->findChild<QPlainTextEdit*>("meaningtxt")->toPlainText();
            const QImage image = a->grab().toImage();
            // Cells 8 and 9 share a row: the trail runs between their centres
            // (looked at inside cell 8, off the cells' border lines).
            const QPointF mid = (AllWordsFrm::cellCentre(8) * 3 + AllWordsFrm::cellCentre(9)) / 4;
            const qreal dpr = image.devicePixelRatio(); // the grab is in device pixels at any scale
            for (int dy : {-1, 0, 1})
                pathInRed |= image.pixelColor(int(mid.x() * dpr), int(mid.y() * dpr) + dy) == QColor(255, 0, 0);
            for (int k = 0; k < 16; ++k) {
                const QColor c = a->findChild<QLabel*>(QString("p_%1").arg(k))->palette().color(QPalette::WindowText);
                othersGrey &= (c == QColor(0, 0, 0)) == (k >= 8 && k <= 11);
            }
        });
        QTest::mouseClick(results->findChild<QLabel*>("d_5"), Qt::LeftButton);
    });
    click(&w, "scoretxt");
    QTRY_VERIFY(!words.isEmpty());

    int best = 0;
    for (int i = 0; i < words.size(); ++i) {
        best += int(words[i].size());
        QVERIFY(i == 0 || i == rareFrom || words[i - 1].size() >= words[i].size()); // longest first, common then rare
    }
    QCOMPARE(found, QStringList({"quiz", "cat"}));
    QCOMPARE(foundtxt, QString("You found 7 of %1 points").arg(best));
    QCOMPARE(recordtxt, QString("New record for 2 minutes: 7!"));
    QCOMPARE(path, QList<int>({8, 9, 10, 11}));
    QVERIFY2(meaning.startsWith("quiz (noun)\n1. an examination"), qPrintable(meaning));
    QVERIFY(pathInRed);
    QVERIFY(othersGrey);
    QFile records(home.filePath(".qttest/share/golexorb/records.txt"));
    QVERIFY(records.open(QIODevice::ReadOnly));
    const QByteArray today = QDate::currentDate().toString(Qt::ISODate).toLatin1();
    const QByteArray text = records.readAll();
    QVERIFY(text.contains("best 2 7 " + today));
    QVERIFY(text.contains("round " + today + " 2 7 2 " + QByteArray::number(words.size())));
    w.close();
}

// On kBoard the player finds CAT (common) and QUO (rare): 135 words, 101
// common (410 points) and 34 rare.
void TestWindows::rareWords_data()
{
    QTest::addColumn<QString>("behaviour");
    for (const char* row : {"common words first, longest first", "the caption, then the rare words in grey",
                            "the player's rare word stays found", "the header counts the common words",
                            "a rare word's meaning says it is rare", "the arrow keys pass over the caption",
                            "the round kept with its common points"})
        QTest::newRow(row) << row;
}

void TestWindows::rareWords()
{
    QFETCH(QString, behaviour);
    if (!rareRound_) {
        PrivateHome home;
        MainFrm w;
        w.Form_Load();
        w.setRandomSource(boardSource(kBoard));
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        w.findChild<QComboBox*>("Combo1")->setCurrentIndex(1);
        w.Combo1_Click(1);
        click(&w, "startbtn");
        press(w, {0, 1, 2}); // CAT
        click(&w, "Addbtn");
        press(w, {8, 9, 5}); // QUO
        click(&w, "Addbtn");
        click(&w, "endbtn");
        AllWordsSeen seen;
        answerNextModal([&](QWidget* results) {
            answerNextModal([&](QWidget* modal) {
                auto* a = qobject_cast<AllWordsFrm*>(modal);
                QVERIFY(a);
                seen.foundtxt = a->findChild<QLabel*>("foundtxt")->text();
                seen.commontxt = a->findChild<QLabel*>("commontxt")->text();
                auto* list = a->findChild<QListWidget*>("allwordslst");
                for (int i = 0; i < list->count(); ++i) {
                    const QListWidgetItem* item = list->item(i);
                    seen.items << AllWordsSeen::Item{item->text(), item->flags() != Qt::NoItemFlags, item->font().bold(),
                                                     item->foreground().color()};
                }
                auto meaning = [&](const QString& word) {
                    list->setCurrentItem(list->findItems(word, Qt::MatchExactly).value(0));
                    return a->findChild<QPlainTextEdit*>("meaningtxt")->toPlainText();
                };
                seen.quoMeaning = meaning("quo");
                seen.catMeaning = meaning("cat");
                const QListWidgetItem* caption = list->findItems(AllWordsFrm::kRareCaption, Qt::MatchExactly).value(0);
                list->setCurrentRow(caption ? list->row(caption) - 1 : 0);
                list->setFocus();
                QTest::keyClick(list, Qt::Key_Down);
                seen.belowLastCommon = list->currentItem() ? list->currentItem()->text() : QString();
            });
            QTest::mouseClick(results->findChild<QLabel*>("d_5"), Qt::LeftButton);
        });
        click(&w, "scoretxt");
        QTRY_VERIFY(!seen.items.isEmpty());
        w.close();
        QFile records(home.filePath(".qttest/share/golexorb/records.txt"));
        if (records.open(QIODevice::ReadOnly))
            seen.records = records.readAll();
        rareRound_ = seen;
    }
    const AllWordsSeen& seen = *rareRound_;
    QCOMPARE(seen.items.size(), 136); // 135 words and the caption
    const QString note = QString::fromLatin1(game::kRareWordNote);
    if (behaviour == "common words first, longest first") {
        QCOMPARE(seen.items[0].text, QString("readiest"));
        for (int i = 1; i < 101; ++i)
            QVERIFY(seen.items[i - 1].text.size() >= seen.items[i].text.size());
        QCOMPARE(seen.items[100].text, QString("tog")); // the last 3-letter common word in byte order
    } else if (behaviour == "the caption, then the rare words in grey") {
        QCOMPARE(seen.items[101].text, QString("Rare words"));
        QVERIFY(!seen.items[101].enabled);
        QCOMPARE(seen.items[102].text, QString("stagier"));
        for (int i = 102; i < 136; ++i) {
            QVERIFY(i == 102 || seen.items[i - 1].text.size() >= seen.items[i].text.size());
            if (seen.items[i].text != "quo")
                QCOMPARE(seen.items[i].colour, QColor(128, 128, 128));
        }
    } else if (behaviour == "the player's rare word stays found") {
        const auto quo = std::find_if(seen.items.begin(), seen.items.end(), [](const auto& i) { return i.text == "quo"; });
        QVERIFY(quo - seen.items.begin() > 101);
        QVERIFY(quo->bold);
        QCOMPARE(quo->colour, QColor(0, 192, 0));
    } else if (behaviour == "the header counts the common words") {
        QCOMPARE(seen.foundtxt, QString("You found 6 of 548 points"));
        QCOMPARE(seen.commontxt, QString("Common words: 3 of 410 points"));
    } else if (behaviour == "a rare word's meaning says it is rare") {
        QVERIFY2(seen.quoMeaning.endsWith("\n\n" + note), qPrintable(seen.quoMeaning));
        QVERIFY(!seen.catMeaning.contains(note));
    } else if (behaviour == "the arrow keys pass over the caption") {
        QCOMPARE(seen.belowLastCommon, QString("stagier"));
    } else if (behaviour == "the round kept with its common points") {
        const QByteArray fields = QDate::currentDate().toString(Qt::ISODate).toLatin1() + " 2 6 2 135";
        QVERIFY2(seen.records.contains("\nround " + fields + "\ncommon " + fields + " 3 410\n"), seen.records.constData());
    }
}

// A whole round without the mouse, each key sent where the focus is.
void TestWindows::keyboardRound()
{
    PrivateHome home;
    MainFrm w;
    w.Form_Load();
    w.setRandomSource(boardSource(kBoard));
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QApplication::setActiveWindow(&w); // the offscreen platform activates nothing itself
    auto focus = [] { return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString(); };
    auto key = [](Qt::Key k) { QTest::keyClick(QApplication::focusWidget(), k); };
    auto type = [](const char* s) { QTest::keyClicks(QApplication::focusWidget(), s); };
    auto caption = [&](const char* name) { return w.findChild<QLabel*>(name)->text(); };
    auto* words = w.findChild<QListWidget*>("wordlst");

    QCOMPARE(focus(), QString("Combo1"));
    key(Qt::Key_Down);
    QCOMPARE(caption("seconds"), QString("60"));
    // Return belongs to the Game Time box, closed or open: it picks, never adds.
    key(Qt::Key_Return);
    auto* combo = w.findChild<QComboBox*>("Combo1");
    combo->showPopup();
    QTest::keyClick(combo->view(), Qt::Key_Down);
    QTest::keyClick(combo->view(), Qt::Key_Return);
    QCOMPARE(caption("seconds"), QString("120"));
    QCOMPARE(caption("wordtxt"), QString("Your Word Here"));
    QCOMPARE(focus(), QString("Combo1"));
    key(Qt::Key_F3); // "End Game" is disabled: nothing
    QVERIFY(!w.logic().running());
    key(Qt::Key_F2);
    QVERIFY(w.logic().running());
    QCOMPARE(focus(), QString("wordlst"));

    type("cAt");
    QCOMPARE(caption("wordtxt"), QString("CAT"));
    key(Qt::Key_Return);
    QCOMPARE(words->count(), 1);
    type("dox"); // no X touches the O
    QCOMPARE(caption("wordtxt"), QString("DO"));
    key(Qt::Key_Escape);
    QCOMPARE(caption("wordtxt"), QString());
    type("reaz");
    key(Qt::Key_Backspace);
    type("d");
    QCOMPARE(caption("wordtxt"), QString("READ"));
    QCOMPARE(w.letter(15)->palette().color(QPalette::WindowText), QColor(0, 0, 0));
    key(Qt::Key_Enter);
    key(Qt::Key_Tab); // past the chat controls and the disabled drop-down, round to the list
    QCOMPARE(focus(), QString("wordlst"));
    key(Qt::Key_F4); // no score yet
    QVERIFY(!QApplication::activeModalWidget());

    // Another copy of the game holds the records and does not let go: the
    // round's end does not wait for it, and the round goes in once it has.
    const QString data = QString::fromStdString(golexorb::RecordStore::defaultFolder());
    QVERIFY(QDir().mkpath(data));
    QFile lock(data + "/records.lock");
    QVERIFY(lock.open(QIODevice::ReadWrite));
    QCOMPARE(::flock(lock.handle(), LOCK_EX | LOCK_NB), 0);
    key(Qt::Key_F3);
    QCOMPARE(caption("scoretxt"), QString("Your Score: 7"));
    QCOMPARE(QDir(data).entryList({"records.pending-*"}).size(), 1);
    lock.close();
    QTRY_VERIFY(QDir(data).entryList({"records.pending-*"}).isEmpty());
    QFile kept(data + "/records.txt");
    QVERIFY(kept.open(QIODevice::ReadOnly));
    QCOMPARE(game::parseRecords(kept.readAll().toStdString())->bestFor(2)->score, 7);
    QString accepted;
    answerNextModal([&](QWidget* modal) {
        auto* r = qobject_cast<ResultsFrm*>(modal);
        QVERIFY(r);
        accepted = r->findChild<QPlainTextEdit*>("acceptedtxt")->toPlainText();
        QTest::keyClick(r, Qt::Key_Escape); // only its title-bar button closes it
        QVERIFY(r->isVisible());
    });
    key(Qt::Key_F4);
    QCOMPARE(accepted, QString("cat\nread"));

    // Ctrl+O with a code typed wrong: the message, then the code again to mend.
    QStringList seen; // the code each challenge window opened with, and the message between
    auto* answer = new QTimer(&w);
    connect(answer, &QTimer::timeout, [&seen] {
        if (auto* dialog = qobject_cast<QInputDialog*>(QApplication::activeModalWidget())) {
            seen << dialog->textValue();
            dialog->setTextValue("3NH5-44N3-FDK0-DTD1-S"); // its Z typed as 0
            dialog->done(seen.size() == 1 ? QDialog::Accepted : QDialog::Rejected);
        } else if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            seen << box->text();
            box->button(QMessageBox::Ok)->click();
        }
    });
    answer->start(10);
    QApplication::setActiveWindow(&w);
    QTest::keyClick(&w, Qt::Key_O, Qt::ControlModifier);
    delete answer;
    QCOMPARE(seen, (QStringList{"", "That challenge code has a mistake in it: check it against the one you were given.",
                                "3NH5-44N3-FDK0-DTD1-S"}));
    w.close();
}

// The chart of a few rounds of one length opens from the All Words window,
// with the best round marked; a round without a length has no chart.
void TestWindows::progressChart()
{
    const auto records = game::parseRecords("golexorb-records 1\nround 2024-01-01 3 12 3 70\nround 2024-01-02 3 31 8 90\n"
                                            "round 2024-01-02 5 50 9 80\nround 2024-01-03 3 19 5 75\n");
    QVERIFY(records);
    game::Report report;
    report.progress = game::progressFor(*records, 3);
    AllWordsFrm a;
    a.fill(report);
    a.show();
    QVERIFY(QTest::qWaitForWindowExposed(&a));
    QList<QPointF> scores, best;
    QString caption, summary;
    answerNextModal([&](QWidget* modal) {
        QVERIFY(QTest::qWaitForWindowExposed(modal));
        QCOMPARE(modal->windowTitle(), QString("Progress"));
        QVERIFY(!modal->frameGeometry().intersects(a.frameGeometry())); // beside it, not over it
        caption = modal->findChild<QLabel*>("captiontxt")->text();
        summary = modal->findChild<QLabel*>("summarytxt")->text();
        auto* view = modal->findChild<QChartView*>("chartview");
        QVERIFY(view && view->isVisible());
        const auto series = view->chart()->series();
        QCOMPARE(series.size(), 2);
        scores = qobject_cast<QLineSeries*>(series[0])->points();
        best = qobject_cast<QScatterSeries*>(series[1])->points();
    });
    click(&a, "progressbtn");
    QTRY_VERIFY(!caption.isEmpty());
    QCOMPARE(caption, QString("Your scores in rounds of 3 minutes"));
    QCOMPARE(scores, (QList<QPointF>{{1, 12}, {2, 31}, {3, 19}}));
    QCOMPARE(best, (QList<QPointF>{{2, 31}}));
    QCOMPARE(summary, QString("Best: 31 in round 2 of 3, on 2024-01-02.\nLast round: 5 of 75 words found."));

    a.fill(game::Report{}); // no game time picked
    QVERIFY(!a.findChild<ClickLabel*>("progressbtn")->isEnabled());
}

void TestWindows::commandLine_data()
{
    using A = golexorb::CommandLine::Action;
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<A>("action");
    QTest::addColumn<QString>("says");
    QTest::addColumn<QString>("platform");
    QTest::newRow("none: play") << QStringList{} << A::play << "" << "";
    QTest::newRow("--version") << QStringList{"--version"} << A::version << "golexorb 1." << "";
    QTest::newRow("-v") << QStringList{"-v"} << A::version << "golexorb 1." << "";
    QTest::newRow("--help lists both") << QStringList{"--help"} << A::help << "--version" << "";
    QTest::newRow("-h, before a bad option") << QStringList{"-h", "--nope"} << A::error << "nope" << "";
    QTest::newRow("unknown option") << QStringList{"--bogus"} << A::error << "'bogus'" << "";
    QTest::newRow("unknown short option") << QStringList{"-x"} << A::error << "'x'" << "";
    QTest::newRow("an argument") << QStringList{"words.txt"} << A::error << "words.txt" << "";
    QTest::newRow("Qt's -platform") << QStringList{"-platform", "offscreen"} << A::play << "" << "offscreen";
    QTest::newRow("Qt's --platform=") << QStringList{"--platform=xcb"} << A::play << "" << "xcb";
    QTest::newRow("-platform without a value") << QStringList{"-platform"} << A::error << "platform" << "";
    QTest::newRow("a session manager's -session") << QStringList{"-session", "1a2b"} << A::play << "" << "";
    QTest::newRow("Qt's -reverse") << QStringList{"-reverse"} << A::play << "" << "";
    QTest::newRow("--language de") << QStringList{"--language", "de"} << A::play << "" << "";
    QTest::newRow("--language of no board language") << QStringList{"--language=xx"} << A::error << "pt-BR" << "";
}

void TestWindows::commandLine()
{
    QFETCH(QStringList, arguments);
    QFETCH(golexorb::CommandLine::Action, action);
    QFETCH(QString, says);
    QFETCH(QString, platform);
    arguments.prepend("/usr/games/golexorb");
    const golexorb::CommandLine c = golexorb::parseCommandLine(arguments);
    QCOMPARE(c.action, action);
    QVERIFY2(c.text.contains(says), qPrintable(c.text));
    QCOMPARE(c.platform, platform);
    if (action == golexorb::CommandLine::Action::error) // names the program and the way to help
        QVERIFY2(c.text.startsWith("golexorb: ") && c.text.contains("golexorb --help"), qPrintable(c.text));
    if (action == golexorb::CommandLine::Action::help)
        QVERIFY(!c.text.contains("platform")); // Qt's options are Qt's
}

void TestWindows::displayNeeded_data()
{
    QTest::addColumn<QStringList>("arguments"); // Qt's own options on the command line
    QTest::addColumn<QStringList>("environment");
    QTest::addColumn<bool>("missing");
    const QStringList none;
    QTest::newRow("nothing set") << none << QStringList{} << true;
    QTest::newRow("empty DISPLAY") << none << QStringList{"DISPLAY="} << true;
    QTest::newRow("X11") << none << QStringList{"DISPLAY=:0"} << false;
    QTest::newRow("Wayland") << none << QStringList{"WAYLAND_DISPLAY=wayland-0"} << false;
    QTest::newRow("offscreen") << none << QStringList{"QT_QPA_PLATFORM=offscreen"} << false;
    QTest::newRow("-platform offscreen") << QStringList{"-platform", "offscreen"} << QStringList{} << false;
    QTest::newRow("-platform xcb over offscreen") << QStringList{"-platform", "xcb"}
                                                  << QStringList{"QT_QPA_PLATFORM=offscreen"} << true;
    QTest::newRow("xcb asked, Wayland there") << none << QStringList{"QT_QPA_PLATFORM=xcb", "WAYLAND_DISPLAY=w"} << true;
    QTest::newRow("xcb with options") << none << QStringList{"QT_QPA_PLATFORM=xcb:nomitshm", "DISPLAY=:1"} << false;
    QTest::newRow("a list, second there") << none << QStringList{"QT_QPA_PLATFORM=wayland;xcb", "DISPLAY=:1"} << false;
    QTest::newRow("vnc needs no display") << none << QStringList{"QT_QPA_PLATFORM=vnc"} << false;
    QTest::newRow("-display, DISPLAY unset") << QStringList{"-display", ":5"} << QStringList{} << false;
    QTest::newRow("--display, xcb asked") << QStringList{"--display", ":5"} << QStringList{"QT_QPA_PLATFORM=xcb"} << false;
    QTest::newRow("-display is X11's only") << QStringList{"-display", ":5"} << QStringList{"QT_QPA_PLATFORM=wayland"}
                                            << true;
}

void TestWindows::displayNeeded()
{
    QFETCH(QStringList, arguments);
    QFETCH(QStringList, environment);
    QFETCH(bool, missing);
    QProcessEnvironment env;
    for (const QString& e : environment)
        env.insert(e.section('=', 0, 0), e.section('=', 1));
    const golexorb::CommandLine command = golexorb::parseCommandLine(QStringList{"golexorb"} + arguments);
    QCOMPARE(command.action, golexorb::CommandLine::Action::play);
    const QString why = golexorb::missingDisplay(command, env);
    QCOMPARE(!why.isEmpty(), missing);
    QVERIFY2(!why.contains('\n'), qPrintable(why)); // one line
}

// What a screen reader hears of a round: its start, each word added, a
// pause (F1's How to Play brings one), the last seconds and the score, from
// a hidden notification that takes no focus. F7 turns it off, and the
// player's settings keep that.
void TestWindows::announcements()
{
    PrivateHome home; // the round is recorded, and the settings kept
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, home.path());
    MainFrm w;
    w.findChild<QComboBox*>("Combo1")->setCurrentIndex(0);
    w.Combo1_Click(0);
    startRound(w);
    QApplication::setActiveWindow(&w);
    QSignalSpy said(w.announcer(), &Announcer::said);
    press(w, {0, 1, 2}); // CAT
    click(&w, "Addbtn");
    press(w, {12, 13, 14, 15, 11}); // READZ
    click(&w, "Addbtn");
    QString howTo;
    answerNextModal([&](QWidget* modal) { howTo = modal->findChild<QTextBrowser*>("rulestxt")->toPlainText(); });
    QTest::keyClick(&w, Qt::Key_F1);
    QVERIFY(howTo.contains("F6 or Pause") && howTo.contains("F7"));
    QCOMPARE(w.letter(0)->text(), QString("?"));
    QTest::mouseClick(w.letter(5), Qt::LeftButton); // goes on, presses nothing
    QVERIFY(w.logic().wordtxt().caption.empty());
    QApplication::setActiveWindow(&w); // as the window manager does when the modal window goes
    QWidget* focus = QApplication::focusWidget();
    QVERIFY(focus);
    QTest::keyClick(&w, Qt::Key_F6);
    QTest::keyClick(&w, Qt::Key_F6);
    while (w.logic().running())
        w.sectimer_Timer();
    QCOMPARE(QApplication::focusWidget(), focus);
    QTest::keyClick(&w, Qt::Key_F7);
    click(&w, "startbtn");
    QTest::keyClick(&w, Qt::Key_F7);
    QStringList heard;
    for (const auto& args : said)
        heard << args[0].toString();
    QCOMPARE(heard, QStringList({"cat, 3 points", "readz, not a word", "Round paused", "Round resumed", "Round paused",
                                 "Round resumed", "30 seconds left", "10 seconds left", "5 seconds left",
                                 "4 seconds left", "3 seconds left", "2 seconds left", "1 second left",
                                 "Round over. Your score: 3", "Announcements off", "Announcements on"}));
    QVERIFY(w.findChild<QWidget*>("announcements")->isHidden());
    QCOMPARE(QAccessible::queryAccessibleInterface(w.findChild<QWidget*>("announcement"))->role(), QAccessible::Notification);
    QCOMPARE(QSettings(home.filePath("golexorb/golexorb.conf"), QSettings::IniFormat).value("announcements"), QVariant(true));
    w.close();
}

// All Words, Progress and How to Play open inside the screen's available
// area at any scale, every control in sight, Progress beside All Words; a
// larger window gives the room to the lists. Progress is reached with Tab
// and Return, and lists its rounds in words.
// In a room, the lower area and every control of Play Together, open
// beside the window, lie inside the screen (run at the common screens and
// scales too). The room's server answers nobody: the controls are there
// all the same.
void TestWindows::roomOnTheScreen()
{
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    MainFrm w;
    w.Form_Load();
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QString why;
    QVERIFY2(w.room()->join({*game::room::parseAddress("mqtt://127.0.0.1:1/den"), "Ann", {}}, &why), qPrintable(why));
    QCOMPARE(w.logic().outerHeightTwips(), game::MainLogic::kMultiplayerHeight);
    const QRect client(w.mapToGlobal(QPoint(0, 0)), w.size());
    for (const char* name : {"chatlst", "sendtxt", "Label1"}) {
        auto* c = w.findChild<QWidget*>(name);
        QVERIFY2(screen.contains(QRect(c->mapToGlobal(QPoint(0, 0)), c->size())),
                 qPrintable(QString("%1 at %2 on a screen of %3").arg(name).arg(c->mapToGlobal(QPoint(0, 0)).y()).arg(screen.height())));
    }
    w.openPlayTogether();
    auto* glance = w.findChild<PlayTogetherFrm*>();
    QVERIFY(glance && !glance->isModal());
    QVERIFY(QTest::qWaitForWindowExposed(glance));
    QVERIFY2(screen.contains(glance->frameGeometry()), qPrintable(QString("Play Together at %1,%2 %3x%4")
                                                                       .arg(glance->frameGeometry().x())
                                                                       .arg(glance->frameGeometry().y())
                                                                       .arg(glance->frameGeometry().width())
                                                                       .arg(glance->frameGeometry().height())));
    if (screen.width() >= 1024) // beside, where the screen has room for both
        QVERIFY(!glance->frameGeometry().intersects(client));
    for (QWidget* c : glance->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        QVERIFY2(c->isHidden() || glance->rect().contains(c->geometry()), qPrintable(c->objectName()));
        // Every control is reached with Tab and named for a screen reader.
        if (c->focusPolicy() & Qt::TabFocus)
            QVERIFY2(!c->accessibleName().isEmpty(), qPrintable(c->objectName()));
    }
    for (const char* name : {"joinbtn", "leavebtn", "hostbtn", "copybtn", "againbtn", "playerslst", "addresstxt"})
        QVERIFY2(glance->findChild<QWidget*>(name)->focusPolicy() & Qt::TabFocus, name);
    QCOMPARE(glance->findChild<QLineEdit*>("addresstxt")->text(), QString("mqtt://127.0.0.1:1/den"));
    // Ctrl+J while in the room goes to the window open already.
    w.openPlayTogether();
    QCOMPARE(w.findChildren<PlayTogetherFrm*>().size(), qsizetype(1));
    w.room()->leave();
    glance->close();
    w.close();
}

void TestWindows::addedWindowsFitTheScreen()
{
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    const auto inside = [&](QWidget* window) {
        QVERIFY2(screen.contains(window->frameGeometry()), qPrintable(window->objectName()));
        for (QWidget* c : window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            QVERIFY2(c->isHidden() || window->rect().contains(c->geometry()), qPrintable(c->objectName()));
    };
    game::Report report;
    report.progress = game::progressFor(*game::parseRecords("golexorb-records 1\nround 2024-01-01 3 12 3 70\n"
                                                            "round 2024-01-02 3 31 8 90\n"), 3);
    report.allwords = {{"QUIZ", {8, 9, 10, 11}, true, false, {}}, {"CAT", {0, 1, 2}, false, false, {}}};
    AllWordsFrm a;
    a.fill(report);
    a.show();
    QVERIFY(QTest::qWaitForWindowExposed(&a));
    inside(&a);
    auto* list = a.findChild<QListWidget*>("allwordslst");
    QAccessibleInterface* items = QAccessible::queryAccessibleInterface(list);
    QCOMPARE(items->child(0)->text(QAccessible::Name), QString("quiz, found by you"));
    QCOMPARE(items->child(1)->text(QAccessible::Name), QString("cat"));

    QStringList rows;
    answerNextModal([&](QWidget* progress) {
        QVERIFY(QTest::qWaitForWindowExposed(progress));
        inside(progress);
        QVERIFY(!progress->frameGeometry().intersects(a.frameGeometry()));
        auto* table = progress->findChild<QTableWidget*>("roundstbl");
        for (int r = 0; r < table->rowCount(); ++r)
            rows << QString("%1 %2 %3").arg(table->item(r, 0)->text(), table->item(r, 1)->text(), table->item(r, 2)->text());
    });
    QApplication::setActiveWindow(&a);
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Tab);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab); // past the meaning, to the link
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QTRY_COMPARE(rows, QStringList({"1 2024-01-01 12", "2 2024-01-02 31, best"}));

    const int tall = list->height() + a.findChild<QWidget*>("meaningtxt")->height();
    a.resize(a.width() + 30, a.height() + 100);
    QCOMPARE(list->height() + a.findChild<QWidget*>("meaningtxt")->height(), tall + 100);
    QCOMPARE(a.findChild<QWidget*>("progressbtn")->geometry().bottomRight(), QPoint(a.width() - 17, a.height() - 8));
    HowToPlayFrm h;
    h.show();
    QVERIFY(QTest::qWaitForWindowExposed(&h));
    inside(&h);
    HelpFrm help;
    help.show();
    QVERIFY(QTest::qWaitForWindowExposed(&help));
    inside(&help);
}

// The results' boxes hold the report as made: copied, never typed into, and
// Tab goes on from each.
void TestWindows::resultsBoxesReadOnly()
{
    ResultsFrm r;
    game::Report report;
    report.acceptedtxt = "cat\r\ndog\r\n";
    r.fill(report);
    r.show();
    QVERIFY(QTest::qWaitForWindowExposed(&r));
    QApplication::setActiveWindow(&r);
    QStringList order;
    for (int i = 0; i < 3; ++i) {
        order << QApplication::focusWidget()->objectName();
        QTest::keyClicks(QApplication::focusWidget(), "hello");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    QCOMPARE(order, QStringList({"acceptedtxt", "rejectedtxt", "awardstxt"}));
    auto* accepted = r.findChild<QPlainTextEdit*>("acceptedtxt");
    QTest::keyClick(accepted, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(accepted, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), QString("cat\ndog"));
    QVERIFY(r.findChild<QPlainTextEdit*>("awardstxt")->toPlainText().isEmpty());
}

// The Language window lists every board language: an installed one can be
// played, any other gives the line that installs its list.
void TestWindows::languageWindow()
{
    LanguageFrm window(QStringLiteral("en"));
    auto* list = window.findChild<QListWidget*>("languagelst");
    auto* info = window.findChild<QLabel*>("infotxt");
    QCOMPARE(std::size_t(list->count()), wordlist::languages().size());
    QVERIFY(list->currentItem()->font().bold()); // English, played now
    for (int row = 0; row < list->count(); ++row) {
        const wordlist::Language& l = wordlist::languages()[std::size_t(row)];
        list->setCurrentRow(row);
        const bool installed = golexorb::LanguageLoader::installed(l);
        QCOMPARE(window.findChild<ClickLabel*>("choosebtn")->isEnabled(), installed);
        QCOMPARE(info->text().contains("sudo apt install " + QString::fromUtf8(l.package.data())), !installed);
        QVERIFY(info->text().startsWith(QString::fromUtf8(l.englishName.data(), qsizetype(l.englishName.size()))));
    }
    list->setCurrentRow(0);
    QTest::keyClick(list, Qt::Key_Return);
    QVERIFY(window.chosen() && window.chosen()->english());
}

// A German round from a sample list: the loading window while its words are
// made, the title, a word with Ä typed, the records kept apart, and All
// Words with the words as the list spells them.
void TestWindows::languageRound()
{
    PrivateHome home;
    const QByteArray cacheWas = qgetenv("XDG_CACHE_HOME");
    qputenv("XDG_CACHE_HOME", home.filePath("cache").toLocal8Bit());
    const std::string file = home.filePath("ngerman").toStdString();
    QFile list(QString::fromStdString(file));
    QVERIFY(list.open(QIODevice::WriteOnly));
    list.write("\xc3\x84rger\n\xc3\xa4rgern\nHaus\nSee\nBus\n"); // Ärger ärgern Haus See Bus
    list.close();
    wordlist::Language de = *wordlist::findLanguage("de");
    de.listFile = file;

    MainFrm w;
    w.Form_Load();
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QApplication::setActiveWindow(&w);
    QSignalSpy loaded(w.languages(), &golexorb::LanguageLoader::finished);
    w.chooseLanguage(de, true);
    QVERIFY(w.loadingfrm()->isVisible());
    QVERIFY(!w.isEnabled());
    QVERIFY(loaded.wait(20000));
    QCOMPARE(loaded.first().at(1).toString(), QString());
    QVERIFY(!w.loadingfrm()->isVisible() && w.isEnabled());
    QCOMPARE(w.windowTitle(), QString::fromUtf8("Go LEXORB \u2013 Deutsch"));
    QCOMPARE(golexorb::playerSettings().value("language").toString(), QString("de"));

    // Ä R G E / S U A R / E E H N / B A B E, drawn by the language's weights.
    const auto lexicon = w.languages()->loaded(de);
    const char* board[] = {"Ä", "R", "G", "E", "S", "U", "A", "R", "E", "E", "H", "N", "B", "A", "B", "E"};
    auto next = std::make_shared<int>(0);
    w.setRandomSource([lexicon, board, next] {
        double before = 0, total = 0;
        for (std::size_t t = 0; t < lexicon->tiles().size(); ++t) {
            if (lexicon->tiles()[t] == board[*next % 16])
                before = total + lexicon->weights()[t] / 2.0;
            total += lexicon->weights()[t];
        }
        ++*next;
        return before / total;
    });
    QSignalSpy said(w.announcer(), &Announcer::said);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down); // 1 minute
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F2);
    QCOMPARE(w.letter(0)->text(), QString::fromUtf8("Ä"));
    // Its two dots lie within the label: room above the letters, as much as they need.
    const QFontMetrics metrics(w.letter(0)->font());
    QVERIFY(-metrics.boundingRect(QChar(0xc4)).top() <= metrics.ascent() + w.letter(0)->contentsMargins().top());
    QVERIFY(w.letter(0)->contentsMargins().top() > 0);
    QCOMPARE(said.first().first().toString(), QString("1-minute round started, in German"));
    // The key of a German keyboard gives the text "ä", as a compose key would.
    QTest::sendKeyEvent(QTest::Click, QApplication::focusWidget(), Qt::Key_Adiaeresis, QString::fromUtf8("ä"), {});
    QTest::keyClicks(QApplication::focusWidget(), "rger");
    QCOMPARE(w.findChild<QLabel*>("wordtxt")->text(), QString::fromUtf8("ÄRGER"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCOMPARE(said.last().first().toString(), QString::fromUtf8("ärger, 5 points"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F3);
    QCOMPARE(w.findChild<QLabel*>("scoretxt")->text(), QString("Your Score: 5"));
    QVERIFY(QFile::exists(home.filePath(".qttest/share/golexorb/records-de.txt")));
    QVERIFY(!QFile::exists(home.filePath(".qttest/share/golexorb/records.txt")));

    QStringList words;
    QString pathtxt, meaning, code;
    answerNextModal([&](QWidget* results) {
        answerNextModal([&](QWidget* modal) {
            auto* a = qobject_cast<AllWordsFrm*>(modal);
            QVERIFY(a);
            auto* all = a->findChild<QListWidget*>("allwordslst");
            for (int i = 0; i < all->count(); ++i)
                words << all->item(i)->text();
            all->setCurrentRow(1);
            pathtxt = a->findChild<QLabel*>("pathtxt")->text();
            meaning = a->findChild<QPlainTextEdit*>("meaningtxt")->toPlainText();
            code = a->findChild<QLabel*>("challengetxt")->text();
        });
        QTest::mouseClick(results->findChild<QLabel*>("d_5"), Qt::LeftButton);
    });
    click(&w, "scoretxt");
    QTRY_VERIFY(!words.isEmpty());
    QCOMPARE(words, QStringList({QString::fromUtf8("ärgern"), QString::fromUtf8("Ärger"), "Haus", "See"}));
    QCOMPARE(pathtxt, QString::fromUtf8("ÄRGER\nÄrger"));
    QVERIFY2(meaning.contains("English only"), qPrintable(meaning));
    // A German board's code is the longer kind, which carries its language.
    QVERIFY2(QRegularExpression("^Code: ([0-9A-Z]{4}-){4}[0-9A-Z]{3}$").match(code).hasMatch(), qPrintable(code));
    w.close();
    qputenv("XDG_CACHE_HOME", cacheWas);
}

// Help follows the round beside the main window, showing nothing of a board
// before its round; the hint (F10) is the trail's red line between the
// first two cells of READIEST, said with their rows and columns, and goes
// at the next press; the hinted word scores nothing, the results mark it,
// and the round is kept with hints and no best. On kBoard: 135 words, 101
// common, 548 and 410 points.
void TestWindows::helpAndHint()
{
    PrivateHome home;
    MainFrm w;
    w.findChild<QComboBox*>("Combo1")->setCurrentIndex(1);
    w.Combo1_Click(1); // 2 minutes
    w.Form_Load();
    w.setRandomSource(boardSource(kBoard));
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QApplication::setActiveWindow(&w);
    QTest::keyClick(&w, Qt::Key_H, Qt::ControlModifier);
    HelpFrm* help = w.helpfrm();
    QCOMPARE(help->findChild<QTableWidget*>("countstbl")->rowCount(), 0);
    click(&w, "startbtn");
    QSignalSpy said(w.announcer(), &Announcer::said);
    QVERIFY(help && help->isVisible() && !help->isModal());
    const QRect board(w.letter(0)->mapToGlobal(QPoint()), w.letter(15)->mapToGlobal(w.letter(15)->rect().bottomRight()));
    QVERIFY(!help->frameGeometry().intersects(board));
    auto* table = help->findChild<QTableWidget*>("countstbl");
    const auto label = [help](const char* name) { return help->findChild<QLabel*>(name)->text(); };
    QCOMPARE(table->item(table->rowCount() - 1, 2)->text(), QString("0 of 135"));
    click(help, "hintbtn");
    // Between the centres of cells 12 and 13, in the gap between their letters.
    const QImage image = w.grab().toImage();
    const QPointF mid((game::cellLeft(12) + game::cellLeft(13) + game::kCellSize) / 2.0 / game::kTwipsPerPixel,
                      (game::cellTop(12) + game::kCellSize / 2.0) / game::kTwipsPerPixel);
    const qreal dpr = image.devicePixelRatio(); // smoothed at other scales: one of three rows is all red
    bool red = false;
    for (int dy : {-1, 0, 1})
        red |= image.pixelColor(int(mid.x() * dpr), int(mid.y() * dpr) + dy) == QColor(255, 0, 0);
    QVERIFY(red);
    QCOMPARE(w.letter(12)->palette().color(QPalette::WindowText), QColor(255, 255, 128)); // not pressed
    press(w, {5});
    QVERIFY(w.logic().surface().lines.empty());
    click(&w, "Cancelbtn");
    QTest::keyClicks(w.findChild<QListWidget*>("wordlst"), "readiest");
    click(&w, "Addbtn");
    press(w, {0, 1, 2}); // CAT
    click(&w, "Addbtn");
    QCOMPARE(table->item(table->rowCount() - 1, 1)->text(), QString("2 of 101"));
    click(&w, "endbtn");
    QCOMPARE(label("pointstxt"), QString("You found 3 of 548 points\nCommon words: 3 of 410 points"));
    QCOMPARE(said.at(0).at(0).toString(), QString("A start: R at row 4, column 1, then E at row 4, column 2."));
    QCOMPARE(said.at(1).at(0).toString(), QString("readiest, hinted: no points"));
    QString accepted;
    answerNextModal([&](QWidget* r) { accepted = r->findChild<QPlainTextEdit*>("acceptedtxt")->toPlainText(); });
    click(&w, "scoretxt");
    QTRY_COMPARE(accepted, QString("readiest (hinted)\ncat"));
    QFile records(home.filePath(".qttest/share/golexorb/records.txt"));
    QVERIFY(records.open(QIODevice::ReadOnly));
    const QByteArray text = records.readAll();
    QVERIFY2(text.contains(" 2 3 2 135 1\n") && !text.contains("best 2 "), text.constData()); // the hints line
    w.close();
}

GOLEXORB_UI_TEST_MAIN(TestWindows)
#include "tst_windows.moc"
