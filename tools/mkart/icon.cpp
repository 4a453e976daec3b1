#include "icon.h"

#include "glyphs.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QTransform>

#include <algorithm>
#include <cmath>

namespace mkart {

namespace {

const QColor letterColour(255, 255, 128); // as on the board
const QColor trailColour(224, 24, 20);

// A letter centred on `centre`. With `snap` its box starts on whole pixels
// and the caller picks a cap height and stroke that are whole pixels too,
// so that small icons stay crisp.
QPainterPath placed(QChar c, const GlyphStyle &style, QPointF centre, double cap, bool snap)
{
    qreal advance = 0;
    const QPainterPath g = glyph(c, style, &advance);
    double left = centre.x() - advance * cap / 2;
    double top = centre.y() - cap / 2;
    if (snap) {
        left = std::round(left);
        top = std::round(top);
    }
    QTransform t;
    t.translate(left, top);
    t.scale(cap, cap);
    return t.map(g);
}

void paintTile(QPainter &p, int size)
{
    // A whole-pixel border drawn on pixel centres, so its edge is sharp.
    const double border = std::max(1.0, std::round(size / 40.0));
    const double m = std::floor(size / 32.0) + border / 2;
    const QRectF r(m, m, size - 2 * m, size - 2 * m);
    const double radius = size * 0.19;
    QPainterPath tile;
    tile.addRoundedRect(r, radius, radius);
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, QColor(92, 164, 78));
    g.setColorAt(1, QColor(34, 98, 44));
    p.setPen(QPen(QColor(18, 62, 26), border));
    p.setBrush(g);
    p.drawPath(tile);
}

} // namespace

QImage paintIcon(int size)
{
    QImage img(size, size, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    paintTile(p, size);

    GlyphStyle style;
    style.terminal = Terminal::Square;

    if (size <= 16) {
        // One letter and a short trail are all that reads this small.
        // The trail leaves the letter into its empty corner.
        style.stroke = 0.2;
        p.fillPath(placed('L', style, QPointF(7, 8), 10, true), letterColour);
        p.setPen(QPen(trailColour, 1.6, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(7.5, 8.5), QPointF(11.5, 4.5));
        return img;
    }

    // Four letters of the board with the trail through them.
    const bool snap = size <= 64;
    const double cap = snap ? std::round(size * 0.28) : size * 0.27;
    style.stroke = snap ? std::round(cap * 0.22) / cap : 0.22;
    const double a = size * 0.31, b = size * 0.69;
    const QPointF centres[] = {{a, a}, {b, a}, {a, b}, {b, b}};
    const char letters[] = {'L', 'E', 'X', 'O'};

    QPainterPath trail;
    trail.moveTo(centres[0]);
    for (int i = 1; i < 4; ++i)
        trail.lineTo(centres[i]);
    p.setPen(QPen(trailColour, std::max(1.5, size / 22.0), Qt::SolidLine, Qt::RoundCap,
                  Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(trail);

    p.setPen(Qt::NoPen);
    for (int i = 0; i < 4; ++i) {
        const QPainterPath letter = placed(QChar(letters[i]), style, centres[i], cap, snap);
        const double drop = snap ? std::max(1.0, std::round(size / 48.0)) : size / 48.0;
        p.fillPath(letter.translated(drop * 0.75, drop), QColor(0, 40, 0, 110));
        p.fillPath(letter, letterColour);
    }
    return img;
}

} // namespace mkart
