#pragma once

#include <QRect>
#include <QSize>
#include <optional>

// Where the pictures of a contact sheet go: left to right in rows no wider than the sheet (a wider
// picture takes a row of its own), each with its name below it. A place never moves once given, so
// the sheet can be drawn while it grows. Both the pictures and the sheet are bounded, so that no
// archive can make the sheet take more memory than a fixed amount.
class ContactSheetLayout {
public:
    static constexpr int gap = 8;
    // A picture larger than this on a side is drawn scaled down to fit it.
    static constexpr int largestPicture = 4096;
    // No sheet is wider or taller, so none holds more than 2^28 pixels.
    static constexpr int largestSheet = 16384;

    struct Cell {
        QRect picture;
        QRect label;
    };

    ContactSheetLayout(int width, int labelHeight);

    // The size a picture is drawn at: its own, or scaled down to fit largestPicture on both sides
    // with its aspect kept, no side below one pixel.
    static QSize drawnSize(QSize picture);
    // The place of the next picture (at its drawn size), and of its name under it; the cell is as wide
    // as the wider. Nothing when the sheet would then be larger than largestSheet; it stays as it was.
    std::optional<Cell> add(QSize drawn, int labelWidth);
    // The sheet so far, with a gap around it.
    QSize size() const;

private:
    int width_;
    int labelHeight_;
    int left_ = gap;
    int rowTop_ = gap;
    int rowBottom_ = gap;
    int right_ = gap;
};
