#pragma once

#include "picture/core/ContactSheetLayout.h"

#include <QCoreApplication>
#include <QFont>
#include <QImage>
#include <QList>
#include <QString>
#include <optional>

class QPainter;

// The pictures of a contact sheet with their labels, placed as they arrive in the layout chosen,
// drawn on any painter: the window's, or a band of a file's rows.
class ContactSheet {
    Q_DECLARE_TR_FUNCTIONS(ContactSheet)

public:
    // Rows end at this width, unless one picture alone is wider.
    static constexpr int width = 1024;

    // `cell` is ContactSheetLayout::natural or one of its cellSides; `count` the pictures expected.
    explicit ContactSheet(const QFont& font, int cell = ContactSheetLayout::natural, int count = 0);

    // At natural size: "NAME", or "NAME (W × H)" with the picture's own size when it is drawn at another.
    static QString label(const QString& name, QSize drawn, QSize own);
    // In a cell `width` pixels wide: the name, shortened in its middle to fit, and "W × H" below it.
    static QString cellLabel(const QString& name, QSize own, const QFont& font, int width);

    // The size a picture of size `own` is drawn at on this sheet.
    QSize drawnSize(QSize own) const { return ContactSheetLayout::drawnSize(own, layout_.cell()); }
    // Places the picture after the others, scaled to drawnSize(own) when it is not that size already:
    // smoothly when it is reduced, pixel for pixel when it is enlarged. Returns the cell's area, or
    // nothing when the sheet would then be larger than it may be; the sheet is then as it was.
    std::optional<QRect> add(const QString& name, const QImage& picture, QSize own);
    int count() const { return int(cells_.size()); }
    int cell() const { return layout_.cell(); }
    QSize size() const { return layout_.size(); }
    QRect pictureRect(int index) const { return cells_.at(index).place.picture; }
    QRect area(int index) const { return cells_.at(index).place.area; }
    QList<QRect> areas() const;
    QString name(int index) const { return cells_.at(index).name; }
    QString label(int index) const { return cells_.at(index).label; }
    // The cell at `point`, or -1.
    int cellAt(QPoint point) const;

    // Draws the cells that meet `area` on a background drawn already.
    void paint(QPainter& painter, const QRect& area) const;

private:
    struct Cell {
        QString name;
        QString label;
        QImage picture;
        ContactSheetLayout::Cell place;
    };

    QFont font_;
    ContactSheetLayout layout_;
    QList<Cell> cells_;
};
