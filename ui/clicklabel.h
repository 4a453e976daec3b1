#pragma once
// A label that works as a button: it reports the mouse going down (with the
// button, the modifiers and the press point in twips from its top-left
// corner) and a click when the button is released inside it. Disabled, it
// draws its caption greyed and ignores the mouse; hidden, it does neither.

#include <QLabel>

class ClickLabel : public QLabel {
    Q_OBJECT
public:
    explicit ClickLabel(QWidget* parent = nullptr);

    // Button and modifier codes of the mouse-down event: 1 left, 2 right,
    // 4 middle; 1 Shift, 2 Ctrl, 4 Alt.
    static int buttonCode(Qt::MouseButton button);
    static int shiftCode(Qt::KeyboardModifiers modifiers);

signals:
    void mouseDown(int button, int shift, float x, float y);
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};
