#pragma once

#include "platform/ui/ToolWindow.h"

class QPlainTextEdit;
class ToolRunner;

// Shows the script that the preview command left in "temp.cs", as plain text.
class frmScript : public ToolWindow {
    Q_OBJECT

public:
    explicit frmScript(const ToolRunner& runner, QWidget* parent = nullptr);

    // Replaces the text by "temp.cs"; why it cannot be read, or an empty text.
    QString loadFile();

    // Where the text box goes in an inner area of this size, all in twips: a margin of 10 on every
    // side, and no box at all in a window smaller than the margins.
    static QRect scriptBox(int innerWidth, int innerHeight);

    QPlainTextEdit* rtfScript;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    const ToolRunner& runner_;
};
