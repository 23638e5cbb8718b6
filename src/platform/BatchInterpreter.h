#pragma once

#include <QString>

class QTextStream;
struct BatchLine;

// Runs a tool script the way the Windows command interpreter would, for the few kinds of line
// that the program writes. Reports every problem on `errors` and returns a non-zero status then;
// otherwise returns the tool's own exit status.
class BatchInterpreter {
public:
    explicit BatchInterpreter(QTextStream& errors);

    int run(const QString& scriptPath);

private:
    int fail(int lineNumber, const QString& message);
    QString findTool(const QString& name) const;
    int runTool(int lineNumber, const BatchLine& line);

    QTextStream& errors_;
    QString scriptPath_;
};
