#pragma once
// How to play: the rules, the keys and what the added windows show, in a
// few short paragraphs (F1 on the main window).

#include <QDialog>

#include <memory>

namespace Ui {
class howtoplayfrm;
}

class HowToPlayFrm : public QDialog {
    Q_OBJECT
public:
    explicit HowToPlayFrm(QWidget* parent = nullptr);
    ~HowToPlayFrm() override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::unique_ptr<Ui::howtoplayfrm> ui;
};
