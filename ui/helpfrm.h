#pragma once
// Help beside the main window (Ctrl+H), following the round: for each word
// length, the words the player found of those the board holds, common and
// in all; and "Show a start", a hint that costs the word it gives. Nothing
// of a board shows before its round starts, and once the round is over the
// totals are those of All Words. It takes no input from the round: the main
// window acts on its requests.

#include "help.h"

#include <QDialog>

#include <memory>

namespace Ui {
class helpfrm;
}

namespace game {
class MainLogic;
}

class HelpFrm : public QDialog {
    Q_OBJECT
public:
    explicit HelpFrm(QWidget* parent = nullptr);
    ~HelpFrm() override;

    // Brings the window in line with the round.
    void follow(const game::MainLogic& logic);

    // What "Show a start" says before any is asked for.
    static constexpr const char* kHintCost =
        QT_TRANSLATE_NOOP("Help", "Lights the first two letters of a common word you have not found. That word then "
                                  "scores nothing, and the round sets no record.");

signals:
    // "Show a start", or F10.
    void showStartAsked();
    // F9: the counts, to a screen reader.
    void countsAsked();
    // Ctrl+H: back to the main window.
    void gameAsked();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void showCounts(const game::WordCounts& counts);

    std::unique_ptr<Ui::helpfrm> ui;
    std::optional<game::WordCounts> shown_; // what the table holds; none before a round
};
