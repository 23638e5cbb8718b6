#pragma once

#include <QString>

// Object names come from the archive, so they are not trusted: a name that could reach outside the
// destination folder or change the meaning of a tool line is refused, and one that a blank or an
// operator of the command interpreter would split is quoted.
namespace ObjectName {

// What an object is, by the last three characters of its name (the whole name when shorter),
// compared without regard to case: "bmp", "wav", ".cs" (a two-letter extension with its dot), "ppl".
enum class Kind { Picture, Sound, Script, PaletteList, Other };
Kind kindOf(const QString& name);
// The kind as a row of a list shows it.
QString kindName(Kind kind);
// Whether the object is searched as script text: a name ending in ".cs" or ".txt", without regard
// to case (a ".txt" object is no script to kindOf, which keeps the game's three-letter rule).
bool isScriptText(const QString& name);

// Why the name is refused, or an empty text when it may be used.
QString refusal(const QString& name);
// The name as it is written into a tool line: enclosed in double quotes when it needs them.
QString forToolLine(const QString& name);

} // namespace ObjectName
