#include "app/core/ObjectFilter.h"

ObjectFilter::ObjectFilter(const QString& text)
    : text_(text.toCaseFolded())
    , wildcard_(text.contains(QLatin1Char('*')) || text.contains(QLatin1Char('?')))
    , pattern_(text)
{
}

bool ObjectFilter::matches(QStringView name) const
{
    if (text_.isEmpty())
        return true;
    if (!wildcard_)
        return name.contains(text_, Qt::CaseInsensitive);
    return pattern_.matches(name);
}
