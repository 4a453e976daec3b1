#pragma once

#include <QImage>

namespace mkart {

// The 350 x 600 picture behind the main window and the results window.
QImage paintBackground();

// Helpers shared with the icon.
QImage boxBlurred(const QImage &image, int radius, int passes = 3);

} // namespace mkart
