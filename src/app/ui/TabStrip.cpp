#include "app/ui/TabStrip.h"

#include <QEvent>
#include <QPainter>
#include <QStyleOptionTabWidgetFrame>
#include <QTabBar>

TabStrip::TabStrip(QWidget* parent)
    : QWidget(parent)
    , tabBar_(new QTabBar(this))
{
    tabBar_->setDrawBase(false);
    tabBar_->setExpanding(false);
    tabBar_->setUsesScrollButtons(true);
    tabBar_->setElideMode(Qt::ElideNone);
    tabBar_->setTabsClosable(true);
}

int TabStrip::frameWidth() const
{
    return style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, this);
}

QRect TabStrip::clientArea() const
{
    const int frame = frameWidth();
    return rect().adjusted(frame, tabBar_->height() + frame, -frame, -frame);
}

void TabStrip::layoutTabBar()
{
    tabBar_->setGeometry(0, 0, width(), tabBar_->sizeHint().height());
    update();
    emit clientAreaChanged();
}

bool TabStrip::event(QEvent* event)
{
    // The tab bar asks for a new layout when tabs are added, which changes the client area.
    if (event->type() == QEvent::LayoutRequest)
        layoutTabBar();
    return QWidget::event(event);
}

void TabStrip::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    layoutTabBar();
}

void TabStrip::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    QStyleOptionTabWidgetFrame pane;
    pane.initFrom(this);
    pane.lineWidth = frameWidth();
    pane.shape = QTabBar::RoundedNorth;
    pane.tabBarSize = tabBar_->size();
    pane.tabBarRect = tabBar_->geometry();
    pane.rect = rect().adjusted(0, qMax(0, tabBar_->height() - 1), 0, 0);
    style()->drawPrimitive(QStyle::PE_FrameTabWidget, &pane, &painter, this);
}
