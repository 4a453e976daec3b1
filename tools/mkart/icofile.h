#pragma once
// Writes Windows icon files with several images, which Qt's own ICO writer
// cannot do (it stores one image only).

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QRgb>

namespace mkart {

struct IcoImage {
    QImage image; // any format with alpha; at most 256 x 256
    int bitCount; // 24 (true colour) or 8 (palette of 256)
};

// The file: icon directory, then one DIB per image (colour bitmap bottom-up,
// then the 1-bit transparency mask). Pixels less than half opaque are
// transparent; the colour of the others is kept without the alpha.
QByteArray icoFile(const QList<IcoImage> &images);

// A palette of at most `size` colours for the pixels at least half opaque,
// by median cut: the same input gives the same palette.
QList<QRgb> medianCutPalette(const QImage &image, int size);

} // namespace mkart
