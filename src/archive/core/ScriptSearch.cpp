#include "archive/core/ScriptSearch.h"

#include "archive/core/Windows1252.h"

ScriptSearch::ScriptSearch(const QString& text, bool regularExpression, bool caseSensitive)
    : expression_(regularExpression ? text : QRegularExpression::escape(text),
                  caseSensitive ? QRegularExpression::NoPatternOption
                                : QRegularExpression::CaseInsensitiveOption)
{
    if (text.isEmpty())
        refusal_ = tr("There is no text to find.");
    else if (!expression_.isValid())
        refusal_ = tr("The regular expression is not valid: %1 (at character %2).")
                       .arg(expression_.errorString())
                       .arg(expression_.patternErrorOffset() + 1);
}

QList<ScriptSearch::LineMatch> ScriptSearch::find(QByteArrayView windows1252) const
{
    QList<LineMatch> found;
    if (!refusal_.isEmpty())
        return found;
    const QString text = Windows1252::decode(windows1252);
    const qsizetype size = text.size();
    const QChar* chars = text.constData();
    int number = 0;
    qsizetype start = 0;
    while (start < size) {
        qsizetype end = start;
        while (end < size && chars[end] != u'\n' && chars[end] != u'\r')
            ++end;
        ++number;
        // Each line is matched on its own, so that anchors and look-arounds see the line's ends.
        const QStringView line(chars + start, end - start);
        QRegularExpressionMatchIterator matches = expression_.globalMatch(line);
        if (matches.hasNext()) {
            LineMatch match{number, line.toString(), {}};
            while (matches.hasNext()) {
                const QRegularExpressionMatch next = matches.next();
                match.spans.append({next.capturedStart(), next.capturedLength()});
            }
            found.append(std::move(match));
        }
        start = end + (end + 1 < size && chars[end] == u'\r' && chars[end + 1] == u'\n' ? 2 : 1);
    }
    return found;
}
