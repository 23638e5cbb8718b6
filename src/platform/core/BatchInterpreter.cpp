#include "platform/core/BatchInterpreter.h"

#include "platform/core/BatchLine.h"
#include "platform/core/ToolLauncher.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTextStream>
#include <utility>

namespace {

constexpr int failureStatus = 9009; // what the Windows interpreter returns for a command it cannot run

BatchInterpreter::Reading refused(const QString& scriptPath, int lineNumber, const QString& message)
{
    return {std::nullopt, lineNumber > 0
                              ? QStringLiteral("%1:%2: %3").arg(scriptPath).arg(lineNumber).arg(message)
                              : QStringLiteral("%1: %2").arg(scriptPath, message)};
}

// Like the Windows interpreter: the current folder first, then the PATH.
QString findTool(const QString& name, const QString& folder)
{
    if (name.contains(QLatin1Char('/')) || name.contains(QLatin1Char('\\'))) {
        const QFileInfo given(QDir(folder), name);
        return given.isFile() ? given.absoluteFilePath() : QString();
    }
    const QDir here(folder);
    if (QFileInfo(here.filePath(name)).isFile())
        return here.absoluteFilePath(name);
    const QStringList sameNameOtherCase =
        here.entryList({name}, QDir::Files | QDir::Hidden | QDir::System, QDir::Name | QDir::IgnoreCase);
    if (!sameNameOtherCase.isEmpty())
        return here.absoluteFilePath(sameNameOtherCase.first());
    return QStandardPaths::findExecutable(name);
}

// The checked lines up to "exit", with their numbers; the refusal of the first bad line instead.
BatchInterpreter::Reading readSteps(const QString& scriptPath, QList<QPair<int, BatchLine>>& steps)
{
    QFile file(scriptPath);
    if (!file.open(QIODevice::ReadOnly))
        return refused(scriptPath, 0,
                       BatchInterpreter::tr("cannot read the script: %1").arg(file.errorString()));
    const QStringList lines = QString::fromLocal8Bit(file.readAll()).split(QLatin1Char('\n'));
    bool hasTool = false;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const int lineNumber = int(i) + 1;
        QString text = lines.at(i);
        if (text.endsWith(QLatin1Char('\r')))
            text.chop(1);
        BatchLine line = BatchLine::parse(text);
        if (line.kind == BatchLine::Kind::Invalid)
            return refused(scriptPath, lineNumber, line.error);
        if (line.kind == BatchLine::Kind::Exit)
            break;
        if (line.kind == BatchLine::Kind::Tool && std::exchange(hasTool, true))
            return refused(scriptPath, lineNumber, BatchInterpreter::tr("a script runs one tool only"));
        if (line.kind != BatchLine::Kind::Ignored)
            steps.append({lineNumber, line});
    }
    return {};
}

} // namespace

BatchInterpreter::BatchInterpreter(QTextStream& errors)
    : errors_(errors)
{
}

BatchInterpreter::Reading BatchInterpreter::read(const QString& scriptPath, const QString& folder)
{
    QList<QPair<int, BatchLine>> steps;
    if (Reading refusal = readSteps(scriptPath, steps); !refusal.error.isEmpty())
        return refusal;
    // Every "cd" is checked, even one after the tool line, so that a bad line never follows a tool run.
    Reading reading;
    QString current = folder;
    for (const auto& [lineNumber, line] : std::as_const(steps)) {
        if (line.kind == BatchLine::Kind::ChangeFolder) {
            const QFileInfo target(QDir(current), line.folder);
            if (!target.isDir())
                return refused(scriptPath, lineNumber,
                               BatchInterpreter::tr("cannot change to the folder %1").arg(line.folder));
            current = target.absoluteFilePath();
            continue;
        }
        const QString tool = findTool(line.program, current);
        if (tool.isEmpty())
            return refused(scriptPath, lineNumber,
                           BatchInterpreter::tr("cannot find the tool %1").arg(line.program));
        const ToolCall call{tool, line.arguments,
                            line.outputFile.isEmpty() ? QString() : QDir(current).filePath(line.outputFile),
                            line.appendOutput, current};
        if (const QString error = ToolLauncher::plan(call).error; !error.isEmpty())
            return refused(scriptPath, lineNumber, error);
        reading.call = call;
    }
    return reading;
}

int BatchInterpreter::run(const QString& scriptPath)
{
    const Reading reading = read(scriptPath, QDir::currentPath());
    if (!reading.error.isEmpty())
        return fail(reading.error);
    if (!reading.call)
        return 0;
    const LaunchPlan launch = ToolLauncher::plan(*reading.call);
    QProcess process;
    if (const QString error = ToolLauncher::setUp(process, launch); !error.isEmpty())
        return fail(QStringLiteral("%1: %2").arg(scriptPath, error));
    process.start();
    if (!process.waitForStarted(-1))
        return fail(BatchInterpreter::tr("%1: cannot start %2: %3")
                        .arg(scriptPath, launch.program, process.errorString()));
    process.waitForFinished(-1);
    if (process.exitStatus() != QProcess::NormalExit)
        return fail(
            BatchInterpreter::tr("%1: %2 crashed").arg(scriptPath, QFileInfo(launch.program).fileName()));
    return process.exitCode();
}

int BatchInterpreter::fail(const QString& message)
{
    errors_ << "kadrillo-batch: " << message << Qt::endl;
    return failureStatus;
}
