#pragma once

#include <QStringList>

// Command lines are built as Windows text (the game's tools are Windows programs); this splits
// them into arguments the way Windows programs do.
namespace WindowsCommandLine {

// Blanks and tabs separate arguments; double quotes group; 2n backslashes before a quote give n
// backslashes and a grouping quote, 2n+1 give n backslashes and a literal quote; "" inside quotes
// is a literal quote. Nothing else is special: "*.*" stays as it is.
QStringList split(const QString& commandLine);

} // namespace WindowsCommandLine
