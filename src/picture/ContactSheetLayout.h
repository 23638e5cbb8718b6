#pragma once

#include <QRect>
#include <QSize>

// Where the pictures of a contact sheet go: at their own size, left to right in rows no wider than
// the sheet (a wider picture takes a row of its own), each with its name below it. A place never
// moves once given, so the sheet can be drawn while it grows.
class ContactSheetLayout {
public:
    static constexpr int gap = 8;

    struct Cell {
        QRect picture;
        QRect label;
    };

    ContactSheetLayout(int width, int labelHeight);

    // The place of the next picture, and of its name under it; the cell is as wide as the wider.
    Cell add(QSize picture, int labelWidth);
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
