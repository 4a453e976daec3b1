#include "application.h"

#include <QApplication>
#include <QFontDatabase>
#include <QIcon>
#include <QPainter>
#include <QPixmap>
#include <QWidget>

#include <cmath>

namespace golexorb {

void setupApplication()
{
    QApplication::setApplicationName(QStringLiteral("Go LEXORB"));
    QApplication::setApplicationDisplayName(QString());
    QApplication::setApplicationVersion(QStringLiteral(GOLEXORB_VERSION));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/golexorb.ico")));
    for (const char* file : {"tahoma.ttf", "tahomabd.ttf", "ms_sans_serif.ttf", "small_fonts.ttf"})
        QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/") + QLatin1String(file));
}

void applyDesignFontSizes(QWidget* root)
{
    const auto widgets = root->findChildren<QWidget*>();
    for (QWidget* w : widgets) {
        QFont f = w->font();
        if (f.pointSizeF() > 0) {
            f.setPixelSize(static_cast<int>(std::lround(f.pointSizeF() * 96.0 / 72.0)));
            w->setFont(f);
        }
    }
    QFont f = root->font();
    if (f.pointSizeF() > 0) {
        f.setPixelSize(static_cast<int>(std::lround(f.pointSizeF() * 96.0 / 72.0)));
        root->setFont(f);
    }
}

void paintBackground(QWidget* window)
{
    static const QPixmap picture(QStringLiteral(":/pictures/background.jpg"));
    QPainter painter(window);
    painter.drawPixmap(0, 0, picture);
}

} // namespace golexorb
