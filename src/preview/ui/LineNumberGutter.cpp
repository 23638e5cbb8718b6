#include "preview/ui/LineNumberGutter.h"

#include "preview/ui/ScriptView.h"

LineNumberGutter::LineNumberGutter(ScriptView* view)
    : QWidget(view)
    , view_(view)
{
    setObjectName(QStringLiteral("lineNumbers"));
    setAccessibleName(tr("Line numbers"));
}

QSize LineNumberGutter::sizeHint() const
{
    return {view_->gutterWidth(), 0};
}

void LineNumberGutter::paintEvent(QPaintEvent* event)
{
    view_->paintLineNumbers(*this, *event);
}
