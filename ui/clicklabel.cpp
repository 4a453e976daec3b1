#include "clicklabel.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyle>

namespace {
constexpr float kTwipsPerPixel = 15.0f;
}

ClickLabel::ClickLabel(QWidget* parent)
    : QLabel(parent)
{
}

int ClickLabel::buttonCode(Qt::MouseButton button)
{
    switch (button) {
    case Qt::LeftButton:
        return 1;
    case Qt::RightButton:
        return 2;
    case Qt::MiddleButton:
        return 4;
    default:
        return 0;
    }
}

int ClickLabel::shiftCode(Qt::KeyboardModifiers modifiers)
{
    return (modifiers & Qt::ShiftModifier ? 1 : 0) | (modifiers & Qt::ControlModifier ? 2 : 0)
        | (modifiers & Qt::AltModifier ? 4 : 0);
}

void ClickLabel::mousePressEvent(QMouseEvent* event)
{
    const QPointF p = event->position();
    emit mouseDown(buttonCode(event->button()), shiftCode(event->modifiers()),
                   static_cast<float>(p.x()) * kTwipsPerPixel, static_cast<float>(p.y()) * kTwipsPerPixel);
    event->accept();
}

void ClickLabel::mouseReleaseEvent(QMouseEvent* event)
{
    event->accept();
    if (rect().contains(event->position().toPoint()))
        emit clicked();
}

void ClickLabel::paintEvent(QPaintEvent* event)
{
    if (isEnabled()) {
        QLabel::paintEvent(event);
        return;
    }
    // The classic greyed caption: grey text over a white copy one pixel down
    // and to the right, so it reads as etched into the surface.
    QPainter painter(this);
    const QRect r = contentsRect();
    const int flags = static_cast<int>(alignment()) | (wordWrap() ? Qt::TextWordWrap : 0);
    painter.setFont(font());
    painter.setPen(QColor(255, 255, 255));
    painter.drawText(r.translated(1, 1), flags, text());
    painter.setPen(QColor(128, 128, 128));
    painter.drawText(r, flags, text());
}
