#pragma once

#include <QByteArray>
#include <QImage>

namespace mkart {

// The application icon at `size` x `size` px with alpha, drawn for that size
// (small sizes get a simpler picture aligned to the pixel grid).
QImage paintIcon(int size);

// The icon as an SVG file for any size: the drawing of the large PNGs, whose
// shapes are not fitted to pixels, as vector shapes.
QByteArray iconSvg();

} // namespace mkart
