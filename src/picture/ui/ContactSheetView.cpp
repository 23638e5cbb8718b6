#include "picture/ui/ContactSheetView.h"

#include "picture/core/ContactSheet.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollArea>

ContactSheetView::ContactSheetView(QWidget* parent)
    : QWidget(parent)
{
    setAutoFillBackground(true);
    setFocusPolicy(Qt::StrongFocus);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, Qt::white);
    setPalette(colours);
}

void ContactSheetView::setSheet(const ContactSheet* sheet)
{
    sheet_ = sheet;
    current_ = -1;
    setAccessibleDescription(QString());
    resize(sizeHint());
    update();
}

void ContactSheetView::grown(const QRect& place)
{
    if (size() != sizeHint())
        resize(sizeHint());
    update(place);
}

QSize ContactSheetView::sizeHint() const
{
    return sheet_ ? sheet_->size() : QSize();
}

void ContactSheetView::paintEvent(QPaintEvent* event)
{
    if (!sheet_)
        return;
    QPainter painter(this);
    sheet_->paint(painter, event->rect());
    if (current_ >= 0) {
        painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
        painter.drawRect(sheet_->area(current_).adjusted(-2, -2, 1, 1));
    }
}

void ContactSheetView::choose(int index)
{
    if (!sheet_ || index < 0 || index >= sheet_->count())
        return;
    const int before = current_;
    current_ = index;
    setAccessibleDescription(sheet_->label(index));
    const QRect area = sheet_->area(index);
    if (before >= 0 && before < sheet_->count())
        update(sheet_->area(before).adjusted(-4, -4, 4, 4));
    update(area.adjusted(-4, -4, 4, 4));
    // The scroll area is the viewport's parent.
    if (auto* scroll = qobject_cast<QScrollArea*>(parentWidget() ? parentWidget()->parentWidget() : nullptr))
        scroll->ensureVisible(area.center().x(), area.center().y(),
                              area.width() / 2 + ContactSheetLayout::gap,
                              area.height() / 2 + ContactSheetLayout::gap);
    emit chosen(index);
}

void ContactSheetView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && sheet_)
        choose(sheet_->cellAt(event->position().toPoint()));
    QWidget::mousePressEvent(event);
}

void ContactSheetView::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !sheet_)
        return;
    const int index = sheet_->cellAt(event->position().toPoint());
    if (index >= 0)
        emit opened(index);
}

void ContactSheetView::keyPressEvent(QKeyEvent* event)
{
    using Move = ContactSheetLayout::Move;
    static const QHash<int, Move> moves{{Qt::Key_Left, Move::Left},  {Qt::Key_Right, Move::Right},
                                        {Qt::Key_Up, Move::Up},      {Qt::Key_Down, Move::Down},
                                        {Qt::Key_Home, Move::First}, {Qt::Key_End, Move::Last}};
    if (!sheet_ || sheet_->count() == 0) {
        QWidget::keyPressEvent(event);
        return;
    }
    if (const auto move = moves.constFind(event->key()); move != moves.cend()) {
        choose(current_ < 0 ? 0 : ContactSheetLayout::moved(sheet_->areas(), current_, *move));
    } else if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && current_ >= 0) {
        emit opened(current_);
    } else {
        QWidget::keyPressEvent(event);
    }
}
