#include "archive/ui/MatchDelegate.h"

#include <QApplication>
#include <QPainter>

void MatchDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const
{
    QStyleOptionViewItem item = option;
    initStyleOption(&item, index);
    const QString text = item.text;
    item.text.clear();
    const QWidget* widget = option.widget;
    QStyle* style = widget ? widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &item, painter, widget);

    const QRect box = style->subElementRect(QStyle::SE_ItemViewItemText, &item, widget).adjusted(2, 0, -2, 0);
    const QFontMetrics metrics(item.font);
    // In a selected row the colours of a match swap, so that it still stands out.
    const bool selected = item.state & QStyle::State_Selected;
    const QColor plain = item.palette.color(selected ? QPalette::HighlightedText : QPalette::Text);
    const QColor matchText = item.palette.color(selected ? QPalette::Text : QPalette::HighlightedText);
    const QBrush matchBack = item.palette.brush(selected ? QPalette::Base : QPalette::Highlight);
    const auto draw = [&](int from, int length, bool match) {
        if (length <= 0)
            return;
        const QRect part(box.left() + metrics.horizontalAdvance(text.left(from)), box.top(),
                         metrics.horizontalAdvance(text.mid(from, length)), box.height());
        if (match)
            painter->fillRect(part.adjusted(0, 1, 0, -1), matchBack);
        painter->setPen(match ? matchText : plain);
        painter->drawText(part, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                          text.mid(from, length));
    };
    painter->save();
    painter->setFont(item.font);
    painter->setClipRect(box);
    const QVariantList spans = index.data(spansRole).toList();
    int at = 0;
    for (qsizetype pair = 0; pair + 1 < spans.size(); pair += 2) {
        const int start = spans.at(pair).toInt();
        const int length = spans.at(pair + 1).toInt();
        draw(at, start - at, false);
        draw(start, length, true);
        at = start + length;
    }
    draw(at, int(text.size()) - at, false);
    painter->restore();
}
