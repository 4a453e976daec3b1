// mkart: draws the game's committed pictures. The output depends on nothing
// but this code, so running it again must reproduce the files exactly.

#include "background.h"
#include "icofile.h"
#include "icon.h"
#include "preview.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImageWriter>

#include <cstdio>

namespace {

bool writeImage(const QImage &img, const QString &path, const char *format, int quality = -1)
{
    QImageWriter w(path, format);
    if (quality >= 0)
        w.setQuality(quality);
    if (!w.write(img)) {
        std::fprintf(stderr, "mkart: %s: %s\n", qPrintable(path), qPrintable(w.errorString()));
        return false;
    }
    return true;
}

bool writeFile(const QByteArray &data, const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(data) != data.size()) {
        std::fprintf(stderr, "mkart: %s: %s\n", qPrintable(path), qPrintable(f.errorString()));
        return false;
    }
    return true;
}

bool writeResources(const QString &dirPath)
{
    const QDir dir(dirPath);
    if (!dir.mkpath(".")) {
        std::fprintf(stderr, "mkart: cannot make %s\n", qPrintable(dirPath));
        return false;
    }
    bool ok = writeImage(mkart::paintBackground(), dir.filePath("background.jpg"), "jpg", 90);
    ok = writeImage(mkart::paintBackground(2), dir.filePath("background@2x.jpg"), "jpg", 90) && ok;

    const QImage icon16 = mkart::paintIcon(16);
    const QImage icon32 = mkart::paintIcon(32);
    const QImage icon48 = mkart::paintIcon(48);
    ok = writeFile(mkart::icoFile({{icon48, 24}, {icon32, 8}, {icon48, 8}, {icon16, 8}}),
                   dir.filePath("golexorb.ico")) && ok;

    for (int size : {16, 32, 48, 64, 128, 256, 512}) {
        const QString sub = QString("icons/hicolor/%1x%1/apps").arg(size);
        if (!dir.mkpath(sub)) {
            std::fprintf(stderr, "mkart: cannot make %s\n", qPrintable(dir.filePath(sub)));
            return false;
        }
        const QImage img = mkart::paintIcon(size).convertToFormat(QImage::Format_ARGB32);
        ok = writeImage(img, dir.filePath(sub + "/golexorb.png"), "png") && ok;
    }
    if (!dir.mkpath("icons/hicolor/scalable/apps")) {
        std::fprintf(stderr, "mkart: cannot make %s\n", qPrintable(dir.filePath("icons/hicolor/scalable/apps")));
        return false;
    }
    return writeFile(mkart::iconSvg(), dir.filePath("icons/hicolor/scalable/apps/golexorb.svg")) && ok;
}

int usage()
{
    std::fprintf(stderr,
                 "usage: mkart <resources-dir>\n"
                 "       mkart --preview <out.png>   background under the windows' texts\n"
                 "       mkart --icons <out.png>     the icon sizes, magnified\n");
    return 2;
}

} // namespace

int main(int argc, char **argv)
{
    // Only pictures are drawn: no display is needed.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    const QStringList args = app.arguments().mid(1);
    if (args.size() == 2 && args[0] == "--preview")
        return writeImage(mkart::previewWindows(mkart::paintBackground()), args[1], "png") ? 0 : 1;
    if (args.size() == 2 && args[0] == "--icons")
        return writeImage(mkart::previewIcons(), args[1], "png") ? 0 : 1;
    if (args.size() == 1 && !args[0].startsWith("-")) {
        // Another Qt's antialiasing can shade edge pixels differently, so the
        // files would not come out byte for byte as committed.
        static const char drawnWith[] = "6.4.2";
        if (qstrcmp(qVersion(), drawnWith) != 0)
            std::fprintf(stderr, "mkart: warning: this is Qt %s; the committed pictures were drawn with Qt %s, "
                                 "and a few edge pixels may come out different\n", qVersion(), drawnWith);
        return writeResources(args[0]) ? 0 : 1;
    }
    return usage();
}
