#pragma once
// Keeps a window's designed layout as the player resizes it. The designs
// place every control at a fixed position; here the chosen controls grow
// taller (or shrink, down to a height that still shows them) and whatever
// lies below one moves with it. Controls that span the design's width grow
// with the window's width, and those against its right edge move with it.

#include <QObject>
#include <QPointer>
#include <QRect>
#include <QSize>

#include <vector>

class QWidget;

class GrowingLayout : public QObject {
public:
    // Takes each direct child's place as designed for a window of `design`.
    GrowingLayout(QWidget* window, QSize design);

    // `w` takes `weight` shares of any height the window gains or loses,
    // never becoming less than `minimumHeight` tall.
    void grow(QWidget* w, int weight, int minimumHeight);

    // The design less what the growing controls may give up.
    QSize minimumSize() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void apply();

    struct Placed {
        QPointer<QWidget> w; // a control may go while the window stays
        QRect design;
        int weight = 0;
        int minimumHeight = 0;
    };
    QWidget* window_;
    QSize design_;
    std::vector<Placed> placed_;
};
