#include "WildcardPattern.h"

#include <utility>

namespace {

char foldAscii(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

} // namespace

WildcardPattern::WildcardPattern(std::string pattern)
    : m_pattern(std::move(pattern))
{
}

bool WildcardPattern::matches(std::string_view name) const
{
    const std::string_view pattern = m_pattern;
    if (globMatch(pattern, name))
        return true;
    const bool dotStarTail = pattern.size() >= 2 && pattern.substr(pattern.size() - 2) == ".*";
    return dotStarTail && globMatch(pattern.substr(0, pattern.size() - 2), name);
}

bool WildcardPattern::globMatch(std::string_view pattern, std::string_view name)
{
    // Greedy scan that backtracks only to the most recent '*': linear memory, no recursion.
    std::size_t p = 0;
    std::size_t n = 0;
    std::size_t starP = std::string_view::npos;
    std::size_t starN = 0;
    while (n < name.size()) {
        if (p < pattern.size() && pattern[p] == '*') {
            starP = p++;
            starN = n;
        } else if (p < pattern.size() && (pattern[p] == '?' || foldAscii(pattern[p]) == foldAscii(name[n]))) {
            ++p;
            ++n;
        } else if (starP != std::string_view::npos) {
            p = starP + 1;
            n = ++starN;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*')
        ++p;
    return p == pattern.size();
}
