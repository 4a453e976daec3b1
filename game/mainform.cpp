#include "mainform.h"

#include "mdllist.h"
#include "solver.h"
#include "typing.h"

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

void Surface::unline()
{
    if (!lines.empty())
        lines.pop_back();
    currentX = lines.empty() ? 0 : lines.back().x2;
    currentY = lines.empty() ? 0 : lines.back().y2;
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
    wordcells.clear();
    wordpoints.clear();
    fixedcells = 0;
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
    // What runs that were killed or crashed left in the temporary folder
    // goes first; a live run's copy stays.
    mdlList::clearDeadRuns();
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

std::string MainForm::Form_Unload()
{
    const std::string problem = dicfile_ ? dicfile_->remove() : std::string();
    platform_.doEvents();
    running = false;
    sectimerEnabled = false;
    return problem;
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
    roundMinutes = val(combo1Text);
    recordnote = RecordNote();
    recordnote.minutes = roundMinutes;
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

    select(n, x, y);
    fixedcells = wordcells.size();
}

void MainForm::select(int n, float x, float y)
{
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
    wordcells.push_back(n);
    wordpoints.push_back({x, y});
}

void MainForm::unselectLast()
{
    const int n = wordcells.back();
    used[n] = 0;
    l[n].color = kPaleYellow;
    if (wordcells.size() > 1)
        surface.unline();
    wordtxt.caption.resize(wordtxt.caption.size() - std::min(wordtxt.caption.size(), l[n].caption.size()));
    wordcells.pop_back();
    wordpoints.pop_back();
    fixedcells = std::min(fixedcells, wordcells.size());
    if (wordcells.empty()) {
        lastcell = kNoCell;
        lastx = lasty = 0;
    } else {
        lastcell = prevcell = wordcells.back();
        lastx = wordpoints.back().x;
        lasty = wordpoints.back().y;
    }
}

void MainForm::keyLetter(char c)
{
    if (!running)
        return;
    const Board board = boardCaptions();
    std::string word;
    for (int n : wordcells)
        word += l[n].caption;
    word += c;
    const std::vector<int> fixed(wordcells.begin(), wordcells.begin() + static_cast<std::ptrdiff_t>(fixedcells));
    const std::vector<int> path = spellingPath(board, word, fixed, wordcells);
    if (path.empty()) {
        platform_.beep();
        return;
    }
    // Keep what the new path shares with the shown one; the rest goes as if
    // pressed at the cells' centres.
    std::size_t keep = 0;
    while (keep < wordcells.size() && path[keep] == wordcells[keep])
        ++keep;
    while (wordcells.size() > keep)
        unselectLast();
    constexpr float centre = kCellSize / 2.0f;
    for (std::size_t i = keep; i < path.size(); ++i)
        select(path[i], centre, centre);
}

void MainForm::keyBackspace()
{
    if (running && !wordcells.empty())
        unselectLast();
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
    const auto board = boardCaptions();
    r.d = board;
    r.lettermostusedtxt = letterMostUsed(board, acceptedwords);
    r.desctxt = "The results below are to show how well you did Go LEXORB";
    awards = awardLines(longestword, acceptedwords, score);
    r.awardstxt = awards;
    // Built from the board and the words as the round left them, so the
    // window stays right whatever happens after it opens.
    const auto words = solveBoard(board, dicindex);
    r.allwords = listWords(words, acceptedwords);
    r.foundtxt = foundText(score, bestScore(words));
    r.recordtxt = recordText(recordnote);
    r.progress = recordnote.progress;
    return r;
}

std::array<std::string, kCells> MainForm::boardCaptions() const
{
    std::array<std::string, kCells> board;
    for (int k = 0; k < kCells; ++k)
        board[k] = l[k].caption;
    return board;
}

Round MainForm::finishedRound(std::string date) const
{
    const auto listed = listWords(solveBoard(boardCaptions(), dicindex), acceptedwords);
    const auto found = std::count_if(listed.begin(), listed.end(), [](const ListedWord& w) { return w.found; });
    return Round{std::move(date), roundMinutes, score, int(found), int(listed.size())};
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
