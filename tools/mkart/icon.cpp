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

// The rounded tile under the letters: its outline, and the pen and the
// gradient it is drawn with.
struct Tile {
    QRectF rect;
    double radius;
    double border;
};

const QColor tileTop(92, 164, 78);
const QColor tileBottom(34, 98, 44);
const QColor tileEdge(18, 62, 26);
const QColor shadowColour(0, 40, 0, 110);

Tile tileAt(int size)
{
    // A whole-pixel border drawn on pixel centres, so its edge is sharp.
    const double border = std::max(1.0, std::round(size / 40.0));
    const double m = std::floor(size / 32.0) + border / 2;
    return {QRectF(m, m, size - 2 * m, size - 2 * m), size * 0.19, border};
}

void paintTile(QPainter &p, int size)
{
    const Tile t = tileAt(size);
    QPainterPath tile;
    tile.addRoundedRect(t.rect, t.radius, t.radius);
    QLinearGradient g(t.rect.topLeft(), t.rect.bottomLeft());
    g.setColorAt(0, tileTop);
    g.setColorAt(1, tileBottom);
    p.setPen(QPen(tileEdge, t.border));
    p.setBrush(g);
    p.drawPath(tile);
}

// Four letters of the board with the trail through them, as every size from
// 32 px up shows them.
struct Board {
    QPainterPath trail;
    double trailWidth;
    QList<QPainterPath> letters;
    QPointF drop; // the offset of each letter's shadow
};

Board boardAt(int size)
{
    GlyphStyle style;
    style.terminal = Terminal::Square;
    const bool snap = size <= 64;
    const double cap = snap ? std::round(size * 0.28) : size * 0.27;
    style.stroke = snap ? std::round(cap * 0.22) / cap : 0.22;
    const double a = size * 0.31, b = size * 0.69;
    const QPointF centres[] = {{a, a}, {b, a}, {a, b}, {b, b}};
    const char letters[] = {'L', 'E', 'X', 'O'};

    Board board;
    board.trail.moveTo(centres[0]);
    for (int i = 1; i < 4; ++i)
        board.trail.lineTo(centres[i]);
    board.trailWidth = std::max(1.5, size / 22.0);
    for (int i = 0; i < 4; ++i)
        board.letters.append(placed(QChar(letters[i]), style, centres[i], cap, snap));
    const double drop = snap ? std::max(1.0, std::round(size / 48.0)) : size / 48.0;
    board.drop = QPointF(drop * 0.75, drop);
    return board;
}

// SVG numbers: two decimals are a hundredth of a pixel at the drawing's size.
QString num(double v, int decimals = 2)
{
    QString s = QString::number(v, 'f', decimals);
    while (s.endsWith('0'))
        s.chop(1);
    if (s.endsWith('.'))
        s.chop(1);
    return s == "-0" ? QString("0") : s;
}

QString colour(const QColor &c)
{
    return c.name(QColor::HexRgb);
}

// Douglas-Peucker: keeps the points of in[first..last] that move the line
// by more than `tolerance`.
void keepPoints(const QPolygonF &in, qsizetype first, qsizetype last, double tolerance, QList<bool> &keep)
{
    const QPointF a = in[first], d = in[last] - a;
    const double length = std::hypot(d.x(), d.y());
    double farthest = 0;
    qsizetype at = -1;
    for (qsizetype i = first + 1; i < last; ++i) {
        const QPointF v = in[i] - a;
        const double dist = length > 0 ? std::abs(d.x() * v.y() - d.y() * v.x()) / length
                                       : std::hypot(v.x(), v.y());
        if (dist > farthest) {
            farthest = dist;
            at = i;
        }
    }
    if (at < 0 || farthest <= tolerance)
        return;
    keep[at] = true;
    keepPoints(in, first, at, tolerance, keep);
    keepPoints(in, at, last, tolerance, keep);
}

// The outline as SVG path data. The letters' outlines come from Qt's path
// operations as straight segments only, thousands of them on a round letter;
// only those that move it by more than a fiftieth of a pixel are kept.
QString pathData(const QPainterPath &path)
{
    QStringList d;
    for (const QPolygonF &poly : path.toSubpathPolygons()) {
        if (poly.size() < 2)
            continue;
        QList<bool> keep(poly.size(), false);
        keep.first() = keep.last() = true;
        keepPoints(poly, 0, poly.size() - 1, 0.02, keep);
        const bool closed = poly.isClosed() && poly.size() > 2;
        for (qsizetype i = 0; i < poly.size(); ++i) {
            if (!keep[i] || (closed && i == poly.size() - 1))
                continue;
            d << (i == 0 ? "M" : "L") + num(poly[i].x()) << num(poly[i].y());
        }
        if (closed)
            d << "Z";
    }
    return d.join(' ');
}

QString fillRule(const QPainterPath &path)
{
    return path.fillRule() == Qt::OddEvenFill ? "evenodd" : "nonzero";
}

} // namespace

QImage paintIcon(int size)
{
    QImage img(size, size, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    paintTile(p, size);

    if (size <= 16) {
        // One letter and a short trail are all that reads this small.
        // The trail leaves the letter into its empty corner.
        GlyphStyle style;
        style.terminal = Terminal::Square;
        style.stroke = 0.2;
        p.fillPath(placed('L', style, QPointF(7, 8), 10, true), letterColour);
        p.setPen(QPen(trailColour, 1.6, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(7.5, 8.5), QPointF(11.5, 4.5));
        return img;
    }

    const Board board = boardAt(size);
    p.setPen(QPen(trailColour, board.trailWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(board.trail);

    p.setPen(Qt::NoPen);
    for (const QPainterPath &letter : board.letters) {
        p.fillPath(letter.translated(board.drop), shadowColour);
        p.fillPath(letter, letterColour);
    }
    return img;
}

QByteArray iconSvg()
{
    // The drawing of the large PNGs, whose shapes are not fitted to pixels.
    const int size = 256;
    const Tile t = tileAt(size);
    const Board board = boardAt(size);
    QStringList out;
    out << R"svg(<?xml version="1.0" encoding="UTF-8"?>)svg"
        << QString(R"svg(<svg xmlns="http://www.w3.org/2000/svg" width="%1" height="%1" viewBox="0 0 %1 %1">)svg")
               .arg(size)
        << "  <defs>"
        << QString(R"svg(    <linearGradient id="tile" gradientUnits="userSpaceOnUse" x1="0" y1="%1" x2="0" y2="%2">)svg")
               .arg(num(t.rect.top()), num(t.rect.bottom()))
        << QString(R"svg(      <stop offset="0" stop-color="%1"/>)svg").arg(colour(tileTop))
        << QString(R"svg(      <stop offset="1" stop-color="%1"/>)svg").arg(colour(tileBottom))
        << "    </linearGradient>"
        << "  </defs>"
        << QString(R"svg(  <rect x="%1" y="%2" width="%3" height="%4" rx="%5" fill="url(#tile)" stroke="%6" stroke-width="%7"/>)svg")
               .arg(num(t.rect.x()), num(t.rect.y()), num(t.rect.width()), num(t.rect.height()),
                    num(t.radius), colour(tileEdge), num(t.border))
        << QString(R"svg(  <path d="%1" fill="none" stroke="%2" stroke-width="%3" stroke-linecap="round" stroke-linejoin="round"/>)svg")
               .arg(pathData(board.trail), colour(trailColour), num(board.trailWidth));
    for (const QPainterPath &letter : board.letters) {
        out << QString(R"svg(  <path d="%1" fill-rule="%2" fill="%3" fill-opacity="%4"/>)svg")
                   .arg(pathData(letter.translated(board.drop)), fillRule(letter),
                        colour(shadowColour), num(shadowColour.alphaF(), 3))
            << QString(R"svg(  <path d="%1" fill-rule="%2" fill="%3"/>)svg")
                   .arg(pathData(letter), fillRule(letter), colour(letterColour));
    }
    out << "</svg>" << "";
    return out.join('\n').toUtf8();
}

} // namespace mkart
