#include "icofile.h"

#include <algorithm>
#include <climits>
#include <map>
#include <stdexcept>
#include <vector>

namespace mkart {

namespace {

bool opaqueEnough(QRgb p)
{
    return qAlpha(p) >= 128;
}

void putU16(QByteArray &out, quint16 v)
{
    out.append(char(v & 0xff));
    out.append(char(v >> 8));
}

void putU32(QByteArray &out, quint32 v)
{
    for (int i = 0; i < 4; ++i)
        out.append(char((v >> (8 * i)) & 0xff));
}

int rowBytes(int width, int bitCount)
{
    return (width * bitCount + 31) / 32 * 4;
}

struct Entry {
    QRgb rgb;
    quint64 count;
};

int channel(QRgb c, int which)
{
    return which == 0 ? qRed(c) : which == 1 ? qGreen(c) : qBlue(c);
}

struct Box {
    std::vector<Entry> entries;

    // The channel with the widest spread, and that spread.
    std::pair<int, int> widest() const
    {
        int best = 0, spread = -1;
        for (int ch = 0; ch < 3; ++ch) {
            int lo = 255, hi = 0;
            for (const Entry &e : entries) {
                lo = std::min(lo, channel(e.rgb, ch));
                hi = std::max(hi, channel(e.rgb, ch));
            }
            if (hi - lo > spread) {
                spread = hi - lo;
                best = ch;
            }
        }
        return {best, spread};
    }

    QRgb mean() const
    {
        quint64 n = 0, r = 0, g = 0, b = 0;
        for (const Entry &e : entries) {
            n += e.count;
            r += e.count * qRed(e.rgb);
            g += e.count * qGreen(e.rgb);
            b += e.count * qBlue(e.rgb);
        }
        return qRgb(int((r + n / 2) / n), int((g + n / 2) / n), int((b + n / 2) / n));
    }
};

int nearest(const QList<QRgb> &palette, QRgb c)
{
    int best = 0;
    int bestDistance = INT_MAX;
    for (int i = 0; i < palette.size(); ++i) {
        const int dr = qRed(c) - qRed(palette[i]);
        const int dg = qGreen(c) - qGreen(palette[i]);
        const int db = qBlue(c) - qBlue(palette[i]);
        const int d = dr * dr + dg * dg + db * db;
        if (d < bestDistance) {
            bestDistance = d;
            best = i;
        }
    }
    return best;
}

QByteArray dib(const QImage &source, int bitCount)
{
    const QImage img = source.convertToFormat(QImage::Format_ARGB32);
    const int w = img.width();
    const int h = img.height();
    const int xorRow = rowBytes(w, bitCount);
    const int andRow = rowBytes(w, 1);

    QList<QRgb> palette;
    if (bitCount == 8) {
        palette = medianCutPalette(img, 256);
        if (palette.isEmpty())
            palette.append(qRgb(0, 0, 0));
    }

    QByteArray out;
    putU32(out, 40);    // BITMAPINFOHEADER size
    putU32(out, quint32(w));
    putU32(out, quint32(2 * h)); // colour bitmap and mask, stacked
    putU16(out, 1);     // planes
    putU16(out, quint16(bitCount));
    putU32(out, 0);     // no compression
    putU32(out, quint32((xorRow + andRow) * h));
    putU32(out, 0);     // pixels per metre: unused in icons
    putU32(out, 0);
    putU32(out, bitCount == 8 ? 256 : 0); // colours used
    putU32(out, 0);     // colours important

    if (bitCount == 8) {
        for (int i = 0; i < 256; ++i) {
            const QRgb c = i < palette.size() ? palette[i] : qRgb(0, 0, 0);
            out.append(char(qBlue(c)));
            out.append(char(qGreen(c)));
            out.append(char(qRed(c)));
            out.append(char(0));
        }
    }

    // Rows run bottom-up in both bitmaps. Transparent pixels are black in
    // the colour bitmap, so they vanish under the mask on any background.
    std::map<QRgb, int> indexOf;
    for (int y = h - 1; y >= 0; --y) {
        const QRgb *line = reinterpret_cast<const QRgb *>(img.constScanLine(y));
        QByteArray row(xorRow, '\0');
        for (int x = 0; x < w; ++x) {
            const QRgb p = line[x];
            if (!opaqueEnough(p))
                continue;
            if (bitCount == 24) {
                row[3 * x] = char(qBlue(p));
                row[3 * x + 1] = char(qGreen(p));
                row[3 * x + 2] = char(qRed(p));
            } else {
                const QRgb c = p | 0xff000000u;
                auto it = indexOf.find(c);
                if (it == indexOf.end())
                    it = indexOf.emplace(c, nearest(palette, c)).first;
                row[x] = char(it->second);
            }
        }
        out.append(row);
    }
    for (int y = h - 1; y >= 0; --y) {
        const QRgb *line = reinterpret_cast<const QRgb *>(img.constScanLine(y));
        QByteArray row(andRow, '\0');
        for (int x = 0; x < w; ++x) {
            if (!opaqueEnough(line[x]))
                row[x / 8] = char(row[x / 8] | (0x80 >> (x % 8)));
        }
        out.append(row);
    }
    return out;
}

} // namespace

QList<QRgb> medianCutPalette(const QImage &image, int size)
{
    const QImage img = image.convertToFormat(QImage::Format_ARGB32);
    std::map<QRgb, quint64> histogram; // ordered, so the result is stable
    for (int y = 0; y < img.height(); ++y) {
        const QRgb *line = reinterpret_cast<const QRgb *>(img.constScanLine(y));
        for (int x = 0; x < img.width(); ++x) {
            if (opaqueEnough(line[x]))
                ++histogram[line[x] | 0xff000000u];
        }
    }

    QList<QRgb> palette;
    if (int(histogram.size()) <= size) {
        for (const auto &[rgb, count] : histogram)
            palette.append(rgb);
        return palette;
    }

    std::vector<Box> boxes(1);
    for (const auto &[rgb, count] : histogram)
        boxes[0].entries.push_back({rgb, count});

    while (int(boxes.size()) < size) {
        // Split the box with the widest spread; the first such on a tie.
        int pick = -1, pickSpread = 0, pickChannel = 0;
        for (int i = 0; i < int(boxes.size()); ++i) {
            if (boxes[i].entries.size() < 2)
                continue;
            const auto [ch, spread] = boxes[i].widest();
            if (spread > pickSpread) {
                pick = i;
                pickSpread = spread;
                pickChannel = ch;
            }
        }
        if (pick < 0)
            break;
        std::vector<Entry> &e = boxes[pick].entries;
        std::sort(e.begin(), e.end(), [pickChannel](const Entry &a, const Entry &b) {
            const int ca = channel(a.rgb, pickChannel), cb = channel(b.rgb, pickChannel);
            return ca != cb ? ca < cb : a.rgb < b.rgb;
        });
        // Cut where half the pixels lie on each side, keeping both non-empty.
        quint64 total = 0;
        for (const Entry &x : e)
            total += x.count;
        quint64 running = 0;
        size_t cut = 1;
        for (size_t i = 0; i + 1 < e.size(); ++i) {
            running += e[i].count;
            cut = i + 1;
            if (running * 2 >= total)
                break;
        }
        Box upper;
        upper.entries.assign(e.begin() + ptrdiff_t(cut), e.end());
        e.resize(cut);
        boxes.push_back(std::move(upper));
    }

    for (const Box &b : boxes)
        palette.append(b.mean());
    return palette;
}

QByteArray icoFile(const QList<IcoImage> &images)
{
    QList<QByteArray> bodies;
    for (const IcoImage &i : images) {
        if (i.bitCount != 24 && i.bitCount != 8)
            throw std::invalid_argument("icon images are 24 or 8 bits deep");
        if (i.image.width() > 256 || i.image.height() > 256 || i.image.isNull())
            throw std::invalid_argument("icon images are 1 to 256 pixels wide and high");
        bodies.append(dib(i.image, i.bitCount));
    }

    QByteArray out;
    putU16(out, 0); // reserved
    putU16(out, 1); // icon, not cursor
    putU16(out, quint16(images.size()));
    quint32 offset = quint32(6 + 16 * images.size());
    for (int n = 0; n < images.size(); ++n) {
        const QImage &img = images[n].image;
        out.append(char(img.width() & 0xff)); // 256 is written as 0
        out.append(char(img.height() & 0xff));
        out.append(char(0)); // colour count: 0 for 256 colours and more
        out.append(char(0)); // reserved
        putU16(out, 1);      // planes
        putU16(out, quint16(images[n].bitCount));
        putU32(out, quint32(bodies[n].size()));
        putU32(out, offset);
        offset += quint32(bodies[n].size());
    }
    for (const QByteArray &b : bodies)
        out.append(b);
    return out;
}

} // namespace mkart
