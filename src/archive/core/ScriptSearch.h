#pragma once

#include <QByteArrayView>
#include <QCoreApplication>
#include <QList>
#include <QRegularExpression>
#include <QString>

// Finds a text in the game's scripts line by line. A script's bytes are read as Windows-1252 and
// split into lines at CR LF, LF or CR; a last line without a line end counts, and lines are
// numbered from 1. The text is found as it is written or as a regular expression, with or without
// regard to case; a match never runs past the end of its line.
class ScriptSearch {
    Q_DECLARE_TR_FUNCTIONS(ScriptSearch)

public:
    // Where a match lies in its line, in the line's UTF-16 units (as QString counts them).
    struct Span {
        qsizetype start = 0;
        qsizetype length = 0;
        bool operator==(const Span&) const = default;
    };
    struct LineMatch {
        int number = 0;
        QString line; // without its line end
        QList<Span> spans;
        bool operator==(const LineMatch&) const = default;
    };

    ScriptSearch(const QString& text, bool regularExpression, bool caseSensitive);

    // Why nothing can be searched for (no text, or the regular expression's own error), or empty.
    const QString& refusal() const { return refusal_; }
    // Every line of the script that holds a match, in order; nothing when the search is refused.
    QList<LineMatch> find(QByteArrayView windows1252) const;

private:
    QRegularExpression expression_;
    QString refusal_;
};
