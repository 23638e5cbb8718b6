#pragma once

#include "archive/WorkFolder.h"
#include "platform/ToolLauncher.h"
#include "platform/WineSession.h"

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

    // The five-line script, exactly as the game's command interpreter expects it.
    static QByteArray scriptText(const QString& workFolder, const QString& toolLine);

    bool CopyVolToWork(const QString& volPath);
    bool WriteToolScript(const QString& scriptName, const QString& toolLine);
    // Null when the command cannot be started (see lastError()), or while another run is waited for.
    QProcess* StartToolCommand(const QString& commandLine);
    // The tool's exit status, or -1 when it did not run to a normal end.
    int WaitForProcess(QProcess* process);
    // WriteToolScript, then RunScript; false when the script could not run.
    bool RunToolScript(const QString& scriptName, const QString& toolLine);
    // Runs a tool script of the working folder and waits for it. On Linux the script is read here, as
    // kadrillo-batch reads it, and only its tool (or Wine with the tool) is started. False when the
    // script is refused or its tool cannot start (see lastError()).
    bool RunScript(const QString& scriptPath);

    bool isBusy() const { return !running_.isNull(); }
    // Ends the tool run under way, with its whole process tree; its wait then returns -1.
    void endRun();
    // Ends a tool run that is still going (its whole process tree) and Wine's session kept for the
    // runs, and refuses every later run or copy; for the program's shutdown.
    void shutDown();
    bool isShutDown() const { return shutDown_; }
    QString lastError() const { return lastError_; }
    // Whether the process last waited for could not be started at all.
    bool lastStartFailed() const { return lastStartFailed_; }

private:
    bool readyForRun();
    // Starts the plan's process as the leader of a group of its own; null when it cannot be set up.
    QProcess* start(const LaunchPlan& launch);
    bool failWith(const QString& message);

    WorkFolder workFolder_;
    WineSession wine_;
    QPointer<QProcess> running_;
    QString lastError_;
    bool lastStartFailed_ = false;
    bool shutDown_ = false;
};
