#pragma once

#include "picture/core/PaletteListCodec.h"

#include <QString>
#include <QStringList>

// Where the palette extractor writes a palette of a list, and the writing.
namespace PaletteExtraction {

struct Folder {
    QString path;    // where the palettes go; empty when refused
    QString refusal; // why they may not be written anywhere, or an empty text
};

// The target folder, or with `addListName` its subfolder named after the list: the list's name
// without its last four characters ("gui.ppl" gives "gui"). The name comes from the archive, so it
// must pass the object name check and leave a folder name other than "", "." or ".."; the folder
// always lies inside the target. An empty target is refused rather than read as the root.
Folder folderFor(const QString& targetSetting, const QString& listName, bool addListName);

// Writes the palette as "<Id>.pal" in `folder`, made with its parents when missing, replacing any
// file of that name; the header is the last palette file's (24 zero bytes when none was read).
// Why it could not, or an empty text.
QString write(const QString& folder, const QByteArray& header, const PaletteListCodec::PplPalette& palette);

struct Summary {
    QStringList written;  // the names of the files written, in list order
    QStringList failures; // why palettes were not written, each reason once
};

// write() for every palette of a list, in order: a later palette of the same number replaces the file.
Summary writeAll(const QString& folder, const QByteArray& header,
                 const QList<PaletteListCodec::PplPalette>& palettes);

} // namespace PaletteExtraction
