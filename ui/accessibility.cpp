#include "accessibility.h"

#include "announcer.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QComboBox>
#include <QHelpEvent>
#include <QPointer>
#include <QToolTip>
#include <QWidget>

namespace golexorb {

namespace {

// Qt names a drop-down list after its current text on Linux, so "Game time
// in minutes" became "1" once a length was picked. One given a name of its
// own keeps it; what is picked stays its value, read from its list as Qt's
// own interface has it. The interface is made before the window names the
// list (filling its entries asks for it), so it reads the name each time.
class NamedComboBox : public QAccessibleWidget {
public:
    explicit NamedComboBox(QComboBox* box)
        : QAccessibleWidget(box, QAccessible::ComboBox)
    {
    }

    QComboBox* box() const { return static_cast<QComboBox*>(widget()); }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return widget()->accessibleName().isEmpty() ? box()->currentText() : widget()->accessibleName();
        if (t == QAccessible::Value)
            return box()->currentText();
        return QAccessibleWidget::text(t);
    }

    int childCount() const override { return 1; }
    QAccessibleInterface* child(int index) const override
    {
        return index == 0 ? QAccessible::queryAccessibleInterface(box()->view()) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        return child && child->object() == box()->view() ? 0 : -1;
    }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }

    QStringList actionNames() const override { return {showMenuAction(), pressAction()}; }
    void doAction(const QString& action) override
    {
        if (action != showMenuAction() && action != pressAction())
            return;
        if (box()->view()->isVisible())
            box()->hidePopup();
        else
            box()->showPopup();
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }
};

QAccessibleInterface* namedComboBoxFactory(const QString& className, QObject* object)
{
    if (className != QLatin1String("QComboBox") || !object || !object->isWidgetType())
        return nullptr;
    auto* box = static_cast<QComboBox*>(object);
    return box->isEditable() ? nullptr : new NamedComboBox(box);
}

// A widget's style sheet colours its tooltip as well: "Start a round (F2)"
// came out white on pale yellow. Every tooltip is shown here instead, apart
// from its widget, so it takes the desktop's tooltip colours; the widgets
// keep their own.
class ToolTips : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::ToolTip: {
            if (!watched->isWidgetType())
                break;
            auto* w = static_cast<QWidget*>(watched);
            if (w->toolTip().isEmpty())
                break; // Qt passes it on to the parent
            QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), w->toolTip(), nullptr, QRect(),
                               w->toolTipDuration());
            shownFor_ = w;
            return true;
        }
        case QEvent::Leave:
        case QEvent::Hide:
            // Shown apart from its widget, a tooltip would stay when the mouse leaves it.
            if (watched == shownFor_) {
                QToolTip::hideText();
                shownFor_ = nullptr;
            }
            break;
        default:
            break;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QPointer<QObject> shownFor_;
};

} // namespace

void setUpAccessibility()
{
    QAccessible::installFactory(namedComboBoxFactory);
    QAccessible::installFactory(Announcer::accessibleFactory);
    qApp->installEventFilter(new ToolTips(qApp));
}

} // namespace golexorb
