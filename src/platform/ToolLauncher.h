#pragma once

#include <QProcessEnvironment>
#include <QStringList>

// How to start one of the game's tools: Windows programs go through Wine, anything else runs as is.
struct LaunchPlan {
    QString program;
    QStringList arguments;
    QProcessEnvironment environment;
    QString error; // set when the tool cannot be started at all

    bool ok() const { return error.isEmpty(); }
};

namespace ToolLauncher {

// A Windows program file starts with the two bytes "MZ".
bool isWindowsProgram(const QString& path);
// KADRILLO_WINE when set, else wine or wine64 on the PATH, else Debian's own wine64; empty if none.
QString findWine();
LaunchPlan plan(const QString& toolPath, const QStringList& arguments);
// A whole command line: a script (".bat") goes to the script interpreter, a tool to plan().
LaunchPlan planCommandLine(const QString& commandLine);

} // namespace ToolLauncher
