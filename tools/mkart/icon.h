#pragma once

#include <QImage>

namespace mkart {

// The application icon at `size` x `size` px with alpha, drawn for that size
// (small sizes get a simpler picture aligned to the pixel grid).
QImage paintIcon(int size);

} // namespace mkart
