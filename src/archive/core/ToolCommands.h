#pragma once

#include "archive/core/WorkFolder.h"
#include "platform/core/ToolCall.h"

#include <QByteArray>
#include <QString>

// The calls that run the game's tools, and the scripts written for them. Object names must have
// passed ObjectName::refusal.
namespace ToolCommands {

// Lists the working copy into "results.dat"; run through "vtlist.bat".
ToolCall listing(const WorkFolder& work);
// Extracts one object of the working copy to `outputFile`, a path relative to the working folder; run
// through "extract.bat".
ToolCall extractTo(const WorkFolder& work, const QString& objectName, const QString& outputFile);
// Extracts one object of the working copy to the file `target` (a full path, its name the object's),
// with the tool started directly.
ToolCall extraction(const WorkFolder& work, const QString& target);

// The call as a line of its script: the program and the arguments as seen from its folder, each
// argument enclosed in double quotes when a blank or an operator of the interpreter would split it,
// then the redirection.
QString toolLine(const ToolCall& call);
// The five-line script, exactly as the game's command interpreter expects it: it changes to the call's
// folder and runs the tool line.
QByteArray scriptText(const ToolCall& call);

} // namespace ToolCommands
