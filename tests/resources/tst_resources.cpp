// The committed pictures: the icon file's layout, which Windows relies on
// image by image, and that every picture decodes at its size.

#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <QSvgRenderer>
#include <QtEndian>
#include <QtTest>

namespace {

const QString resources = QStringLiteral(SOURCE_DIR "/resources/");

quint16 u16(const QByteArray &b, qsizetype at)
{
    return qFromLittleEndian<quint16>(b.constData() + at);
}

quint32 u32(const QByteArray &b, qsizetype at)
{
    return qFromLittleEndian<quint32>(b.constData() + at);
}

int rowBytes(int width, int bits)
{
    return (width * bits + 31) / 32 * 4;
}

} // namespace

class TestResources : public QObject {
    Q_OBJECT

private slots:
    void icoEntry_data();
    void icoEntry();
    void icoImageDecodes_data();
    void icoImageDecodes();
    void background();
    void desktopIcon_data();
    void desktopIcon();
    void scalableIcon_data();
    void scalableIcon();

private:
    QByteArray ico()
    {
        QFile f(resources + "golexorb.ico");
        if (!f.open(QIODevice::ReadOnly))
            return {};
        return f.readAll();
    }
};

void TestResources::icoEntry_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("bits");
    QTest::newRow("first: 48 px true colour") << 0 << 48 << 24;
    QTest::newRow("second: 32 px palette") << 1 << 32 << 8;
    QTest::newRow("third: 48 px palette") << 2 << 48 << 8;
    QTest::newRow("fourth: 16 px palette") << 3 << 16 << 8;
}

void TestResources::icoEntry()
{
    QFETCH(int, index);
    QFETCH(int, size);
    QFETCH(int, bits);
    const QByteArray b = ico();
    QVERIFY(b.size() > 6 + 4 * 16);
    QCOMPARE(u16(b, 0), 0);
    QCOMPARE(u16(b, 2), 1); // icon
    QCOMPARE(u16(b, 4), 4);

    const qsizetype e = 6 + 16 * index;
    QCOMPARE(quint8(b[e]), size);
    QCOMPARE(quint8(b[e + 1]), size);
    QCOMPARE(quint8(b[e + 2]), 0); // 256 colours or more
    QCOMPARE(u16(b, e + 4), 1);
    QCOMPARE(u16(b, e + 6), bits);
    const quint32 length = u32(b, e + 8);
    const quint32 offset = u32(b, e + 12);
    // Images follow the directory back to back, to the end of the file.
    const quint32 expectedOffset = index == 0 ? 6 + 16 * 4 : u32(b, e - 16 + 12) + u32(b, e - 16 + 8);
    QCOMPARE(offset, expectedOffset);
    if (index == 3)
        QCOMPARE(qsizetype(offset + length), b.size());
    QVERIFY(qsizetype(offset + length) <= b.size());

    // The DIB: its header, the palette, the colour rows, then the mask.
    QCOMPARE(u32(b, offset), 40u);
    QCOMPARE(int(u32(b, offset + 4)), size);
    QCOMPARE(int(u32(b, offset + 8)), 2 * size);
    QCOMPARE(u16(b, offset + 14), bits);
    QCOMPARE(u32(b, offset + 16), 0u); // uncompressed
    const int palette = bits == 8 ? 256 * 4 : 0;
    const int pixels = (rowBytes(size, bits) + rowBytes(size, 1)) * size;
    QCOMPARE(int(length), 40 + palette + pixels);

    // The mask, bottom-up like the colours: the rounded corner is see-through,
    // the middle of the tile is not.
    const qsizetype mask = offset + 40 + palette + rowBytes(size, bits) * size;
    auto masked = [&](int x, int y) {
        const qsizetype row = mask + qsizetype(size - 1 - y) * rowBytes(size, 1);
        return (quint8(b[row + x / 8]) & (0x80 >> (x % 8))) != 0;
    };
    QVERIFY(masked(0, 0));
    QVERIFY(masked(size - 1, size - 1));
    QVERIFY(!masked(size / 2, size / 2));
}

void TestResources::icoImageDecodes_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("size");
    QTest::addColumn<bool>("palette");
    QTest::newRow("48 px true colour") << 0 << 48 << false;
    QTest::newRow("32 px palette") << 1 << 32 << true;
    QTest::newRow("48 px palette") << 2 << 48 << true;
    QTest::newRow("16 px palette") << 3 << 16 << true;
}

void TestResources::icoImageDecodes()
{
    QFETCH(int, index);
    QFETCH(int, size);
    QFETCH(bool, palette);
    QImageReader reader(resources + "golexorb.ico");
    QCOMPARE(reader.imageCount(), 4);
    QVERIFY(reader.jumpToImage(index));
    const QImage img = reader.read();
    QVERIFY2(!img.isNull(), qPrintable(reader.errorString()));
    QCOMPARE(img.size(), QSize(size, size));
    QCOMPARE(qAlpha(img.pixel(size / 2, size / 2)), 255);
    // Qt's reader applies the mask to palette images only; it takes a true
    // colour image as opaque.
    if (palette)
        QCOMPARE(qAlpha(img.pixel(0, 0)), 0);
}

void TestResources::background()
{
    QImageReader reader(resources + "background.jpg");
    QCOMPARE(reader.format(), QByteArray("jpeg"));
    const QImage img = reader.read();
    QVERIFY2(!img.isNull(), qPrintable(reader.errorString()));
    QCOMPARE(img.size(), QSize(350, 600));
}

void TestResources::desktopIcon_data()
{
    QTest::addColumn<int>("size");
    for (int s : {16, 32, 48, 64, 128, 256, 512})
        QTest::newRow(qPrintable(QString("%1x%1").arg(s))) << s;
}

void TestResources::desktopIcon()
{
    QFETCH(int, size);
    const QString path =
        resources + QString("icons/hicolor/%1x%1/apps/golexorb.png").arg(size);
    const QImage img(path);
    QVERIFY2(!img.isNull(), qPrintable(path));
    QCOMPARE(img.size(), QSize(size, size));
    QVERIFY(img.hasAlphaChannel());
    QCOMPARE(qAlpha(img.pixel(0, 0)), 0);
}

// The SVG is the drawing of the large PNGs: drawn at their size, it differs
// from them only in how edge pixels are shaded. (At 512 px the PNG's border
// is rounded to 13 px where the SVG's scales to 12.)
void TestResources::scalableIcon_data()
{
    QTest::addColumn<int>("size");
    QTest::newRow("128 px") << 128;
    QTest::newRow("256 px") << 256;
}

void TestResources::scalableIcon()
{
    QFETCH(int, size);
    QSvgRenderer svg(resources + "icons/hicolor/scalable/apps/golexorb.svg");
    QVERIFY(svg.isValid());
    QCOMPARE(svg.viewBox(), QRect(0, 0, 256, 256));
    QImage drawn(size, size, QImage::Format_ARGB32);
    drawn.fill(Qt::transparent);
    QPainter p(&drawn);
    svg.render(&p);
    p.end();
    const QImage png = QImage(resources + QString("icons/hicolor/%1x%1/apps/golexorb.png").arg(size))
                           .convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(png.size(), drawn.size());
    qint64 total = 0;
    int worst = 0, far = 0;
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const QRgb a = png.pixel(x, y), b = drawn.pixel(x, y);
            const int d = std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                                    std::abs(qBlue(a) - qBlue(b)), std::abs(qAlpha(a) - qAlpha(b))});
            total += d;
            worst = std::max(worst, d);
            far += d > 64;
        }
    }
    const double mean = double(total) / (size * size);
    qInfo("mean difference %.2f, largest %d, %d pixels off by more than 64", mean, worst, far);
    QVERIFY2(mean < 1.0, qPrintable(QString::number(mean)));
    QVERIFY2(far < size * size / 500, qPrintable(QString::number(far)));
}

QTEST_GUILESS_MAIN(TestResources)
#include "tst_resources.moc"
