#include "picture/core/ContactSheetLayout.h"

#include <algorithm>

ContactSheetLayout::ContactSheetLayout(int width, int labelHeight)
    : width_(width)
    , labelHeight_(labelHeight)
{
}

QSize ContactSheetLayout::drawnSize(QSize picture)
{
    const qint64 side = std::max(picture.width(), picture.height());
    if (side <= largestPicture)
        return picture;
    const auto scaled = [side](int length) {
        return std::max(1, int((length * qint64(largestPicture) + side / 2) / side));
    };
    return {scaled(picture.width()), scaled(picture.height())};
}

std::optional<ContactSheetLayout::Cell> ContactSheetLayout::add(QSize drawn, int labelWidth)
{
    const qint64 cellWidth = std::max(drawn.width(), labelWidth);
    const bool newRow = left_ > gap && left_ + cellWidth + gap > width_;
    const qint64 left = newRow ? gap : left_;
    const qint64 top = newRow ? rowBottom_ + gap : rowTop_;
    const qint64 bottom = top + drawn.height() + labelHeight_;
    if (std::max<qint64>(right_, left + cellWidth + gap) > largestSheet ||
        std::max<qint64>(rowBottom_, bottom) + gap > largestSheet)
        return std::nullopt;
    const Cell cell{QRect(QPoint(int(left), int(top)), drawn),
                    QRect(int(left), int(top) + drawn.height(), int(cellWidth), labelHeight_)};
    left_ = int(left + cellWidth + gap);
    rowTop_ = int(top);
    right_ = std::max(right_, left_);
    rowBottom_ = std::max(rowBottom_, int(bottom));
    return cell;
}

QSize ContactSheetLayout::size() const
{
    return {right_, rowBottom_ + gap};
}
