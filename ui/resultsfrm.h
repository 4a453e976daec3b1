#pragma once
// The results of a finished round, shown modally; "Print" prints it.

#include "report.h"

#include <QDialog>

#include <memory>

namespace Ui {
class resultsfrm;
}

class ResultsFrm : public QDialog {
    Q_OBJECT
public:
    explicit ResultsFrm(QWidget* parent = nullptr);
    ~ResultsFrm() override;

    void fill(const game::Report& report);

    // Where the client area's top-left corner goes on the screen, in pixels.
    static constexpr QPoint kClientPos{699, 153};

public slots:
    void Label8_Click();
    // A click on the board copy d(0)..d(15): every word the board held.
    void d_Click();

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    std::unique_ptr<Ui::resultsfrm> ui;
    game::Report report_; // what was shown, for the All Words window
};
