// The main window's part in help during a round: the Help window, the hint
// and what a screen reader hears of them. Kept apart from the designed
// window's handlers.

#include "mainfrm.h"

#include "announcer.h"
#include "application.h"
#include "helpfrm.h"

#include <QSettings>
#include <QShortcut>

using golexorb::fromUtf8;

void MainFrm::setUpHelpKeys()
{
    connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_H), this), &QShortcut::activated, this, &MainFrm::openHelp);
}

HelpFrm* MainFrm::helpfrm() const
{
    return helpfrm_;
}

void MainFrm::openHelp()
{
    if (helpfrm_ && helpfrm_->isVisible()) {
        helpfrm_->raise();
        helpfrm_->activateWindow();
        return;
    }
    if (!helpfrm_) {
        helpfrm_ = new HelpFrm(this);
        connect(helpfrm_, &HelpFrm::showStartAsked, this, &MainFrm::showStart);
        connect(helpfrm_, &HelpFrm::countsAsked, this, &MainFrm::sayCounts);
        connect(helpfrm_, &HelpFrm::gameAsked, this, [this] {
            raise();
            activateWindow();
        });
    }
    helpfrm_->follow(logic_);
    // The round goes on from the keyboard: the focus stays in the game.
    helpfrm_->setAttribute(Qt::WA_ShowWithoutActivating);
    helpfrm_->show();
}

void MainFrm::showStart()
{
    const game::HintRefusal why = logic_.showStart();
    sync();
    announcer_->tell(golexorb::fromUtf8(why == game::HintRefusal::none ? logic_.hintnote() : game::refusalText(why)));
}

void MainFrm::sayCounts()
{
    announcer_->tell(fromUtf8(logic_.helpHasBoard() ? game::countsText(logic_.wordCounts())
                                                      : game::translate("Help", game::kNoRoundYet)));
}

void MainFrm::setHelpAllowed(bool allowed)
{
    logic_.setHelpAllowed(allowed);
    sync();
}

bool MainFrm::helpInRoomRounds() const
{
    return golexorb::playerSettings().value(QStringLiteral("room/help"), false).toBool();
}
