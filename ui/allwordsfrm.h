#pragma once
// Every word the board of a finished round held (the common ones first, then
// under a caption the rare ones, greyed), the player's share of the best
// possible score and of the common words' points, the record for the round's
// length, the path of the word picked in the list drawn on a copy of the
// board and what that word means; from here the chart of the player's scores
// opens. It gives the board's challenge code to copy, and in a room's round
// says who found each word.

#include "report.h"

#include <QDialog>

#include <memory>
#include <vector>

namespace Ui {
class allwordsfrm;
}

class QLabel;

class AllWordsFrm : public QDialog {
    Q_OBJECT
public:
    explicit AllWordsFrm(QWidget* parent = nullptr);
    ~AllWordsFrm() override;

    // Takes its own copy of what it shows.
    void fill(const game::Report& report);

    // The cells of the path drawn, in order; empty when no word is picked.
    const std::vector<int>& path() const { return path_; }
    // The list's caption over the rare words.
    static constexpr const char* kRareCaption = QT_TRANSLATE_NOOP("AllWords", "Rare words");
    // Centre of board cell k, in the window's pixels.
    static QPointF cellCentre(int k);

public slots:
    void onWordRowChanged(int row);
    void onProgressClicked();
    void onCopyClicked();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void showLetters();
    // The word listed in a row of the list, or null for the caption.
    const game::ListedWord* wordAt(int row) const;

    std::unique_ptr<Ui::allwordsfrm> ui;
    std::vector<QLabel*> p_;
    std::vector<game::ListedWord> words_; // common first, then rare, as listed
    std::vector<std::string> spellings_;  // beside words_: how another language spells each; empty in English
    int captionRow_ = -1;                  // the row of the caption over the rare words; -1: none
    std::vector<int> path_;
    game::Progress progress_;
    QString code_; // the challenge code of the board
    QString language_; // the board's language when not English, in English ("German")
};
