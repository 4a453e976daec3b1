#include "glyphs.h"

#include <QPainterPathStroker>
#include <QRectF>
#include <QTransform>

namespace mkart {

namespace {

// The outlines are worked out at this many units to the cap height and
// scaled down at the end: the path operations flatten curves in the path's
// own units, which at a cap height of 1 would make an O an octagon.
constexpr qreal unit = 1000;

// Round letters reach a little past the cap height and the baseline, or
// they look smaller than the straight ones.
constexpr qreal overshoot = 0.025;

QPainterPath strokeOf(const QPainterPath &centre, qreal width, Qt::PenCapStyle cap,
                      Qt::PenJoinStyle join)
{
    QPainterPathStroker stroker;
    stroker.setWidth(width);
    stroker.setCapStyle(cap);
    stroker.setJoinStyle(join);
    stroker.setMiterLimit(4);
    return stroker.createStroke(centre);
}

// An ellipse's box from its centre and radii.
QRectF around(qreal cx, qreal cy, qreal rx, qreal ry)
{
    return QRectF(cx - rx, cy - ry, 2 * rx, 2 * ry);
}

// A stroke that is cut square by the letter's box: long enough to leave it,
// then clipped, so slanted strokes end flush with the cap line and baseline.
QPainterPath clippedLine(QPointF from, QPointF to, qreal width, const QRectF &box)
{
    const QPointF d = to - from;
    QPainterPath line;
    line.moveTo((from - d * 0.5) * unit);
    line.lineTo((to + d * 0.5) * unit);
    QPainterPath clip;
    clip.addRect(QRectF(box.topLeft() * unit, box.size() * unit));
    return strokeOf(line, width * unit, Qt::FlatCap, Qt::MiterJoin).intersected(clip);
}

} // namespace

QPainterPath glyph(QChar c, const GlyphStyle &style, qreal *advance)
{
    const qreal s = style.stroke;
    const qreal h = s / 2;
    const bool round = style.terminal == Terminal::Round;
    const Qt::PenCapStyle cap = round ? Qt::RoundCap : Qt::SquareCap;
    const Qt::PenJoinStyle join = round ? Qt::RoundJoin : Qt::MiterJoin;

    QPainterPath centre; // stroked with `cap` and `join` at the end
    QPainterPath extra;  // strokes that need their own treatment
    qreal w = 0;

    switch (c.unicode()) {
    case 'L':
        w = 0.60;
        centre.moveTo(h, h);
        centre.lineTo(h, 1 - h);
        centre.lineTo(w - h, 1 - h);
        break;
    case 'E':
        w = 0.60;
        centre.moveTo(w - h, h);
        centre.lineTo(h, h);
        centre.lineTo(h, 1 - h);
        centre.lineTo(w - h, 1 - h);
        centre.moveTo(h, 0.5);
        centre.lineTo(w - h - 0.06, 0.5);
        break;
    case 'X':
        w = 0.74;
        if (round) {
            centre.moveTo(h, h);
            centre.lineTo(w - h, 1 - h);
            centre.moveTo(w - h, h);
            centre.lineTo(h, 1 - h);
        } else {
            const QRectF box(0, 0, w, 1);
            extra = clippedLine({h, 0}, {w - h, 1}, s * 1.05, box)
                        .united(clippedLine({w - h, 0}, {h, 1}, s * 1.05, box));
        }
        break;
    case 'O':
        w = 0.94;
        centre.addEllipse(around(w / 2, 0.5, w / 2 - h, 0.5 - h + overshoot));
        break;
    case 'o': {
        w = 0.72;
        const qreal xHeight = 0.68;
        centre.addEllipse(around(w / 2, 1 - xHeight / 2, w / 2 - h, xHeight / 2 - h + overshoot));
        break;
    }
    case 'G': {
        w = 0.90;
        const QRectF oval = around(w / 2, 0.5, w / 2 - h, 0.5 - h + overshoot);
        centre.arcMoveTo(oval, 42);
        centre.arcTo(oval, 42, 318);
        centre.lineTo(w * 0.56, 0.5 + 0.02);
        break;
    }
    case 'R': {
        w = 0.68;
        const qreal m = 0.56; // centre line of the bowl's lower stroke
        const qreal ry = (m - h) / 2;
        const qreal rx = ry * 1.1;
        const qreal bx = w - h - rx;
        centre.moveTo(h, 1 - h);
        centre.lineTo(h, h);
        centre.lineTo(bx, h);
        centre.arcTo(around(bx, (h + m) / 2, rx, ry), 90, -180);
        centre.lineTo(h, m);
        if (round) {
            centre.moveTo(w * 0.42, m);
            centre.lineTo(w - h, 1 - h);
        } else {
            extra = clippedLine({w * 0.42, m}, {w - h * 0.9, 1}, s * 1.05,
                                QRectF(0, m, w, 1 - m));
        }
        break;
    }
    case 'B': {
        w = 0.68;
        const qreal m = 0.47; // centre line of the middle stroke
        const qreal ryTop = (m - h) / 2;
        const qreal ryLow = (1 - h - m) / 2;
        const qreal rxLow = ryLow * 1.05;
        const qreal bxLow = w - h - rxLow;
        const qreal rxTop = ryTop * 1.05;
        const qreal bxTop = w - h - 0.05 - rxTop;
        centre.moveTo(h, m);
        centre.lineTo(bxTop, m);
        centre.arcTo(around(bxTop, (h + m) / 2, rxTop, ryTop), -90, 180);
        centre.lineTo(h, h);
        centre.lineTo(h, 1 - h);
        centre.lineTo(bxLow, 1 - h);
        centre.arcTo(around(bxLow, (m + 1 - h) / 2, rxLow, ryLow), -90, 180);
        centre.lineTo(h, m);
        break;
    }
    default:
        w = 0.5;
        break;
    }

    if (advance)
        *advance = w;
    QPainterPath outline = strokeOf(QTransform::fromScale(unit, unit).map(centre), s * unit,
                                    cap, join);
    if (!extra.isEmpty())
        outline = outline.united(extra);
    return QTransform::fromScale(1 / unit, 1 / unit).map(outline.simplified());
}

} // namespace mkart
