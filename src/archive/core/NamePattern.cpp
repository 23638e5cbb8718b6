#include "archive/core/NamePattern.h"

NamePattern::NamePattern(const QString& pattern)
    : pattern_(pattern.toCaseFolded())
{
}

// Greedy matching with one step back to the last `*`: linear in practice, and no regular expression,
// so names with brackets or other pattern characters are taken literally.
bool NamePattern::matches(QStringView name) const
{
    if (pattern_.isEmpty())
        return true;
    const QString folded = name.toString().toCaseFolded();
    qsizetype n = 0;
    qsizetype p = 0;
    qsizetype star = -1;
    qsizetype resume = 0;
    while (n < folded.size()) {
        if (p < pattern_.size() && pattern_[p] == QLatin1Char('*')) {
            star = p++;
            resume = n;
        } else if (p < pattern_.size() && (pattern_[p] == QLatin1Char('?') || pattern_[p] == folded[n])) {
            ++p;
            ++n;
        } else if (star >= 0) {
            p = star + 1;
            n = ++resume;
        } else {
            return false;
        }
    }
    while (p < pattern_.size() && pattern_[p] == QLatin1Char('*'))
        ++p;
    return p == pattern_.size();
}
