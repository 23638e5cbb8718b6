#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

// One line of a tool script, understood as far as the scripts that Kadrillo writes need: echo and
// drive lines (ignored), "cd", one tool line with ">" or ">>" redirection, and "exit". Anything
// that the Windows command interpreter would treat as a further command is refused.
struct BatchLine {
    Q_DECLARE_TR_FUNCTIONS(BatchLine)

public:
    enum class Kind { Ignored, ChangeFolder, Tool, Exit, Invalid };

    Kind kind = Kind::Invalid;
    QString folder;        // ChangeFolder
    QString program;       // Tool
    QStringList arguments; // Tool
    QString outputFile;    // Tool: redirection target, empty when none
    bool appendOutput = false;
    QString error; // Invalid

    static BatchLine parse(const QString& line);
};
