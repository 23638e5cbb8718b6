#pragma once

#include "picture/core/PaletteEntry.h"

#include <QByteArray>
#include <QList>

// Builds the picture and palette files the tests feed to the program.
namespace PictureFiles {

// A PBMP (picture/core/PbmpLayout.h) with `data` as its S bytes.
QByteArray pbmp(qint32 width, qint32 height, const QByteArray& data, qint32 paletteNumber,
                qint16 bitCount = 8);
// `header` (24 bytes in a palette file), then the colours stored Blue, Green, Red, Reserved.
QByteArray pal(const Palette& palette, const QByteArray& header = QByteArray(24, 'H'));
// A palette list whose palette i has entry k = (k, i, id, 0), except entry 1 stored red first.
QByteArray ppl(qint32 count, const QList<qint32>& ids);
// A palette whose every entry differs, derived from `seed`.
Palette ramp(int seed);
// An uncompressed bitmap as other programs write them: an info header of `infoSize` bytes (those
// past the first 40 zero), a 256-colour table when 8 bits a pixel, then `rows`.
QByteArray standardBitmap(qint32 width, qint32 height, const Palette& palette, const QByteArray& rows,
                          const char* type = "BM", qint32 infoSize = 40, qint16 bitCount = 8);
// A run-length coded 8-bit bitmap whose every pixel has colour `index`: a few bytes a row at any size.
QByteArray runLengthBitmap(qint32 width, qint32 height, const Palette& palette, quint8 index);

} // namespace PictureFiles
