#pragma once

#include "platform/ui/FilePicker.h"

// The program's one file picker, with the filter that suits the kind of file asked for:
// "vol" for archives, "extract" and "vtlist" for the game's tools, "palette" for palette files;
// any other kind shows every file. Kinds are compared exactly. It starts in `folder`, or where it
// last was when that is empty.
std::optional<FilePicker::Picked> ShowOpenDialog(FilePicker& picker, QWidget* parent, const QString& kind,
                                                 const QString& title, const QString& folder);
