#pragma once

#include "archive/core/WorkFolder.h"
#include "platform/core/ToolCall.h"
#include "platform/core/WineSession.h"

#include <QObject>
#include <QPointer>
#include <QProcess>

// Runs the game's tools in the working folder, one at a time, and waits for them while the
// windows stay alive. Failures travel back as lastError(); the caller decides what to show.
class ToolRunner : public QObject {
    Q_OBJECT

public:
    explicit ToolRunner(QObject* parent = nullptr);

    void setWorkFolder(const WorkFolder& folder) { workFolder_ = folder; }
    const WorkFolder& workFolder() const { return workFolder_; }

    bool CopyVolToWork(const QString& volPath);
    // Writes the call's script (ToolCommands::scriptText) at `scriptPath`.
    bool WriteToolScript(const QString& scriptPath, const ToolCall& call);
    // Starts the call, from its program and arguments; on Windows a call with a script is started as
    // that script. Null when it cannot be started (see lastError()), or while another run is waited for.
    QProcess* StartToolCommand(const ToolCall& call, const QString& scriptPath = QString());
    // The tool's exit status, or -1 when it did not run to a normal end.
    int WaitForProcess(QProcess* process);
    // Writes the call's script at `scriptPath`, runs the call and waits for it; false when its tool
    // could not run (see lastError()).
    bool RunToolScript(const QString& scriptPath, const ToolCall& call);

    bool isBusy() const { return !running_.isNull(); }
    // Ends the tool run under way, with its whole process tree; its wait then returns -1.
    void endRun();
    // Ends a tool run that is still going (its whole process tree) and Wine's session kept for the
    // runs, and refuses every later run or copy; for the program's shutdown.
    void shutDown();
    bool isShutDown() const { return shutDown_; }
    QString lastError() const { return lastError_; }

    // What became of the last run of a tool script or tool command.
    struct ToolRun {
        QString tool; // the path of the tool it tried to start
        bool started = false;
        int exitStatus = -1;   // as WaitForProcess gives it
        QString lastErrorLine; // the last line the tool wrote on its standard error
        QString whyNotStarted; // in words the user can act on; empty when it was refused before
    };
    const ToolRun& lastRun() const { return lastRun_; }
    // Whether the last run's tool did not start, whatever stopped it.
    bool lastStartFailed() const { return !lastRun_.started; }

private:
    bool readyForRun();
    // The tool could not start: `message` becomes lastError(), `reason` the run's unless the tool's
    // file says better.
    bool notStarted(const QString& tool, const QString& message, const QString& reason);
    // Passes on what the tool in hand wrote on standard error, keeping its end.
    void passOnErrors(QProcess& process);
    bool failWith(const QString& message);

    WorkFolder workFolder_;
    WineSession wine_;
    QPointer<QProcess> running_;
    QString lastError_;
    QString runningTool_;
    QByteArray errorTail_;
    ToolRun lastRun_;
    bool shutDown_ = false;
};
