// Build step: decodes a picture with Qt's own reader and writes its pixels
// as the game draws them, so that the game needs no decoder for it:
// the width and the height (32 bits each, in the machine's byte order), then
// every row, each pixel 0xffRRGGBB in the machine's byte order
// (QImage::Format_RGB32).
//   golexorb_rawpicture IN.jpg OUT.rgb32

#include <QFile>
#include <QImage>
#include <QImageReader>

#include <cstdint>
#include <cstdio>

int main(int argc, char* argv[])
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s IN OUT\n", argv[0]);
        return 2;
    }
    QImageReader reader(QString::fromLocal8Bit(argv[1]));
    const QImage image = reader.read().convertToFormat(QImage::Format_RGB32);
    if (image.isNull()) {
        std::fprintf(stderr, "%s: %s\n", argv[1], qPrintable(reader.errorString()));
        return 1;
    }
    QFile out(QString::fromLocal8Bit(argv[2]));
    const std::uint32_t size[2] = {static_cast<std::uint32_t>(image.width()), static_cast<std::uint32_t>(image.height())};
    bool ok = out.open(QIODevice::WriteOnly) && out.write(reinterpret_cast<const char*>(size), sizeof size) == sizeof size;
    for (int y = 0; ok && y < image.height(); ++y) {
        const qint64 n = qint64(image.width()) * 4;
        ok = out.write(reinterpret_cast<const char*>(image.constScanLine(y)), n) == n;
    }
    if (!ok || !out.flush()) {
        std::fprintf(stderr, "%s: %s\n", argv[2], qPrintable(out.errorString()));
        return 1;
    }
    return 0;
}
