#include "picture/ContactSheet.h"

#include <QFontMetrics>
#include <QPainter>

ContactSheet::ContactSheet(const QFont& font)
    : font_(font)
    , layout_(width, QFontMetrics(font).height())
{
}

QRect ContactSheet::add(const QString& name, const QImage& picture)
{
    const int labelWidth = QFontMetrics(font_).horizontalAdvance(name);
    cells_.append({name, picture, layout_.add(picture.size(), labelWidth)});
    const ContactSheetLayout::Cell& place = cells_.constLast().place;
    return place.picture.united(place.label);
}

void ContactSheet::paint(QPainter& painter, const QRect& area) const
{
    painter.setFont(font_);
    painter.setPen(Qt::black);
    for (const Cell& cell : cells_) {
        if (cell.place.picture.intersects(area))
            painter.drawImage(cell.place.picture.topLeft(), cell.picture);
        if (cell.place.label.intersects(area))
            painter.drawText(cell.place.label, Qt::AlignLeft | Qt::AlignTop, cell.name);
    }
}

QImage ContactSheet::toImage() const
{
    QImage sheet(size(), QImage::Format_RGB32);
    sheet.fill(Qt::white);
    QPainter painter(&sheet);
    paint(painter, sheet.rect());
    return sheet;
}
