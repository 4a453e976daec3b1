#pragma once
// Every word the board of a finished round held, the player's share of the
// best possible score, the record for the round's length, the path of the
// word picked in the list drawn on a copy of the board and what that word
// means; from here the chart of the player's scores opens. It gives the
// board's challenge code to copy, and in a room's round says who found each
// word.

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
    // Centre of board cell k, in the window's pixels.
    static QPointF cellCentre(int k);

public slots:
    void allwordslst_Click(int row);
    void progressbtn_Click();
    void copybtn_Click();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void showLetters();

    std::unique_ptr<Ui::allwordsfrm> ui;
    std::vector<QLabel*> p_;
    std::vector<game::ListedWord> words_;
    std::vector<int> path_;
    game::Progress progress_;
    QString code_; // the challenge code of the board
};
