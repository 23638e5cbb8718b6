#pragma once

#include "platform/core/ToolCall.h"

#include <QProcessEnvironment>
#include <QStringList>

class QProcess;

// How to start one of the game's tools: Windows programs go through Wine, anything else runs as is.
struct LaunchPlan {
    QString program;
    QStringList arguments;
    // The starter's own unless the tool needs more: building it afresh for every start costs.
    QProcessEnvironment environment{QProcessEnvironment::InheritFromParent};
    QString workingFolder; // empty: the starter's own
    QString outputFile;    // where standard output goes, when not to the starter's
    bool appendOutput = false;
    bool throughWine = false; // the program is Wine, the tool its first argument
    QString error;            // set when the tool cannot be started at all

    bool ok() const { return error.isEmpty(); }
};

namespace ToolLauncher {

// A Windows program file starts with the two bytes "MZ".
bool isWindowsProgram(const QString& path);
// KADRILLO_WINE when set, else wine or wine64 on the PATH, else Debian's own wine64; empty if none.
QString findWine();
// Why the tool at `toolPath` cannot start, in words the user can act on, without a closing full stop:
// the file is missing or not executable, or it needs Wine and none is found. Empty when nothing seen
// stops it.
QString whyCannotStart(const QString& toolPath);
// How to start `call`, from its program and arguments. On Windows a call written to `script` is run
// by the system's command interpreter from that script; elsewhere the script is not needed, since
// the call says all that it holds.
LaunchPlan plan(const ToolCall& call, const QString& script = QString());
enum class ErrorChannel { Forwarded, Read };
// Sets `process` up to start as planned, its standard input empty and its output forwarded or
// redirected, its standard error forwarded or left for the starter to read; makes the redirection's
// file anew, or opens it to append to. Returns why it cannot, or empty.
QString setUp(QProcess& process, const LaunchPlan& launch, ErrorChannel errors = ErrorChannel::Forwarded);

} // namespace ToolLauncher
