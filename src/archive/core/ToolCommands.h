#pragma once

#include "archive/core/WorkFolder.h"

#include <QString>

// The command lines that run the game's tools. Object names must have passed ObjectName::refusal.
namespace ToolCommands {

inline const QString listScript = QLatin1String(WorkFolder::listScriptName);
inline const QString extractScript = QLatin1String(WorkFolder::extractScriptName);

// Lists the working copy into "results.dat".
QString listingLine();
// Extracts one object of the working copy to a file of the working folder, by its name there.
QString extractLine(const QString& objectName, const QString& outputFile);
// Starts the tool directly: the tool, the working copy and the object's destination, each quoted.
QString extractionCommand(const WorkFolder& work, const QString& destFolder, const QString& objectName);

} // namespace ToolCommands
