#pragma once

#include <QString>

// Where the program's own files and its default settings live on this platform.
namespace ProgramPaths {

// Per-user folder that stands in for the program folder (base.pal, the "data" defaults).
QString userDataFolder();
// The program's own cache folder: "kadrillo" in the user's cache folder.
QString userCacheFolder();
// Default working folder: a private folder of this user under the system's temporary folder.
QString defaultTempPath();
// Default location of one of the game's tools in the game's own folder.
QString defaultToolPath(const QString& toolFileName);
// The read-me: in the program folder on Windows; elsewhere in the installed data folder, which the
// build folder copies so that a program run from there finds it too.
QString readmePath();

} // namespace ProgramPaths
