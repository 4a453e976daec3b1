#pragma once
// A label that works as a button: it reports the mouse going down (with the
// button, the modifiers and the press point in twips from its top-left
// corner) and a click when the left button is released inside it after going
// down there. The second press of a double-click is a mouse-down but no
// second click. Disabled, it draws its caption greyed and ignores the mouse;
// hidden, it does neither.
//
// A board cell is pressed rather than clicked and may be selected (in the
// word); screen readers see it that way.

#include <QLabel>

class QAccessibleInterface;

class ClickLabel : public QLabel {
    Q_OBJECT
public:
    explicit ClickLabel(QWidget* parent = nullptr);

    // Button and modifier codes of the mouse-down event: 1 left, 2 right,
    // 4 middle; 1 Shift, 2 Ctrl, 4 Alt.
    static int buttonCode(Qt::MouseButton button);
    static int shiftCode(Qt::KeyboardModifiers modifiers);

    bool isCell() const { return cell_; }
    void setCell(bool cell) { cell_ = cell; }
    bool isSelected() const { return selected_; }
    void setSelected(bool selected);

    // The screen-reader interface of ClickLabel, for QAccessible::installFactory.
    static QAccessibleInterface* accessibleFactory(const QString& className, QObject* object);

public slots:
    // A click as the mouse gives it, when the label is enabled and shown.
    // Returns whether it clicked.
    bool click();
    // What a screen reader's press does: a cell is pressed at its centre
    // with the left button, anything else clicked; nothing while another
    // window is modal over this one.
    void press();

signals:
    void mouseDown(int button, int shift, float x, float y);
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void down(QMouseEvent* event);
    bool blockedByModal() const;

    bool cell_ = false;
    bool selected_ = false;
    Qt::MouseButtons held_;
    bool armed_ = false; // the left button went down here, not as a double-click
};
