#pragma once

#include "picture/core/ContactSheetLayout.h"

#include <QCoreApplication>
#include <QFont>
#include <QImage>
#include <QList>
#include <QString>
#include <optional>

class QPainter;

// The pictures of a contact sheet with their names, placed as they arrive, drawn on any painter:
// the window's, or a band of a file's rows.
class ContactSheet {
    Q_DECLARE_TR_FUNCTIONS(ContactSheet)

public:
    // Rows end at this width, unless one picture alone is wider.
    static constexpr int width = 1024;

    explicit ContactSheet(const QFont& font);

    // "NAME", or "NAME (W × H)" with the picture's own size when it is drawn at another.
    static QString label(const QString& name, QSize drawn, QSize own);

    // Places the picture, drawn at the size it has here, after the others; `own` is the size it
    // was scaled down from. Returns the area it took, its name included, or nothing when the sheet
    // would then be larger than it may be; the sheet is then as it was.
    std::optional<QRect> add(const QString& name, const QImage& picture, QSize own);
    int count() const { return int(cells_.size()); }
    QSize size() const { return layout_.size(); }
    QRect pictureRect(int index) const { return cells_.at(index).place.picture; }

    // Draws the cells that meet `area` on a background drawn already.
    void paint(QPainter& painter, const QRect& area) const;

private:
    struct Cell {
        QString label;
        QImage picture;
        ContactSheetLayout::Cell place;
    };

    QFont font_;
    ContactSheetLayout layout_;
    QList<Cell> cells_;
};
