#include "preview.h"

#include "icon.h"

#include <QFont>
#include <QFontDatabase>
#include <QPainter>
#include <QPainterPath>

namespace mkart {

namespace {

QString uiFamily()
{
    static const QString family = [] {
        const int id = QFontDatabase::addApplicationFont("/usr/share/wine/fonts/tahoma.ttf");
        QFontDatabase::addApplicationFont("/usr/share/wine/fonts/tahomabd.ttf");
        const QStringList names = QFontDatabase::applicationFontFamilies(id);
        return names.isEmpty() ? QString("DejaVu Sans") : names.first();
    }();
    return family;
}

QFont uiFont(double points, bool bold = false)
{
    QFont f(uiFamily());
    f.setPointSizeF(points);
    f.setBold(bold);
    return f;
}

void text(QPainter &p, double x, double y, const QString &s, const QFont &f, QColor c)
{
    p.setFont(f);
    p.setPen(c);
    p.drawText(QPointF(x, y + QFontMetricsF(f).ascent()), s);
}

void box(QPainter &p, QRectF r, const QStringList &lines = {})
{
    p.setPen(QColor(120, 120, 120));
    p.setBrush(Qt::white);
    p.drawRect(r);
    double y = r.top() + 2;
    for (const QString &l : lines) {
        text(p, r.left() + 3, y, l, uiFont(8), Qt::black);
        y += 13;
    }
}

void mainWindow(QPainter &p)
{
    text(p, 248, 8, "1 player", uiFont(6), Qt::black);
    text(p, 296, 8, "multiplayer", uiFont(6), Qt::black);

    text(p, 16, 72, "Game Time:", uiFont(9), Qt::black);
    box(p, QRectF(86, 68, 40, 20), {"3"});
    text(p, 132, 72, "min", uiFont(9), Qt::black);
    text(p, 190, 64, "157", uiFont(20, true), Qt::black);
    text(p, 250, 76, "Seconds Left", uiFont(9), Qt::black);

    text(p, 16, 120, "Start Game", uiFont(9, true), Qt::white);
    text(p, 90, 120, "End Game", uiFont(9, true), Qt::white);
    QFont link = uiFont(9, true);
    link.setUnderline(true);
    text(p, 232, 120, "Your Score: 12", link, QColor(0, 0, 255));

    text(p, 16, 136, "Your Word Here", uiFont(9.75), Qt::black);
    text(p, 16, 152, "Add", uiFont(9, true), QColor(128, 255, 128));
    text(p, 60, 152, "Cancel", uiFont(9, true), QColor(255, 255, 0));
    box(p, QRectF(16, 168, 129, 158), {"ROTE", "TONER", "STONE", "NOTES"});

    const char *board = "TSEONARLEXOBIGRD";
    const double cell = 194.0 / 4;
    const int selected[] = {4, 5, 9, 14};
    auto centre = [&](int i) {
        return QPointF(152 + (i % 4 + 0.5) * cell, 144 + (i / 4 + 0.5) * cell);
    };
    QPainterPath trail;
    trail.moveTo(centre(selected[0]));
    for (int i = 1; i < 4; ++i)
        trail.lineTo(centre(selected[i]));
    p.setPen(QPen(Qt::red, 1));
    p.setBrush(Qt::NoBrush);
    p.drawPath(trail);
    const QFont big = uiFont(24, true);
    p.setFont(big);
    for (int i = 0; i < 16; ++i) {
        bool sel = false;
        for (int s : selected)
            sel = sel || s == i;
        p.setPen(sel ? QColor(Qt::black) : QColor(255, 255, 128));
        const QPointF c = centre(i);
        p.drawText(QRectF(c.x() - cell / 2, c.y() - cell / 2, cell, cell), Qt::AlignCenter,
                   QString(QChar(board[i])));
    }

    box(p, QRectF(16, 352, 250, 20));
    box(p, QRectF(274, 350, 60, 24), {"  Send"});
    box(p, QRectF(16, 382, 318, 200), {"alice: hello", "bob: ready?"});
}

void resultsWindow(QPainter &p)
{
    text(p, 12, 12, "Results", uiFont(12, true), Qt::black);
    text(p, 12, 44, "Words found:", uiFont(9), Qt::black);
    box(p, QRectF(12, 62, 208, 22), {"7"});
    text(p, 12, 94, "Score:", uiFont(9), Qt::black);
    box(p, QRectF(12, 112, 208, 22), {"12"});
    const double top = 150;
    for (int r = 0; r < 6; ++r) {
        for (int c = 0; c < 3; ++c) {
            box(p, QRectF(12 + c * 69, top + r * 20, 69, 20),
                {r == 0 ? QStringList{"Word", "Points", "Who"}[c] : QString("cell")});
        }
    }
    text(p, 12, 300, "Longest word: STONE", uiFont(9), Qt::black);
    text(p, 12, 440, "Close", uiFont(9, true), Qt::black);
}

} // namespace

QImage previewWindows(const QImage &background)
{
    QImage out(350 + 20 + 233, 600, QImage::Format_RGB32);
    out.fill(QColor(60, 60, 60));
    QPainter p(&out);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.drawImage(0, 0, background);
    mainWindow(p);
    p.translate(370, 0);
    p.drawImage(QPoint(0, 0), background, QRect(0, 0, 233, 481));
    resultsWindow(p);
    return out;
}

QImage previewIcons()
{
    const int sizes[] = {16, 32, 48, 64, 128, 256};
    QImage out(16 * 8 + 32 * 4 + 48 * 2 + 64 + 128 + 256 + 120, 300, QImage::Format_RGB32);
    out.fill(QColor(200, 200, 200));
    QPainter p(&out);
    int x = 10;
    for (int s : sizes) {
        const int zoom = s <= 16 ? 8 : s <= 32 ? 4 : s <= 48 ? 2 : 1;
        const QImage icon = paintIcon(s);
        p.drawImage(QRect(x, 10, s * zoom, s * zoom), icon);
        p.drawImage(x, 270, icon);
        x += s * zoom + 20;
    }
    return out;
}

} // namespace mkart
