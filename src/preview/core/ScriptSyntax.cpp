#include "preview/core/ScriptSyntax.h"

#include <QString>
#include <array>

namespace ScriptSyntax {

namespace {

constexpr std::array keywords{u"break",   u"case",   u"continue", u"datablock", u"default", u"do",
                              u"else",    u"false",  u"for",      u"function",  u"if",      u"new",
                              u"package", u"return", u"switch",   u"true",      u"while"};

bool isWordStart(QChar c)
{
    return c.isLetter() || c == u'_';
}

bool isWordPart(QChar c)
{
    return c.isLetterOrNumber() || c == u'_';
}

// The end of the word starting at `at`; a variable's name may hold "::" between its parts.
qsizetype wordEnd(QStringView line, qsizetype at, bool variable)
{
    while (at < line.size()) {
        if (isWordPart(line[at]))
            ++at;
        else if (variable && line.mid(at).startsWith(u"::") && at + 2 < line.size() &&
                 isWordStart(line[at + 2]))
            at += 2;
        else
            break;
    }
    return at;
}

// Decimal with an optional fraction and exponent, or "0x" and hex digits.
qsizetype numberEnd(QStringView line, qsizetype at)
{
    const auto digits = [&line](qsizetype from, bool hex) {
        while (from < line.size() &&
               (line[from].isDigit() || (hex && QStringLiteral("abcdefABCDEF").contains(line[from]))))
            ++from;
        return from;
    };
    if (line.mid(at).startsWith(u"0x", Qt::CaseInsensitive) && at + 2 < line.size() &&
        digits(at + 2, true) > at + 2)
        return digits(at + 2, true);
    at = digits(at, false);
    if (at + 1 < line.size() && line[at] == u'.' && line[at + 1].isDigit())
        at = digits(at + 1, false);
    if (at < line.size() && (line[at] == u'e' || line[at] == u'E')) {
        qsizetype exponent = at + 1;
        if (exponent < line.size() && (line[exponent] == u'+' || line[exponent] == u'-'))
            ++exponent;
        if (exponent < line.size() && line[exponent].isDigit())
            at = digits(exponent, false);
    }
    return at;
}

// Past the closing quote; the line's end when the string is not closed on it.
qsizetype stringEnd(QStringView line, qsizetype at)
{
    const QChar quote = line[at];
    for (++at; at < line.size(); ++at) {
        if (line[at] == u'\\')
            ++at;
        else if (line[at] == quote)
            return at + 1;
    }
    return line.size();
}

} // namespace

Line tokenize(QStringView line, bool inComment)
{
    Line result;
    qsizetype at = 0;
    const auto add = [&result](Kind kind, qsizetype start, qsizetype end) {
        if (end > start)
            result.tokens.append({kind, start, end - start});
    };
    const auto closeComment = [&](qsizetype start, qsizetype from) {
        const qsizetype close = line.indexOf(u"*/", from);
        const qsizetype end = close < 0 ? line.size() : close + 2;
        add(Kind::Comment, start, end);
        result.openComment = close < 0;
        return end;
    };
    if (inComment)
        at = closeComment(0, 0);
    while (at < line.size() && !result.openComment) {
        const QChar c = line[at];
        const QChar next = at + 1 < line.size() ? line[at + 1] : QChar();
        if (c == u'/' && next == u'/') {
            add(Kind::Comment, at, line.size());
            break;
        }
        if (c == u'/' && next == u'*') {
            at = closeComment(at, at + 2);
        } else if (c == u'"' || c == u'\'') {
            const qsizetype end = stringEnd(line, at);
            add(Kind::String, at, end);
            at = end;
        } else if ((c == u'$' || c == u'%') && isWordStart(next)) {
            const qsizetype end = wordEnd(line, at + 1, true);
            add(Kind::Variable, at, end);
            at = end;
        } else if (isWordStart(c)) {
            const qsizetype end = wordEnd(line, at, false);
            const QStringView word = line.mid(at, end - at);
            for (const char16_t* keyword : keywords) {
                if (word.compare(QStringView(keyword), Qt::CaseInsensitive) == 0) {
                    add(Kind::Keyword, at, end);
                    break;
                }
            }
            at = end;
        } else if (c.isDigit() || (c == u'.' && next.isDigit())) {
            const qsizetype end = numberEnd(line, at);
            add(Kind::Number, at, end);
            at = end;
        } else {
            ++at;
        }
    }
    return result;
}

} // namespace ScriptSyntax
