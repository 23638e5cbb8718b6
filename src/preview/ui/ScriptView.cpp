#include "preview/ui/ScriptView.h"

#include "preview/ui/LineNumberGutter.h"

#include <QFontDatabase>
#include <QPaintEvent>
#include <QPainter>
#include <QTextBlock>

namespace {
// Space either side of the line numbers, in pixels.
constexpr int gutterMargin = 4;
} // namespace

ScriptView::ScriptView(QWidget* parent)
    : QPlainTextEdit(parent)
    , gutter_(new LineNumberGutter(this))
{
    setReadOnly(true);
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    connect(this, &QPlainTextEdit::blockCountChanged, this, &ScriptView::updateGutterWidth);
    connect(this, &QPlainTextEdit::updateRequest, this, [this](const QRect& rect, int dy) {
        if (dy != 0)
            gutter_->scroll(0, dy);
        else
            gutter_->update(0, rect.y(), gutter_->width(), rect.height());
    });
    updateGutterWidth();
}

int ScriptView::gutterWidth() const
{
    const int digits = int(QString::number(std::max(1, blockCount())).size());
    return 2 * gutterMargin + fontMetrics().horizontalAdvance(u'9') * digits;
}

void ScriptView::updateGutterWidth()
{
    setViewportMargins(gutterWidth(), 0, 0, 0);
}

void ScriptView::resizeEvent(QResizeEvent* event)
{
    QPlainTextEdit::resizeEvent(event);
    const QRect inner = contentsRect();
    gutter_->setGeometry(inner.left(), inner.top(), gutterWidth(), inner.height());
}

// Only the lines laid out in the exposed part: a long script is never walked whole.
void ScriptView::paintLineNumbers(LineNumberGutter& gutter, const QPaintEvent& event)
{
    QPainter painter(&gutter);
    painter.fillRect(event.rect(), palette().color(QPalette::AlternateBase));
    painter.setPen(palette().color(QPalette::PlaceholderText));
    painter.setFont(font());
    const int lineHeight = fontMetrics().height();
    for (QTextBlock block = firstVisibleBlock(); block.isValid(); block = block.next()) {
        const QRectF bounds = blockBoundingGeometry(block).translated(contentOffset());
        if (bounds.top() > event.rect().bottom())
            break;
        if (bounds.bottom() >= event.rect().top())
            painter.drawText(QRect(0, int(bounds.top()), gutter.width() - gutterMargin, lineHeight),
                             Qt::AlignRight, QString::number(block.blockNumber() + 1));
    }
}

void ScriptView::goToLine(int line)
{
    const QTextBlock block = document()->findBlockByNumber(std::clamp(line, 1, blockCount()) - 1);
    setTextCursor(QTextCursor(block));
    centerCursor();
}

void ScriptView::selectText(qsizetype start, qsizetype length)
{
    QTextCursor cursor(document());
    cursor.setPosition(int(start));
    cursor.setPosition(int(start + length), QTextCursor::KeepAnchor);
    setTextCursor(cursor);
    centerCursor();
}
