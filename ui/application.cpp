#include "application.h"

#include "accessibility.h"
#include "clicklabel.h"
#include "translations.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QDialog>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QIcon>
#include <QImage>
#include <QImageReader>
#include <QLabel>
#include <QListWidgetItem>
#include <QMessageBox>
#include <QPainter>
#include <QPixmap>
#include <QResource>
#include <QScreen>
#include <QSettings>
#include <QWidget>
#include <QWindow>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace golexorb {

namespace {

// The plain-widget windows read as windows, not as anonymous panes.
QAccessibleInterface* windowFactory(const QString& className, QObject* object)
{
    if ((className == QLatin1String("MainFrm") || className == QLatin1String("LoadingFrm")) && object->isWidgetType())
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Window);
    return nullptr;
}

} // namespace

void setupApplication()
{
    // The name picks the data folder (…/golexorb) and the window class; the
    // empty display name keeps every window title exactly as designed.
    QApplication::setApplicationName(QStringLiteral("golexorb"));
    QApplication::setApplicationDisplayName(QString());
    QApplication::setApplicationVersion(QStringLiteral(GOLEXORB_VERSION));
    // The desktop entry's name: Wayland desktops find the window's icon and
    // entry through it (X11 ones through the window class, "golexorb").
    QGuiApplication::setDesktopFileName(QStringLiteral(GOLEXORB_APP_ID));
    // The small sizes only: every window hands all of them to the window
    // manager when it is created, and the 128 and 256 px images were most of
    // that cost. Launchers take the large ones from the installed icon theme.
    // Read as PNGs by name: a reader left to find the format itself loads
    // and asks every image plugin first (the SVG one brings Qt SVG, the JPEG
    // one libjpeg), and an icon given files looks for an icon engine too.
    QIcon icon;
    for (int size : {16, 32, 48, 64}) {
        QImageReader reader(QStringLiteral(":/icons/hicolor/%1x%1/apps/golexorb.png").arg(size), "png");
        reader.setAutoDetectImageFormat(false);
        icon.addPixmap(QPixmap::fromImage(reader.read()));
    }
    QApplication::setWindowIcon(icon);
    // No bold Tahoma is registered on purpose: the bold face of the free
    // Tahoma draws its outlines as thin as the regular one at the sizes the
    // windows use, so Qt's own emboldening of the regular face looks right.
    // Registered from the bytes where they lie in the program: registered by
    // file name, a font would be read into memory once for the font list and
    // again for drawing.
    for (const char* file : {"tahoma.ttf", "ms_sans_serif.ttf", "small_fonts.ttf"}) {
        const QResource font(QStringLiteral(":/fonts/") + QLatin1String(file));
        if (font.compressionAlgorithm() == QResource::NoCompression)
            QFontDatabase::addApplicationFontFromData(
                QByteArray::fromRawData(reinterpret_cast<const char*>(font.data()), font.size()));
        else
            QFontDatabase::addApplicationFontFromData(font.uncompressedData());
    }
    // Screen readers see the label buttons as push buttons they can press.
    QAccessible::installFactory(ClickLabel::accessibleFactory);
    QAccessible::installFactory(windowFactory);
    setUpAccessibility();
}

void applyDesignFontSizes(QWidget* root)
{
    // Children first: each gets its resolved font before the window's changes.
    auto widgets = root->findChildren<QWidget*>();
    widgets.append(root);
    for (QWidget* w : widgets) {
        QFont f = w->font();
        if (f.pointSizeF() > 0) {
            f.setPixelSize(static_cast<int>(std::lround(f.pointSizeF() * 96.0 / 72.0)));
            w->setFont(f);
        }
    }
}

QString fromLatin1(std::string_view s)
{
    return QString::fromLatin1(s.data(), static_cast<qsizetype>(s.size()));
}

QString fromUtf8(std::string_view s)
{
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

void messageBox(QWidget* parent, const QString& text)
{
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Go LEXORB"), text, QMessageBox::Ok, parent);
    box.exec();
}

bool askYesNo(QWidget* parent, const QString& text)
{
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Go LEXORB"), text, QMessageBox::Yes | QMessageBox::No, parent);
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

void useScalableFonts(QWidget* root)
{
    if (qFuzzyCompare(root->devicePixelRatioF(), 1.0))
        return;
    auto widgets = root->findChildren<QWidget*>();
    widgets.append(root);
    for (QWidget* w : widgets) {
        const QFontInfo info(w->font());
        if (!QFontDatabase::isSmoothlyScalable(info.family(), info.styleName())) {
            QFont f = w->font();
            f.setFamily(QStringLiteral("Tahoma"));
            w->setFont(f);
        }
    }
}

void tightenToFit(QLabel* label)
{
    QFont f = label->font();
    const QString text = label->text();
    const qreal excess = QFontMetricsF(f).horizontalAdvance(text) - label->contentsRect().width();
    if (excess > 0 && text.size() > 1) {
        f.setLetterSpacing(QFont::AbsoluteSpacing, -excess / (text.size() - 1));
        label->setFont(f);
    }
}

void tightenTranslatedCaptions(QWidget* root)
{
    if (!translationLoaded())
        return;
    for (QLabel* label : root->findChildren<QLabel*>()) {
        const QFontMetricsF metrics(label->font());
        const QString text = label->text();
        const qreal excess = metrics.horizontalAdvance(text) - label->contentsRect().width();
        const bool wraps = label->wordWrap() && text.contains(QLatin1Char(' '))
            && label->contentsRect().height() >= 2 * metrics.lineSpacing();
        if (wraps || excess <= 0 || text.size() < 2)
            continue;
        // Measured as drawn: the spacing falls between letters, the
        // glyphs' own edges round.
        QFont f = label->font();
        for (qreal spacing = -excess / qreal(text.size() - 1); spacing >= -1.0; spacing -= 0.125) {
            f.setLetterSpacing(QFont::AbsoluteSpacing, spacing);
            if (QFontMetricsF(f).boundingRect(text).width() <= label->contentsRect().width()) {
                label->setFont(f);
                break;
            }
        }
    }
}

int accentOverflow(const QFont& font, const QString& letters, qreal scale)
{
    if (letters.isEmpty())
        return 0;
    // Drawn and looked at, not taken from the font's boxes: hinted on the
    // window system, a small accent lands a pixel or two above them.
    const QFontMetrics metrics(font);
    const int height = metrics.height() * 3;
    QImage ink(QSize(metrics.horizontalAdvance(letters) + 8, height) * scale, QImage::Format_ARGB32_Premultiplied);
    ink.setDevicePixelRatio(scale);
    ink.fill(Qt::transparent);
    const int baseline = metrics.height() * 2;
    {
        QPainter painter(&ink);
        painter.setFont(font);
        painter.setPen(Qt::black);
        painter.drawText(4, baseline, letters);
    }
    for (int y = 0; y < ink.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(ink.constScanLine(y));
        if (std::any_of(row, row + ink.width(), [](QRgb p) { return qAlpha(p) != 0; })) {
            const int over = int(std::ceil(baseline - y / scale)) - metrics.ascent();
            return over > 0 ? over + 1 : 0;
        }
    }
    return 0;
}

void makeRoomForAccents(QLabel* label, const QString& letters)
{
    const QMargins margins(0, accentOverflow(label->font(), letters, label->devicePixelRatioF()), 0, 0);
    if (label->contentsMargins() != margins)
        label->setContentsMargins(margins);
    repaintAccents(label);
}

void repaintAccents(QLabel* label)
{
    // A label repaints only its contents when its text changes: the room
    // above them, where the accents lie, would keep the last text's.
    if (label->contentsMargins().top() > 0)
        label->update();
}

void makeRoomForAccents(QListWidgetItem* item, const QFont& font, const QString& letters, qreal scale)
{
    if (const int over = accentOverflow(font, letters, scale); over > 0)
        item->setSizeHint(QSize(0, QFontMetrics(font).height() + 2 * over + 2));
}

void setUpDialog(QDialog* dialog)
{
    dialog->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                           | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    applyDesignFontSizes(dialog);
    useScalableFonts(dialog);
    tightenTranslatedCaptions(dialog);
    dialog->setModal(true);
    QPalette p = dialog->palette();
    p.setColor(QPalette::Window, QColor(255, 255, 255));
    dialog->setPalette(p);
}

QSettings playerSettings()
{
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("golexorb"), QStringLiteral("golexorb"));
}

QRect screenArea()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry() : QRect(0, 0, 1024, 768);
}

QPoint centredOnScreen(QSize size)
{
    const QRect area = screenArea();
    return {area.x() + (area.width() - size.width()) / 2, area.y() + (area.height() - size.height()) / 2};
}

QRect availableArea()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
}

namespace {

// The frame the window manager puts round a window: known once a window is
// shown; before that, the frame of the window it opens from, or a usual
// title bar and border.
QMargins frameMargins(const QWidget* window)
{
    for (const QWidget* w = window; w; w = w->parentWidget() ? w->parentWidget()->window() : nullptr) {
        if (w->isVisible() && w->windowHandle() && !w->windowHandle()->frameMargins().isNull())
            return w->windowHandle()->frameMargins();
    }
    return {4, 30, 4, 4};
}

// The background at scale 1 as the build lays it out in the program (see
// resources/rawpicture.cpp), drawn from where it lies.
QImage backgroundPicture()
{
    const QResource raw(QStringLiteral(":/pictures/background.rgb32"));
    const uchar* bytes = raw.data();
    std::uint32_t size[2] = {0, 0};
    if (bytes && raw.compressionAlgorithm() == QResource::NoCompression && raw.size() >= 8)
        std::memcpy(size, bytes, sizeof size);
    const qsizetype rowBytes = qsizetype(size[0]) * 4;
    if (size[0] == 0 || raw.size() != 8 + rowBytes * qsizetype(size[1]))
        return {};
    const uchar* pixels = bytes + 8;
    const int width = int(size[0]), height = int(size[1]);
    if (reinterpret_cast<quintptr>(pixels) % 4 == 0)
        return QImage(pixels, width, height, rowBytes, QImage::Format_RGB32);
    QImage copy(width, height, QImage::Format_RGB32); // not aligned as QImage needs: copied
    for (int y = 0; y < height; ++y)
        std::memcpy(copy.scanLine(y), pixels + y * rowBytes, std::size_t(rowBytes));
    return copy;
}

} // namespace

void placeInside(QWidget* window, QPoint clientTopLeft, QSize size, QSize minimum)
{
    const QRect area = availableArea();
    const QMargins m = frameMargins(window);
    const QSize room = area.size().shrunkBy(m);
    const QSize client = size.boundedTo(room).expandedTo(minimum);
    QRect frame(clientTopLeft - QPoint(m.left(), m.top()), client.grownBy(m));
    // Right and bottom first, so a window larger than the area keeps its top-left corner (and its title bar) in sight.
    frame.moveRight(std::min(frame.right(), area.right()));
    frame.moveBottom(std::min(frame.bottom(), area.bottom()));
    frame.moveLeft(std::max(frame.left(), area.left()));
    frame.moveTop(std::max(frame.top(), area.top()));
    window->setMinimumSize(minimum);
    window->setGeometry(QRect(frame.topLeft() + QPoint(m.left(), m.top()), client));
}

QPoint addedWindowPlace(QSize size)
{
    const QRect area = availableArea();
    return {area.x() + std::max(0, area.width() - 699 - size.width()),
            area.y() + std::clamp(area.height() - size.height() - 40, 0, 153)};
}

QPoint beside(const QWidget* other, QSize size)
{
    const QRect area = availableArea();
    const QMargins m = frameMargins(other);
    const QRect next = other->geometry().marginsAdded(m);
    const int outer = size.width() + m.left() + m.right();
    int x = next.right() + 1;
    if (x + outer - 1 > area.right())
        x = next.left() - outer >= area.left() ? next.left() - outer : area.right() + 1 - outer;
    return {x + m.left(), other->geometry().top()};
}

void paintBackground(QWidget* window)
{
    QPainter painter(window);
    if (qFuzzyCompare(window->devicePixelRatioF(), 1.0)) {
        static const QImage picture = backgroundPicture();
        painter.drawImage(0, 0, picture);
        return;
    }
    // Decoded only on a scaled screen: at 1 it would cost start-up 3.4 MB
    // and the time to decode it.
    static const QPixmap sharp = [] {
        QPixmap p(QStringLiteral(":/pictures/background@2x.jpg"));
        p.setDevicePixelRatio(2);
        return p;
    }();
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(QPointF(0, 0), sharp);
}

} // namespace golexorb
