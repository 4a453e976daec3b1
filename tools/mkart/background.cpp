#include "background.h"

#include "glyphs.h"
#include "rng.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QTransform>

#include <algorithm>
#include <cmath>
#include <vector>

namespace mkart {

namespace {

constexpr int width = 350;
constexpr int height = 600;

// Where the window puts things on top of the picture.
const QRectF titleBox(15, 10, 210, 45);
const QRectF boardBox(152, 144, 194, 194);
const QRectF onePlayerLabel(248, 8, 41, 41);
const QRectF multiPlayerLabel(296, 8, 41, 41);

// A picture of the full size at `scale` pixels per point, drawn on in points.
QImage canvas(qreal scale, QImage::Format format)
{
    QImage img(qRound(width * scale), qRound(height * scale), format);
    img.setDevicePixelRatio(scale);
    return img;
}

// Blur radii are in pixels, so they grow with the scale.
int scaled(int radius, qreal scale)
{
    return qRound(radius * scale);
}

void paintSky(QPainter &p)
{
    // Mid green behind the board, where both pale yellow and black letters
    // must read, paling to a light yellow meadow at the bottom.
    QLinearGradient g(0, 0, 0, height);
    g.setColorAt(0.00, QColor(104, 166, 84));
    g.setColorAt(0.18, QColor(88, 152, 72));
    g.setColorAt(0.40, QColor(74, 138, 64));
    g.setColorAt(0.56, QColor(80, 144, 68));
    g.setColorAt(0.70, QColor(150, 192, 108));
    g.setColorAt(0.85, QColor(214, 228, 158));
    g.setColorAt(1.00, QColor(250, 246, 200));
    p.fillRect(QRect(0, 0, width, height), g);

    // A soft light from the top left, behind the title.
    QRadialGradient glow(QPointF(90, 20), 190);
    glow.setColorAt(0, QColor(255, 255, 220, 70));
    glow.setColorAt(1, QColor(255, 255, 220, 0));
    p.fillRect(QRect(0, 0, width, 240), glow);
}

struct BladeLayer {
    int count;
    double minHeight, maxHeight;
    double minWidth, maxWidth;
    QColor dark, light;
    int minAlpha, maxAlpha;
    double leftScale; // left of the results window's edge
};

// Grass stems rising from the bottom edge: each a tapering blade whose two
// edges are quadratic curves bending towards one side.
void paintGrass(QPainter &p, Rng &rng, const BladeLayer &layer)
{
    for (int i = 0; i < layer.count; ++i) {
        const double x = rng.uniform(-10, width + 10);
        // Shorter on the left, under the results window's texts.
        double reach = rng.uniform(0, 1);
        reach = reach * reach;
        double tall = layer.minHeight + (layer.maxHeight - layer.minHeight) * reach;
        if (x < 240)
            tall *= layer.leftScale;
        const double base = rng.uniform(layer.minWidth, layer.maxWidth);
        const double bend = rng.uniform(-0.45, 0.45) * tall;
        const double mix = rng.uniform(0, 1);
        const int alpha = int(rng.uniform(layer.minAlpha, layer.maxAlpha));

        const QPointF root(x, height + 2);
        const QPointF tip(x + bend, height - tall);
        // The control point keeps the lower part upright, so long blades
        // curve over near their tips.
        const QPointF ctrl(x + bend * 0.15, height - tall * 0.62);
        QPainterPath blade;
        blade.moveTo(root.x() - base / 2, root.y());
        blade.quadTo(ctrl + QPointF(-base * 0.35, 0), tip);
        blade.quadTo(ctrl + QPointF(base * 0.35, 0), root + QPointF(base / 2, 0));
        blade.closeSubpath();

        QColor c;
        c.setRgbF(float(layer.dark.redF() + (layer.light.redF() - layer.dark.redF()) * mix),
                  float(layer.dark.greenF() + (layer.light.greenF() - layer.dark.greenF()) * mix),
                  float(layer.dark.blueF() + (layer.light.blueF() - layer.dark.blueF()) * mix));
        QLinearGradient shade(root, tip);
        QColor rootColour = c;
        rootColour.setAlpha(alpha);
        QColor tipColour = c.lighter(115);
        tipColour.setAlpha(alpha * 3 / 4);
        shade.setColorAt(0, rootColour);
        shade.setColorAt(1, tipColour);
        p.fillPath(blade, shade);
    }
}

// A soft shade behind the board lifts the pale letters without a hard edge,
// which would look cut off where the results window shows part of it.
void paintBoardShade(QPainter &p, qreal scale)
{
    QImage layer = canvas(scale, QImage::Format_ARGB32_Premultiplied);
    layer.fill(Qt::transparent);
    {
        QPainter lp(&layer);
        lp.setRenderHint(QPainter::Antialiasing);
        QPainterPath shape;
        shape.addRoundedRect(boardBox.adjusted(-2, -2, 2, 2), 12, 12);
        lp.fillPath(shape, QColor(20, 70, 28, 60));
    }
    p.drawImage(0, 0, boxBlurred(layer, scaled(5, scale)));
}

// A standing figure, 13 x 27 px, its head at `top`.
QPainterPath person(double cx, double top)
{
    QPainterPath path;
    path.addEllipse(QPointF(cx, top + 3.6), 3.6, 3.6);
    path.addRoundedRect(QRectF(cx - 4.2, top + 8.4, 8.4, 10.6), 2.4, 2.4);
    path.addRoundedRect(QRectF(cx - 6.4, top + 8.8, 1.8, 8.4), 0.9, 0.9);
    path.addRoundedRect(QRectF(cx + 4.6, top + 8.8, 1.8, 8.4), 0.9, 0.9);
    path.addRoundedRect(QRectF(cx - 4.2, top + 17, 3.6, 10), 1.2, 1.2);
    path.addRoundedRect(QRectF(cx + 0.6, top + 17, 3.6, 10), 1.2, 1.2);
    return path.simplified();
}

void paintPlayerButtons(QPainter &p)
{
    for (const QRectF &label : {onePlayerLabel, multiPlayerLabel}) {
        QPainterPath plate;
        plate.addRoundedRect(label.adjusted(-1, -1, 1, 1), 6, 6);
        QLinearGradient g(label.topLeft(), label.bottomLeft());
        g.setColorAt(0, QColor(255, 255, 230, 110));
        g.setColorAt(1, QColor(255, 255, 230, 55));
        p.fillPath(plate, g);
        p.setPen(QPen(QColor(30, 70, 32, 90), 1));
        p.drawPath(plate);
    }
    const QColor ink(22, 44, 26);
    p.fillPath(person(266.5, 18), ink);
    p.fillPath(person(309.3, 18), ink);
    p.fillPath(person(323.7, 18), ink);
}

struct TitleLetter {
    QChar c;
    bool green;
    double tilt; // degrees
};

void paintTitle(QPainter &p, qreal scale)
{
    const TitleLetter letters[] = {
        {'G', true, -3}, {'o', true, 2},   {' ', false, 0}, {'L', false, -3},
        {'E', false, 2}, {'X', false, -2}, {'O', false, 3}, {'R', false, -2},
        {'B', false, 3},
    };
    GlyphStyle style;
    style.stroke = 0.23;
    style.terminal = Terminal::Round;
    const double spacing = 0.11;
    const double wordGap = 0.28;

    // Lay out at cap height 1, then scale to the title's box.
    std::vector<QPainterPath> shapes;
    std::vector<bool> green;
    double x = 0;
    for (const TitleLetter &l : letters) {
        if (l.c == ' ') {
            x += wordGap;
            continue;
        }
        qreal advance = 0;
        const QPainterPath g = glyph(l.c, style, &advance);
        QTransform t;
        t.translate(x + advance / 2, 0.5);
        t.rotate(l.tilt);
        t.translate(-advance / 2, -0.5);
        shapes.push_back(t.map(g));
        green.push_back(l.green);
        x += advance + spacing;
    }
    const double naturalWidth = x - spacing;
    const double margin = 3; // room for the outline
    const double cap = std::min((titleBox.width() - 2 * margin) / naturalWidth,
                                titleBox.height() - 2 * margin - 6);
    QTransform place;
    place.translate(titleBox.left() + margin,
                    titleBox.top() + (titleBox.height() - cap) / 2 - 1);
    place.scale(cap, cap);
    QPainterPath all;
    for (QPainterPath &s : shapes) {
        s = place.map(s);
        all.addPath(s);
    }

    // Soft shadow, blurred in a layer of its own.
    QImage shadow = canvas(scale, QImage::Format_ARGB32_Premultiplied);
    shadow.fill(Qt::transparent);
    {
        QPainter sp(&shadow);
        sp.setRenderHint(QPainter::Antialiasing);
        sp.translate(1.5, 2.5);
        sp.setPen(QPen(QColor(0, 30, 0, 120), 2 * margin, Qt::SolidLine, Qt::RoundCap,
                       Qt::RoundJoin));
        sp.setBrush(QColor(0, 30, 0, 120));
        sp.drawPath(all);
    }
    p.drawImage(0, 0, boxBlurred(shadow, scaled(2, scale)));

    // A pale rim, so dark letters read on the green.
    p.setPen(QPen(QColor(255, 250, 214), 2 * margin - 0.5, Qt::SolidLine, Qt::RoundCap,
                  Qt::RoundJoin));
    p.setBrush(QColor(255, 250, 214));
    p.drawPath(all);

    p.setPen(Qt::NoPen);
    for (size_t i = 0; i < shapes.size(); ++i) {
        const QRectF r = shapes[i].boundingRect();
        QLinearGradient fill(r.topLeft(), r.bottomLeft());
        if (green[i]) {
            fill.setColorAt(0, QColor(40, 120, 48));
            fill.setColorAt(1, QColor(12, 72, 24));
        } else {
            fill.setColorAt(0, QColor(184, 34, 30));
            fill.setColorAt(1, QColor(122, 10, 14));
        }
        p.fillPath(shapes[i], fill);
    }
}

} // namespace

QImage boxBlurred(const QImage &image, int radius, int passes)
{
    QImage img = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const int w = img.width();
    const int h = img.height();
    const int span = 2 * radius + 1;
    for (int pass = 0; pass < passes; ++pass) {
        for (int dir = 0; dir < 2; ++dir) {
            const int lines = dir == 0 ? h : w;
            const int length = dir == 0 ? w : h;
            std::vector<QRgb> src(size_t(length), 0);
            for (int l = 0; l < lines; ++l) {
                auto at = [&](int i) -> QRgb & {
                    return dir == 0 ? reinterpret_cast<QRgb *>(img.scanLine(l))[i]
                                    : reinterpret_cast<QRgb *>(img.scanLine(i))[l];
                };
                for (int i = 0; i < length; ++i)
                    src[size_t(i)] = at(i);
                for (int i = 0; i < length; ++i) {
                    int a = 0, r = 0, g = 0, b = 0;
                    for (int k = i - radius; k <= i + radius; ++k) {
                        if (k < 0 || k >= length)
                            continue;
                        const QRgb q = src[size_t(k)];
                        a += qAlpha(q);
                        r += qRed(q);
                        g += qGreen(q);
                        b += qBlue(q);
                    }
                    at(i) = qRgba((r + span / 2) / span, (g + span / 2) / span,
                                  (b + span / 2) / span, (a + span / 2) / span);
                }
            }
        }
    }
    return img;
}

QImage paintBackground(qreal scale)
{
    QImage img = canvas(scale, QImage::Format_RGB32);
    // Fixed, so the JPEG's header does not depend on the screen.
    img.setDotsPerMeterX(qRound(3780 * scale));
    img.setDotsPerMeterY(qRound(3780 * scale));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);

    paintSky(p);
    Rng rng(0x1e0bu);
    // Tall faint stems first, so the grass is felt behind the board too,
    // then the meadow's own blades, darker towards the front.
    paintGrass(p, rng, {26, 180, 380, 1.6, 3.2, QColor(24, 80, 32), QColor(50, 112, 46), 50, 95, 1.0});
    paintGrass(p, rng, {90, 50, 230, 3, 7, QColor(96, 150, 70), QColor(130, 176, 92), 60, 120, 0.75});
    paintGrass(p, rng, {70, 30, 150, 3, 6, QColor(28, 86, 34), QColor(58, 118, 48), 130, 220, 0.75});
    paintBoardShade(p, scale);
    paintPlayerButtons(p);
    paintTitle(p, scale);
    p.end();
    return img;
}

} // namespace mkart
