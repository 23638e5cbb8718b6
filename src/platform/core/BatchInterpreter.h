#pragma once

#include "platform/core/ToolCall.h"

#include <QCoreApplication>
#include <QString>
#include <optional>

class QTextStream;

// Runs a tool script the way the Windows command interpreter would, for the few kinds of line that
// the program writes: kadrillo-batch runs a script by hand with it. read() says which tool call a
// script means, so a test can hold it against the call the program started.
class BatchInterpreter {
    Q_DECLARE_TR_FUNCTIONS(BatchInterpreter)

public:
    explicit BatchInterpreter(QTextStream& errors);

    struct Reading {
        // The script's one tool call as started from a folder: run in the folder its "cd" lines lead
        // to, with its redirection. None when the script runs no tool.
        std::optional<ToolCall> call;
        // "SCRIPT:LINE: why" when the script is refused, before anything of it has run.
        QString error;
    };
    static Reading read(const QString& scriptPath, const QString& folder);
    // Runs the script from the current folder. Reports every problem on `errors` and returns a
    // non-zero status then; otherwise returns the tool's own exit status.
    int run(const QString& scriptPath);

private:
    int fail(const QString& message);

    QTextStream& errors_;
};
