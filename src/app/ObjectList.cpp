#include "app/ObjectList.h"

#include <QMouseEvent>

ObjectList::ObjectList(QWidget* parent)
    : QListWidget(parent)
{
}

template <typename Handling> void ObjectList::asOneAction(Handling handling, bool clickedRow)
{
    ++handlingInput_;
    changed_ = false;
    handling();
    --handlingInput_;
    if (handlingInput_ == 0 && (changed_ || clickedRow))
        emit clickRaised();
}

void ObjectList::keyPressEvent(QKeyEvent* event)
{
    asOneAction([this, event] { QListWidget::keyPressEvent(event); }, false);
}

void ObjectList::mousePressEvent(QMouseEvent* event)
{
    const bool onRow = event->button() == Qt::LeftButton && itemAt(event->position().toPoint()) != nullptr;
    asOneAction([this, event] { QListWidget::mousePressEvent(event); }, onRow);
}

void ObjectList::mouseMoveEvent(QMouseEvent* event)
{
    asOneAction([this, event] { QListWidget::mouseMoveEvent(event); }, false);
}

// A press on a row that is already selected changes the selection only here.
void ObjectList::mouseReleaseEvent(QMouseEvent* event)
{
    asOneAction([this, event] { QListWidget::mouseReleaseEvent(event); }, false);
}

void ObjectList::selectionChanged(const QItemSelection& selected, const QItemSelection& deselected)
{
    QListWidget::selectionChanged(selected, deselected);
    if (handlingInput_ > 0)
        changed_ = true;
    else
        emit clickRaised();
}

// The program moves the current row too (a list that gains focus takes its first row); only the
// user's moves count as a click.
void ObjectList::currentChanged(const QModelIndex& current, const QModelIndex& previous)
{
    QListWidget::currentChanged(current, previous);
    if (handlingInput_ > 0)
        changed_ = true;
}
