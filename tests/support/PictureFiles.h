#pragma once

#include "picture/PaletteEntry.h"

#include <QByteArray>

// Builds the picture and palette files the tests feed to the program.
namespace PictureFiles {

// A PBMP: the header, `data` as its S pixel bytes, then 20 bytes and the palette number.
QByteArray pbmp(qint32 width, qint32 height, const QByteArray& data, qint32 paletteNumber,
                qint16 bitCount = 8);
// A palette file: `header` (24 bytes) and the colours stored Blue, Green, Red, Reserved.
QByteArray pal(const Palette& palette, const QByteArray& header = QByteArray(24, 'H'));
// A palette whose every entry differs, derived from `seed`.
Palette ramp(int seed);
// An 8-bit bitmap with a 256-colour table, as other programs write them.
QByteArray standardBitmap(qint32 width, qint32 height, const Palette& palette, const QByteArray& rows,
                          const char* type = "BM");

} // namespace PictureFiles
