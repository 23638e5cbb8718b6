#include "platform/ToolLauncher.h"

#include "platform/ProgramPaths.h"
#include "platform/WindowsCommandLine.h"

#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace ToolLauncher {

bool isWindowsProgram(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) && file.read(2) == "MZ";
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

LaunchPlan plan(const QString& toolPath, const QStringList& arguments)
{
    LaunchPlan launch;
    launch.environment = QProcessEnvironment::systemEnvironment();
#ifdef Q_OS_WIN
    launch.program = toolPath;
    launch.arguments = arguments;
#else
    if (!isWindowsProgram(toolPath)) {
        launch.program = toolPath;
        launch.arguments = arguments;
        return launch;
    }
    const QString wine = findWine();
    if (wine.isEmpty()) {
        launch.error = QStringLiteral("%1 is a Windows program and needs Wine to run, but Wine was not "
                                      "found. Install Wine (the Debian package wine64), or set "
                                      "KADRILLO_WINE to the Wine program.")
                           .arg(QFileInfo(toolPath).fileName());
        return launch;
    }
    launch.program = wine;
    launch.arguments = QStringList{toolPath} + arguments;
    if (!launch.environment.contains(QStringLiteral("WINEDEBUG")))
        launch.environment.insert(QStringLiteral("WINEDEBUG"), QStringLiteral("-all"));
#endif
    return launch;
}

LaunchPlan planCommandLine(const QString& commandLine)
{
    const QStringList words = WindowsCommandLine::split(commandLine);
    if (words.isEmpty()) {
        LaunchPlan launch;
        launch.error = QStringLiteral("There is no command to run.");
        return launch;
    }
    if (!words.first().endsWith(QLatin1String(".bat"), Qt::CaseInsensitive))
        return plan(words.first(), words.mid(1));
    LaunchPlan launch;
    launch.environment = QProcessEnvironment::systemEnvironment();
#ifdef Q_OS_WIN
    launch.program = QStringLiteral("cmd.exe");
    launch.arguments = QStringList{QStringLiteral("/c")} + words;
#else
    launch.program = ProgramPaths::batchInterpreterPath();
    launch.arguments = words;
    if (!QFileInfo(launch.program).isExecutable())
        launch.error = QStringLiteral("The script interpreter %1 is missing.").arg(launch.program);
#endif
    return launch;
}

} // namespace ToolLauncher
