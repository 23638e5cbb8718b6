#include "archive/core/RunningTool.h"

#include "platform/core/ProcessGroup.h"
#include "platform/core/ProcessWait.h"

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

RunningTool::RunningTool(const QString& tool)
{
    result_.tool = tool;
    connect(&process_, &QProcess::readyReadStandardError, this, &RunningTool::passOnErrors);
    connect(&process_, &QProcess::finished, this, &RunningTool::finish);
    grace_.setSingleShot(true);
    connect(&grace_, &QTimer::timeout, this, &RunningTool::end);
}

RunningTool::~RunningTool()
{
    disconnect(&process_, nullptr, this, nullptr);
    // The whole tree goes, or a tool could still write into the folder after it was emptied.
    ProcessGroup::end(process_);
}

void RunningTool::waitUntilEnded()
{
    ProcessWait::untilEnded(process_);
}

void RunningTool::end()
{
    if (!isRunning())
        return;
    result_.ended = true;
    ProcessGroup::end(process_);
}

void RunningTool::endAfter(int graceMs)
{
    if (isRunning())
        grace_.start(graceMs);
}

void RunningTool::passOnErrors()
{
    const QByteArray errors = process_.readAllStandardError();
    std::fwrite(errors.constData(), 1, size_t(errors.size()), stderr);
    // Enough for the last line of any tool's message.
    constexpr qsizetype kept = 4096;
    errorTail_ = (errorTail_ + errors).right(kept);
}

void RunningTool::finish()
{
    passOnErrors();
    grace_.stop();
    result_.started = true;
    result_.exitStatus = process_.exitStatus() == QProcess::NormalExit ? process_.exitCode() : -1;
    result_.lastErrorLine = lastLine(errorTail_);
    emit ended();
}
