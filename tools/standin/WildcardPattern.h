#pragma once

#include <string>
#include <string_view>

// DOS-style wildcard: '*' any run, '?' one character, ASCII case-insensitive. As on Windows, a
// trailing ".*" also matches names without a dot, so "*.*" matches every name.
class WildcardPattern {
public:
    explicit WildcardPattern(std::string pattern);

    bool matches(std::string_view name) const;

private:
    static bool globMatch(std::string_view pattern, std::string_view name);

    std::string m_pattern;
};
