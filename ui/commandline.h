#pragma once

#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

#include <vector>

namespace golexorb {

// What the command line asks for. Decided before the window system is
// opened, so that --help, --version and mistakes work without a display.
struct CommandLine {
    enum class Action { play, help, version, error };
    Action action = Action::play;
    QString text;     // the help or the version for standard output, or the error
    QString platform; // the value of Qt's own -platform option, if given
    QString display;  // the value of Qt's own -display option (the X server), if given
    // Rooms and challenges: what to do once the window shows.
    QString join;      // --join ADDRESS (checked), with --name
    QString name;
    bool joinWindow = false; // --join-window: open Play Together
    QString challenge;       // --challenge CODE (checked)
    QString language;        // --language CODE (a known board language), for this run
    QString uiLanguage;      // --ui-language CODE (a shipped language, or en)
};

// Parses the arguments (the program's name first). Qt's own options
// (-platform, -style, -session and the like) are accepted and left to Qt.
CommandLine parseCommandLine(const QStringList& arguments);

// The arguments for Qt: the program's name and Qt's own options, without
// the game's room and challenge options; null-terminated.
std::vector<char*> qtArguments(int argc, char** argv);

// Empty when the window system Qt will try can be reached as far as the
// command line and the environment tell; otherwise the one line that says
// why not.
QString missingDisplay(const CommandLine& command, const QProcessEnvironment& environment);

} // namespace golexorb
