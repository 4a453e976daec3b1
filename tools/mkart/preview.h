#pragma once
// Pictures for judging the artwork, never shipped: the background with the
// window's texts laid over it, and the icon sizes magnified.

#include <QImage>

namespace mkart {

QImage previewWindows(const QImage &background);
QImage previewIcons();

} // namespace mkart
