#pragma once

#include "picture/core/PaletteEntry.h"

#include <QByteArray>
#include <QList>
#include <QString>

// Palette lists (".ppl"), little-endian: 4 bytes, the count N, 44 bytes, then N times 256 colour
// entries of 4 bytes, the palette's number and 4 bytes. The unnamed bytes are not read.
namespace PaletteListCodec {

constexpr qsizetype countOffset = 4;
constexpr qsizetype firstPaletteOffset = 52;
constexpr qsizetype paletteSize = 256 * 4 + 4 + 4;

struct PplPalette {
    Palette Colors{};
    qint32 Id = 0;
};

struct Decoded {
    QList<PplPalette> palettes;
    QString error; // why the bytes are not a palette list; empty when they are
};

// An entry is stored Blue, Green, Red, Reserved, unless its fourth byte is 255: then it is stored
// Red, Green, Blue, 255.
Decoded decode(const QByteArray& bytes);

// "<Id>.pal": the name under which the palette search finds a picture's palette.
QString fileName(const PplPalette& palette);

} // namespace PaletteListCodec
