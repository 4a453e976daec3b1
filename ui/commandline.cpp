#include "commandline.h"

#include "challenge.h"
#include "languages.h"
#include "room.h"
#include "translations.h"

#include <QCoreApplication>
#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QFileInfo>

#include <vector>

namespace golexorb {

namespace {

// The options QGuiApplication and QApplication take themselves, which a
// desktop may pass (a session manager restarts programs with -session).
// Hidden from the help: they are Qt's, not the game's.
const char* const kQtValueOptions[] = {"platform", "platformpluginpath", "platformtheme", "plugin",
                                       "qwindowgeometry", "qwindowicon", "qwindowtitle", "qmljsdebugger",
                                       "display", "geometry", "title", "icon", "session",
                                       "style", "stylesheet"};
const char* const kQtFlagOptions[] = {"reverse", "nograb", "dograb", "sync", "widgetcount"};

// The board languages' codes, "en, ca, da, …".
QString languageCodes()
{
    QStringList codes;
    for (const wordlist::Language& l : wordlist::languages())
        codes.append(QString::fromUtf8(l.code.data(), qsizetype(l.code.size())));
    return codes.join(QStringLiteral(", "));
}

} // namespace

CommandLine parseCommandLine(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate("CommandLine", "Go LEXORB: spell words on a board of letters against the clock."));
    // Qt's own options are single-dash words (-platform offscreen).
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QCoreApplication::translate("CommandLine", "Show this help and exit."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QCoreApplication::translate("CommandLine", "Show the version and exit."));
    parser.addOption(help);
    parser.addOption(version);
    const QCommandLineOption join(QStringLiteral("join"),
                                  QCoreApplication::translate("CommandLine", "Join a room: [mqtt[s]://][USER@]HOST[:PORT]/ROOM, with --name."),
                                  QCoreApplication::translate("CommandLine", "address"));
    const QCommandLineOption name(QStringLiteral("name"), QCoreApplication::translate("CommandLine", "Your name in the room (1 to 20 characters)."),
                                  QCoreApplication::translate("CommandLine", "name"));
    const QCommandLineOption joinWindow(QStringLiteral("join-window"), QCoreApplication::translate("CommandLine", "Open the Play Together window."));
    const QCommandLineOption challenge(QStringLiteral("challenge"),
                                       QCoreApplication::translate("CommandLine", "Play the board of a challenge code a friend gave you."),
                                       QCoreApplication::translate("CommandLine", "code"));
    const QCommandLineOption language(QStringLiteral("language"),
                                      QCoreApplication::translate("CommandLine", "Play boards and words in this language for this run: %1.")
                                          .arg(languageCodes()),
                                      QCoreApplication::translate("CommandLine", "code"));
    const QCommandLineOption uiLanguage(
        QStringLiteral("ui-language"),
        QCoreApplication::translate("CommandLine", "The language of the windows (%1); otherwise the system's.")
            .arg(QStringList(QStringList{QStringLiteral("en")} + shippedLanguages()).join(QLatin1Char(' '))),
        QCoreApplication::translate("CommandLine", "code"));
    parser.addOptions({join, name, joinWindow, challenge, language, uiLanguage});
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
        result.text = QCoreApplication::translate("CommandLine", "%1: %2\nTry '%1 --help' for more information.\n").arg(program, why);
        return result;
    };
    if (!parser.parse(arguments))
        return fail(parser.errorText());
    if (!parser.positionalArguments().isEmpty())
        return fail(QCoreApplication::translate("CommandLine", "unexpected argument '%1'.").arg(parser.positionalArguments().constFirst()));
    if (parser.isSet(help)) {
        result.action = CommandLine::Action::help;
        result.text = parser.helpText();
    } else if (parser.isSet(version)) {
        result.action = CommandLine::Action::version;
        result.text = QStringLiteral("golexorb " GOLEXORB_VERSION "\n");
    }
    result.platform = parser.value(QStringLiteral("platform"));
    result.display = parser.value(QStringLiteral("display"));

    if (parser.isSet(join) != parser.isSet(name))
        return fail(QCoreApplication::translate("CommandLine", "--join and --name go together."));
    if (parser.isSet(join)) {
        std::string why;
        if (!game::room::parseAddress(parser.value(join).toStdString(), &why))
            return fail(QCoreApplication::translate("CommandLine", "--join %1: %2.").arg(parser.value(join), QString::fromStdString(why)));
        if (!game::room::validName(parser.value(name).toStdString()))
            return fail(QCoreApplication::translate("CommandLine", "--name: a name is 1 to 20 characters, no / + or #, no space at either end."));
        result.join = parser.value(join);
        result.name = parser.value(name);
    }
    if (parser.isSet(challenge)) {
        std::string why;
        if (!game::readChallenge(parser.value(challenge).toStdString(), &why))
            return fail(QCoreApplication::translate("CommandLine", "--challenge: %1").arg(QString::fromStdString(why)));
        result.challenge = parser.value(challenge);
    }
    if (parser.isSet(language)) {
        const QString code = parser.value(language);
        if (!wordlist::findLanguage(code.toStdString()))
            return fail(QCoreApplication::translate("CommandLine", "--language %1: not a board language; the codes are %2.").arg(code, languageCodes()));
        result.language = code;
    }
    result.joinWindow = parser.isSet(joinWindow);
    if (parser.isSet(uiLanguage)) {
        const QString code = parser.value(uiLanguage);
        if (code != QLatin1String("en") && chooseLanguage(code, {}).isEmpty())
            return fail(QCoreApplication::translate("CommandLine", "--ui-language: no windows in '%1'; there are: %2.")
                            .arg(code, QStringList(QStringList{QStringLiteral("en")} + shippedLanguages()).join(QLatin1Char(' '))));
        result.uiLanguage = code;
    }
    return result;
}

std::vector<char*> qtArguments(int argc, char** argv)
{
    // Qt reads -name (and --name) as the window system's name of the
    // program: the player's name must not reach it, nor the other options of
    // the game's own.
    static const QStringList withValue{QStringLiteral("join"), QStringLiteral("name"), QStringLiteral("challenge"),
                                       QStringLiteral("language"), QStringLiteral("ui-language")};
    std::vector<char*> out;
    for (int i = 0; i < argc; ++i) {
        const QString arg = QString::fromLocal8Bit(argv[i]);
        if (i > 0 && arg.startsWith(QLatin1Char('-'))) {
            QString option = arg.mid(arg.startsWith(QLatin1String("--")) ? 2 : 1);
            const bool joined = option.contains(QLatin1Char('='));
            option = option.section(QLatin1Char('='), 0, 0);
            if (withValue.contains(option)) {
                if (!joined)
                    ++i;
                continue;
            }
            if (option == QLatin1String("join-window"))
                continue;
        }
        out.push_back(argv[i]);
    }
    out.push_back(nullptr);
    return out;
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
    // At most two: DISPLAY and WAYLAND_DISPLAY.
    if (unset.size() > 1)
        return QCoreApplication::translate(
                   "CommandLine", "no display to open the window on (%1 and %2 are not set); without a screen, run it under xvfb-run")
            .arg(unset.value(0), unset.value(1));
    return QCoreApplication::translate("CommandLine",
                                       "no display to open the window on (%1 is not set); without a screen, run it under xvfb-run")
        .arg(unset.value(0));
}

} // namespace golexorb
