#include "picture/core/ContactSheet.h"

#include <QFontMetrics>
#include <QPainter>

ContactSheet::ContactSheet(const QFont& font)
    : font_(font)
    , layout_(width, QFontMetrics(font).height())
{
}

QString ContactSheet::label(const QString& name, QSize drawn, QSize own)
{
    if (drawn == own)
        return name;
    return tr("%1 (%2 × %3)").arg(name).arg(own.width()).arg(own.height());
}

std::optional<QRect> ContactSheet::add(const QString& name, const QImage& picture, QSize own)
{
    const QString text = label(name, picture.size(), own);
    const std::optional<ContactSheetLayout::Cell> place =
        layout_.add(picture.size(), QFontMetrics(font_).horizontalAdvance(text));
    if (!place)
        return std::nullopt;
    cells_.append({text, picture, *place});
    return place->picture.united(place->label);
}

void ContactSheet::paint(QPainter& painter, const QRect& area) const
{
    painter.setFont(font_);
    painter.setPen(Qt::black);
    for (const Cell& cell : cells_) {
        if (cell.place.picture.intersects(area))
            painter.drawImage(cell.place.picture.topLeft(), cell.picture);
        if (cell.place.label.intersects(area))
            painter.drawText(cell.place.label, Qt::AlignLeft | Qt::AlignTop, cell.label);
    }
}
