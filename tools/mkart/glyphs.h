#pragma once
// The letters of the title and the icon, built from strokes rather than taken
// from a font, so that the pictures do not change with the fonts installed.

#include <QPainterPath>
#include <QString>

namespace mkart {

enum class Terminal { Round, Square };

struct GlyphStyle {
    qreal stroke = 0.2; // in units of the cap height
    Terminal terminal = Terminal::Round;
};

// Outline of one letter with a cap height of 1, its box's top-left at the
// origin, y down. Knows G L E X O R B and a lower-case o; other letters are
// empty. Its advance width (without spacing) goes to *advance.
QPainterPath glyph(QChar c, const GlyphStyle &style, qreal *advance = nullptr);

} // namespace mkart
