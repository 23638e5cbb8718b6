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
// An uncompressed bitmap as other programs write them: an info header of `infoSize` bytes (40, 108
// or 124; the fields past the first 40 are zero), a 256-colour table when 8 bits a pixel, `rows`.
QByteArray standardBitmap(qint32 width, qint32 height, const Palette& palette, const QByteArray& rows,
                          const char* type = "BM", qint32 infoSize = 40, qint16 bitCount = 8);

} // namespace PictureFiles
