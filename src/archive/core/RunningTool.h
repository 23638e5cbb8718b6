#pragma once

#include "archive/core/ToolRunner.h"

#include <QByteArray>
#include <QObject>
#include <QProcess>
#include <QTimer>

// One tool run under way, as ToolRunner::StartToolCommand started it: its process leads a group of its
// own, what the tool writes on standard error is passed on, and what became of the run is kept once it
// has ended. Deleting a run that is still going ends its whole process tree.
class RunningTool : public QObject {
    Q_OBJECT

public:
    ~RunningTool() override;

    bool isRunning() const { return process_.state() != QProcess::NotRunning; }
    // What became of the run; whole once it has ended.
    const ToolRunner::ToolRun& result() const { return result_; }
    // Returns once the run has ended, keeping every window painted and taking input meanwhile; at once
    // when it has ended already.
    void waitUntilEnded();
    // Ends the run's whole process tree: now, or `graceMs` from now when it is still going then.
    void end();
    void endAfter(int graceMs);

signals:
    void ended();

private:
    friend class ToolRunner;
    explicit RunningTool(const QString& tool);

    void passOnErrors();
    void finish();

    QProcess process_;
    QTimer grace_;
    QByteArray errorTail_;
    ToolRunner::ToolRun result_;
};
