#pragma once

#include "platform/core/ToolLauncher.h"

#include <QString>

class QTextStream;

// Runs a tool script the way the Windows command interpreter would, for the few kinds of line that
// the program writes. plan() reads and checks a script and says how to start its one tool: the
// program starts that tool itself, and kadrillo-batch through run(), so both accept and refuse the
// same scripts.
class BatchInterpreter {
public:
    explicit BatchInterpreter(QTextStream& errors);

    // The script's tool as started from `folder`: run in the folder its "cd" lines lead to, with its
    // redirection. No program when the script runs no tool; the error "SCRIPT:LINE: why" when it is
    // refused, before anything of it has run.
    static LaunchPlan plan(const QString& scriptPath, const QString& folder);
    // Runs the script from the current folder. Reports every problem on `errors` and returns a
    // non-zero status then; otherwise returns the tool's own exit status.
    int run(const QString& scriptPath);

private:
    int fail(const QString& message);

    QTextStream& errors_;
};
