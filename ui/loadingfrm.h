#pragma once
// The borderless notice shown while the word list is prepared.

#include <QWidget>

#include <memory>

namespace Ui {
class loadingfrm;
}

class LoadingFrm : public QWidget {
    Q_OBJECT
public:
    explicit LoadingFrm(QWidget* parent = nullptr);
    ~LoadingFrm() override;

    // Sizes the window to its frame shape; runs when the window is first shown.
    void Form_Load();

protected:
    void showEvent(QShowEvent* event) override;

private:
    std::unique_ptr<Ui::loadingfrm> ui;
    bool loaded_ = false;
};
