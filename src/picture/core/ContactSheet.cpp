#include "picture/core/ContactSheet.h"

#include <QFontMetrics>
#include <QPainter>

namespace {

// Cells show as light squares, so that small pictures still read as a grid.
const QColor cellBackground(240, 240, 240);

int labelLines(int cell)
{
    return cell == ContactSheetLayout::natural ? 1 : 2;
}

} // namespace

ContactSheet::ContactSheet(const QFont& font, int cell, int count)
    : font_(font)
    , layout_(width, QFontMetrics(font).height() * labelLines(cell), cell, count)
{
}

QString ContactSheet::label(const QString& name, QSize drawn, QSize own)
{
    if (drawn == own)
        return name;
    return tr("%1 (%2 × %3)").arg(name).arg(own.width()).arg(own.height());
}

QString ContactSheet::cellLabel(const QString& name, QSize own, const QFont& font, int width)
{
    return QFontMetrics(font).elidedText(name, Qt::ElideMiddle, width) + u'\n' +
           tr("%1 × %2").arg(own.width()).arg(own.height());
}

std::optional<QRect> ContactSheet::add(const QString& name, const QImage& picture, QSize own)
{
    const QSize drawn = drawnSize(own);
    const QString text =
        cell() == ContactSheetLayout::natural ? label(name, drawn, own) : cellLabel(name, own, font_, cell());
    const std::optional<ContactSheetLayout::Cell> place =
        layout_.add(drawn, QFontMetrics(font_).horizontalAdvance(text));
    if (!place)
        return std::nullopt;
    // An enlarged picture is kept at its own size and enlarged as it is painted: a sheet of large
    // cells would otherwise hold many times the pixels it was given.
    const bool enlarged = drawn.width() > picture.width() || drawn.height() > picture.height();
    const QImage shown = picture.size() == drawn || enlarged
                             ? picture
                             : picture.scaled(drawn, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    cells_.append({name, text, shown, *place});
    return place->area;
}

QList<QRect> ContactSheet::areas() const
{
    QList<QRect> all;
    all.reserve(cells_.size());
    for (const Cell& cell : cells_)
        all.append(cell.place.area);
    return all;
}

int ContactSheet::cellAt(QPoint point) const
{
    for (int i = 0; i < count(); ++i) {
        if (cells_.at(i).place.area.contains(point))
            return i;
    }
    return -1;
}

void ContactSheet::paint(QPainter& painter, const QRect& area) const
{
    const bool inCells = cell() != ContactSheetLayout::natural;
    painter.save();
    painter.setFont(font_);
    painter.setPen(Qt::black);
    // Pixel for pixel where a picture is enlarged.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    for (const Cell& cell : cells_) {
        if (!cell.place.area.intersects(area))
            continue;
        if (inCells)
            painter.fillRect(cell.place.area.adjusted(0, 0, 0, -cell.place.label.height()), cellBackground);
        if (cell.place.picture.intersects(area))
            painter.drawImage(cell.place.picture, cell.picture);
        if (cell.place.label.intersects(area))
            painter.drawText(cell.place.label, (inCells ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignTop,
                             cell.label);
    }
    painter.restore();
}
