#include "preview/core/FindInText.h"

#include <algorithm>

namespace FindInText {

QList<qsizetype> matches(QStringView text, QStringView wanted)
{
    QList<qsizetype> found;
    if (wanted.isEmpty())
        return found;
    for (qsizetype at = text.indexOf(wanted, 0, Qt::CaseInsensitive); at >= 0;
         at = text.indexOf(wanted, at + wanted.size(), Qt::CaseInsensitive))
        found.append(at);
    return found;
}

qsizetype next(const QList<qsizetype>& matches, qsizetype from, bool backwards)
{
    if (matches.isEmpty())
        return -1;
    const auto at = std::ranges::lower_bound(matches, from);
    if (backwards)
        return at == matches.begin() ? matches.size() - 1 : at - matches.begin() - 1;
    return at == matches.end() ? 0 : at - matches.begin();
}

} // namespace FindInText
