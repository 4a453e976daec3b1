#pragma once
// The main window's state and handlers as plain data, free of any toolkit.
// The window layer forwards each event to the handler of the same name, then
// brings its widgets in line with the fields below.

#include "board.h"
#include "platform.h"
#include "records.h"
#include "report.h"

#include "dicfile.h"
#include "wordindex.h"

#include <array>
#include <memory>
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

// What has been drawn on the main window: kept as data so a repaint can draw
// it again, and erased only as a whole.
struct Surface {
    std::vector<Segment> lines;
    std::vector<PrintedText> texts;
    float currentX = 0, currentY = 0;

    void cls();
    void line(float x1, float y1, float x2, float y2, Rgb color);
    void unline(); // takes the last line back
    void print(std::string text);
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

class MainForm {
public:
    explicit MainForm(Platform& platform);
    ~MainForm();
    MainForm(const MainForm&) = delete;
    MainForm& operator=(const MainForm&) = delete;

    // ---- Round state ----
    bool running = false;
    std::array<int, kCells> used{};
    int lastcell = kNoCell;
    int prevcell = 0;
    float lastx = 0, lasty = 0;
    std::array<std::string, kCells> letters;
    std::string acceptedwords; // each word followed by CR LF
    std::string rejectedwords; // each word followed by CR LF
    std::string longestword;
    int score = 0;
    std::string awards;
    // The round length picked when the round started, in minutes (0: none);
    // the player may pick another once it is over.
    int roundMinutes = 0;
    // How the last round compares with the player's records; the window
    // layer fills it in when the round ends.
    RecordNote recordnote;

    // ---- Controls ----
    std::array<LetterLabel, kCells> l;
    Label wordtxt{"Your Word Here"};
    Label seconds{"0"};
    Label scoretxt{"Your Score:"};
    Label startbtn{"Start Game"};
    Label endbtn{"End Game", true, false};
    Label predictiontxt{"......", false};
    std::string combo1Text; // "" until an entry is picked, then "1" to "10"
    bool combo1Enabled = true;
    bool sectimerEnabled = false;
    std::vector<std::string> wordlst;
    TextBox searchtxt{"search...", "Tahoma", true, kLightGrey, false};
    int outerHeightTwips = kOneplayerHeight;
    bool loadingfrmVisible = false;
    Surface surface;

    // ---- The current word's cells ----
    // In the order chosen, with the point each was chosen at (a typed letter
    // takes the cell's centre). The first `fixedcells` were pressed with the
    // mouse; typing may re-route only the cells after them.
    struct Point {
        float x = 0, y = 0;
    };
    std::vector<int> wordcells;
    std::vector<Point> wordpoints;
    std::size_t fixedcells = 0;

    // ---- Word list ----
    wordlist::WordList diclist;
    wordlist::WordIndex dicindex;

    static constexpr int kOneplayerHeight = 5655;
    static constexpr int kMultiplayerHeight = 9480;
    // Outer height minus client height: the title bar and the frame.
    static constexpr int kFrameHeight = 480;

    // ---- Routines ----
    void resetround();
    void clearselection();
    void fillboard();
    void stopround();
    void endround();
    int fulltime() const; // seconds of the picked round length, 0 when none

    // ---- Handlers ----
    // Throws StartupError when the word list cannot be made ready.
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

    // ---- Keys ----
    // A typed letter extends the word as a press would, on a cell of that
    // letter touching the last one; when the word so far can be shown
    // another way that takes the letter, it is shown that way. A letter no
    // way can take beeps and changes nothing.
    void keyLetter(char c);
    // Drops the last letter of the word.
    void keyBackspace();

    // Loads a word list directly, without the temporary file (for tools and tests).
    void setWordList(const std::vector<std::string>& list);
    void setWordList(wordlist::WordList list);

    // Where this run's copy of the word list lies, empty when there is none.
    std::string dicPath() const;

private:
    void setSearchText(std::string text);
    void select(int n, float x, float y); // an accepted press on cell n
    void unselectLast();
    std::array<std::string, kCells> boardCaptions() const;

    Platform& platform_;
    std::unique_ptr<mdlList::DicFile> dicfile_;
};

} // namespace game
