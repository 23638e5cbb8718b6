#include "archive/core/ToolRunner.h"

#include "platform/core/FileSystem.h"
#include "platform/core/ProcessGroup.h"
#include "platform/core/ProcessWait.h"
#include "platform/core/WindowsCommandLine.h"

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

QByteArray ToolRunner::scriptText(const QString& workFolder, const QString& toolLine)
{
    const QString text = QStringLiteral("@echo off\r\nc:\r\ncd ") + workFolder + QStringLiteral("\r\n") +
                         toolLine + QStringLiteral("\r\nexit\r\n");
    return text.toLocal8Bit();
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

bool ToolRunner::WriteToolScript(const QString& scriptName, const QString& toolLine)
{
    if (!readyForRun())
        return false;
    // Written again for every run, so it is not synced to disk as the user's files are (that cost
    // more than the tool run itself); one that could not be written whole is removed, never run.
    const QString path = workFolder_.file(scriptName);
    const QByteArray text = scriptText(workFolder_.path(), toolLine);
    QFile script(path);
    if (FileSystem::createFresh(script) && script.write(text) == text.size() && script.flush())
        return true;
    const QString error = script.errorString();
    script.close();
    QFile::remove(path);
    return failWith(tr("Cannot write %1: %2").arg(path, error));
}

QProcess* ToolRunner::StartToolCommand(const QString& commandLine)
{
    lastRun_ = {};
    if (!readyForRun())
        return nullptr;
    LaunchPlan launch = ToolLauncher::planCommandLine(commandLine);
    launch.workingFolder = workFolder_.path();
    return start(launch, WindowsCommandLine::split(commandLine).value(0));
}

QProcess* ToolRunner::start(const LaunchPlan& launch, const QString& tool)
{
    if (!launch.ok()) {
        notStarted(tool, launch.error, launch.error);
        return nullptr;
    }
    auto* process = new QProcess(this);
    if (const QString error = ToolLauncher::setUp(*process, launch, ToolLauncher::ErrorChannel::Read);
        !error.isEmpty()) {
        delete process;
        notStarted(tool, error, error);
        return nullptr;
    }
    connect(process, &QProcess::readyReadStandardError, this, [this, process] { passOnErrors(*process); });
    wine_.keepUpFor(launch);
    ProcessGroup::startOwnGroup(*process);
    runningTool_ = tool;
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

bool ToolRunner::RunToolScript(const QString& scriptName, const QString& toolLine)
{
    lastRun_ = {};
    if (!readyForRun())
        return false;
    // Said before the script is written, in the words the user can act on.
    const QString toolPath = workFolder_.file(toolLine.section(QLatin1Char(' '), 0, 0));
    const LaunchPlan tool = ToolLauncher::plan(toolPath, {});
    if (!tool.ok())
        return notStarted(toolPath, tool.error, tool.error);
    return WriteToolScript(scriptName, toolLine) && RunScript(workFolder_.file(scriptName), toolPath);
}

bool ToolRunner::RunScript(const QString& scriptPath, const QString& tool)
{
    if (!readyForRun())
        return false;
    const LaunchPlan launch = ToolLauncher::planScript(scriptPath, workFolder_.path());
    if (launch.runsNothing())
        return true;
    QProcess* process = start(launch, tool);
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
