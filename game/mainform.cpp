#include "mainform.h"

#include "mdllist.h"

#include <algorithm>
#include <charconv>

namespace game {

namespace {

// Line height of printed text in the window's 8.25 pt font, in twips.
constexpr float kPrintLineHeight = 195;

constexpr const char* kCrLf = "\r\n";

// Leading decimal number of a caption; captions only ever hold numbers the
// game wrote, and an empty one counts as 0.
int val(const std::string& s)
{
    int v = 0;
    std::from_chars(s.data(), s.data() + s.size(), v);
    return v;
}

} // namespace

void Surface::cls()
{
    lines.clear();
    texts.clear();
    currentX = currentY = 0;
}

void Surface::line(float x1, float y1, float x2, float y2, Rgb color)
{
    lines.push_back({x1, y1, x2, y2, color});
    currentX = x2;
    currentY = y2;
}

void Surface::print(std::string text)
{
    texts.push_back({currentX, currentY, std::move(text)});
    currentX = 0;
    currentY += kPrintLineHeight;
}

MainForm::MainForm(Platform& platform)
    : platform_(platform)
{
}

MainForm::~MainForm() = default;

// ---------------------------------------------------------------- routines

void MainForm::resetround()
{
    awards.clear();
    score = 0;
    longestword.clear();
    used.fill(0);
    acceptedwords.clear();
    rejectedwords.clear();
}

void MainForm::clearselection()
{
    wordtxt.caption.clear();
    for (int n = 0; n < kCells; ++n) {
        l[n].color = kPaleYellow;
        used[n] = 0;
    }
    surface.cls();
    lastcell = kNoCell;
    lastx = 0;
    lasty = 0;
}

void MainForm::fillboard()
{
    platform_.randomize();
    for (int n = 0; n < kCells; ++n) {
        int p = 0;
        while (p == 0)
            p = poolPosition(platform_.rnd());
        letters[n] = std::string(1, kLetterPool[p - 1]);
        l[n].caption = letters[n];
    }
}

int MainForm::fulltime() const
{
    return val(combo1Text) * 60;
}

void MainForm::stopround()
{
    running = false;
    sectimerEnabled = false;
    endround();
    startbtn.enabled = true;
    combo1Enabled = true;
    seconds.caption = std::to_string(fulltime());
    endbtn.enabled = false;
}

void MainForm::endround()
{
    scoretxt.caption = "Calculating Score...";
    scoretxt.visible = true;
    clearselection();
    scoretxt.caption = "Your Score: " + std::to_string(score);
}

// ---------------------------------------------------------------- lifecycle

void MainForm::Form_Load()
{
    loadingfrmVisible = true;

    // Read where it lies in the program: no copy of it is made.
    std::string_view resbytes;
    try {
        resbytes = platform_.loadResData("DIC", "BIN");
    } catch (const std::exception& e) {
        throw StartupError(std::string("The embedded word list could not be read: ") + e.what());
    }
    try {
        dicfile_ = std::make_unique<mdlList::DicFile>(resbytes);
    } catch (const std::exception& e) {
        throw StartupError(std::string("The word list could not be written to a temporary file: ") + e.what());
    }

    platform_.doEvents();
    surface.print("Loaded 1/2");

    try {
        setWordList(mdlList::loadlist(dicfile_->path()));
    } catch (const std::exception& e) {
        throw StartupError(std::string("The word list could not be loaded: ") + e.what());
    }

    scoretxt.visible = false;
    lastcell = kNoCell;
    running = false;
    surface.cls();
    if (!running)
        seconds.caption = std::to_string(fulltime());
    loadingfrmVisible = false;
}

void MainForm::Form_Unload()
{
    if (dicfile_)
        dicfile_->remove();
    platform_.doEvents();
    running = false;
    sectimerEnabled = false;
}

void MainForm::setWordList(const std::vector<std::string>& list)
{
    setWordList(wordlist::WordList::of(list));
}

void MainForm::setWordList(wordlist::WordList list)
{
    dicindex = {}; // it points into the list it replaces
    diclist = std::move(list);
    dicindex = wordlist::WordIndex(diclist);
}

std::string MainForm::dicPath() const
{
    return dicfile_ ? dicfile_->path().string() : std::string();
}

void MainForm::Combo1_Click()
{
    if (!running)
        seconds.caption = std::to_string(fulltime());
}

void MainForm::startbtn_Click()
{
    resetround();
    combo1Enabled = false;
    wordlst.clear();
    scoretxt.visible = false;
    sectimerEnabled = true;
    running = true;
    wordtxt.caption.clear();
    fillboard();
    startbtn.enabled = false;
    endbtn.enabled = true;
}

void MainForm::sectimer_Timer()
{
    const int t = val(seconds.caption);
    if (t < 1)
        stopround();
    else
        seconds.caption = std::to_string(t - 1);
}

void MainForm::endbtn_Click()
{
    stopround();
}

void MainForm::oneplayerbtn_Click()
{
    outerHeightTwips = kOneplayerHeight;
}

void MainForm::multiplaybtn_Click()
{
    outerHeightTwips = kMultiplayerHeight;
}

// ---------------------------------------------------------------- playing

void MainForm::l_MouseDown(int index, [[maybe_unused]] int button, [[maybe_unused]] int shift, float x, float y)
{
    if (!running || index < 0 || index >= kCells)
        return;
    const int n = index;
    if (used[n] == 1)
        return;
    // A press that does not touch the last letter is ignored without a trace,
    // so the cell stays free for a later, legal press.
    if (lastcell != kNoCell && !touching(lastcell, n))
        return;

    used[n] = 1;
    l[n].color = kBlack;
    // Any accepted press before this one anchors a segment, even one made
    // exactly on a label's left or top edge (a point of 0).
    if (lastcell != kNoCell) {
        surface.line(static_cast<float>(cellLeft(prevcell)) + lastx, static_cast<float>(cellTop(prevcell)) + lasty,
                     static_cast<float>(cellLeft(n)) + x, static_cast<float>(cellTop(n)) + y, kRed);
    }
    lastcell = n;
    lastx = x;
    lasty = y;
    prevcell = n;
    wordtxt.caption += l[n].caption;
}

void MainForm::Cancelbtn_Click()
{
    if (running)
        clearselection();
}

void MainForm::Addbtn_Click()
{
    if (running) {
        // The word is read once: the submission runs to its end without
        // yielding, so nothing can change it underneath.
        const std::string word = wordtxt.caption;
        if (std::find(wordlst.begin(), wordlst.end(), word) != wordlst.end()) {
            platform_.msgBox("You have already entered that word!");
        } else if (word.size() < 3) {
            platform_.msgBox("Words must be bigger than 2 letters!");
        } else {
            if (const auto i = dicindex.find(word)) {
                predictiontxt.caption = diclist[*i];
                acceptedwords += word + kCrLf;
                score += static_cast<int>(word.size());
            } else {
                rejectedwords += word + kCrLf;
            }
            if (word.size() > longestword.size())
                longestword = word;
            wordlst.push_back(word);
        }
    }
    clearselection();
}

// ---------------------------------------------------------------- results

Report MainForm::scoretxt_Click()
{
    awards.clear();
    Report r;
    r.acceptedtxt = lowerCase(acceptedwords);
    r.rejectedtxt = lowerCase(rejectedwords);
    r.longestwordtxt = longestword;
    r.scoretxt = std::to_string(score);
    std::array<std::string, kCells> board;
    for (int k = 0; k < kCells; ++k)
        board[k] = l[k].caption;
    r.d = board;
    r.lettermostusedtxt = letterMostUsed(board, acceptedwords);
    r.desctxt = "The results below are to show how well you did Go LEXORB";
    awards = awardLines(longestword, acceptedwords, score);
    r.awardstxt = awards;
    return r;
}

// ---------------------------------------------------------------- search box

void MainForm::setSearchText(std::string text)
{
    if (text == searchtxt.text)
        return;
    searchtxt.text = std::move(text);
    searchtxt_Change();
}

void MainForm::searchtxt_GotFocus()
{
    searchtxt.bold = false;
    searchtxt.fontName = "Tahoma";
    searchtxt.color = kBlack;
    setSearchText("");
}

void MainForm::searchtxt_LostFocus()
{
    searchtxt.bold = true;
    searchtxt.fontName = "MS Sans Serif";
    searchtxt.color = kLightGrey;
    setSearchText("Search...");
}

void MainForm::searchtxt_Change()
{
    if (searchtxt.text.empty()) {
        predictiontxt.caption.clear();
        return;
    }
    if (const auto i = dicindex.firstWithPrefix(searchtxt.text))
        predictiontxt.caption = diclist[*i];
}

} // namespace game
