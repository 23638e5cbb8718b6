#include "picture/ui/PictureBox.h"

#include "picture/core/PictureZoom.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>
#include <algorithm>

namespace {
// What one notch of a mouse wheel turns, in eighths of a degree.
constexpr int wheelNotch = 120;
} // namespace

PictureBox::PictureBox(QWidget* parent)
    : QAbstractScrollArea(parent)
{
    setFrameShape(QFrame::NoFrame);
    // Not the scroll bars' own least size: a window fitted to a tiny picture is as small as it.
    setMinimumSize(1, 1);
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(tr("Picture"));
    viewport()->setAutoFillBackground(true);
    viewport()->setBackgroundRole(QPalette::Base);
}

void PictureBox::setPicture(const QImage& picture)
{
    picture_ = picture;
    updateScrollBars();
    viewport()->update();
}

void PictureBox::setZoom(int zoom)
{
    zoom_ = zoom;
    updateScrollBars();
    viewport()->update();
}

QPoint PictureBox::offset() const
{
    return {horizontalScrollBar()->value(), verticalScrollBar()->value()};
}

void PictureBox::scrollTo(QPoint offset)
{
    horizontalScrollBar()->setValue(offset.x());
    verticalScrollBar()->setValue(offset.y());
}

bool PictureBox::pannable() const
{
    return horizontalScrollBar()->maximum() > 0 || verticalScrollBar()->maximum() > 0;
}

void PictureBox::updateScrollBars()
{
    const QSize zoomed = picture_.size() * zoom_;
    // Scroll bars shown for a smaller box must not keep themselves: without them the picture may fit.
    const QSize whole = maximumViewportSize();
    const QSize view =
        zoomed.width() <= whole.width() && zoomed.height() <= whole.height() ? whole : viewport()->size();
    horizontalScrollBar()->setRange(0, std::max(0, zoomed.width() - view.width()));
    horizontalScrollBar()->setPageStep(view.width());
    horizontalScrollBar()->setSingleStep(std::max(zoom_, 16));
    verticalScrollBar()->setRange(0, std::max(0, zoomed.height() - view.height()));
    verticalScrollBar()->setPageStep(view.height());
    verticalScrollBar()->setSingleStep(std::max(zoom_, 16));
    viewport()->setCursor(pannable() ? Qt::OpenHandCursor : Qt::ArrowCursor);
}

// The exposed part alone, zoomed from the pixels it covers, so that no image of the whole zoomed picture
// is ever made.
void PictureBox::paintEvent(QPaintEvent* event)
{
    if (picture_.isNull())
        return;
    const PictureZoom::Visible part = PictureZoom::visible(picture_.size(), zoom_, offset(), event->rect());
    if (part.source.isEmpty())
        return;
    QImage drawn = picture_.copy(part.source);
    if (zoom_ > 1)
        drawn = drawn.scaled(part.target.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation);
    QPainter painter(viewport());
    painter.drawImage(part.target.topLeft(), drawn);
}

void PictureBox::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    updateScrollBars();
}

void PictureBox::scrollContentsBy(int dx, int dy)
{
    viewport()->scroll(dx, dy);
}

void PictureBox::wheelEvent(QWheelEvent* event)
{
    if (!(event->modifiers() & Qt::ControlModifier)) {
        QAbstractScrollArea::wheelEvent(event);
        return;
    }
    wheelTurned_ += event->angleDelta().y();
    const int steps = wheelTurned_ / wheelNotch;
    wheelTurned_ -= steps * wheelNotch;
    if (steps != 0)
        emit zoomAsked(steps, event->position().toPoint());
    event->accept();
}

void PictureBox::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !pannable()) {
        QAbstractScrollArea::mousePressEvent(event);
        return;
    }
    dragFrom_ = event->position().toPoint();
    dragOffset_ = offset();
    viewport()->setCursor(Qt::ClosedHandCursor);
}

void PictureBox::mouseMoveEvent(QMouseEvent* event)
{
    if (!dragFrom_) {
        QAbstractScrollArea::mouseMoveEvent(event);
        return;
    }
    scrollTo(dragOffset_ - (event->position().toPoint() - *dragFrom_));
}

void PictureBox::mouseReleaseEvent(QMouseEvent* event)
{
    if (!dragFrom_) {
        QAbstractScrollArea::mouseReleaseEvent(event);
        return;
    }
    dragFrom_.reset();
    updateScrollBars();
}
