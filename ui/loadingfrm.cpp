#include "loadingfrm.h"
#include "ui_loadingfrm.h"

#include "application.h"


LoadingFrm::LoadingFrm(QWidget* parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui::loadingfrm>())
{
    ui->setupUi(this);
    // A splash-style window: no frame, no task-bar entry. It lives for the
    // moment the word list takes, and start-up waits until it is on the
    // screen: under X11 it is put there directly, not through the window
    // manager, which would make start-up wait for it as well.
    setWindowFlags(Qt::SplashScreen | Qt::FramelessWindowHint | Qt::X11BypassWindowManagerHint);
    golexorb::applyDesignFontSizes(this);
    golexorb::useScalableFonts(this);
}

LoadingFrm::~LoadingFrm() = default;

void LoadingFrm::Form_Load()
{
    // The window has no frame, so its outer size is the shape's rectangle and
    // the shape's border runs along its edges. Read at run time so the window
    // follows the shape's design.
    setFixedSize(ui->Shape1->width(), ui->Shape1->height());
    move(golexorb::centredOnScreen(size()));
}

void LoadingFrm::showEvent(QShowEvent* event)
{
    if (!loaded_) {
        loaded_ = true;
        Form_Load();
    }
    QWidget::showEvent(event);
}
