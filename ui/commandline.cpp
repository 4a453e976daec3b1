#include "commandline.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QFileInfo>

namespace golexorb {

namespace {

// The options QGuiApplication and QApplication take themselves, which a
// desktop may pass (a session manager restarts programs with -session).
// Hidden from the help: they are Qt's, not the game's.
const char* const kQtValueOptions[] = {"platform", "platformpluginpath", "platformtheme", "plugin",
                                       "qwindowgeometry", "qwindowicon", "qwindowtitle", "qmljsdebugger",
                                       "display", "geometry", "title", "icon", "name", "session",
                                       "style", "stylesheet"};
const char* const kQtFlagOptions[] = {"reverse", "nograb", "dograb", "sync", "widgetcount"};

} // namespace

CommandLine parseCommandLine(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Go LEXORB: spell words on a board of letters against the clock."));
    // Qt's own options are single-dash words (-platform offscreen).
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Show this help and exit."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Show the version and exit."));
    parser.addOption(help);
    parser.addOption(version);
    for (const char* name : kQtValueOptions) {
        QCommandLineOption o(QString::fromLatin1(name), QString(), QStringLiteral("value"));
        o.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(o);
    }
    for (const char* name : kQtFlagOptions) {
        QCommandLineOption o(QString::fromLatin1(name));
        o.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(o);
    }

    const QString program = arguments.isEmpty() ? QStringLiteral("golexorb")
                                                : QFileInfo(arguments.constFirst()).fileName();
    CommandLine result;
    const auto fail = [&](const QString& why) {
        result.action = CommandLine::Action::error;
        result.text = QStringLiteral("%1: %2\nTry '%1 --help' for more information.\n").arg(program, why);
        return result;
    };
    if (!parser.parse(arguments))
        return fail(parser.errorText());
    if (!parser.positionalArguments().isEmpty())
        return fail(QStringLiteral("unexpected argument '%1'.").arg(parser.positionalArguments().constFirst()));
    if (parser.isSet(help)) {
        result.action = CommandLine::Action::help;
        result.text = parser.helpText();
    } else if (parser.isSet(version)) {
        result.action = CommandLine::Action::version;
        result.text = QStringLiteral("golexorb " GOLEXORB_VERSION "\n");
    }
    result.platform = parser.value(QStringLiteral("platform"));
    result.display = parser.value(QStringLiteral("display"));
    return result;
}

QString missingDisplay(const CommandLine& command, const QProcessEnvironment& environment)
{
    QString names = command.platform.isEmpty() ? environment.value(QStringLiteral("QT_QPA_PLATFORM")) : command.platform;
    if (names.isEmpty())
        names = QStringLiteral("xcb;wayland");
    // Qt tries each name of a list separated by semicolons; a name may
    // carry options after a colon (xcb:foo). Only X11 and Wayland need a
    // server named in the environment: offscreen, vnc, eglfs and the rest
    // are left to Qt.
    QStringList unset;
    for (const QString& entry : names.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const QString name = entry.section(QLatin1Char(':'), 0, 0).trimmed();
        const QString variable = name == QLatin1String("xcb")            ? QStringLiteral("DISPLAY")
                                 : name.startsWith(QLatin1String("wayland")) ? QStringLiteral("WAYLAND_DISPLAY")
                                                                             : QString();
        if (variable.isEmpty() || !environment.value(variable).isEmpty())
            return {};
        // X11 takes its server from -display before DISPLAY.
        if (name == QLatin1String("xcb") && !command.display.isEmpty())
            return {};
        // Without WAYLAND_DISPLAY a Wayland client tries the first socket.
        if (variable == QLatin1String("WAYLAND_DISPLAY") && environment.contains(QStringLiteral("XDG_RUNTIME_DIR"))
            && QFileInfo::exists(environment.value(QStringLiteral("XDG_RUNTIME_DIR")) + QStringLiteral("/wayland-0")))
            return {};
        if (!unset.contains(variable))
            unset.append(variable);
    }
    if (unset.isEmpty())
        return {};
    return QStringLiteral("no display to open the window on (%1 not set); without a screen, run it under xvfb-run")
        .arg(unset.join(QLatin1String(" and ")) + (unset.size() > 1 ? QLatin1String(" are") : QLatin1String(" is")));
}

} // namespace golexorb
