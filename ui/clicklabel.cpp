#include "clicklabel.h"

#include "board.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>

namespace {

using game::kTwipsPerPixel;

class AccessibleClickLabel : public QAccessibleWidget {
public:
    explicit AccessibleClickLabel(ClickLabel* label)
        : QAccessibleWidget(label, QAccessible::Button)
    {
    }

    ClickLabel* label() const { return static_cast<ClickLabel*>(widget()); }

    // The caption, unless the window names the label itself (a cell says
    // where it lies on the board).
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name) {
            const QString name = widget()->accessibleName();
            return name.isEmpty() ? label()->text() : name;
        }
        return QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        if (label()->isCell()) {
            s.selectable = true;
            s.selected = label()->isSelected();
        }
        return s;
    }

    // Like a push button, it can be pressed only while it is enabled.
    QStringList actionNames() const override
    {
        return widget()->isEnabled() ? QStringList{pressAction()} : QStringList{};
    }

    void doAction(const QString& action) override
    {
        if (action == pressAction() && widget()->isEnabled())
            label()->press();
    }
};

} // namespace

ClickLabel::ClickLabel(QWidget* parent)
    : QLabel(parent)
{
}

QAccessibleInterface* ClickLabel::accessibleFactory(const QString& className, QObject* object)
{
    if (className == QLatin1String("ClickLabel") && object && object->isWidgetType())
        return new AccessibleClickLabel(static_cast<ClickLabel*>(object));
    return nullptr;
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

void ClickLabel::setSelected(bool selected)
{
    if (selected == selected_)
        return;
    selected_ = selected;
    QAccessible::State changed;
    changed.selected = true;
    QAccessibleStateChangeEvent event(this, changed);
    QAccessible::updateAccessibility(&event);
}

bool ClickLabel::click()
{
    if (!isEnabled() || isHidden())
        return false;
    emit clicked();
    return true;
}

bool ClickLabel::blockedByModal() const
{
    const QWidget* modal = QApplication::activeModalWidget();
    if (!modal)
        return false;
    // Not blocked in the modal window itself, nor in a window it owns.
    for (const QWidget* w = window(); w; w = w->parentWidget() ? w->parentWidget()->window() : nullptr) {
        if (w == modal)
            return false;
    }
    return true;
}

void ClickLabel::press()
{
    // The mouse cannot reach a window while another is modal over it, and
    // neither can a screen reader's press.
    if (blockedByModal())
        return;
    if (!cell_) {
        click();
        return;
    }
    if (isEnabled() && !isHidden())
        emit mouseDown(1, 0, static_cast<float>(width()) * kTwipsPerPixel / 2, static_cast<float>(height()) * kTwipsPerPixel / 2);
}

void ClickLabel::down(QMouseEvent* event)
{
    held_ |= event->button();
    const QPointF p = event->position();
    emit mouseDown(buttonCode(event->button()), shiftCode(event->modifiers()),
                   static_cast<float>(p.x()) * kTwipsPerPixel, static_cast<float>(p.y()) * kTwipsPerPixel);
}

void ClickLabel::mousePressEvent(QMouseEvent* event)
{
    event->accept();
    armed_ = event->button() == Qt::LeftButton;
    down(event);
}

void ClickLabel::mouseDoubleClickEvent(QMouseEvent* event)
{
    event->accept();
    armed_ = false;
    // Qt usually sends the second press itself before the double-click;
    // when it does not, this is that button going down.
    if (!(held_ & event->button()))
        down(event);
}

void ClickLabel::mouseReleaseEvent(QMouseEvent* event)
{
    event->accept();
    held_ &= ~event->button();
    if (event->button() != Qt::LeftButton)
        return;
    const bool armed = armed_;
    armed_ = false;
    if (armed && rect().contains(event->position().toPoint()))
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
