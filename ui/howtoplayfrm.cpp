#include "howtoplayfrm.h"
#include "ui_howtoplayfrm.h"

#include "application.h"
#include "growinglayout.h"

#include <QPainter>
#include <QTextDocument>

namespace {
constexpr QSize kSize(233, 600);
} // namespace

HowToPlayFrm::HowToPlayFrm(QWidget* parent)
    : QDialog(parent)
    , ui(std::make_unique<Ui::howtoplayfrm>())
{
    ui->setupUi(this);
    golexorb::setUpDialog(this);
    auto* layout = new GrowingLayout(this, kSize);
    layout->grow(ui->rulestxt, 1, 200);
    golexorb::placeInside(this, golexorb::addedWindowPlace(kSize), kSize, layout->minimumSize());
    // The keys' list indented no more than a bullet needs in this narrow box.
    QTextDocument* text = ui->rulestxt->document();
    text->setIndentWidth(8);
    text->markContentsDirty(0, text->characterCount());
    ui->rulestxt->setFocus();
}

HowToPlayFrm::~HowToPlayFrm() = default;

void HowToPlayFrm::paintEvent(QPaintEvent*)
{
    QPainter(this).fillRect(rect(), QColor(255, 255, 255));
    golexorb::paintBackground(this);
}
