#pragma once

#include <QStyledItemDelegate>

// Draws a cell's text with the spans of a match highlighted, as the selection colours a text. The
// spans are the cell's `spansRole` data: a list of start and length pairs, in the text's UTF-16 units.
class MatchDelegate : public QStyledItemDelegate {
    Q_OBJECT

public:
    static constexpr int spansRole = Qt::UserRole + 1;

    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
};
