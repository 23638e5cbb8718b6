#pragma once

#include "archive/core/WorkFolder.h"
#include "platform/core/ProcessGroup.h"
#include "platform/core/ToolCall.h"
#include "platform/core/WineSession.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <memory>

class RunningTool;

// Runs the game's tools in the working folder: one at a time, waited for while the windows stay alive,
// or several at once for a run over objects (RunDriver). Failures travel back as lastError(); the
// caller decides what to show.
class ToolRunner : public QObject {
    Q_OBJECT

public:
    // What became of one tool run.
    struct ToolRun {
        QString tool; // the path of the tool it tried to start
        bool started = false;
        int exitStatus = -1;   // the tool's own, or -1 when it did not run to a normal end
        bool ended = false;    // ended by endRuns(), cancelRuns() or shutDown() rather than by itself
        QString lastErrorLine; // the last line the tool wrote on its standard error
        QString whyNotStarted; // in words the user can act on; empty when it was refused before
    };

    // How long a tool may still run after Cancel before it is ended.
    static constexpr int cancelGraceMs = 2000;

    explicit ToolRunner(QObject* parent = nullptr);
    ~ToolRunner() override;

    void setWorkFolder(const WorkFolder& folder) { workFolder_ = folder; }
    const WorkFolder& workFolder() const { return workFolder_; }

    // Refused while any run is under way, so that the tools never see the copy change.
    bool CopyVolToWork(const QString& volPath);
    // Writes the call's script (ToolCommands::scriptText) at `scriptPath`.
    bool WriteToolScript(const QString& scriptPath, const ToolCall& call);
    // Writes the call's script when given one and starts the call, from its program and arguments (on
    // Windows a call with a script is started as that script), without waiting for it. Null when it
    // cannot be started (see lastError() and lastRun()), or while a run is waited for.
    std::unique_ptr<RunningTool>
    StartToolCommand(const ToolCall& call, const QString& scriptPath = QString(),
                     ProcessGroup::Priority priority = ProcessGroup::Priority::Same);
    // Waits for the run, keeping the windows alive; what became of it, also as lastRun().
    ToolRun WaitForProcess(RunningTool& run);
    // StartToolCommand() with the script, then WaitForProcess(); false when its tool did not run (see
    // lastError()).
    bool RunToolScript(const QString& scriptPath, const ToolCall& call);

    // Whether a tool runs, or a run over objects holds the runner: commands that would start a run of
    // their own wait until it is not.
    bool isBusy() const;
    // For a run over objects: busy from hold() to release(), between its tools too.
    void hold() { ++holds_; }
    void release() { --holds_; }
    // Ends every tool run under way, with its whole process tree.
    void endRuns();
    // Ends every tool run still going cancelGraceMs from now.
    void cancelRuns();
    // endRuns(), ends Wine's session kept for the runs, and refuses every later run or copy; for the
    // program's shutdown.
    void shutDown();
    bool isShutDown() const { return shutDown_; }
    QString lastError() const { return lastError_; }
    // What became of the last run that was started or waited for here.
    const ToolRun& lastRun() const { return lastRun_; }

private:
    bool readyForRun();
    // The tool could not start: `message` becomes lastError(), `reason` the run's unless the tool's
    // file says better.
    bool notStarted(const QString& tool, const QString& message, const QString& reason);
    bool failWith(const QString& message);

    WorkFolder workFolder_;
    WineSession wine_;
    QList<QPointer<RunningTool>> running_;
    int holds_ = 0;
    int waits_ = 0;
    QString lastError_;
    ToolRun lastRun_;
    bool shutDown_ = false;
};
