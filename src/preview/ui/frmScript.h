#pragma once

#include "platform/ui/ToolWindow.h"

class QLabel;
class QLineEdit;
class QToolBar;
class ScriptHighlighter;
class ScriptView;
class ToolRunner;

// Shows the script that the preview command left in "temp.cs" as plain text, coloured by its syntax,
// with line numbers; Ctrl+F finds a word, Ctrl+G goes to a line.
class frmScript : public ToolWindow {
    Q_OBJECT

public:
    explicit frmScript(const ToolRunner& runner, QWidget* parent = nullptr);

    // Replaces the text by "temp.cs"; why it cannot be read, or an empty text.
    QString loadFile();
    // Scrolls to line `line` (from 1) and selects `length` characters from `start` in it.
    void showMatch(int line, qsizetype start, qsizetype length);

    // Where the text box goes in an inner area of this size, all in twips: a margin of 10 on every
    // side, and no box at all in a window smaller than the margins.
    static QRect scriptBox(int innerWidth, int innerHeight);

    ScriptView* rtfScript;
    ScriptHighlighter* highlighter;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QToolBar* addBar(const QString& name, const QString& title);
    void showBar(QToolBar* bar, QWidget* field);
    void hideBar(QToolBar* bar);
    // Counts the matches afresh and selects the one at or after the selection's start.
    void findAgain();
    void findNext(bool backwards);
    void select(qsizetype match);
    void goToLine();

    const ToolRunner& runner_;
    QToolBar* findBar_;
    QLineEdit* findText_;
    QLabel* matchCount_;
    QToolBar* lineBar_;
    QLineEdit* lineNumber_;
    // The text as the view holds it, one line break a line, and where the word looked for is in it.
    QString shown_;
    QList<qsizetype> matches_;
};
