#include "archive/core/ToolRunner.h"

#include "archive/core/RunningTool.h"
#include "archive/core/ToolCommands.h"
#include "platform/core/FileSystem.h"
#include "platform/core/ToolLauncher.h"

#include <QDir>
#include <QFile>
#include <algorithm>

ToolRunner::ToolRunner(QObject* parent)
    : QObject(parent)
{
}

ToolRunner::~ToolRunner() = default;

bool ToolRunner::isBusy() const
{
    return holds_ > 0 ||
           std::any_of(running_.cbegin(), running_.cend(),
                       [](const QPointer<RunningTool>& run) { return run && run->isRunning(); });
}

// A new run waits for none that is waited for, none once the program is closing, and none without a
// working folder of the user's own.
bool ToolRunner::readyForRun()
{
    if (shutDown_)
        return failWith(tr("Kadrillo is closing."));
    if (waits_ > 0)
        return failWith(tr("Another tool is still running."));
    if (!workFolder_.isUsable())
        return failWith(tr("The working folder \"%1\" cannot be used, so the game's tools cannot run. "
                           "Choose another working folder in the options.")
                            .arg(QDir::toNativeSeparators(workFolder_.path())));
    return true;
}

bool ToolRunner::CopyVolToWork(const QString& volPath)
{
    if (!readyForRun())
        return false;
    if (isBusy())
        return failWith(tr("Another tool is still running."));
    if (!FileSystem::copyToScratch(volPath, workFolder_.archiveCopy()))
        return failWith(tr("Cannot copy %1 to the working folder %2.").arg(volPath, workFolder_.path()));
    return true;
}

bool ToolRunner::WriteToolScript(const QString& scriptPath, const ToolCall& call)
{
    if (!readyForRun())
        return false;
    // Written again for every run, so it is not synced to disk as the user's files are (that cost
    // more than the tool run itself); one that could not be written whole is removed, never run.
    if (const QString error = FileSystem::writeScratch(scriptPath, ToolCommands::scriptText(call));
        !error.isEmpty())
        return failWith(tr("Cannot write %1: %2").arg(scriptPath, error));
    return true;
}

std::unique_ptr<RunningTool> ToolRunner::StartToolCommand(const ToolCall& call, const QString& scriptPath,
                                                          ProcessGroup::Priority priority)
{
    lastRun_ = {};
    if (!readyForRun() || (!scriptPath.isEmpty() && !WriteToolScript(scriptPath, call)))
        return nullptr;
    const LaunchPlan launch = ToolLauncher::plan(call, scriptPath);
    if (!launch.ok()) {
        notStarted(call.program, launch.error, launch.error);
        return nullptr;
    }
    std::unique_ptr<RunningTool> run(new RunningTool(call.program));
    QProcess& process = run->process_;
    if (const QString error = ToolLauncher::setUp(process, launch, ToolLauncher::ErrorChannel::Read);
        !error.isEmpty()) {
        notStarted(call.program, error, error);
        return nullptr;
    }
    wine_.keepUpFor(launch);
    ProcessGroup::startOwnGroup(process, priority);
    process.start();
    // Known at once, so that a tool that cannot start is never counted as one that ran.
    if (!process.waitForStarted(-1)) {
        notStarted(call.program, tr("Cannot start %1: %2").arg(process.program(), process.errorString()),
                   process.errorString());
        return nullptr;
    }
    running_.removeAll(nullptr);
    running_.append(run.get());
    return run;
}

ToolRunner::ToolRun ToolRunner::WaitForProcess(RunningTool& run)
{
    ++waits_;
    run.waitUntilEnded();
    --waits_;
    lastRun_ = run.result();
    return lastRun_;
}

bool ToolRunner::RunToolScript(const QString& scriptPath, const ToolCall& call)
{
    const std::unique_ptr<RunningTool> run = StartToolCommand(call, scriptPath);
    return run && WaitForProcess(*run).started;
}

bool ToolRunner::notStarted(const QString& tool, const QString& message, const QString& reason)
{
    const QString seen = ToolLauncher::whyCannotStart(tool);
    lastRun_ = {tool, false, -1, false, {}, seen.isEmpty() ? reason : seen};
    return failWith(message);
}

void ToolRunner::endRuns()
{
    for (const QPointer<RunningTool>& run : std::as_const(running_)) {
        if (run)
            run->end();
    }
}

void ToolRunner::cancelRuns()
{
    for (const QPointer<RunningTool>& run : std::as_const(running_)) {
        if (run)
            run->endAfter(cancelGraceMs);
    }
}

void ToolRunner::shutDown()
{
    shutDown_ = true;
    endRuns();
    wine_.end();
}

bool ToolRunner::failWith(const QString& message)
{
    lastError_ = message;
    return false;
}
