#pragma once

#include <QList>
#include <QStringView>

// The tokens of the game's script language that the script window colours, one line at a time: C-like
// comments ("//" to the end of the line, "/*" to "*/" across lines), strings in double or single
// quotes with backslash escapes, numbers, keywords and "$" or "%" variables ("$pref::name"). Everything
// else is plain text.
namespace ScriptSyntax {

enum class Kind { Comment, String, Number, Keyword, Variable };

struct Token {
    Kind kind;
    qsizetype start;
    qsizetype length;

    bool operator==(const Token&) const = default;
};

struct Line {
    QList<Token> tokens;
    // A "/*" comment is still open at the line's end.
    bool openComment = false;
};

// `inComment` when a comment opened on an earlier line is still open at this line's start.
Line tokenize(QStringView line, bool inComment);

} // namespace ScriptSyntax
