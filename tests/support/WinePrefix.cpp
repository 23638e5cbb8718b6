#include "support/WinePrefix.h"

#include "platform/core/ToolLauncher.h"
#include "support/OwnedProgram.h"

#include <QDeadlineTimer>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

// Wine's server: WINESERVER, else beside Wine itself (a server of another version would refuse it),
// else on the PATH; empty when there is none.
QString server()
{
    QStringList candidates{qEnvironmentVariable("WINESERVER")};
    if (const QString wine = ToolLauncher::findWine(); !wine.isEmpty()) {
        const QString folder = QFileInfo(QFileInfo(wine).canonicalFilePath()).absolutePath();
        candidates << folder + QStringLiteral("/wineserver64") << folder + QStringLiteral("/wineserver");
    }
    candidates << QStandardPaths::findExecutable(QStringLiteral("wineserver"));
    for (const QString& candidate : candidates) {
        if (!candidate.isEmpty() && QFileInfo(candidate).isExecutable())
            return candidate;
    }
    return {};
}

} // namespace

WinePrefix::WinePrefix(const QString& path)
    : environment_(QProcessEnvironment::systemEnvironment())
{
    environment_.insert(QStringLiteral("WINEPREFIX"), path);
    environment_.insert(QStringLiteral("WINEDEBUG"), QStringLiteral("-all"));
}

QString WinePrefix::create(int timeoutMs) const
{
    const QString wine = ToolLauncher::findWine();
    if (wine.isEmpty() || server().isEmpty())
        return QStringLiteral("Wine or its server was not found");
    const QDeadlineTimer deadline(timeoutMs);
    QProcessEnvironment environment = environment_;
    // Nobody would answer Wine's offer to install its .NET and HTML engines, so it is not made.
    environment.remove(QStringLiteral("DISPLAY"));
    environment.insert(QStringLiteral("WINEDLLOVERRIDES"), QStringLiteral("mscoree,mshtml="));
    const QString booted =
        OwnedProgram::runToEnd(wine, {QStringLiteral("wineboot"), QStringLiteral("--init")}, nullptr,
                               environment, int(deadline.remainingTime()));
    if (!booted.isEmpty())
        return booted;
    // The prefix is complete once the server has written it out, which it does when it ends.
    return OwnedProgram::runToEnd(server(), {QStringLiteral("-w")}, nullptr, environment_,
                                  int(deadline.remainingTime()));
}

QString WinePrefix::shutDown(int timeoutMs) const
{
    if (server().isEmpty() || !QFileInfo::exists(path()))
        return {};
    // "-k" returns once the server has ended, and its programs end with it; it ends with code 1
    // when no server was running.
    OwnedProgram stop(QStringLiteral("wineserver -k"));
    if (!stop.start(server(), {QStringLiteral("-k")}, environment_))
        return stop.state();
    const QString failed = stop.waitForExit(timeoutMs);
    return !stop.isRunning() && stop.process().exitStatus() == QProcess::NormalExit ? QString() : failed;
}
