// The floors for the start-up benchmark: a bare Qt window with the main
// window's size, flags and title, and nothing else; built as `labelwindow`,
// the same window with one text label, which is what any window that draws
// text pays for (fontconfig, a font, and at the label the accessibility
// bridge with its session bus).

#include <QApplication>
#include <QWidget>
#ifdef GOLEXORB_WITH_LABEL
#include <QLabel>
#endif

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Go LEXORB"));
    window.setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                          | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint
                          | Qt::MSWindowsFixedSizeDialogHint);
    window.setFixedSize(350, 345);
#ifdef GOLEXORB_WITH_LABEL
    auto* label = new QLabel(QStringLiteral("Start Game"), &window);
    label->move(16, 120);
#endif
    window.show();
    return QApplication::exec();
}
