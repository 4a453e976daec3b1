// The windows in each shipped language: every text translated, with the
// placeholders of its source; every designed caption fitting its control at
// its designed font; the designed windows laid out exactly as in English,
// only their texts differing; and the language the environment asks for.

#include "allwordsfrm.h"
#include "helpfrm.h"
#include "howtoplayfrm.h"
#include "languagefrm.h"
#include "playtogetherfrm.h"
#include "loadingfrm.h"
#include "mainfrm.h"
#include "resultsfrm.h"
#include "translate.h"
#include "translations.h"
#include "uitest.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QFile>
#include <QFontMetricsF>
#include <QImage>
#include <QLabel>
#include <QRegularExpression>
#include <QSet>
#include <QStandardPaths>
#include <QTest>
#include <QXmlStreamReader>

#include <functional>

namespace {

QSet<QString> placeholders(const QString& text)
{
    static const QRegularExpression marker(QStringLiteral("%[1-9n]"));
    QSet<QString> out;
    for (auto it = marker.globalMatch(text); it.hasNext();)
        out.insert(it.next().captured());
    return out;
}

game::Report report()
{
    using S = std::string;
    game::Report r;
    r.acceptedtxt = S("cat\r\ndog\r\nquiz\r\n");
    r.rejectedtxt = S("readz\r\n");
    r.longestwordtxt = S("QUIZ");
    r.scoretxt = S("10");
    for (int k = 0; k < 16; ++k)
        r.d[static_cast<std::size_t>(k)] = kBoard.mid(k, 1).toStdString();
    r.lettermostusedtxt = S("D");
    r.desctxt = game::translate("resultsfrm", "The results below are to show how well you did Go LEXORB");
    r.awardstxt = game::awardLines("QUIZZ", "QUIZ\r\n", 10);
    r.foundtxt = game::foundText(10, 131);
    r.commontxt = game::commonText(game::CommonPoints{10, 96});
    r.allwords = {{"QUIZ", {8, 9, 10, 11}, true, false, {}, false}, {"CAT", {0, 1, 2}, true, false, {}, false},
                  {"DOG", {4, 5, 6}, true, false, {}, false}, {"ZEA", {11, 14, 13}, false, true, {}, false}};
    return r;
}

// The designed windows and the All Words window, as a player first sees them.
std::unique_ptr<QWidget> window(const QString& name)
{
    if (name == QLatin1String("main")) {
        auto w = std::make_unique<MainFrm>();
        w->Form_Load();
        return w;
    }
    if (name == QLatin1String("loading")) {
        auto w = std::make_unique<LoadingFrm>();
        w->Form_Load();
        return w;
    }
    if (name == QLatin1String("results")) {
        auto w = std::make_unique<ResultsFrm>();
        w->fill(report());
        return w;
    }
    if (name == QLatin1String("help"))
        return std::make_unique<HelpFrm>();
    if (name == QLatin1String("language"))
        return std::make_unique<LanguageFrm>(QStringLiteral("en"));
    if (name == QLatin1String("howtoplay"))
        return std::make_unique<HowToPlayFrm>();
    if (name == QLatin1String("playtogether"))
        {
        static MainFrm host; // the room belongs to the main window
        return std::make_unique<PlayTogetherFrm>(host.room());
    }
    auto w = std::make_unique<AllWordsFrm>();
    w->fill(report());
    return w;
}

// Whether `text` fits `label` at its font: on one line where the label is
// one line tall, wrapped at word boundaries within it otherwise.
QString overflow(const QLabel* label, const QString& text)
{
    const QFontMetricsF metrics(label->font());
    const QRectF room = label->contentsRect();
    const bool oneLine = room.height() < 2 * metrics.lineSpacing();
    const QRectF need = metrics.boundingRect(room, int(label->alignment()) | (oneLine ? 0 : int(Qt::TextWordWrap)), text);
    if (need.width() <= room.width() + 0.5 && need.height() <= room.height() && label->font().letterSpacing() >= -1.0)
        return {};
    return QStringLiteral("%1 \"%2\" needs %3 x %4 px, has %5 x %6 (letter spacing %7)")
        .arg(label->objectName(), text).arg(need.width()).arg(need.height()).arg(room.width()).arg(room.height())
        .arg(label->font().letterSpacing());
}

QMap<QString, QRect> geometries(const QWidget* w)
{
    QMap<QString, QRect> out;
    for (const QWidget* child : w->findChildren<QWidget*>())
        if (!child->objectName().isEmpty() && !child->objectName().startsWith(QLatin1String("qt_")))
            out.insert(child->objectName(), child->geometry());
    return out;
}

} // namespace

class TestTranslations : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup() { golexorb::useLanguage(QString()); }
    void everyTextTranslated_data();
    void everyTextTranslated();
    void captionsFit_data();
    void captionsFit();
    void laidOutAsInEnglish_data();
    void laidOutAsInEnglish();
    void languageChosen_data();
    void languageChosen();

private:
    PrivateTmp tmp_;
    QTemporaryDir home_;
};

void TestTranslations::initTestCase()
{
    qputenv("HOME", home_.path().toLocal8Bit());
    QStandardPaths::setTestModeEnabled(true);
}

void TestTranslations::everyTextTranslated_data()
{
    QTest::addColumn<QString>("code");
    for (const QString& code : golexorb::shippedLanguages())
        QTest::newRow(qPrintable(code)) << code;
}

void TestTranslations::everyTextTranslated()
{
    QFETCH(QString, code);
    QFile file(QStringLiteral(GOLEXORB_TS_DIR "/golexorb_%1.ts").arg(code));
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName()));
    QXmlStreamReader xml(&file);
    QString source;
    bool numerus = false;
    QStringList forms;
    int messages = 0;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement() && xml.name() == QLatin1String("TS"))
            QCOMPARE(xml.attributes().value(QLatin1String("language")).toString(), code);
        if (xml.isStartElement() && xml.name() == QLatin1String("message")) {
            numerus = xml.attributes().value(QLatin1String("numerus")) == QLatin1String("yes");
            forms.clear();
        } else if (xml.isStartElement() && xml.name() == QLatin1String("source")) {
            source = xml.readElementText();
        } else if (xml.isStartElement() && xml.name() == QLatin1String("translation")) {
            const QString type = xml.attributes().value(QLatin1String("type")).toString();
            QVERIFY2(type.isEmpty(), qPrintable(QStringLiteral("%1 (%2): %3").arg(source, type, code)));
            if (!numerus)
                forms.append(xml.readElementText());
        } else if (xml.isStartElement() && xml.name() == QLatin1String("numerusform")) {
            forms.append(xml.readElementText());
        } else if (xml.isEndElement() && xml.name() == QLatin1String("message")) {
            ++messages;
            // All seven languages have two forms: one, and the rest.
            QCOMPARE(forms.size(), numerus ? 2 : 1);
            // The chat list tells these lines apart by how they begin.
            static const QMap<QString, QString> kBeginning{
                {QStringLiteral("%1 is here."), QStringLiteral("%1 ")},
                {QStringLiteral("%1. %2: score %3, room score %4, %n word(s) only %2 found"), QStringLiteral("%1. ")},
            };
            for (const QString& form : std::as_const(forms)) {
                QVERIFY2(!form.trimmed().isEmpty(), qPrintable(source));
                QVERIFY2(form.startsWith(kBeginning.value(source)), qPrintable(QStringLiteral("%1 -> %2").arg(source, form)));
                QVERIFY2(placeholders(form) == placeholders(source),
                         qPrintable(QStringLiteral("%1 -> %2").arg(source, form)));
            }
        }
    }
    QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
    QVERIFY(messages > 200);
}

void TestTranslations::captionsFit_data()
{
    QTest::addColumn<QString>("code");
    QTest::newRow("en") << QString();
    for (const QString& code : golexorb::shippedLanguages())
        QTest::newRow(qPrintable(code)) << code;
}

// Every caption of the designed windows, and each text the logic puts into
// one of them, at the designed font: English is the yardstick.
void TestTranslations::captionsFit()
{
    QFETCH(QString, code);
    golexorb::useLanguage(code);
    QStringList problems;
    for (const char* name : {"main", "results", "loading", "allwords", "help", "howtoplay", "playtogether", "language"}) {
        const auto w = window(QLatin1String(name));
        for (const QAbstractButton* button : w->findChildren<QAbstractButton*>())
            if (button->isVisibleTo(w.get()) && button->sizeHint().width() > button->width())
                problems.append(QStringLiteral("%1 %2 \"%3\" needs %4 px, has %5").arg(QLatin1String(name), button->objectName(), button->text())
                                    .arg(button->sizeHint().width()).arg(button->width()));
        for (const QLabel* label : w->findChildren<QLabel*>()) {
            // The board's letters and the copy of it hold single letters.
            if (label->text().isEmpty() || label->text().size() == 1)
                continue;
            if (const QString why = overflow(label, label->text()); !why.isEmpty())
                problems.append(QLatin1String(name) + QLatin1Char(' ') + why);
        }
        if (const auto* score = w->findChild<QLabel*>(QStringLiteral("scoretxt")); score && qstrcmp(name, "main") == 0) {
            for (const std::string& text : {game::translate("mainfrm", "Calculating Score..."),
                                            game::fill(game::translate("mainfrm", "Your Score: %1"), {"999"})})
                if (const QString why = overflow(score, QString::fromStdString(text)); !why.isEmpty())
                    problems.append(why);
        }
        if (const auto* again = w->findChild<QLabel*>(QStringLiteral("againbtn")); again && qstrcmp(name, "playtogether") == 0) {
            for (const char* text : {"Play again", "Play again (waiting)"})
                if (const QString why = overflow(again, QCoreApplication::translate("PlayTogether", text)); !why.isEmpty())
                    problems.append(why);
        }
    }
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
}

void TestTranslations::laidOutAsInEnglish_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("reference");
    for (const char* code : {"de", "fr"}) {
        QTest::addRow("%s main", code) << code << "main" << "main-idle.png";
        QTest::addRow("%s results", code) << code << "results" << "results.png";
        QTest::addRow("%s allwords", code) << code << "allwords" << QString();
    }
}

// The same controls in the same places as in English; the picture the same
// as the English reference wherever no translated text is drawn, and not
// the same where it is.
void TestTranslations::laidOutAsInEnglish()
{
    QFETCH(QString, code);
    QFETCH(QString, name);
    QFETCH(QString, reference);
    if (!qFuzzyCompare(qApp->devicePixelRatio(), 1.0))
        QSKIP("the references are drawn at scale 1");
    const auto english = window(name);
    QImage before = english->grab().toImage().convertToFormat(QImage::Format_RGB32);
    if (!reference.isEmpty()) {
        const QImage designed = QImage(QStringLiteral(GOLEXORB_LOOKS_DIR "/") + reference, "PNG").convertToFormat(QImage::Format_RGB32);
        QCOMPARE(before, designed);
    }
    golexorb::useLanguage(code);
    const auto translated = window(name);
    const QImage after = translated->grab().toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(translated->size(), english->size());
    QCOMPARE(geometries(translated.get()), geometries(english.get()));

    // Where a text changed, the picture may; nowhere else.
    QRegion texts;
    int changed = 0;
    for (const QLabel* label : translated->findChildren<QLabel*>()) {
        const auto* same = english->findChild<QLabel*>(label->objectName());
        if (same && same->text() != label->text()) {
            texts += QRect(label->mapTo(translated.get(), QPoint()), label->size());
            ++changed;
        }
    }
    // Lists and boxes whose text is the logic's: the awards, the caption over the rare words.
    for (const QAbstractScrollArea* box : translated->findChildren<QAbstractScrollArea*>())
        texts += QRect(box->mapTo(translated.get(), QPoint()), box->size());
    QVERIFY2(changed >= 3, qPrintable(QString::number(changed)));
    QCOMPARE(after.size(), before.size());
    bool differs = false;
    for (int y = 0; y < after.height(); ++y) {
        for (int x = 0; x < after.width(); ++x) {
            if (after.pixel(x, y) == before.pixel(x, y))
                continue;
            differs = true;
            QVERIFY2(texts.contains(QPoint(x, y)), qPrintable(QStringLiteral("(%1, %2) changed outside any text").arg(x).arg(y)));
        }
    }
    QVERIFY(differs);
}

void TestTranslations::languageChosen_data()
{
    QTest::addColumn<QString>("option");
    QTest::addColumn<QStringList>("environment");
    QTest::addColumn<QString>("chosen");
    QTest::newRow("nothing set") << QString() << QStringList{} << QString();
    QTest::newRow("LANG") << QString() << QStringList{"LANG=de_DE.UTF-8"} << "de";
    QTest::newRow("LANG English") << QString() << QStringList{"LANG=en_GB.UTF-8"} << QString();
    QTest::newRow("LANG unshipped") << QString() << QStringList{"LANG=ja_JP.UTF-8"} << QString();
    QTest::newRow("LC_MESSAGES over LANG") << QString() << QStringList{"LANG=de_DE.UTF-8", "LC_MESSAGES=fr_FR.UTF-8"} << "fr";
    QTest::newRow("LC_ALL over both") << QString() << QStringList{"LANG=de_DE", "LC_MESSAGES=fr_FR", "LC_ALL=sv_SE"} << "sv";
    QTest::newRow("LANGUAGE list") << QString() << QStringList{"LANG=de_DE.UTF-8", "LANGUAGE=ja:pt_BR:de"} << "pt";
    QTest::newRow("LANGUAGE English first") << QString() << QStringList{"LANG=de_DE.UTF-8", "LANGUAGE=en:de"} << QString();
    QTest::newRow("C locale ignores LANGUAGE") << QString() << QStringList{"LANG=C", "LANGUAGE=de"} << QString();
    QTest::newRow("POSIX") << QString() << QStringList{"LC_ALL=POSIX", "LANG=nl_NL"} << QString();
    QTest::newRow("modifier") << QString() << QStringList{"LANG=it_IT@euro"} << "it";
    QTest::newRow("option over all") << "es" << QStringList{"LANG=de_DE.UTF-8", "LANGUAGE=fr"} << "es";
    QTest::newRow("option English") << "en" << QStringList{"LANG=de_DE.UTF-8"} << QString();
    QTest::newRow("option with region") << "nl_BE" << QStringList{} << "nl";
}

void TestTranslations::languageChosen()
{
    QFETCH(QString, option);
    QFETCH(QStringList, environment);
    QFETCH(QString, chosen);
    QProcessEnvironment env;
    for (const QString& entry : std::as_const(environment))
        env.insert(entry.section(QLatin1Char('='), 0, 0), entry.section(QLatin1Char('='), 1));
    QCOMPARE(golexorb::chooseLanguage(option, env), chosen);
}

GOLEXORB_UI_TEST_MAIN(TestTranslations)
#include "tst_translations.moc"
