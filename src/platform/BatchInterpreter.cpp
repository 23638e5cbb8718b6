#include "platform/BatchInterpreter.h"

#include "platform/BatchLine.h"
#include "platform/ToolLauncher.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTextStream>
#include <utility>

namespace {
constexpr int failureStatus = 9009; // what the Windows interpreter returns for a command it cannot run
}

BatchInterpreter::BatchInterpreter(QTextStream& errors)
    : errors_(errors)
{
}

int BatchInterpreter::run(const QString& scriptPath)
{
    scriptPath_ = scriptPath;
    QFile file(scriptPath);
    if (!file.open(QIODevice::ReadOnly))
        return fail(0, QStringLiteral("cannot read the script: %1").arg(file.errorString()));
    const QStringList lines = QString::fromLocal8Bit(file.readAll()).split(QLatin1Char('\n'));

    // The whole script is checked before anything runs, so a bad line never follows a tool run.
    QList<QPair<int, BatchLine>> steps;
    bool hasTool = false;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const int lineNumber = int(i) + 1;
        QString text = lines.at(i);
        if (text.endsWith(QLatin1Char('\r')))
            text.chop(1);
        BatchLine line = BatchLine::parse(text);
        if (line.kind == BatchLine::Kind::Invalid)
            return fail(lineNumber, line.error);
        if (line.kind == BatchLine::Kind::Exit)
            break;
        if (line.kind == BatchLine::Kind::Tool && std::exchange(hasTool, true))
            return fail(lineNumber, QStringLiteral("a script runs one tool only"));
        if (line.kind != BatchLine::Kind::Ignored)
            steps.append({lineNumber, line});
    }

    int status = 0;
    for (const auto& [lineNumber, line] : steps) {
        if (line.kind == BatchLine::Kind::ChangeFolder && !QDir::setCurrent(line.folder))
            return fail(lineNumber, QStringLiteral("cannot change to the folder %1").arg(line.folder));
        if (line.kind == BatchLine::Kind::Tool)
            status = runTool(lineNumber, line);
    }
    return status;
}

int BatchInterpreter::fail(int lineNumber, const QString& message)
{
    errors_ << "kadrillo-batch: " << scriptPath_;
    if (lineNumber > 0)
        errors_ << ':' << lineNumber;
    errors_ << ": " << message << Qt::endl;
    return failureStatus;
}

// Like the Windows interpreter: the current folder first, then the PATH.
QString BatchInterpreter::findTool(const QString& name) const
{
    if (name.contains(QLatin1Char('/')) || name.contains(QLatin1Char('\\')))
        return QFileInfo(name).isFile() ? QFileInfo(name).absoluteFilePath() : QString();
    const QDir here = QDir::current();
    if (QFileInfo(here.filePath(name)).isFile())
        return here.absoluteFilePath(name);
    const QStringList sameNameOtherCase =
        here.entryList({name}, QDir::Files | QDir::Hidden | QDir::System, QDir::Name | QDir::IgnoreCase);
    if (!sameNameOtherCase.isEmpty())
        return here.absoluteFilePath(sameNameOtherCase.first());
    return QStandardPaths::findExecutable(name);
}

int BatchInterpreter::runTool(int lineNumber, const BatchLine& line)
{
    const QString tool = findTool(line.program);
    if (tool.isEmpty())
        return fail(lineNumber, QStringLiteral("cannot find the tool %1").arg(line.program));
    const LaunchPlan launch = ToolLauncher::plan(tool, line.arguments);
    if (!launch.ok())
        return fail(lineNumber, launch.error);

    QProcess process;
    process.setProgram(launch.program);
    process.setArguments(launch.arguments);
    process.setProcessEnvironment(launch.environment);
    process.setStandardInputFile(QProcess::nullDevice());
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    if (line.outputFile.isEmpty()) {
        process.setProcessChannelMode(QProcess::ForwardedChannels);
    } else {
        QFile target(line.outputFile);
        if (!target.open(line.appendOutput ? QIODevice::Append : QIODevice::WriteOnly))
            return fail(lineNumber,
                        QStringLiteral("cannot write %1: %2").arg(line.outputFile, target.errorString()));
        target.close();
        process.setStandardOutputFile(line.outputFile,
                                      line.appendOutput ? QIODevice::Append : QIODevice::Truncate);
    }
    process.start();
    if (!process.waitForStarted(-1))
        return fail(lineNumber, QStringLiteral("cannot start %1: %2").arg(tool, process.errorString()));
    process.waitForFinished(-1);
    if (process.exitStatus() != QProcess::NormalExit)
        return fail(lineNumber, QStringLiteral("%1 crashed").arg(line.program));
    return process.exitCode();
}
