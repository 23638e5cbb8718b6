#include "support/WinePrefix.h"

#include "platform/ToolLauncher.h"
#include "support/OwnedProgram.h"

#include <QDeadlineTimer>
#include <QFileInfo>
#include <QStandardPaths>

QString WinePrefix::server()
{
    const QString chosen = qEnvironmentVariable("WINESERVER");
    if (!chosen.isEmpty())
        return chosen;
    QStringList candidates;
    // Wine looks for its server beside itself first; a server of another version would refuse it.
    if (const QString wine = ToolLauncher::findWine(); !wine.isEmpty()) {
        const QString folder = QFileInfo(QFileInfo(wine).canonicalFilePath()).absolutePath();
        candidates << folder + QStringLiteral("/wineserver64") << folder + QStringLiteral("/wineserver");
    }
    for (const char* name : {"wineserver", "wineserver64"})
        candidates << QStandardPaths::findExecutable(QLatin1String(name));
    candidates << QStringLiteral("/usr/lib/wine/wineserver64") << QStringLiteral("/usr/lib/wine/wineserver");
    for (const QString& candidate : candidates) {
        if (!candidate.isEmpty() && QFileInfo(candidate).isExecutable())
            return candidate;
    }
    return {};
}

QProcessEnvironment WinePrefix::environment() const
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("WINEPREFIX"), path_);
    environment.insert(QStringLiteral("WINEDEBUG"), QStringLiteral("-all"));
    return environment;
}

QString WinePrefix::create(int timeoutMs) const
{
    const QString wine = ToolLauncher::findWine();
    const QString serverProgram = server();
    if (wine.isEmpty() || serverProgram.isEmpty())
        return QStringLiteral("Wine or its server was not found");
    const QDeadlineTimer deadline(timeoutMs);
    QProcessEnvironment environment = this->environment();
    // Nobody would answer Wine's offer to install its .NET and HTML engines, so it is not made.
    environment.remove(QStringLiteral("DISPLAY"));
    environment.insert(QStringLiteral("WINEDLLOVERRIDES"), QStringLiteral("mscoree,mshtml="));
    OwnedProgram boot(QStringLiteral("wineboot"));
    if (!boot.start(wine, {QStringLiteral("wineboot"), QStringLiteral("--init")}, environment))
        return boot.state();
    if (const QString failed = boot.waitForExit(int(deadline.remainingTime())); !failed.isEmpty())
        return failed;
    // The prefix is complete once the server has written it out, which it does when it ends.
    OwnedProgram saved(QStringLiteral("wineserver -w"));
    if (!saved.start(serverProgram, {QStringLiteral("-w")}, this->environment()))
        return saved.state();
    return saved.waitForExit(int(deadline.remainingTime()));
}

QString WinePrefix::shutDown(int timeoutMs) const
{
    const QString program = server();
    if (program.isEmpty() || !QFileInfo::exists(path_))
        return {};
    // "-k" returns once the server has ended, and its programs end with it; it ends with code 1
    // when no server was running.
    OwnedProgram stop(QStringLiteral("wineserver -k"));
    if (!stop.start(program, {QStringLiteral("-k")}, environment()))
        return stop.state();
    const QString failed = stop.waitForExit(timeoutMs);
    const bool ended = !stop.isRunning() && stop.process().exitStatus() == QProcess::NormalExit;
    return ended ? QString() : failed;
}
