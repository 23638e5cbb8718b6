#include "preview/ui/ScriptHighlighter.h"

#include "preview/core/ScriptSyntax.h"

#include <QTextDocument>
#include <QTextLayout>

namespace {

QTextCharFormat format(QColor colour, bool bold = false, bool italic = false)
{
    QTextCharFormat format;
    format.setForeground(colour);
    if (bold)
        format.setFontWeight(QFont::Bold);
    format.setFontItalic(italic);
    return format;
}

} // namespace

ScriptHighlighter::ScriptHighlighter(QTextDocument* document)
    : QObject(document)
    , document_(document)
    , formats_{format(QColor(0x6a, 0x73, 0x7d), false, true), format(QColor(0xa3, 0x15, 0x15)),
               format(QColor(0x09, 0x86, 0x58)), format(QColor(0x00, 0x33, 0xb3), true),
               format(QColor(0x7b, 0x1f, 0xa2))}
{
    timer_.setInterval(0);
    connect(&timer_, &QTimer::timeout, this, &ScriptHighlighter::step);
}

void ScriptHighlighter::restart()
{
    next_ = document_->firstBlock();
    inComment_ = false;
    timer_.start();
}

// The formats go on each line's layout as QSyntaxHighlighter puts them, and the lines done are
// redrawn once for the whole part.
void ScriptHighlighter::step()
{
    if (isDone()) {
        timer_.stop();
        return;
    }
    const int from = next_.position();
    int characters = 0;
    while (next_.isValid() && characters < charactersAtOnce) {
        const QString text = next_.text();
        const ScriptSyntax::Line line = ScriptSyntax::tokenize(text, inComment_);
        QList<QTextLayout::FormatRange> ranges;
        ranges.reserve(line.tokens.size());
        for (const ScriptSyntax::Token& token : line.tokens)
            ranges.append({int(token.start), int(token.length), formats_[std::size_t(token.kind)]});
        next_.layout()->setFormats(ranges);
        inComment_ = line.openComment;
        characters += next_.length();
        next_ = next_.next();
    }
    document_->markContentsDirty(from, characters);
    if (isDone()) {
        timer_.stop();
        emit done();
    }
}
