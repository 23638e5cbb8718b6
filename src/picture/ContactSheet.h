#pragma once

#include "picture/ContactSheetLayout.h"

#include <QFont>
#include <QImage>
#include <QList>
#include <QString>

class QPainter;

// The pictures of a contact sheet with their names, placed as they arrive, drawn on any painter:
// the window's, or one image for a file.
class ContactSheet {
public:
    // Rows end at this width, unless one picture alone is wider.
    static constexpr int width = 1024;

    explicit ContactSheet(const QFont& font);

    // Places the picture after the others; returns the area it took, its name included.
    QRect add(const QString& name, const QImage& picture);
    int count() const { return int(cells_.size()); }
    QSize size() const { return layout_.size(); }
    QRect pictureRect(int index) const { return cells_.at(index).place.picture; }

    // Draws the cells that meet `area` on a background drawn already.
    void paint(QPainter& painter, const QRect& area) const;
    // The whole sheet on white, in 32-bit colour.
    QImage toImage() const;

private:
    struct Cell {
        QString name;
        QImage picture;
        ContactSheetLayout::Cell place;
    };

    QFont font_;
    ContactSheetLayout layout_;
    QList<Cell> cells_;
};
