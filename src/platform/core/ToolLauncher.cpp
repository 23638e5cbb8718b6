#include "platform/core/ToolLauncher.h"

#include "platform/core/FileSystem.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

#ifndef Q_OS_WIN
namespace {

QString wineNotFound(const QString& toolPath)
{
    return QCoreApplication::translate("ToolLauncher",
                                       "%1 is a Windows program and needs Wine to run, but Wine was not "
                                       "found. Install Wine (the Debian package wine64), or set "
                                       "KADRILLO_WINE to the Wine program")
        .arg(QFileInfo(toolPath).fileName());
}

} // namespace
#endif

namespace ToolLauncher {

bool isWindowsProgram(const QString& path)
{
    // Asked before every tool start: two bytes, not the 16 KB a buffered read would fetch.
    QFile file(path);
    return file.open(QIODevice::ReadOnly | QIODevice::Unbuffered) && file.read(2) == "MZ";
}

QString findWine()
{
    const QString chosen = qEnvironmentVariable("KADRILLO_WINE");
    if (!chosen.isEmpty())
        return QFileInfo(chosen).isExecutable() ? chosen : QStandardPaths::findExecutable(chosen);
    for (const char* name : {"wine", "wine64"}) {
        const QString found = QStandardPaths::findExecutable(QString::fromLatin1(name));
        if (!found.isEmpty())
            return found;
    }
    const QString debianWine = QStringLiteral("/usr/lib/wine/wine64");
    return QFileInfo(debianWine).isExecutable() ? debianWine : QString();
}

QString whyCannotStart(const QString& toolPath)
{
    const QFileInfo tool(toolPath);
    if (!tool.exists())
        return QCoreApplication::translate("ToolLauncher", "the file is missing");
    if (!tool.isFile())
        return QCoreApplication::translate("ToolLauncher", "it is a folder, not a program");
#ifndef Q_OS_WIN
    if (isWindowsProgram(toolPath))
        return findWine().isEmpty() ? wineNotFound(toolPath) : QString();
    if (!tool.isExecutable())
        return QCoreApplication::translate("ToolLauncher", "the file is not executable");
#endif
    return {};
}

LaunchPlan plan(const ToolCall& call, const QString& script)
{
    LaunchPlan launch;
    launch.workingFolder = call.folder;
#ifdef Q_OS_WIN
    if (!script.isEmpty()) {
        launch.program = QStringLiteral("cmd.exe");
        launch.arguments = QStringList{QStringLiteral("/c"), script};
        return launch;
    }
#else
    Q_UNUSED(script);
#endif
    launch.outputFile = call.outputFile;
    launch.appendOutput = call.appendOutput;
    launch.program = call.program;
    launch.arguments = call.arguments;
#ifndef Q_OS_WIN
    if (!isWindowsProgram(call.program))
        return launch;
    const QString wine = findWine();
    if (wine.isEmpty()) {
        launch.error = wineNotFound(call.program) + QLatin1Char('.');
        return launch;
    }
    launch.program = wine;
    launch.arguments.prepend(call.program);
    launch.throughWine = true;
    launch.environment = QProcessEnvironment::systemEnvironment();
    if (!launch.environment.contains(QStringLiteral("WINEDEBUG")))
        launch.environment.insert(QStringLiteral("WINEDEBUG"), QStringLiteral("-all"));
#endif
    return launch;
}

QString setUp(QProcess& process, const LaunchPlan& launch, ErrorChannel errors)
{
    const bool readErrors = errors == ErrorChannel::Read;
    process.setProgram(launch.program);
    process.setArguments(launch.arguments);
    process.setProcessEnvironment(launch.environment);
    process.setWorkingDirectory(launch.workingFolder);
    process.setStandardInputFile(QProcess::nullDevice());
    if (launch.outputFile.isEmpty()) {
        process.setProcessChannelMode(readErrors ? QProcess::ForwardedOutputChannel
                                                 : QProcess::ForwardedChannels);
        return {};
    }
    // Made here first, so that a target that cannot be written is told before the tool runs; an
    // output never writes through a link or into a file that another name shares.
    QFile target(launch.outputFile);
    if (!(launch.appendOutput ? target.open(QIODevice::Append) : FileSystem::openScratch(target)))
        return QCoreApplication::translate("ToolLauncher", "cannot write %1: %2")
            .arg(launch.outputFile, target.errorString());
    target.close();
    process.setProcessChannelMode(readErrors ? QProcess::SeparateChannels : QProcess::ForwardedErrorChannel);
    // Appended to either way: an output to be written over was emptied above, and a second truncation
    // would cost the file system one more.
    process.setStandardOutputFile(launch.outputFile, QIODevice::Append);
    return {};
}

} // namespace ToolLauncher
