#pragma once
// "Language" (Ctrl+L): every board language, each with its tiles, where its
// words come from and what its list lacks; those whose list is installed can
// be chosen, the others say the line that installs it.

#include <QDialog>
#include <QString>

#include <memory>

namespace Ui {
class languagefrm;
}

namespace wordlist {
struct Language;
}

class LanguageFrm : public QDialog {
    Q_OBJECT
public:
    // `current` is the code of the language boards are in now.
    explicit LanguageFrm(const QString& current, QWidget* parent = nullptr);
    ~LanguageFrm() override;

    // The language picked to play, once the window was accepted; null otherwise.
    const wordlist::Language* chosen() const { return chosen_; }

public slots:
    void languagelst_Click(int row);
    void choosebtn_Click();
    void copybtn_Click();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::unique_ptr<Ui::languagefrm> ui;
    const wordlist::Language* chosen_ = nullptr;
};
