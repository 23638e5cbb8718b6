#include "app/ui/MainArea.h"

#include "app/core/MainLayout.h"
#include "app/ui/MainStatusBar.h"
#include "app/ui/MainToolBar.h"
#include "app/ui/ObjectPane.h"
#include "app/ui/TabStrip.h"
#include "platform/ui/Twips.h"

namespace {

constexpr int toolbarHeightTwips = 360;
constexpr int statusBarHeightTwips = 300;

} // namespace

MainArea::MainArea(QWidget* parent)
    : QWidget(parent)
    , Toolbar1(new MainToolBar(this))
    , StatusBar1(new MainStatusBar(this))
    , TabStrip1(new TabStrip(this))
    , Frame1(new ObjectPane(this))
{
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    TabStrip1->setObjectName(QStringLiteral("TabStrip1"));
    Frame1->raise();
    connect(TabStrip1, &TabStrip::clientAreaChanged, this, &MainArea::placeFrame1);
}

void MainArea::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    const int statusHeight = Twips::toPixelsY(this, statusBarHeightTwips);
    Toolbar1->setGeometry(0, 0, width(), Twips::toPixelsY(this, toolbarHeightTwips));
    StatusBar1->setGeometry(0, height() - statusHeight, width(), statusHeight);
    placeTabStrip();
}

void MainArea::placeTabStrip()
{
    MainLayout::Input input;
    input.innerWidth = width() * Twips::perPixelX(this);
    input.innerHeight = height() * Twips::perPixelY(this);
    input.statusBarShown = !StatusBar1->isHidden();
    input.statusBarHeight = StatusBar1->height() * Twips::perPixelY(this);
    input.toolbarShown = !Toolbar1->isHidden();
    input.toolbarHeight = Toolbar1->height() * Twips::perPixelY(this);
    input.minimized = window()->isMinimized();
    const std::optional<MainLayout::Rect> strip = MainLayout::tabStrip(input);
    if (!strip)
        return;
    TabStrip1->setGeometry(Twips::toPixels(this, strip->left, strip->top, strip->width, strip->height));
    Frame1->placeControls(input.innerWidth, input.innerHeight);
    placeFrame1();
}

void MainArea::placeFrame1()
{
    const QRect client = TabStrip1->clientArea();
    Frame1->setGeometry(QRect(TabStrip1->mapTo(this, client.topLeft()), client.size()));
}
