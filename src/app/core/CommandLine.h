#pragma once

#include <QList>
#include <QStringList>
#include <QUrl>

// The archives named on the program's command line, or dropped on its window.
namespace CommandLine {

// The archive paths among the program's arguments. Where the system hands over separate arguments
// (Linux), each non-empty argument is one path, taken as it is: file names may hold blanks and
// double quotes. On Windows the arguments are read back as one command-line text by tokens().
QStringList archivePaths(const QStringList& arguments);

// The arguments joined back into one command-line text, as a Windows program receives it:
// an argument with a blank or a tab in it is enclosed in double quotes.
QString join(const QStringList& arguments);
// Blanks and tabs outside double quotes separate paths; a double quote starts or ends a quoted
// part and is dropped. Empty paths are skipped.
QStringList tokens(const QString& commandLine);
// The local ".vol" files among dropped files, in their order.
QStringList droppedArchives(const QList<QUrl>& urls);
// The file name of a path: its text after the last folder separator.
QString fileName(const QString& path);

} // namespace CommandLine
