#include "picture/ui/ContactSheetView.h"

#include "picture/core/ContactSheet.h"

#include <QPaintEvent>
#include <QPainter>

ContactSheetView::ContactSheetView(QWidget* parent)
    : QWidget(parent)
{
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, Qt::white);
    setPalette(colours);
}

void ContactSheetView::setSheet(const ContactSheet* sheet)
{
    sheet_ = sheet;
    resize(sizeHint());
    update();
}

void ContactSheetView::grown(const QRect& place)
{
    if (size() != sizeHint())
        resize(sizeHint());
    update(place);
}

QSize ContactSheetView::sizeHint() const
{
    return sheet_ ? sheet_->size() : QSize();
}

void ContactSheetView::paintEvent(QPaintEvent* event)
{
    if (!sheet_)
        return;
    QPainter painter(this);
    sheet_->paint(painter, event->rect());
}
