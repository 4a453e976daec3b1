// Go LEXORB: spell words on a 4x4 board of letters against the clock.

#include "application.h"
#include "mainfrm.h"
#include "shutdownsignals.h"

#include <QApplication>
#include <QMessageBox>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    golexorb::setupApplication();

    MainFrm mainfrm;
    golexorb::closeOnShutdownSignals(&mainfrm);
    try {
        mainfrm.Form_Load();
    } catch (const game::StartupError& e) {
        QMessageBox::critical(nullptr, QStringLiteral("Go LEXORB"), QString::fromLocal8Bit(e.what()));
        return 1;
    }
    mainfrm.show();
    const int status = QApplication::exec();
    return mainfrm.closedCleanly() ? status : 1;
}
