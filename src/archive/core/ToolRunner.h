#pragma once

#include "archive/core/WorkFolder.h"
#include "platform/core/ToolLauncher.h"
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

    // The five-line script, exactly as the game's command interpreter expects it.
    static QByteArray scriptText(const QString& workFolder, const QString& toolLine);

    bool CopyVolToWork(const QString& volPath);
    bool WriteToolScript(const QString& scriptName, const QString& toolLine);
    // Null when the command cannot be started (see lastError()), or while another run is waited for.
    QProcess* StartToolCommand(const QString& commandLine);
    // The tool's exit status, or -1 when it did not run to a normal end.
    int WaitForProcess(QProcess* process);
    // Writes the tool script and runs it (see RunScript); false when the script could not run.
    bool RunToolScript(const QString& scriptName, const QString& toolLine);

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
    // Runs a tool script of the working folder and waits for it. On Linux the script is read here, as
    // kadrillo-batch reads it, and only its tool (or Wine with the tool) is started. False when the
    // script is refused or its tool cannot start (see lastError()).
    bool RunScript(const QString& scriptPath, const QString& tool);
    // Starts the plan's process as the leader of a group of its own; null when it cannot be set up.
    QProcess* start(const LaunchPlan& launch, const QString& tool);
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
