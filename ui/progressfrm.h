#pragma once
// The player's scores in the rounds kept of one length, as a curve with the
// best round marked. Built into a module of its own (see allwordsfrm.cpp).

#include "records.h"

#include <QDialog>

#include <memory>

namespace Ui {
class progressfrm;
}

class ProgressFrm : public QDialog {
    Q_OBJECT
public:
    explicit ProgressFrm(QWidget* parent = nullptr);
    ~ProgressFrm() override;

    void fill(const game::Progress& progress);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::unique_ptr<Ui::progressfrm> ui;
};

// What the module offers: a new chart window for `progress`, owned by the caller.
extern "C" Q_DECL_EXPORT QDialog* golexorb_progress_window(const game::Progress& progress, QWidget* parent);
