#include "archive/ToolRunner.h"

#include "platform/FileSystem.h"
#include "platform/ProcessGroup.h"
#include "platform/ProcessWait.h"

#include <QDir>
#include <QFile>

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
    if (!readyForRun())
        return nullptr;
    LaunchPlan launch = ToolLauncher::planCommandLine(commandLine);
    launch.workingFolder = workFolder_.path();
    return start(launch);
}

QProcess* ToolRunner::start(const LaunchPlan& launch)
{
    if (!launch.ok()) {
        failWith(launch.error);
        return nullptr;
    }
    auto* process = new QProcess(this);
    if (const QString error = ToolLauncher::setUp(*process, launch); !error.isEmpty()) {
        delete process;
        failWith(error);
        return nullptr;
    }
    wine_.keepUpFor(launch);
    ProcessGroup::startOwnGroup(*process);
    process->start();
    running_ = process;
    return process;
}

int ToolRunner::WaitForProcess(QProcess* process)
{
    if (!process)
        return -1;
    ProcessWait::untilEnded(*process);
    const bool ranToEnd = process->error() != QProcess::FailedToStart &&
                          process->state() == QProcess::NotRunning &&
                          process->exitStatus() == QProcess::NormalExit;
    const int status = ranToEnd ? process->exitCode() : -1;
    lastStartFailed_ = process->error() == QProcess::FailedToStart;
    if (lastStartFailed_)
        failWith(tr("Cannot start %1: %2").arg(process->program(), process->errorString()));
    if (process == running_)
        running_.clear();
    process->deleteLater();
    return status;
}

bool ToolRunner::RunToolScript(const QString& scriptName, const QString& toolLine)
{
    if (!readyForRun())
        return false;
    // Said before the script is written, in the words the user can act on.
    const LaunchPlan tool =
        ToolLauncher::plan(workFolder_.file(toolLine.section(QLatin1Char(' '), 0, 0)), {});
    if (!tool.ok())
        return failWith(tool.error);
    return WriteToolScript(scriptName, toolLine) && RunScript(workFolder_.file(scriptName));
}

bool ToolRunner::RunScript(const QString& scriptPath)
{
    if (!readyForRun())
        return false;
    const LaunchPlan launch = ToolLauncher::planScript(scriptPath, workFolder_.path());
    if (launch.runsNothing())
        return true;
    QProcess* process = start(launch);
    if (!process)
        return false;
    WaitForProcess(process);
    return !lastStartFailed_;
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
