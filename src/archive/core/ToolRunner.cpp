#include "archive/core/ToolRunner.h"

#include "archive/core/ToolCommands.h"
#include "platform/core/FileSystem.h"
#include "platform/core/ProcessGroup.h"
#include "platform/core/ProcessWait.h"
#include "platform/core/ToolLauncher.h"

#include <QDir>
#include <QFile>
#include <cstdio>

namespace {

QString lastLine(const QByteArray& text)
{
    QString last;
    for (const QByteArray& line : text.split('\n')) {
        if (!line.trimmed().isEmpty())
            last = QString::fromLocal8Bit(line.trimmed());
    }
    return last;
}

} // namespace

ToolRunner::ToolRunner(QObject* parent)
    : QObject(parent)
{
}

// A new run waits for none: one run at a time, none once the program is closing, and none
// without a working folder of the user's own.
bool ToolRunner::readyForRun()
{
    if (shutDown_)
        return failWith(tr("Kadrillo is closing."));
    if (isBusy())
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
    if (!FileSystem::copyReplacing(volPath, workFolder_.archiveCopy()))
        return failWith(tr("Cannot copy %1 to the working folder %2.").arg(volPath, workFolder_.path()));
    return true;
}

bool ToolRunner::WriteToolScript(const QString& scriptPath, const ToolCall& call)
{
    if (!readyForRun())
        return false;
    // Written again for every run, so it is not synced to disk as the user's files are (that cost
    // more than the tool run itself); one that could not be written whole is removed, never run.
    const QByteArray text = ToolCommands::scriptText(call);
    QFile script(scriptPath);
    if (FileSystem::createFresh(script) && script.write(text) == text.size() && script.flush())
        return true;
    const QString error = script.errorString();
    script.close();
    QFile::remove(scriptPath);
    return failWith(tr("Cannot write %1: %2").arg(scriptPath, error));
}

QProcess* ToolRunner::StartToolCommand(const ToolCall& call, const QString& scriptPath)
{
    lastRun_ = {};
    if (!readyForRun())
        return nullptr;
    const LaunchPlan launch = ToolLauncher::plan(call, scriptPath);
    if (!launch.ok()) {
        notStarted(call.program, launch.error, launch.error);
        return nullptr;
    }
    auto* process = new QProcess(this);
    if (const QString error = ToolLauncher::setUp(*process, launch, ToolLauncher::ErrorChannel::Read);
        !error.isEmpty()) {
        delete process;
        notStarted(call.program, error, error);
        return nullptr;
    }
    connect(process, &QProcess::readyReadStandardError, this, [this, process] { passOnErrors(*process); });
    wine_.keepUpFor(launch);
    ProcessGroup::startOwnGroup(*process);
    runningTool_ = call.program;
    errorTail_.clear();
    process->start();
    running_ = process;
    return process;
}

int ToolRunner::WaitForProcess(QProcess* process)
{
    if (!process)
        return -1;
    ProcessWait::untilEnded(*process);
    passOnErrors(*process);
    const bool ranToEnd = process->error() != QProcess::FailedToStart &&
                          process->state() == QProcess::NotRunning &&
                          process->exitStatus() == QProcess::NormalExit;
    const int status = ranToEnd ? process->exitCode() : -1;
    if (process->error() == QProcess::FailedToStart)
        notStarted(runningTool_, tr("Cannot start %1: %2").arg(process->program(), process->errorString()),
                   process->errorString());
    else
        lastRun_ = {runningTool_, true, status, lastLine(errorTail_), {}};
    if (process == running_)
        running_.clear();
    process->deleteLater();
    return status;
}

bool ToolRunner::RunToolScript(const QString& scriptPath, const ToolCall& call)
{
    lastRun_ = {};
    if (!WriteToolScript(scriptPath, call))
        return false;
    QProcess* process = StartToolCommand(call, scriptPath);
    if (!process)
        return false;
    WaitForProcess(process);
    return lastRun_.started;
}

bool ToolRunner::notStarted(const QString& tool, const QString& message, const QString& reason)
{
    const QString seen = ToolLauncher::whyCannotStart(tool);
    lastRun_ = {tool, false, -1, {}, seen.isEmpty() ? reason : seen};
    return failWith(message);
}

void ToolRunner::passOnErrors(QProcess& process)
{
    const QByteArray errors = process.readAllStandardError();
    std::fwrite(errors.constData(), 1, size_t(errors.size()), stderr);
    // Enough for the last line of any tool's message.
    constexpr qsizetype kept = 4096;
    errorTail_ = (errorTail_ + errors).right(kept);
}

void ToolRunner::endRun()
{
    // The whole tree goes, or a tool could still write into the folder after it was emptied.
    if (running_)
        ProcessGroup::end(*running_);
}

void ToolRunner::shutDown()
{
    shutDown_ = true;
    endRun();
    wine_.end();
}

bool ToolRunner::failWith(const QString& message)
{
    lastError_ = message;
    return false;
}
