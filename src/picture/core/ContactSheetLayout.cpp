#include "picture/core/ContactSheetLayout.h"

#include <algorithm>
#include <cstdlib>

ContactSheetLayout::ContactSheetLayout(int width, int labelHeight, int cell, int count)
    : width_(width)
    , labelHeight_(labelHeight)
    , cell_(cell)
{
    if (cell_ == natural)
        return;
    const int pitch = cell_ + gap;
    const int rows = std::max(1, (largestSheet - gap) / (pitch + labelHeight_));
    const int widest = std::max(1, (largestSheet - gap) / pitch);
    const int needed = (std::max(count, 0) + rows - 1) / rows;
    columns_ = std::clamp(std::max((width_ - gap) / pitch, needed), 1, widest);
}

QSize ContactSheetLayout::drawnSize(QSize picture, int cell)
{
    const qint64 side = std::max(picture.width(), picture.height());
    const qint64 target = cell == natural ? largestPicture : cell;
    if (side <= 0 || side == target || (cell == natural && side <= largestPicture))
        return picture;
    const auto scaled = [side, target](int length) {
        return std::max(1, int((length * target + side / 2) / side));
    };
    return {scaled(picture.width()), scaled(picture.height())};
}

int ContactSheetLayout::moved(const QList<QRect>& areas, int from, Move move)
{
    const int last = int(areas.size()) - 1;
    if (last < 0)
        return from;
    switch (move) {
    case Move::First:
        return 0;
    case Move::Last:
        return last;
    case Move::Left:
        return std::max(0, from - 1);
    case Move::Right:
        return std::min(last, from + 1);
    case Move::Up:
    case Move::Down:
        break;
    }
    // Rows are the cells that share a top; the nearest row that way, then the cell nearest across.
    const QRect here = areas.at(from);
    const bool up = move == Move::Up;
    int rowTop = -1;
    for (const QRect& area : areas) {
        if ((up ? area.top() < here.top() : area.top() > here.top()) &&
            (rowTop < 0 || (up ? area.top() > rowTop : area.top() < rowTop)))
            rowTop = area.top();
    }
    int best = from;
    int bestDistance = 0;
    for (int i = 0; i <= last; ++i) {
        if (areas.at(i).top() != rowTop)
            continue;
        const int distance = std::abs(areas.at(i).center().x() - here.center().x());
        if (best == from || distance < bestDistance) {
            best = i;
            bestDistance = distance;
        }
    }
    return best;
}

std::optional<ContactSheetLayout::Cell> ContactSheetLayout::add(QSize drawn, int labelWidth)
{
    return cell_ == natural ? addNatural(drawn, labelWidth) : addInCell(drawn);
}

std::optional<ContactSheetLayout::Cell> ContactSheetLayout::addNatural(QSize drawn, int labelWidth)
{
    const qint64 cellWidth = std::max(drawn.width(), labelWidth);
    const bool newRow = left_ > gap && left_ + cellWidth + gap > width_;
    const qint64 left = newRow ? gap : left_;
    const qint64 top = newRow ? rowBottom_ + gap : rowTop_;
    const qint64 bottom = top + drawn.height() + labelHeight_;
    if (std::max<qint64>(right_, left + cellWidth + gap) > largestSheet ||
        std::max<qint64>(rowBottom_, bottom) + gap > largestSheet)
        return std::nullopt;
    const QRect picture(QPoint(int(left), int(top)), drawn);
    const QRect label(int(left), int(top) + drawn.height(), int(cellWidth), labelHeight_);
    left_ = int(left + cellWidth + gap);
    rowTop_ = int(top);
    right_ = std::max(right_, left_);
    rowBottom_ = std::max(rowBottom_, int(bottom));
    return Cell{picture, label, picture.united(label)};
}

// The picture sits in the middle of its square.
std::optional<ContactSheetLayout::Cell> ContactSheetLayout::addInCell(QSize drawn)
{
    const int left = gap + placed_ % columns_ * (cell_ + gap);
    const qint64 top = gap + qint64(placed_ / columns_) * (cell_ + labelHeight_ + gap);
    if (top + cell_ + labelHeight_ + gap > largestSheet)
        return std::nullopt;
    const QRect square(left, int(top), cell_, cell_);
    const QRect picture(square.topLeft() + QPoint((cell_ - drawn.width()) / 2, (cell_ - drawn.height()) / 2),
                        drawn);
    const QRect label(left, square.bottom() + 1, cell_, labelHeight_);
    ++placed_;
    right_ = std::max(right_, left + cell_ + gap);
    rowBottom_ = std::max(rowBottom_, label.bottom() + 1);
    return Cell{picture, label, square.united(label)};
}

QSize ContactSheetLayout::size() const
{
    return {right_, rowBottom_ + gap};
}
