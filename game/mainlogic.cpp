#include "mainlogic.h"

#include "ascii.h"
#include "challenge.h"
#include "folding.h"
#include "solver.h"
#include "translate.h"
#include "typing.h"

#include <algorithm>

namespace game {

namespace {

// Line height of printed text in the window's 8.25 pt font, in twips.
constexpr float kPrintLineHeight = 195;

constexpr const char* kCrLf = "\r\n";

// The clock is the caption of `seconds`, read back as a number at every
// tick, as the design keeps it: captions only ever hold numbers the game
// wrote, and an empty one counts as 0.
int val(const std::string& s)
{
    return wordlist::parseDecimal<int>(s).value_or(0);
}

} // namespace

MainLogic::MainLogic(Platform& platform)
    : platform_(platform)
{
}

MainLogic::~MainLogic() = default;

// ---------------------------------------------------------------- derived state

const std::array<int, kCells> MainLogic::used() const
{
    std::array<int, kCells> out{};
    for (int n : wordcells_)
        out[static_cast<std::size_t>(n)] = 1;
    return out;
}

const std::array<LetterLabel, kCells> MainLogic::l() const
{
    std::array<LetterLabel, kCells> out;
    if (!paused()) {
        const Board captions = boardCaptions();
        for (int n = 0; n < kCells; ++n)
            out[static_cast<std::size_t>(n)].caption = captions[static_cast<std::size_t>(n)];
    }
    for (int n : wordcells_)
        out[static_cast<std::size_t>(n)].color = kBlack;
    return out;
}

const Label MainLogic::wordtxt() const
{
    Label label{wordtxtDesigned_ ? translate("mainfrm", "Your Word Here") : ""};
    const Board captions = boardCaptions();
    for (int n : wordcells_)
        label.caption += captions[static_cast<std::size_t>(n)];
    return label;
}

const Surface MainLogic::surface() const
{
    Surface s;
    // One segment from each press point to the next, so the trail joins
    // the exact points pressed, not the cells' centres.
    for (std::size_t i = 1; i < wordcells_.size(); ++i) {
        const int a = wordcells_[i - 1], b = wordcells_[i];
        s.lines.push_back({static_cast<float>(cellLeft(a)) + wordpoints_[i - 1].x,
                           static_cast<float>(cellTop(a)) + wordpoints_[i - 1].y,
                           static_cast<float>(cellLeft(b)) + wordpoints_[i].x,
                           static_cast<float>(cellTop(b)) + wordpoints_[i].y, kRed});
    }
    // A hint: the trail's red line between the centres of a word's first
    // two cells, hidden with the letters while the round is on hold.
    if (hint_ && running_ && !paused()) {
        constexpr float centre = kCellSize / 2.0f;
        s.lines.push_back({static_cast<float>(cellLeft(hint_->first)) + centre,
                           static_cast<float>(cellTop(hint_->first)) + centre,
                           static_cast<float>(cellLeft(hint_->second)) + centre,
                           static_cast<float>(cellTop(hint_->second)) + centre, kRed});
    }
    s.texts = printed_;
    return s;
}

// ---------------------------------------------------------------- routines

void MainLogic::resetround()
{
    awards_.clear();
    score_ = 0;
    longestword_.clear();
    acceptedwords_.clear();
    rejectedwords_.clear();
}

void MainLogic::clearselection()
{
    // The word goes, and with it its letters' colours, its used flags and
    // its trail; the surface is erased whole.
    wordcells_.clear();
    wordpoints_.clear();
    fixedcells_ = 0;
    wordtxtDesigned_ = false;
    printed_.clear();
}

void MainLogic::print(std::string text)
{
    printed_.push_back({0, kPrintLineHeight * static_cast<float>(printed_.size()), std::move(text)});
}

void MainLogic::fillboard()
{
    letters_ = drawLetters();
}

Board MainLogic::drawLetters()
{
    return drawLetters(lexicon_.get());
}

Board MainLogic::drawLetters(const wordlist::Lexicon* language)
{
    Board letters;
    platform_.randomize();
    for (int n = 0; n < kCells; ++n) {
        if (language) {
            // Each tile by its weight; a draw outside [0, 1) is drawn again, as the pool's are.
            double r = platform_.rnd();
            while (!(r >= 0 && r < 1))
                r = platform_.rnd();
            letters[static_cast<std::size_t>(n)] = language->drawnTile(r);
            continue;
        }
        int p = 0;
        while (p == 0)
            p = poolPosition(platform_.rnd());
        letters[static_cast<std::size_t>(n)] = std::string(1, kLetterPool[static_cast<std::size_t>(p - 1)]);
    }
    return letters;
}

int MainLogic::fulltime() const
{
    return val(combo1Text_) * 60;
}

void MainLogic::stopround()
{
    running_ = false;
    sectimerEnabled_ = false;
    dropHint();
    endround();
    startbtn_.enabled = true;
    combo1Enabled_ = true;
    seconds_.caption = std::to_string(fulltime());
    endbtn_.enabled = false;
}

void MainLogic::endround()
{
    scoretxt_.caption = translate("mainfrm", "Calculating Score...");
    scoretxt_.visible = true;
    clearselection();
    scoretxt_.caption = fill(translate("mainfrm", "Your Score: %1"), {std::to_string(score_)});
}

// ---------------------------------------------------------------- lifecycle

void MainLogic::Form_Load()
{
    loadingfrmVisible_ = true;
    // Whatever stops start-up, the error window takes the loading notice's place.
    const auto fail = [this](const char* what, const std::exception& e) {
        loadingfrmVisible_ = false;
        return StartupError(fill(translate("mainfrm", what), {e.what()}));
    };

    // Read where it lies in the program: no copy of it is made.
    std::string_view resbytes;
    try {
        resbytes = platform_.loadResData("DIC", "BIN");
    } catch (const std::exception& e) {
        throw fail(GAME_TRANSLATE_NOOP("mainfrm", "The embedded word list could not be read: %1"), e);
    }
    try {
        diclist_.writeCopy(resbytes);
    } catch (const std::exception& e) {
        throw fail(GAME_TRANSLATE_NOOP("mainfrm", "The word list could not be written to a temporary file: %1"), e);
    }
    // The list is loaded from the temporary file: the embedded bytes are not
    // read again, and their memory goes back for the rest of the run.
    platform_.releaseResData(resbytes);
    resbytes = {};

    platform_.doEvents();
    print(translate("mainfrm", "Loaded 1/2"));

    try {
        diclist_.loadCopy();
    } catch (const std::exception& e) {
        throw fail(GAME_TRANSLATE_NOOP("mainfrm", "The word list could not be loaded: %1"), e);
    }

    scoretxt_.visible = false;
    running_ = false;
    printed_.clear(); // erases "Loaded 1/2"; the word is empty, as at creation
    if (!running_)
        seconds_.caption = std::to_string(fulltime());
    loadingfrmVisible_ = false;
}

std::string MainLogic::Form_Unload()
{
    const std::string problem = diclist_.removeCopy();
    platform_.doEvents();
    running_ = false;
    sectimerEnabled_ = false;
    return problem;
}

void MainLogic::setWordList(const std::vector<std::string>& list)
{
    diclist_.set(wordlist::WordList::of(list));
    commonness_.emplace();
    solved_.reset();
}

void MainLogic::setWordList(wordlist::WordList list)
{
    diclist_.set(std::move(list));
    commonness_.emplace();
    solved_.reset();
}

void MainLogic::setCommonness(wordlist::Commonness commonness)
{
    commonness_ = commonness;
}

const wordlist::Commonness& MainLogic::commonness() const
{
    if (!commonness_) {
        try {
            commonness_.emplace(platform_.loadResData("DIC", "SIZES"));
        } catch (const std::exception&) {
            commonness_.emplace(); // a build without it: no word is set apart
        }
    }
    return *commonness_;
}

bool MainLogic::rare(std::string_view word) const
{
    if (roundLexicon_)
        return false;
    const auto i = diclist_.find(word);
    return i && commonness().rare(*i);
}

void MainLogic::setLexicon(std::shared_ptr<const wordlist::Lexicon> lexicon)
{
    lexicon_ = std::move(lexicon);
}

const wordlist::Language& MainLogic::roundLanguage() const
{
    return roundLexicon_ ? roundLexicon_->language() : wordlist::englishLanguage();
}

std::string MainLogic::spelling(std::string_view word) const
{
    return roundLexicon_ ? roundLexicon_->spellingOf(word) : wordlist::lowerCase(word);
}

std::optional<std::size_t> MainLogic::findWord(std::string_view word) const
{
    return roundLexicon_ ? roundLexicon_->find(word) : diclist_.find(word);
}

const wordlist::WordIndex& MainLogic::roundIndex() const
{
    return roundLexicon_ ? roundLexicon_->index() : diclist_.index();
}

void MainLogic::setCombo1Text(std::string text)
{
    combo1Text_ = std::move(text);
}

void MainLogic::setRecordNote(RecordNote note)
{
    recordnote_ = std::move(note);
}

void MainLogic::setLanguageLoading(bool loading)
{
    loadingfrmVisible_ = loading;
}

void MainLogic::Combo1_Click()
{
    if (!running_)
        seconds_.caption = std::to_string(fulltime());
}

void MainLogic::startbtn_Click()
{
    resetround();
    roundMinutes_ = val(combo1Text_);
    recordnote_ = RecordNote();
    recordnote_.minutes = roundMinutes_;
    combo1Enabled_ = false;
    wordlst_.clear();
    hintedwords_.clear();
    dropHint();
    helpAllowed_ = true;
    scoretxt_.visible = false;
    sectimerEnabled_ = true;
    running_ = true;
    // Empties wordtxt; every used flag is clear with the word.
    clearselection();
    roundLexicon_ = lexicon_;
    fillboard();
    startbtn_.enabled = false;
    endbtn_.enabled = true;
}

void MainLogic::sectimer_Timer()
{
    if (paused())
        return; // a tick already on its way when the clock stopped
    const int t = val(seconds_.caption);
    if (t < 1)
        stopround();
    else
        seconds_.caption = std::to_string(t - 1);
}

void MainLogic::endbtn_Click()
{
    stopround();
}

void MainLogic::oneplayerbtn_Click()
{
    outerHeightTwips_ = kOneplayerHeight;
}

void MainLogic::multiplaybtn_Click()
{
    outerHeightTwips_ = kMultiplayerHeight;
}

// ---------------------------------------------------------------- playing

void MainLogic::l_MouseDown(int index, [[maybe_unused]] int button, [[maybe_unused]] int shift, float x, float y)
{
    dropHint(); // lit until the next press on the board, whatever the press does
    if (!running_ || index < 0 || index >= kCells)
        return;
    if (paused()) {
        resume();
        return;
    }
    const int n = index;
    if (std::find(wordcells_.begin(), wordcells_.end(), n) != wordcells_.end())
        return;
    // A press that does not touch the last letter is ignored without a trace,
    // so the cell stays free for a later, legal press.
    if (!wordcells_.empty() && !touching(wordcells_.back(), n))
        return;

    select(n, x, y);
    fixedcells_ = wordcells_.size();
}

void MainLogic::select(int n, float x, float y)
{
    wordcells_.push_back(n);
    wordpoints_.push_back({x, y});
    prevcell_ = n;
}

void MainLogic::unselectLast()
{
    wordcells_.pop_back();
    wordpoints_.pop_back();
    fixedcells_ = std::min(fixedcells_, wordcells_.size());
}

void MainLogic::keyLetter(char c)
{
    keyTiles({std::string(1, c)});
}

void MainLogic::keyText(std::string_view typed)
{
    if (!roundLexicon_) {
        // English plays a to z; anything else is no cell's letter.
        if (typed.size() == 1 && wordlist::lowerAscii(typed[0]) >= 'a' && wordlist::lowerAscii(typed[0]) <= 'z')
            keyLetter(typed[0]);
        else if (running_ && !paused())
            platform_.beep();
        return;
    }
    const auto tiles = roundLexicon_->folding().anyCase(typed);
    if (!tiles || tiles->empty()) {
        if (running_ && !paused())
            platform_.beep();
        return;
    }
    std::vector<std::string> split;
    for (std::size_t i = 0; i < tiles->size();) {
        std::size_t end = i + 1;
        while (end < tiles->size() && (static_cast<unsigned char>((*tiles)[end]) & 0xc0) == 0x80)
            ++end;
        split.emplace_back(tiles->substr(i, end - i));
        i = end;
    }
    keyTiles(std::move(split));
}

void MainLogic::keyTiles(std::vector<std::string> typed)
{
    if (!running_ || paused())
        return;
    dropHint(); // a typed letter is a press on the board
    const Board board = boardCaptions();
    std::vector<std::string> word;
    for (int n : wordcells_)
        word.push_back(board[static_cast<std::size_t>(n)]);
    word.insert(word.end(), std::make_move_iterator(typed.begin()), std::make_move_iterator(typed.end()));
    const std::vector<int> fixed(wordcells_.begin(), wordcells_.begin() + static_cast<std::ptrdiff_t>(fixedcells_));
    const std::vector<int> path = spellingPath(board, word, fixed, wordcells_);
    if (path.empty()) {
        platform_.beep();
        return;
    }
    // Keep what the new path shares with the shown one; the rest goes as if
    // pressed at the cells' centres.
    std::size_t keep = 0;
    while (keep < wordcells_.size() && path[keep] == wordcells_[keep])
        ++keep;
    while (wordcells_.size() > keep)
        unselectLast();
    constexpr float centre = kCellSize / 2.0f;
    for (std::size_t i = keep; i < path.size(); ++i)
        select(path[i], centre, centre);
}

void MainLogic::keyBackspace()
{
    if (running_ && !paused() && !wordcells_.empty())
        unselectLast();
}

void MainLogic::keyPause()
{
    if (!running_)
        return;
    if (!hint_)
        hintnote_.clear(); // a reason given before no longer holds
    if (paused()) {
        resume();
        return;
    }
    sectimerEnabled_ = false;
}

void MainLogic::resume()
{
    sectimerEnabled_ = true;
}

void MainLogic::Cancelbtn_Click()
{
    if (running_)
        clearselection();
}

void MainLogic::Addbtn_Click()
{
    if (running_) {
        // The word is read once: the submission runs to its end without
        // yielding, so nothing can change it underneath.
        const std::string word = wordtxt().caption;
        if (std::find(wordlst_.begin(), wordlst_.end(), word) != wordlst_.end()) {
            platform_.msgBox(translate("mainfrm", "You have already entered that word!"));
        } else if (wordlist::tileCount(word) < 3) {
            platform_.msgBox(translate("mainfrm", "Words must be bigger than 2 letters!"));
        } else {
            // Lengths count tiles, not bytes: Ä is one letter.
            if (const auto i = findWord(word)) {
                predictiontxt_.caption = roundLexicon_ ? std::string(roundLexicon_->words()[*i]) : std::string(diclist_[*i]);
                acceptedwords_ += word + kCrLf;
                // A hinted word is found, but scores nothing.
                if (!hinted(word))
                    score_ += static_cast<int>(wordlist::tileCount(word));
                if (hint_ && hint_->word == word)
                    dropHint();
            } else {
                rejectedwords_ += word + kCrLf;
            }
            if (wordlist::tileCount(word) > wordlist::tileCount(longestword_))
                longestword_ = word;
            wordlst_.push_back(word);
        }
    }
    clearselection();
}

// ---------------------------------------------------------------- results

Report MainLogic::scoretxt_Click()
{
    awards_.clear();
    Report r;
    const auto lower = [this](std::string_view s) {
        return roundLexicon_ ? roundLexicon_->folding().lower(s) : wordlist::lowerCase(s);
    };
    r.acceptedtxt = lower(acceptedwords_);
    if (!hintedwords_.empty()) {
        r.acceptedtxt.clear();
        for (std::size_t pos = 0; pos < acceptedwords_.size();) {
            const std::size_t end = std::min(acceptedwords_.find(kCrLf, pos), acceptedwords_.size());
            const std::string word = acceptedwords_.substr(pos, end - pos);
            r.acceptedtxt += lower(word) + (hinted(word) ? translate("resultsfrm", " (hinted)") : "") + kCrLf;
            pos = end + 2;
        }
    }
    r.rejectedtxt = lower(rejectedwords_);
    r.longestwordtxt = longestword_;
    r.scoretxt = std::to_string(score_);
    const Board board = boardCaptions();
    r.d = board;
    r.lettermostusedtxt = letterMostUsed(board, acceptedwords_);
    r.desctxt = translate("resultsfrm", "The results below are to show how well you did Go LEXORB");
    awards_ = awardLines(longestword_, acceptedwords_, score_);
    r.awardstxt = awards_;
    // Built from the board and the words as the round left them, so the
    // window stays right whatever happens after it opens.
    r.allwords = boardWords();
    r.foundtxt = foundText(score_, bestScore(solvedBoard()));
    r.recordtxt = recordText(recordnote_);
    r.progress = recordnote_.progress;
    r.challengecode = challengeCode(board, roundMinutes_, roundLanguage());
    if (roundLexicon_) {
        // No word frequencies and no meanings beyond English.
        for (const auto& w : r.allwords)
            r.spellings.push_back(roundLexicon_->spellingOf(w.word));
        r.commontxt = commonText(std::nullopt);
        r.language = std::string(roundLexicon_->language().englishName);
    } else {
        r.commontxt = commonText(commonPoints(r.allwords));
    }
    return r;
}

Board MainLogic::boardCaptions() const
{
    Board board;
    for (std::size_t k = 0; k < board.size(); ++k)
        board[k] = letters_[k].empty() ? std::string("?") : letters_[k];
    return board;
}

Round MainLogic::finishedRound(std::string date) const
{
    const auto listed = boardWords();
    const auto found = std::count_if(listed.begin(), listed.end(), [](const ListedWord& w) { return w.found; });
    // Common words are counted in English only.
    const std::optional<CommonPoints> common = roundLexicon_ ? std::nullopt : std::optional(commonPoints(listed));
    return Round{std::move(date), roundMinutes_, score_, int(found), int(listed.size()), common,
                 int(hintedwords_.size())};
}

// ---------------------------------------------------------------- help

const std::vector<FoundWord>& MainLogic::solvedBoard() const
{
    // Solved again when the board or its language changes.
    const Board board = boardCaptions();
    if (!solved_ || solved_->board != board || solved_->language != roundLexicon_)
        solved_.emplace(Solved{board, roundLexicon_, solveBoard(board, roundIndex())});
    return solved_->words;
}

std::vector<ListedWord> MainLogic::boardWords() const
{
    auto words = listWords(solvedBoard(), acceptedwords_, [this](std::string_view w) { return rare(w); });
    for (ListedWord& w : words)
        w.hinted = hinted(w.word);
    return words;
}

bool MainLogic::hinted(std::string_view word) const
{
    return std::find(hintedwords_.begin(), hintedwords_.end(), word) != hintedwords_.end();
}

HintRefusal MainLogic::showStart()
{
    HintRefusal why = HintRefusal::noneLeft;
    if (!running_) {
        why = HintRefusal::noRound;
    } else if (paused()) {
        why = HintRefusal::paused; // a hint lit stays, hidden with the letters
    } else if (!helpAllowed_) {
        why = HintRefusal::notAllowed;
    } else if (auto hint = chooseHint(boardWords())) {
        if (!hinted(hint->word))
            hintedwords_.push_back(hint->word);
        hintnote_ = hintText(boardCaptions(), *hint);
        hint_ = std::move(hint);
        return HintRefusal::none;
    }
    // The reason stands in the note until the next press on the board.
    if (!hint_)
        hintnote_ = refusalText(why);
    return why;
}

void MainLogic::setHelpAllowed(bool allowed)
{
    helpAllowed_ = allowed;
    if (!allowed)
        dropHint();
}

void MainLogic::dropHint()
{
    hint_.reset();
    hintnote_.clear();
}

// ---------------------------------------------------------------- a board from elsewhere

bool MainLogic::startRoundOn(const Board& letters, int minutes, int secondsLeft,
                             std::shared_ptr<const wordlist::Lexicon> language)
{
    if (running_)
        return false;
    // The start as designed; its drawn board is replaced before anything
    // can show it, and the clock counts this round's length.
    startbtn_Click();
    roundLexicon_ = std::move(language);
    letters_ = letters;
    roundMinutes_ = minutes;
    recordnote_.minutes = minutes;
    seconds_.caption = std::to_string(std::max(0, secondsLeft));
    return true;
}

// ---------------------------------------------------------------- search box

void MainLogic::setSearchtxtText(std::string text)
{
    if (text == searchtxt_.text)
        return;
    searchtxt_.text = std::move(text);
    searchtxt_Change();
}

void MainLogic::searchtxt_GotFocus()
{
    searchtxt_.bold = false;
    searchtxt_.fontName = "Tahoma";
    searchtxt_.color = kBlack;
    setSearchtxtText("");
}

void MainLogic::searchtxt_LostFocus()
{
    searchtxt_.bold = true;
    searchtxt_.fontName = "MS Sans Serif";
    searchtxt_.color = kLightGrey;
    setSearchtxtText("Search...");
}

void MainLogic::searchtxt_Change()
{
    if (searchtxt_.text.empty()) {
        predictiontxt_.caption.clear();
        return;
    }
    if (const auto i = diclist_.index().firstWithExactPrefix(searchtxt_.text))
        predictiontxt_.caption = std::string(diclist_[*i]);
}

} // namespace game
