#pragma once

#include <QList>
#include <QRect>
#include <QSize>
#include <array>
#include <optional>

// Where the pictures of a contact sheet go, in one of two layouts. At natural size: left to right in
// rows no wider than the sheet (a wider picture takes a row of its own), each with its name below it.
// In cells: every picture scaled into a square cell of one side, on a grid, its label below. A place
// never moves once given, so the sheet can be drawn while it grows. Both the pictures and the sheet
// are bounded, so that no archive can make the sheet take more memory than a fixed amount.
class ContactSheetLayout {
public:
    static constexpr int gap = 8;
    // A picture larger than this on a side is drawn scaled down to fit it.
    static constexpr int largestPicture = 4096;
    // No sheet is wider or taller, so none holds more than 2^28 pixels.
    static constexpr int largestSheet = 16384;
    // The cell side of the natural-size layout, and the sides of the cell layouts.
    static constexpr int natural = 0;
    static constexpr std::array<int, 3> cellSides{64, 128, 256};

    struct Cell {
        QRect picture;
        QRect label;
        // All the cell takes, where a click on it lands.
        QRect area;
    };

    // How the current cell moves among the placed ones.
    enum class Move { Left, Right, Up, Down, First, Last };

    // `cell` is natural or one of cellSides. Cells go in as many columns as `width` holds, or in more
    // when `count` cells would otherwise pass largestSheet rows.
    ContactSheetLayout(int width, int labelHeight, int cell = natural, int count = 0);

    // The size a picture is drawn at. At natural size: its own, or scaled down to fit largestPicture
    // on both sides. In cells: scaled up or down to fit the cell. The aspect is kept, no side below one
    // pixel.
    static QSize drawnSize(QSize picture, int cell = natural);
    // The cell a move from `from` reaches among `areas` (the cells' areas in the order placed): the
    // next or previous one, the nearest in the row above or below, the first or the last. `from`
    // when there is none that way.
    static int moved(const QList<QRect>& areas, int from, Move move);

    int cell() const { return cell_; }
    int columns() const { return columns_; }
    // The place of the next picture (at its drawn size), and of its label under it; at natural size the
    // cell is as wide as the wider. Nothing when the sheet would then be larger than largestSheet; it
    // stays as it was.
    std::optional<Cell> add(QSize drawn, int labelWidth);
    // The sheet so far, with a gap around it.
    QSize size() const;

private:
    std::optional<Cell> addNatural(QSize drawn, int labelWidth);
    std::optional<Cell> addInCell(QSize drawn);

    int width_;
    int labelHeight_;
    int cell_;
    int columns_ = 0;
    int placed_ = 0;
    int left_ = gap;
    int rowTop_ = gap;
    int rowBottom_ = gap;
    int right_ = gap;
};
