// Go LEXORB: spell words on a 4x4 board of letters against the clock.

#include "application.h"
#include "commandline.h"
#include "earlystart.h"
#include "mainfrm.h"
#include "shutdownsignals.h"
#include "translations.h"

#include <QApplication>
#include <QMessageBox>

#include <cstdio>
#include <cstdlib>

namespace {

// While the window system opens, Qt's complaints about it are held back:
// if it cannot open at all, Qt would end the program with an abort and a
// page of advice; the player gets one line and status 1 instead.
QtMessageHandler g_qtHandler = nullptr;
struct Held {
    QtMsgType type;
    QByteArray category;
    QString text;
};
QList<Held> g_held;
QString g_firstComplaint;
golexorb::EarlyStart* g_early = nullptr;

void openingWindowSystem(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (type == QtFatalMsg) {
        const QString why = g_firstComplaint.isEmpty() ? QStringLiteral("no window system could be opened")
                                                       : g_firstComplaint;
        std::fprintf(stderr, "golexorb: cannot open the window: %s\n", qPrintable(why));
        std::fflush(stderr);
        if (g_early)
            g_early->join();
        std::_Exit(1);
    }
    if (context.category && qstrncmp(context.category, "qt.qpa.", 7) == 0) {
        if (g_firstComplaint.isEmpty() && type >= QtWarningMsg)
            g_firstComplaint = text;
        g_held.append({type, context.category, text});
        return;
    }
    g_qtHandler(type, context, text);
}

// All of the game but the signals: main's own scope ends before the
// process ends by a signal, so everything here is cleaned up first.
int play(int argc, char* argv[])
{
    // A desktop starts the game without arguments, and then nothing is
    // parsed: the parser's application object (the help names the program
    // from it) would cost start-up a millisecond.
    golexorb::CommandLine command;
    const QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    const QString language = golexorb::chooseLanguage(golexorb::languageArgument(argc, argv), environment);
    if (argc > 1) {
        QCoreApplication core(argc, argv);
        golexorb::useLanguage(language); // the help and the mistakes in the player's language
        command = golexorb::parseCommandLine(QCoreApplication::arguments());
    }
    switch (command.action) {
    case golexorb::CommandLine::Action::help:
    case golexorb::CommandLine::Action::version:
        std::fputs(qPrintable(command.text), stdout);
        return 0;
    case golexorb::CommandLine::Action::error:
        std::fputs(qPrintable(command.text), stderr);
        return 2;
    case golexorb::CommandLine::Action::play:
        break;
    }
    const QString noDisplay = golexorb::missingDisplay(command, environment);
    if (!noDisplay.isEmpty()) {
        std::fprintf(stderr, "golexorb: %s\n", qPrintable(noDisplay));
        return 1;
    }
    if (golexorb::shutdownRequested())
        return 1;

    // Before the application, so that finding the session bus overlaps all
    // that follows; its threads are joined on the way out.
    golexorb::EarlyStart early(command.platform);
    g_early = &early;
    g_qtHandler = qInstallMessageHandler(openingWindowSystem);
    std::vector<char*> qtArgs = golexorb::qtArguments(argc, argv);
    int qtArgc = int(qtArgs.size()) - 1;
    QApplication app(qtArgc, qtArgs.data());
    qInstallMessageHandler(g_qtHandler);
    for (const Held& m : std::as_const(g_held))
        g_qtHandler(m.type, QMessageLogContext(nullptr, 0, nullptr, m.category.constData()), m.text);
    g_held.clear();
    golexorb::useLanguage(language);
    golexorb::setupApplication();
    early.applicationMade();

    MainFrm mainfrm;
    golexorb::closeOnShutdownSignals(&mainfrm);
    // A signal that came while the display opened ends the game before the
    // word list is written.
    if (golexorb::shutdownRequested())
        return 1;
    try {
        mainfrm.Form_Load();
    } catch (const game::StartupError& e) {
        QMessageBox box(QMessageBox::Critical, QStringLiteral("Go LEXORB"), QString::fromLocal8Bit(e.what()),
                        QMessageBox::Ok);
        golexorb::closeOnShutdownSignals(&box); // a signal closes it, as the player's close does
        box.exec();
        return 1;
    }
    mainfrm.show();
    mainfrm.startRequested(command);
    const int status = QApplication::exec();
    return mainfrm.closedCleanly() ? status : 1;
}

} // namespace

int main(int argc, char* argv[])
{
    // Before all else: a signal that comes while start-up is under way, or
    // while its error box is up, is handled, never lost.
    golexorb::catchShutdownSignals();
    const int status = play(argc, argv);
    golexorb::endByShutdownSignal();
    return status;
}
