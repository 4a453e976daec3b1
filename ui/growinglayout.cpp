#include "growinglayout.h"

#include <QEvent>
#include <QWidget>

#include <algorithm>

namespace {
// A control whose edge lies this near the window's edge is laid against it
// (the designs leave 8 px at the left and 16 px at the right).
constexpr int kEdge = 20;
} // namespace

GrowingLayout::GrowingLayout(QWidget* window, QSize design)
    : QObject(window)
    , window_(window)
    , design_(design)
{
    for (QObject* o : window->children()) {
        if (o->isWidgetType() && !static_cast<QWidget*>(o)->isWindow())
            placed_.push_back({static_cast<QWidget*>(o), static_cast<QWidget*>(o)->geometry()});
    }
    window->installEventFilter(this);
}

void GrowingLayout::grow(QWidget* w, int weight, int minimumHeight)
{
    for (Placed& p : placed_) {
        if (p.w == w) {
            p.weight = weight;
            p.minimumHeight = minimumHeight;
        }
    }
}

QSize GrowingLayout::minimumSize() const
{
    int spare = 0;
    for (const Placed& p : placed_) {
        if (p.weight > 0)
            spare += std::max(0, p.design.height() - p.minimumHeight);
    }
    return {design_.width(), design_.height() - spare};
}

bool GrowingLayout::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == window_ && (event->type() == QEvent::Resize || event->type() == QEvent::Show))
        apply();
    return QObject::eventFilter(watched, event);
}

void GrowingLayout::apply()
{
    // Height gained is shared by weight; height lost by what each can give.
    const int dy = window_->height() - design_.height();
    const int dx = std::max(0, window_->width() - design_.width());
    int shares = 0;
    for (const Placed& p : placed_)
        shares += dy >= 0 ? p.weight : (p.weight > 0 ? std::max(0, p.design.height() - p.minimumHeight) : 0);
    std::vector<int> growth(placed_.size(), 0);
    int left = dy;
    for (std::size_t i = 0; i < placed_.size() && shares > 0; ++i) {
        const Placed& p = placed_[i];
        if (p.weight == 0)
            continue;
        const int share = dy >= 0 ? p.weight : std::max(0, p.design.height() - p.minimumHeight);
        growth[i] = dy * share / shares;
        left -= growth[i];
    }
    // What rounding left over goes to the first that can take it.
    for (std::size_t i = 0; i < placed_.size() && left != 0; ++i) {
        const Placed& p = placed_[i];
        if (p.weight == 0)
            continue;
        const int g = dy >= 0 ? left : std::max(left, p.minimumHeight - p.design.height() - growth[i]);
        growth[i] += g;
        left -= g;
    }
    for (std::size_t i = 0; i < placed_.size(); ++i) {
        const Placed& p = placed_[i];
        QRect r = p.design;
        for (std::size_t j = 0; j < placed_.size(); ++j) {
            // Below a growing control: moves with its bottom edge (the
            // designs let neighbours share a one-pixel border line).
            if (j != i && growth[j] != 0 && placed_[j].design.bottom() <= p.design.top() + 1)
                r.translate(0, growth[j]);
        }
        r.setHeight(r.height() + growth[i]);
        if (p.design.right() >= design_.width() - kEdge) {
            if (p.design.left() <= kEdge)
                r.setWidth(r.width() + dx);
            else
                r.translate(dx, 0);
        }
        if (p.w && p.w->geometry() != r)
            p.w->setGeometry(r);
    }
}
