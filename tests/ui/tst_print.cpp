// "Print" in the results window: on a real print server whose default queue
// writes PDF files, and with no print server at all. CTest runs each case on
// its own (tst_print_pdf, tst_print_none) with the environment it needs.

#include "clicklabel.h"
#include "resultsfrm.h"
#include "uitest.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QMessageBox>
#include <QPrinterInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <cmath>

class TestPrint : public QObject {
    Q_OBJECT
private slots:
    void printsToPdf();
    void noPrinter();
};

namespace {

constexpr double kAspect = 233.0 / 481.0; // the results window

game::Report sampleReport()
{
    game::Report r;
    r.acceptedtxt = "cat\r\ndog\r\nquiz\r\n";
    r.rejectedtxt = "readz\r\n";
    r.longestwordtxt = "QUIZ";
    r.scoretxt = "10";
    const char* board = "CATSDOGEQUIZREAD";
    for (int k = 0; k < 16; ++k)
        r.d[static_cast<std::size_t>(k)] = std::string(1, board[k]);
    // Made, not assigned from "A": GCC 12 at -O3 warns falsely (-Wrestrict)
    // when a one-letter literal is assigned to a std::string.
    r.lettermostusedtxt = std::string(1, 'A');
    r.desctxt = "The results below are to show how well you did Go LEXORB";
    r.awardstxt = "Used a Q!\r\nUsed a Z!\r\n";
    return r;
}

// Runs a command to its end; its standard output, or empty when it fails.
QString output(const QString& program, const QStringList& args, QString* error = nullptr)
{
    QProcess p;
    p.start(program, args);
    const bool done = p.waitForFinished(30000);
    if (error)
        *error = QString::fromLocal8Bit(p.readAllStandardError());
    if (!done || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
        if (error)
            *error = program + QStringLiteral(" failed: ") + p.errorString() + QLatin1Char(' ') + *error;
        return {};
    }
    return QString::fromLocal8Bit(p.readAllStandardOutput());
}

QStringList pdfs(const QDir& dir)
{
    return dir.entryList({QStringLiteral("*.pdf")}, QDir::Files, QDir::Name);
}

bool wholePdf(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly) || f.size() < 32)
        return false;
    f.seek(f.size() - 32);
    return f.readAll().contains("%%EOF");
}

// The PDF of the one job sent since `before` was listed, once the queue has
// finished with it; empty until then.
QString finishedPdf(const QDir& out, const QStringList& before)
{
    QString fresh;
    for (const QString& name : pdfs(out)) {
        if (!before.contains(name) && wholePdf(out.filePath(name)))
            fresh = out.filePath(name);
    }
    if (fresh.isEmpty())
        return {};
    QString error;
    const QString queue = output(QStringLiteral("lpstat"), {QStringLiteral("-o"), QStringLiteral("PDF")}, &error);
    if (!error.isEmpty() || !queue.trimmed().isEmpty())
        return {};
    return fresh;
}

QString queueState()
{
    QString error;
    const QString state = output(QStringLiteral("lpstat"), {QStringLiteral("-l"), QStringLiteral("-o"),
                                                            QStringLiteral("-p"), QStringLiteral("PDF")},
                                 &error);
    return state + error;
}

// Mean difference per channel, 0 to 255, between two images of one size.
double difference(const QImage& a, const QImage& b)
{
    const QImage x = a.convertToFormat(QImage::Format_RGB32);
    const QImage y = b.convertToFormat(QImage::Format_RGB32);
    double sum = 0;
    for (int row = 0; row < x.height(); ++row) {
        const auto* p = reinterpret_cast<const QRgb*>(x.constScanLine(row));
        const auto* q = reinterpret_cast<const QRgb*>(y.constScanLine(row));
        for (int col = 0; col < x.width(); ++col) {
            sum += std::abs(qRed(p[col]) - qRed(q[col])) + std::abs(qGreen(p[col]) - qGreen(q[col]))
                + std::abs(qBlue(p[col]) - qBlue(q[col]));
        }
    }
    return sum / (3.0 * x.width() * x.height());
}

} // namespace

void TestPrint::printsToPdf()
{
    const QString state = qEnvironmentVariable("GOLEXORB_PRINT_STATE");
    if (state.isEmpty())
        QSKIP("GOLEXORB_PRINT_STATE is not set: run through CTest (tst_print_pdf), which starts the print server");
    QFile marker(state + QStringLiteral("/unavailable"));
    if (marker.open(QIODevice::ReadOnly))
        QSKIP(qPrintable(QStringLiteral("no print server: ") + QString::fromLocal8Bit(marker.readAll()).trimmed()));
    for (const char* tool : {"lpstat", "pdfinfo", "pdfimages"}) {
        if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty())
            QSKIP(qPrintable(QStringLiteral("%1 is missing (packages cups-client, poppler-utils)").arg(tool)));
    }
    QCOMPARE(QPrinterInfo::defaultPrinterName(), QStringLiteral("PDF"));

    const QDir out(state + QStringLiteral("/out"));
    QVERIFY2(out.exists(), qPrintable(out.path() + " is missing"));
    const QStringList before = pdfs(out);

    ResultsFrm window;
    window.fill(sampleReport());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    // Printing succeeds without a word; a message box would mean it failed.
    QString complaint;
    QTimer watch;
    connect(&watch, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            complaint = box->text();
            box->button(QMessageBox::Ok)->click();
        }
    });
    watch.start(10);

    auto* print = window.findChild<ClickLabel*>(QStringLiteral("Label8"));
    QVERIFY(print);
    QElapsedTimer clock;
    clock.start();
    QTest::mouseClick(print, Qt::LeftButton);
    const qint64 submitted = clock.elapsed();
    QCOMPARE(complaint, QString());
    // Well under a second here. On failure QTRY waits twice as long again
    // before reporting, which the CTest timeout allows for.
    QString pdf;
    const QString logs = state + QStringLiteral("/log");
    QTRY_VERIFY2_WITH_TIMEOUT(!(pdf = finishedPdf(out, before)).isEmpty(),
                              qPrintable(QStringLiteral("no finished PDF in %1 after 45 s; queue:\n%2\n"
                                                        "logs, once the server stops: %3")
                                             .arg(out.path(), queueState(), logs)),
                              45000);
    qInfo("job sent in %lld ms, PDF ready after %lld ms: %s", submitted, clock.elapsed(), qPrintable(pdf));
    QVERIFY(window.isVisible());
    QCOMPARE(complaint, QString());
    QCOMPARE(pdfs(out).size(), before.size() + 1);

    QString error;
    const QString info = output(QStringLiteral("pdfinfo"), {pdf}, &error);
    QVERIFY2(!info.isEmpty(), qPrintable(error));
    const auto pages = QRegularExpression(QStringLiteral("^Pages:\\s+(\\d+)"), QRegularExpression::MultilineOption)
                           .match(info);
    QVERIFY2(pages.hasMatch(), qPrintable(info));
    QCOMPARE(pages.captured(1).toInt(), 1);
    const auto size = QRegularExpression(QStringLiteral("^Page size:\\s+([\\d.]+) x ([\\d.]+) pts"),
                                         QRegularExpression::MultilineOption)
                          .match(info);
    QVERIFY2(size.hasMatch(), qPrintable(info));
    const double pageWidth = size.captured(1).toDouble();
    const double pageHeight = size.captured(2).toDouble();

    // page num type width height color comp bpc enc interp object ID x-ppi y-ppi size ratio
    const QString list = output(QStringLiteral("pdfimages"), {QStringLiteral("-list"), pdf}, &error);
    QStringList images = list.split(QLatin1Char('\n'), Qt::SkipEmptyParts).mid(2);
    images.removeIf([](const QString& line) { return !line.contains(QLatin1String(" image ")); });
    QVERIFY2(images.size() == 1, qPrintable(QStringLiteral("expected one picture:\n") + list + error));
    const QStringList f = images[0].simplified().split(QLatin1Char(' '));
    QVERIFY2(f.size() >= 14, qPrintable(images[0]));
    const int width = f[3].toInt();
    const int height = f[4].toInt();
    const double xppi = f[12].toDouble();
    const double yppi = f[13].toDouble();
    QVERIFY2(width > 0 && height > 0 && xppi > 0 && yppi > 0, qPrintable(images[0]));
    QVERIFY2(std::abs(double(width) / height / kAspect - 1) < 0.02, qPrintable(images[0]));
    QVERIFY2(std::abs(xppi / yppi - 1) < 0.02, qPrintable(QStringLiteral("stretched: ") + images[0]));
    // As large as the page allows: it fits, and fills the page one way but
    // for the margins.
    const double shownWidth = width / xppi * 72;
    const double shownHeight = height / yppi * 72;
    const double fill = std::max(shownWidth / pageWidth, shownHeight / pageHeight);
    QVERIFY2(shownWidth <= pageWidth + 1 && shownHeight <= pageHeight + 1 && fill > 0.8,
             qPrintable(QStringLiteral("%1 x %2 pt on a page of %3 x %4 pt")
                            .arg(shownWidth)
                            .arg(shownHeight)
                            .arg(pageWidth)
                            .arg(pageHeight)));

    // And the picture is the window as it is on the screen.
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    output(QStringLiteral("pdfimages"), {QStringLiteral("-png"), pdf, dir.filePath(QStringLiteral("image"))}, &error);
    QImage printed(dir.filePath(QStringLiteral("image-000.png")));
    QVERIFY2(!printed.isNull(), qPrintable(error));
    const QImage shown = window.grab().toImage().scaled(printed.size(), Qt::IgnoreAspectRatio,
                                                        Qt::SmoothTransformation);
    const double diff = difference(printed, shown);
    QVERIFY2(diff < 4, qPrintable(QStringLiteral("the printed picture differs from the window by %1").arg(diff)));
}

void TestPrint::noPrinter()
{
    // The environment hides every print server; make sure nothing else offers one.
    if (!QPrinterInfo::defaultPrinter().isNull())
        QSKIP(qPrintable(QStringLiteral("a default printer is found even with CUPS_SERVER=%1: %2")
                             .arg(qEnvironmentVariable("CUPS_SERVER"), QPrinterInfo::defaultPrinterName())));

    ResultsFrm window;
    window.fill(sampleReport());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QString text;
    bool isBox = false;
    answerNextModal([&](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        isBox = box != nullptr;
        if (box)
            text = box->text();
    });
    QTest::mouseClick(window.findChild<ClickLabel*>(QStringLiteral("Label8")), Qt::LeftButton);
    QVERIFY(isBox);
    QCOMPARE(text, QStringLiteral("No printer is available, so the results were not printed."));
    QVERIFY(window.isVisible());
}

GOLEXORB_UI_TEST_MAIN(TestPrint)
#include "tst_print.moc"
