#pragma once

#include <QObject>
#include <QTextBlock>
#include <QTextCharFormat>
#include <QTimer>
#include <array>

class QTextDocument;

// Colours a script's tokens a part at a time from the event loop, so that a long script can be read,
// scrolled and searched while the rest is coloured; whether a comment is open passes from each line
// to the next.
class ScriptHighlighter : public QObject {
    Q_OBJECT

public:
    explicit ScriptHighlighter(QTextDocument* document);

    // From the first line again, once the document holds another text.
    void restart();
    bool isDone() const { return !next_.isValid(); }
    // Colours up to this many characters, then lets the event loop run.
    static constexpr int charactersAtOnce = 32 * 1024;

signals:
    void done();

private:
    void step();

    QTextDocument* document_;
    QTextBlock next_;
    bool inComment_ = false;
    QTimer timer_;
    // By ScriptSyntax::Kind.
    std::array<QTextCharFormat, 5> formats_;
};
