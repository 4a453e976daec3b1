#pragma once

#include <QImage>

namespace mkart {

// The 350 x 600 picture behind the main window and the results window, at
// `scale` pixels per point (2 for the picture of screens at twice the scale).
QImage paintBackground(qreal scale = 1);

// Helpers shared with the icon.
QImage boxBlurred(const QImage &image, int radius, int passes = 3);

} // namespace mkart
