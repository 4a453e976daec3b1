// The icon writer: palettes that keep what they can, and files that a reader
// gives back pixel for pixel where the palette allows.

#include "icofile.h"

#include <QBuffer>
#include <QImageReader>
#include <QtTest>

#include <stdexcept>

namespace {

// A square with transparent corners and a smooth colour ramp inside.
QImage ramp(int size, int steps)
{
    QImage img(size, size, QImage::Format_ARGB32);
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const bool corner = (x < 2 || x >= size - 2) && (y < 2 || y >= size - 2);
            const int i = (y * size + x) % steps;
            img.setPixel(x, y, corner ? qRgba(0, 0, 0, 0)
                                      : qRgb(i * 255 / steps, 255 - i * 255 / steps, (i * 7) % 256));
        }
    }
    return img;
}

int distance(QRgb a, QRgb b)
{
    return std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) +
           std::abs(qBlue(a) - qBlue(b));
}

} // namespace

class TestIcoFile : public QObject {
    Q_OBJECT

private slots:
    void palette_data();
    void palette();
    void roundTrip_data();
    void roundTrip();
    void refusesOtherDepths();
};

void TestIcoFile::palette_data()
{
    QTest::addColumn<int>("colours");
    QTest::addColumn<int>("expected");
    QTest::newRow("few colours are kept as they are") << 10 << 10;
    QTest::newRow("exactly a palette's worth") << 256 << 256;
    QTest::newRow("more are cut down to the palette") << 1024 << 256;
}

void TestIcoFile::palette()
{
    QFETCH(int, colours);
    QFETCH(int, expected);
    const QImage img = ramp(64, colours);
    const QList<QRgb> palette = mkart::medianCutPalette(img, 256);
    QCOMPARE(palette.size(), expected);
    QCOMPARE(mkart::medianCutPalette(img, 256), palette); // stable
    if (colours <= 256) {
        for (int y = 2; y < 62; y += 7)
            QVERIFY(palette.contains(img.pixel(y, y)));
    }
}

void TestIcoFile::roundTrip_data()
{
    QTest::addColumn<int>("bits");
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("tolerance");
    // Qt's reader takes true colour images as opaque, so the mask is
    // checked on palette images only.
    QTest::newRow("true colour, 48 px") << 24 << 48 << 0;
    QTest::newRow("palette, exact colours, odd width") << 8 << 13 << 0;
    QTest::newRow("palette, cut-down colours") << 8 << 32 << 24;
}

void TestIcoFile::roundTrip()
{
    QFETCH(int, bits);
    QFETCH(int, size);
    QFETCH(int, tolerance);
    const int steps = tolerance == 0 ? 200 : 1000;
    const QImage first = ramp(size, steps);
    const QImage second = ramp(16, 40);
    QByteArray data = mkart::icoFile({{first, bits}, {second, 8}});

    QBuffer buffer(&data);
    QImageReader reader(&buffer, "ico");
    QCOMPARE(reader.imageCount(), 2);
    const QImage back = reader.read();
    QVERIFY2(!back.isNull(), qPrintable(reader.errorString()));
    QCOMPARE(back.size(), first.size());
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const QRgb want = first.pixel(x, y);
            const QRgb got = back.pixel(x, y);
            if (qAlpha(want) == 0) {
                if (bits == 8)
                    QCOMPARE(qAlpha(got), 0);
                continue;
            }
            QCOMPARE(qAlpha(got), 255);
            QVERIFY2(distance(want, got) <= tolerance,
                     qPrintable(QString("pixel %1,%2").arg(x).arg(y)));
        }
    }
    QVERIFY(reader.jumpToImage(1));
    QCOMPARE(reader.read().size(), QSize(16, 16));
}

void TestIcoFile::refusesOtherDepths()
{
    QVERIFY_THROWS_EXCEPTION(std::invalid_argument, mkart::icoFile({{ramp(16, 4), 4}}));
    QVERIFY_THROWS_EXCEPTION(std::invalid_argument, mkart::icoFile({{ramp(300, 4), 8}}));
}

QTEST_GUILESS_MAIN(TestIcoFile)
#include "tst_icofile.moc"
