// The main window's part in rooms and challenges: the keys that open them,
// and the rounds they start. Kept apart from the designed window's handlers.

#include "mainfrm.h"
#include "ui_mainfrm.h"

#include "announcer.h"
#include "application.h"
#include "challenge.h"
#include "commandline.h"
#include "languageload.h"
#include "languages.h"
#include "playtogetherfrm.h"
#include "report.h"
#include "roomplay.h"
#include "solver.h"

#include <QApplication>
#include <QCoreApplication>
#include <QInputDialog>
#include <QLineEdit>
#include <QShortcut>
#include <QTimer>

void MainFrm::setUpRoomKeys()
{
    connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_J), this), &QShortcut::activated, this,
            &MainFrm::openPlayTogether);
    connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_O), this), &QShortcut::activated, this,
            &MainFrm::openChallenge);
}

golexorb::RoomPlay* MainFrm::room()
{
    if (!room_) {
        room_ = std::make_unique<golexorb::RoomPlay>(static_cast<golexorb::RoomWindow*>(this),
                                                     golexorb::RoomPlay::ChatWidgets{ui->chatlst, ui->sendtxt, ui->Label1});
        connect(room_.get(), &golexorb::RoomPlay::nameTaken, this, &MainFrm::openPlayTogether);
    }
    return room_.get();
}

void MainFrm::openPlayTogether()
{
    if (glance_ && room()->inRoom()) {
        glance_->raise();
        glance_->activateWindow();
        return;
    }
    if (glance_)
        glance_->close(); // out of the room (a name taken): the window that asks opens instead
    if (findChild<PlayTogetherFrm*>())
        return; // open already
    if (!room()->inRoom()) {
        PlayTogetherFrm window(room(), this);
        if (window.exec() != QDialog::Accepted || !room()->inRoom())
            return;
    }
    // In a room it stays open beside the window: who is here, the address,
    // Leave and Play again, while the game goes on.
    auto* glance = new PlayTogetherFrm(room(), this);
    glance->setAttribute(Qt::WA_DeleteOnClose);
    glance->setModal(false);
    glance->placeBeside(this);
    glance_ = glance;
    glance->show();
}

void MainFrm::openChallenge()
{
    if (logic_.running())
        return; // as Start Game: only between rounds
    // After a mistake the window opens again with what was typed, to be mended.
    QString typed;
    for (;;) {
        QInputDialog dialog(this);
        golexorb::setUpDialog(&dialog);
        dialog.setWindowTitle(QCoreApplication::translate("PlayTogether", "Play a Challenge"));
        dialog.setLabelText(QCoreApplication::translate("PlayTogether", "The challenge code a friend gave you:"));
        dialog.setTextValue(typed);
        if (auto* edit = dialog.findChild<QLineEdit*>())
            edit->setPlaceholderText(QStringLiteral("ABCD-EFGH-JKMN-PQRS-T"));
        if (dialog.exec() != QDialog::Accepted)
            return;
        typed = dialog.textValue();
        QString why;
        if (startChallenge(typed, &why))
            return;
        golexorb::messageBox(this, why);
        if (logic_.running())
            return;
    }
}

bool MainFrm::startChallenge(const QString& code, QString* why)
{
    std::string reason;
    const auto challenge = game::readChallenge(code.toStdString(), &reason);
    if (!challenge) {
        *why = QString::fromStdString(reason);
        return false;
    }
    if (logic_.running()) {
        *why = QCoreApplication::translate("PlayTogether", "A round is under way: play the challenge when it is over.");
        return false;
    }
    // The board's language for this round, whatever boards are in otherwise.
    const wordlist::Language& language = *wordlist::findLanguage(challenge->language);
    if (!golexorb::LanguageLoader::installed(language)) {
        *why = QCoreApplication::translate("Languages", "That challenge is in %1, whose word list is not installed:\n%2")
                   .arg(QString::fromUtf8(language.name.data(), qsizetype(language.name.size())),
                        golexorb::LanguageLoader::installLine(language));
        return false;
    }
    withLexicon(language, [this, c = *challenge](std::shared_ptr<const wordlist::Lexicon> lexicon) {
        if (lexicon || c.language == "en")
            startRoundOn(c.letters, c.minutes, c.minutes * 60, std::move(lexicon));
    });
    return true;
}

bool MainFrm::startRoundOn(const game::Board& letters, int minutes, int secondsLeft,
                           std::shared_ptr<const wordlist::Lexicon> language)
{
    const bool started = logic_.startRoundOn(letters, minutes, secondsLeft, std::move(language));
    sync();
    return started;
}

game::Board MainFrm::drawLetters()
{
    return logic_.drawLetters();
}

void MainFrm::startRequested(const golexorb::CommandLine& command)
{
    // The board language first (this run's, or the one the settings keep);
    // the rest once it is loaded.
    const wordlist::Language* language = command.language.isEmpty()
        ? &rememberedLanguage()
        : wordlist::findLanguage(command.language.toStdString());
    if (language && !language->english()) {
        chooseLanguage(*language, false, [this, command] {
            golexorb::CommandLine rest = command;
            rest.language = QStringLiteral("en");
            startRequested(rest);
        });
        return;
    }
    if (!command.join.isEmpty()) {
        QString why;
        const auto address = game::room::parseAddress(command.join.toStdString());
        if (address && !room()->join({*address, command.name, {}}, &why))
            golexorb::messageBox(this, why);
    }
    if (!command.challenge.isEmpty()) {
        QString why;
        if (!startChallenge(command.challenge, &why))
            golexorb::messageBox(this, why);
    }
    if (command.joinWindow)
        QTimer::singleShot(0, this, &MainFrm::openPlayTogether);
}

// ---------------------------------------------------------------- what a room asks of the window

bool MainFrm::startRoomRound(const game::Board& letters, int minutes, int secondsLeft,
                             const wordlist::Language& language)
{
    auto lexicon = language.english() ? nullptr : languages_->loaded(language);
    if ((!language.english() && !lexicon) || !startRoundOn(letters, minutes, secondsLeft, std::move(lexicon)))
        return false;
    // The Game Time box shows the round's length while it runs.
    if (!pickedIndex_)
        pickedIndex_ = ui->Combo1->currentIndex();
    ui->Combo1->setCurrentIndex(minutes - 1);
    // The keyboard goes to the board: letters typed now spell words, and
    // reach the chat only once the player clicks or Tabs there.
    // From another window of the game (Play Together beside it) the main
    // window takes over; another program keeps the focus it has.
    if (QApplication::activeWindow() && QApplication::activeWindow() != this)
        activateWindow();
    if (QWidget* f = focusWidget(); !f || f == ui->sendtxt || f == ui->chatlst)
        setFocus(Qt::OtherFocusReason);
    announcer_->say(boardRows());
    return true;
}

void MainFrm::say(const std::string& text)
{
    announcer_->say(QString::fromStdString(text));
}

QString MainFrm::boardRows() const
{
    QStringList rows;
    for (int r = 0; r < 4; ++r) {
        QStringList cells;
        for (int c = 0; c < 4; ++c)
            cells << letter(r * 4 + c)->text();
        rows << QCoreApplication::translate("mainfrm", "Row %1: %2.").arg(r + 1).arg(cells.join(QLatin1Char(' ')));
    }
    return rows.join(QLatin1Char(' '));
}

void MainFrm::sayBoard()
{
    if (!logic_.running()) {
        announcer_->tell(QCoreApplication::translate("mainfrm", "No board: a round is not under way."));
        return;
    }
    announcer_->tell(boardRows());
}

game::Board MainFrm::drawRoomLetters()
{
    return drawLetters();
}

const wordlist::Language& MainFrm::boardLanguage() const
{
    return language();
}

bool MainFrm::languageInstalled(const wordlist::Language& language) const
{
    return language.english() || golexorb::LanguageLoader::installed(language);
}

bool MainFrm::languageLoaded(const wordlist::Language& language) const
{
    return language.english() || languages_->loaded(language);
}

void MainFrm::loadLanguage(const wordlist::Language& language)
{
    if (!languageLoaded(language) && !languages_->busy())
        withLexicon(language, [](auto) {});
}

std::vector<std::string> MainFrm::acceptedWords() const
{
    // A hint costs only its taker: the word it gave counts for nobody.
    auto words = game::acceptedList(logic_.acceptedwords());
    std::erase_if(words, [this](const std::string& w) { return logic_.hinted(w); });
    return words;
}

int MainFrm::pickedMinutes() const
{
    return logic_.fulltime() / 60;
}

bool MainFrm::roundRunning() const
{
    return logic_.running();
}

std::optional<std::set<std::string>> MainFrm::wordsOnBoard(const game::Board& board,
                                                           const wordlist::Language& language) const
{
    const auto lexicon = language.english() ? nullptr : languages_->loaded(language);
    if (!language.english() && !lexicon)
        return std::nullopt;
    std::set<std::string> words;
    for (const auto& w : game::solveBoard(board, lexicon ? lexicon->index() : logic_.dictionary().index()))
        words.insert(w.word);
    return words;
}

bool MainFrm::multiplayerHeight() const
{
    return logic_.outerHeightTwips() == game::MainLogic::kMultiplayerHeight;
}

void MainFrm::setMultiplayerHeight(bool on)
{
    if (!on) {
        oneplayerbtn_Click();
        return;
    }
    multiplaybtn_Click();
    // Taller now: up as far as needed for the chat to show on the screen,
    // with the designed frame (29 px above the client area, 3 below).
    const QRect area = golexorb::screenArea();
    const int lowest = area.bottom() + 1 - 3 - height();
    if (y() > lowest)
        move(x(), std::max(area.top() + 29, lowest));
}
