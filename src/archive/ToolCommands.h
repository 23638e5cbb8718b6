#pragma once

#include <QString>

class WorkFolder;

// The command lines that run the game's tools. Object names must have passed ObjectName::refusal.
namespace ToolCommands {

inline const QString listScript = QStringLiteral("vtlist.bat");
inline const QString extractScript = QStringLiteral("extract.bat");

// Lists the working copy into "results.dat".
QString listingLine();
// Extracts one object of the working copy to a file of the working folder.
QString extractLine(const QString& objectName, const QString& outputFile);
// Starts the tool directly: the tool, the working copy and the object's destination, each quoted.
QString extractionCommand(const WorkFolder& work, const QString& destFolder, const QString& objectName);

} // namespace ToolCommands
