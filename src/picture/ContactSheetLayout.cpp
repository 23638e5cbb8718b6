#include "picture/ContactSheetLayout.h"

#include <algorithm>

ContactSheetLayout::ContactSheetLayout(int width, int labelHeight)
    : width_(width)
    , labelHeight_(labelHeight)
{
}

ContactSheetLayout::Cell ContactSheetLayout::add(QSize picture, int labelWidth)
{
    const int cellWidth = std::max(picture.width(), labelWidth);
    if (left_ > gap && left_ + cellWidth + gap > width_) {
        rowTop_ = rowBottom_ + gap;
        left_ = gap;
    }
    const Cell cell{QRect(QPoint(left_, rowTop_), picture),
                    QRect(left_, rowTop_ + picture.height(), cellWidth, labelHeight_)};
    left_ += cellWidth + gap;
    right_ = std::max(right_, left_);
    rowBottom_ = std::max(rowBottom_, cell.label.bottom() + 1);
    return cell;
}

QSize ContactSheetLayout::size() const
{
    return {right_, rowBottom_ + gap};
}
