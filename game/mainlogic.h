#pragma once
// The round's logic behind the main window, free of any toolkit: its state
// and the handlers of its events. The window layer forwards each event to
// the handler of the same name, then brings its widgets in line with what
// the accessors below report. It changes the state only through handlers
// and setters.

#include "translate.h"
#include "board.h"
#include "help.h"
#include "platform.h"
#include "records.h"
#include "report.h"
#include "solver.h"

#include "commonness.h"
#include "dictionary.h"
#include "lexicon.h"

#include <array>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace game {

// Start-up could not go on; what() is the message for the player.
class StartupError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A straight line drawn on the window's surface, in twips from the client
// area's top-left corner.
struct Segment {
    float x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    Rgb color;
    friend bool operator==(const Segment&, const Segment&) = default;
};

// Text printed on the window's surface at a position in twips.
struct PrintedText {
    float x = 0, y = 0;
    std::string text;
};

// What is drawn on the main window: the trail of the current word and any
// text printed there, redrawn as a whole on every repaint.
struct Surface {
    std::vector<Segment> lines;
    std::vector<PrintedText> texts;
};

struct Label {
    std::string caption;
    bool visible = true;
    bool enabled = true;
};

struct LetterLabel {
    std::string caption = "?";
    Rgb color = kPaleYellow;
};

struct TextBox {
    std::string text;
    std::string fontName = "Tahoma";
    bool bold = false;
    Rgb color;
    bool visible = true;
};

class MainLogic {
public:
    explicit MainLogic(Platform& platform);
    ~MainLogic();
    MainLogic(const MainLogic&) = delete;
    MainLogic& operator=(const MainLogic&) = delete;

    static constexpr int kOneplayerHeight = 5655;
    static constexpr int kMultiplayerHeight = 9480;
    // Outer height minus client height: the title bar and the frame.
    static constexpr int kFrameHeight = 480;

    // A press point, in twips from the cell label's top-left corner.
    struct Point {
        float x = 0, y = 0;
    };

    // ---- The current word: its one record ----
    // Its cells in the order chosen, with the point each was chosen at (a
    // typed letter takes the cell's centre). The first `fixedcells` were
    // pressed with the mouse; typing may re-route only the cells after them.
    const std::vector<int>& wordcells() const { return wordcells_; }
    const std::vector<Point>& wordpoints() const { return wordpoints_; }
    std::size_t fixedcells() const { return fixedcells_; }

    // ---- Round state ----
    bool running() const { return running_; }
    // What the design keeps beside the word is read from it: a cell is used
    // while it is in the word, the last cell and point are the word's last.
    const std::array<int, kCells> used() const;
    int lastcell() const { return wordcells_.empty() ? kNoCell : wordcells_.back(); }
    // The cell the next trail segment starts from; it keeps the last
    // accepted cell once the word is emptied.
    int prevcell() const { return wordcells_.empty() ? prevcell_ : wordcells_.back(); }
    float lastx() const { return wordpoints_.empty() ? 0.0f : wordpoints_.back().x; }
    float lasty() const { return wordpoints_.empty() ? 0.0f : wordpoints_.back().y; }
    const Board& letters() const { return letters_; }
    const std::string& acceptedwords() const { return acceptedwords_; } // each word followed by CR LF
    const std::string& rejectedwords() const { return rejectedwords_; } // each word followed by CR LF
    const std::string& longestword() const { return longestword_; }
    int score() const { return score_; }
    const std::string& awards() const { return awards_; }
    // The round length picked when the round started, in minutes (0: none);
    // the player may pick another once it is over.
    int roundMinutes() const { return roundMinutes_; }
    // How the last round compares with the player's records.
    const RecordNote& recordnote() const { return recordnote_; }
    // A round on hold: its clock stopped and its letters hidden.
    // A round on hold: under way with its clock stopped.
    bool paused() const { return running_ && !sectimerEnabled_; }

    // ---- Controls ----
    // Captions from the board ("?" while paused), colours from the word.
    const std::array<LetterLabel, kCells> l() const;
    const Label wordtxt() const;                     // the word's letters, or the design's caption before any
    const Label& seconds() const { return seconds_; }
    const Label& scoretxt() const { return scoretxt_; }
    const Label& startbtn() const { return startbtn_; }
    const Label& endbtn() const { return endbtn_; }
    const Label& predictiontxt() const { return predictiontxt_; }
    const std::string& combo1Text() const { return combo1Text_; } // "" until an entry is picked
    bool combo1Enabled() const { return combo1Enabled_; }
    bool sectimerEnabled() const { return sectimerEnabled_; }
    const std::vector<std::string>& wordlst() const { return wordlst_; }
    const TextBox& searchtxt() const { return searchtxt_; }
    int outerHeightTwips() const { return outerHeightTwips_; }
    bool loadingfrmVisible() const { return loadingfrmVisible_; }
    const Surface surface() const; // the trail of the word, and the printed text

    // ---- Word list ----
    const wordlist::Dictionary& dictionary() const { return diclist_; }
    // How common each entry of the list is. The embedded list's is read from
    // the resource beside it ("DIC", "SIZES") the first time a round's words
    // are counted, never at start-up; without it every word counts as common.
    const wordlist::Commonness& commonness() const;
    // A word of the list that is rare (English only: other languages have
    // no frequencies, and all their words are common).
    bool rare(std::string_view word) const;

    // ---- Board language ----
    // The language Start Game plays from the next round on: null for
    // English, the designed list, which stays loaded whatever is chosen.
    void setLexicon(std::shared_ptr<const wordlist::Lexicon> lexicon);
    const wordlist::Lexicon* lexicon() const { return lexicon_.get(); }
    // The language of the round under way, or of the last one: null for English.
    const wordlist::Lexicon* roundLexicon() const { return roundLexicon_.get(); }
    const wordlist::Language& roundLanguage() const;
    // How the round's language spells a word of its tiles ("été" for ETE);
    // in English the word in lower case.
    std::string spelling(std::string_view word) const;

    // ---- Routines ----
    void resetround();
    void clearselection();
    void fillboard();
    void stopround();
    void endround();
    int fulltime() const; // seconds of the picked round length, 0 when none

    // ---- Handlers ----
    // Throws StartupError when the word list cannot be made ready; the
    // loading window is then hidden.
    void Form_Load();
    // Removes the temporary copy of the word list; returns what could not
    // be removed, and why, or an empty string.
    std::string Form_Unload();
    void Combo1_Click();
    void startbtn_Click();
    void sectimer_Timer();
    void endbtn_Click();
    void oneplayerbtn_Click();
    void multiplaybtn_Click();
    void l_MouseDown(int index, int button, int shift, float x, float y);
    void Cancelbtn_Click();
    void Addbtn_Click();
    Report scoretxt_Click();
    // The round just ended as the records keep it, dated `date`.
    Round finishedRound(std::string date) const;
    void searchtxt_GotFocus();
    void searchtxt_LostFocus();
    void searchtxt_Change();

    // ---- Setters for what the window's controls hold ----
    // The entry picked in Combo1 ("" for none); Combo1_Click then acts on it.
    void setCombo1Text(std::string text);
    // The box's text as the player typed it; a change runs searchtxt_Change.
    void setSearchtxtText(std::string text);
    // What the records said of the round that just ended.
    void setRecordNote(RecordNote note);
    // A board language's words are being loaded: the loading window shows.
    void setLanguageLoading(bool loading);

    // ---- Keys ----
    // A typed letter extends the word as a press would, on a cell of that
    // letter touching the last one; when the word so far can be shown
    // another way that takes the letter, it is shown that way. A letter no
    // way can take beeps and changes nothing.
    void keyLetter(char c);
    // A typed character (UTF-8, one code point): in English a letter a to z
    // as keyLetter, any other beeps; in another language the tiles it folds
    // to (ä to Ä in German, é to E, ß to SS), added as typed letters are.
    void keyText(std::string_view typed);
    // Drops the last letter of the word.
    void keyBackspace();
    // Puts a running round on hold, or takes it off hold: the clock stops
    // and the board shows "?" until then. A press on the board also takes
    // it off hold, and presses nothing. The round's end ends the hold.
    void keyPause();

    // ---- Help: the board's words by length, and hints ----
    // A round has started on the board: before the first one there is
    // nothing to count. The counts then follow the round under way, and
    // after it stay those of the round that ended.
    bool helpHasBoard() const { return !letters_[0].empty(); }
    // The board's words as All Words lists them, those the player found and
    // those hinted marked.
    std::vector<ListedWord> boardWords() const;
    WordCounts wordCounts() const { return countWords(boardWords()); }
    // "Show a start": lights the first two cells of a common word the player
    // has not found (chooseHint) with a trail segment between their centres,
    // until the next press on the board or letter typed. That word scores
    // nothing once added, and the round sets no record. Refused, with the
    // reason, outside a running round, while paused, in a round that allows
    // no hints and when every common word is found.
    HintRefusal showStart();
    const std::optional<Hint>& hint() const { return hint_; }
    // What the last "Show a start" said: the hint while it is lit, or why
    // there was none until the next press, typed letter or pause; empty
    // otherwise and at a round's start and end.
    const std::string& hintnote() const { return hintnote_; }
    // The words hinted this round, as the board spells them.
    const std::vector<std::string>& hintedwords() const { return hintedwords_; }
    bool hinted(std::string_view word) const;
    // Whether the round under way allows hints. Every round starts allowing
    // them, as a round alone does; a room whose round does not allow them
    // says so right after starting it. The counts stay either way.
    bool helpAllowed() const { return helpAllowed_; }
    void setHelpAllowed(bool allowed);

    // ---- Rounds on a board from elsewhere (a room, a challenge) ----
    // Sixteen letters drawn as fillboard draws them, shown nowhere.
    Board drawLetters();
    // The same in a given language (null: English, the designed pool).
    Board drawLetters(const wordlist::Lexicon* language);
    // Starts a round as Start does, on these letters, lasting `minutes`,
    // with `secondsLeft` on the clock (less than the full time when it
    // started a moment ago elsewhere), in `language` (null: English,
    // whatever the player chose). Nothing while a round runs; returns
    // whether it started.
    bool startRoundOn(const Board& letters, int minutes, int secondsLeft,
                      std::shared_ptr<const wordlist::Lexicon> language = nullptr);

    // Loads a word list directly, without the temporary file (for tools and
    // tests). The embedded list's commonness does not fit it: every word
    // counts as common until setCommonness gives its own.
    void setWordList(const std::vector<std::string>& list);
    void setWordList(wordlist::WordList list);
    // Packed sizes of the list's entries (commonness.h); they must outlive the logic.
    void setCommonness(wordlist::Commonness commonness);

    // Where this run's copy of the word list lies, empty when there is none.
    std::string dicPath() const { return diclist_.copyPath(); }

private:
    void select(int n, float x, float y); // an accepted press on cell n
    void unselectLast();
    void print(std::string text);
    Board boardCaptions() const; // what the cells hold, paused or not
    void resume();
    void keyTiles(std::vector<std::string> typed);
    // The round's word lookup and its index: the language's, or English.
    std::optional<std::size_t> findWord(std::string_view word) const;
    const wordlist::WordIndex& roundIndex() const;
    void dropHint();
    const std::vector<FoundWord>& solvedBoard() const;

    Platform& platform_;

    bool running_ = false;
    std::vector<int> wordcells_;
    std::vector<Point> wordpoints_;
    std::size_t fixedcells_ = 0;
    int prevcell_ = 0;
    // wordtxt shows its design caption until the first time it is emptied.
    bool wordtxtDesigned_ = true;
    Board letters_;
    std::string acceptedwords_;
    std::string rejectedwords_;
    std::string longestword_;
    int score_ = 0;
    std::string awards_;
    int roundMinutes_ = 0;
    RecordNote recordnote_;

    Label seconds_{"0"};
    Label scoretxt_{translate("mainfrm", "Your Score:")};
    Label startbtn_{translate("mainfrm", "Start Game")};
    Label endbtn_{translate("mainfrm", "End Game"), true, false};
    Label predictiontxt_{"......", false};
    std::string combo1Text_;
    bool combo1Enabled_ = true;
    bool sectimerEnabled_ = false;
    std::vector<std::string> wordlst_;
    TextBox searchtxt_{"search...", "Tahoma", true, kLightGrey, false};
    int outerHeightTwips_ = kOneplayerHeight;
    bool loadingfrmVisible_ = false;
    std::vector<PrintedText> printed_;

    bool helpAllowed_ = true;
    std::vector<std::string> hintedwords_;
    std::optional<Hint> hint_;
    std::string hintnote_;
    // The words of the board last solved, kept while the board, its
    // language and the list stay.
    struct Solved {
        Board board;
        std::shared_ptr<const wordlist::Lexicon> language;
        std::vector<FoundWord> words;
    };
    mutable std::optional<Solved> solved_;

    wordlist::Dictionary diclist_;
    mutable std::optional<wordlist::Commonness> commonness_; // read on first use
    std::shared_ptr<const wordlist::Lexicon> lexicon_;      // chosen; null: English
    std::shared_ptr<const wordlist::Lexicon> roundLexicon_; // of the round; null: English
};

} // namespace game
