#pragma once
// The main window. Each slot forwards to the handler of the same name in the
// round's logic, then brings the widgets in line with the logic's state.

#include "mainlogic.h"
#include "clockrandom.h"
#include "recordstore.h"
#include "resourcedata.h"
#include "resultsfrm.h"
#include "roomwindow.h"

#include <QByteArray>
#include <QPointer>
#include <QWidget>

#include <array>
#include <functional>
#include <map>
#include <memory>
#include <optional>

class Announcer;
class ClickLabel;
class HelpFrm;
class LoadingFrm;

namespace golexorb {
class LanguageLoader;
class RoomPlay;
struct CommandLine;
}

namespace wordlist {
class Lexicon;
struct Language;
}

class QKeyEvent;
class QTimer;

namespace Ui {
class mainfrm;
}

class MainFrm : public QWidget, private game::Platform, private golexorb::RoomWindow {
    Q_OBJECT
public:
    explicit MainFrm(QWidget* parent = nullptr);
    ~MainFrm() override;

    // Start-up: shows the loading window, prepares the word list, leaves the
    // window idle. Throws game::StartupError with a message for the player.
    void Form_Load();

    // The round's logic, for reading: it changes only through the slots.
    const game::MainLogic& logic() const { return logic_; }
    ClickLabel* letter(int n) const { return l_[static_cast<std::size_t>(n)]; }
    QTimer* sectimer() const { return sectimer_; }
    LoadingFrm* loadingfrm() const { return loadingfrm_; }
    ResultsFrm* resultsfrm() const { return resultsfrm_; }
    Announcer* announcer() const { return announcer_; }
    HelpFrm* helpfrm() const; // null until Ctrl+H first opens it

    // False once closing has left the temporary copy of the word list behind.
    bool closedCleanly() const { return closedCleanly_; }

    // Replaces the clock-seeded source, so tests can script the board.
    void setRandomSource(std::function<double()> source) { scriptedRandom_ = std::move(source); }

    // ---- Rooms and challenges (ui/mainfrm_room.cpp) ----
    // The room part of the window, made at the first use.
    golexorb::RoomPlay* room();
    // Opens Play Together (Ctrl+J).
    void openPlayTogether();
    // Asks for a challenge code (Ctrl+O) and starts its round.
    void openChallenge();
    // Starts the round a challenge code holds; false, with the reason for
    // the player, when the code is bad or a round is under way.
    bool startChallenge(const QString& code, QString* why);
    // A round on letters from elsewhere, in `language` (null: English);
    // false while a round runs.
    bool startRoundOn(const game::Board& letters, int minutes, int secondsLeft,
                      std::shared_ptr<const wordlist::Lexicon> language = nullptr);
    // Letters drawn as Start draws them, shown nowhere.
    game::Board drawLetters();
    // What the command line asked for once the window shows: a board
    // language (or the one the settings keep), then join a room, open Play
    // Together, play a challenge.
    void startRequested(const golexorb::CommandLine& command);

    // ---- Board languages (ui/mainfrm_language.cpp) ----
    // Opens the Language window (Ctrl+L), between rounds.
    void openLanguages();
    // Plays boards in `language` from the next round on: at once for
    // English or a language loaded already, otherwise once its words are
    // loaded, the loading window showing meanwhile and this window taking
    // no input. `remember` keeps the choice in the player's settings for
    // later starts. `then` runs once the choice is made or has failed.
    void chooseLanguage(const wordlist::Language& language, bool remember, std::function<void()> then = {});
    // Has the language's words ready, loading them as chooseLanguage does
    // when they are not, then calls `then` with them: null for English, and
    // null, the player told why, when they cannot be had.
    void withLexicon(const wordlist::Language& language,
                     std::function<void(std::shared_ptr<const wordlist::Lexicon>)> then);
    // The language boards are drawn in: English until another is loaded.
    const wordlist::Language& language() const;
    // The board language the player's settings keep; English when none.
    static const wordlist::Language& rememberedLanguage();
    golexorb::LanguageLoader* languages() const { return languages_; }
    // ---- Help (ui/mainfrm_help.cpp) ----
    // Ctrl+H: opens the Help window beside this one, leaving the focus in
    // the game; when it is open already, goes to it.
    void openHelp();
    // "Show a start" (F10): a hint on the board, said to a screen reader
    // with its letters' rows and columns, or why there is none.
    void showStart();
    // F9: the counts of the Help window, said to a screen reader.
    void sayCounts();
    // Whether the round under way allows hints: every round starts allowing
    // them, and a room's round that does not says so once started.
    void setHelpAllowed(bool allowed) override;
    bool helpInRoomRounds() const override;

public slots:
    void Combo1_Click(int index);
    void startbtn_Click();
    void endbtn_Click();
    void sectimer_Timer();
    void oneplayerbtn_Click();
    void multiplaybtn_Click();
    void l_MouseDown(int index, int button, int shift, float x, float y);
    void Cancelbtn_Click();
    void Addbtn_Click();
    void scoretxt_Click();
    void searchtxt_Change(const QString& text);
    void searchtxt_GotFocus();
    void searchtxt_LostFocus();
    // F1: the rules and the keys, in a window of their own; a round waits meanwhile.
    void howToPlay();

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    // game::Platform
    void randomize() override;
    double rnd() override;
    void msgBox(std::string_view text) override;
    void doEvents() override;
    std::string_view loadResData(std::string_view type, std::string_view name) override;
    void releaseResData(std::string_view bytes) override;
    void beep() override;

    // golexorb::RoomWindow (ui/mainfrm_room.cpp)
    bool startRoomRound(const game::Board& letters, int minutes, int secondsLeft,
                        const wordlist::Language& language) override;
    game::Board drawRoomLetters() override;
    const wordlist::Language& boardLanguage() const override;
    bool languageInstalled(const wordlist::Language& language) const override;
    bool languageLoaded(const wordlist::Language& language) const override;
    void loadLanguage(const wordlist::Language& language) override;
    std::vector<std::string> acceptedWords() const override;
    int pickedMinutes() const override;
    bool roundRunning() const override;
    std::optional<std::set<std::string>> wordsOnBoard(const game::Board& board,
                                                      const wordlist::Language& language) const override;
    bool multiplayerHeight() const override;
    void setMultiplayerHeight(bool on) override;
    void say(const std::string& text) override;
    // The board's letters row by row, as a screen reader hears them (F8).
    QString boardRows() const;
    void sayBoard();

    bool gameKey(QKeyEvent* event);
    bool belowEdge(const QWidget* w) const;
    bool inGameTimeBox(const QWidget* w) const;
    void passFocusOn(bool next);

    void sync();
    void syncWordList();
    // After a handler that may end the round: enters it into the records.
    void recordIfEnded(bool wasRunning);
    void placeCentred();
    void centreByFrame(int triesLeft);
    int clientHeight() const; // pixels, from the logic's outer height

    std::unique_ptr<Ui::mainfrm> ui;
    game::MainLogic logic_;
    game::ClockRandom random_;
    std::function<double()> scriptedRandom_;
    std::array<ClickLabel*, game::kCells> l_{};
    QTimer* sectimer_ = nullptr;
    QTimer* recordsRetry_ = nullptr;
    LoadingFrm* loadingfrm_ = nullptr;
    QPointer<ResultsFrm> resultsfrm_;
    QPointer<HelpFrm> helpfrm_;
    Announcer* announcer_ = nullptr;
    golexorb::RecordStore records_;
    bool unloading_ = false;
    bool closedCleanly_ = true;
    bool movingFocus_ = false;
    bool centredByFrame_ = false;
    golexorb::ResourceData resources_;

    void setUpRoomKeys();
    void setUpLanguageKeys();
    void languageLoaded(const QString& code, const QString& problem);
    golexorb::LanguageLoader* languages_ = nullptr;
    std::string accentsFor_ = "en"; // the language the letters have room for
    struct PendingLoad {
        const wordlist::Language* language = nullptr;
        std::function<void(std::shared_ptr<const wordlist::Lexicon>)> then;
    };
    std::optional<PendingLoad> pendingLoad_;
    QPointer<QWidget> focusBeforeLoading_; // given the focus back once the words are in
    void setUpHelpKeys();
    // Last, so that it goes before the widgets and the logic it uses.
    std::unique_ptr<golexorb::RoomPlay> room_;
    // Play Together left open beside the window while in a room.
    QPointer<QWidget> glance_;
    // The Game Time picked, shown again once a room's round (whose length
    // the box shows meanwhile) is over.
    std::optional<int> pickedIndex_;
};
