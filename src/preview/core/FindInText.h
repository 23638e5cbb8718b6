#pragma once

#include <QList>
#include <QStringView>

// What the script window's find bar looks for: every place a text holds a wanted word, in any
// letter case, and which of them comes next from the caret, round the end.
namespace FindInText {

// Where each match starts; a match starts after the one before it ends.
QList<qsizetype> matches(QStringView text, QStringView wanted);
// The index of the first match at or after `from`, or going back of the last one before it,
// starting again at the other end; -1 when there is none.
qsizetype next(const QList<qsizetype>& matches, qsizetype from, bool backwards);

} // namespace FindInText
