#pragma once

#include <QPlainTextEdit>

class LineNumberGutter;

// A script as plain text in a fixed-pitch font: read-only, with a caret that moves, selects and
// copies, and the line numbers in a gutter at its left.
class ScriptView : public QPlainTextEdit {
    Q_OBJECT

public:
    explicit ScriptView(QWidget* parent = nullptr);

    // As wide as the last line's number needs.
    int gutterWidth() const;
    void paintLineNumbers(LineNumberGutter& gutter, const QPaintEvent& event);
    // Puts the caret at the start of that line, 1 for the first, in the middle of the view.
    void goToLine(int line);
    // Selects `length` characters from `start` and scrolls them into view.
    void selectText(qsizetype start, qsizetype length);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void updateGutterWidth();

    LineNumberGutter* gutter_;
};
