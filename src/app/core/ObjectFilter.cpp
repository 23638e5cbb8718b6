#include "app/core/ObjectFilter.h"

ObjectFilter::ObjectFilter(const QString& text)
    : text_(text.toCaseFolded())
    , wildcard_(text.contains(QLatin1Char('*')) || text.contains(QLatin1Char('?')))
{
}

bool ObjectFilter::matches(QStringView name) const
{
    if (text_.isEmpty())
        return true;
    if (!wildcard_)
        return name.contains(text_, Qt::CaseInsensitive);
    return wildcardMatches(name);
}

// Greedy matching with one step back to the last `*`: linear in practice, and no regular expression,
// so names with brackets or other pattern characters are taken literally.
bool ObjectFilter::wildcardMatches(QStringView name) const
{
    const QString folded = name.toString().toCaseFolded();
    qsizetype n = 0;
    qsizetype p = 0;
    qsizetype star = -1;
    qsizetype resume = 0;
    while (n < folded.size()) {
        if (p < text_.size() && text_[p] == QLatin1Char('*')) {
            star = p++;
            resume = n;
        } else if (p < text_.size() && (text_[p] == QLatin1Char('?') || text_[p] == folded[n])) {
            ++p;
            ++n;
        } else if (star >= 0) {
            p = star + 1;
            n = ++resume;
        } else {
            return false;
        }
    }
    while (p < text_.size() && text_[p] == QLatin1Char('*'))
        ++p;
    return p == text_.size();
}
