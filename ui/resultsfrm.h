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

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::unique_ptr<Ui::resultsfrm> ui;
};
