#pragma once

#include "picture/core/BitmapRecord.h"
#include "picture/core/PaletteEntry.h"

#include <QByteArray>
#include <QIODevice>
#include <QSize>
#include <QString>

// The game's PBMP pictures and Windows BMP files with a 256-colour table, on bytes in memory.
namespace PictureCodec {

// The bitmaps the conversion writes: a 14-byte file header, a 40-byte info header, 256 colours of
// 4 bytes, then the pixels. The PBMP layout is in PbmpLayout.h.
constexpr qsizetype fileHeaderSize = 14;
constexpr qsizetype infoHeaderSize = 40;
constexpr qsizetype headersSize = fileHeaderSize + infoHeaderSize;
constexpr qsizetype colourTableSize = 256 * 4;
constexpr qsizetype pixelOffset = headersSize + colourTableSize;

enum class Kind { StandardBitmap, Pbmp, Unknown };

// Decided by the first two bytes alone: "BM" or "bm", "PB" or "pb".
Kind kindOf(const QByteArray& start);

// round(S / height - width), halves to even: the padding bytes a PBMP keeps after each row. Data
// more than 10 bytes a row beyond the picture is not padding but extra data after it.
int rowPadding(std::int64_t width, std::int64_t height, std::int64_t sizeImage);

// A standard bitmap whose headers say it is laid out otherwise than the conversion rewrites them
// (another info header, bit depth or colour table). Such a bitmap is shown as it is.
bool hasOtherLayout(const QByteArray& file);

// The size a PBMP's header states; invalid when the bytes are too few to hold it.
QSize pbmpSize(const QByteArray& start);

// Each reader fills `bitmap` (and, for a standard bitmap, its colour table) only when the whole
// file is consistent; otherwise it returns why not and leaves them as they were.
// The PBMP's bytes are taken over, so that its pixels need not be copied.
QString readPbmp(QByteArray file, BitmapRecord& bitmap);
QString readStandardBitmap(const QByteArray& file, BitmapRecord& bitmap, Palette& colours);

// The BMP file for a picture read from a PBMP: sets its header fields, then encodes it. Rows go
// bottom-up, each padded to a multiple of four bytes with the row's own padding bytes first;
// whatever would lie past the pixels held is written as zeros.
QByteArray writePbmpAsBitmap(BitmapRecord& bitmap, const Palette& palette);
// The same bytes written to `out` row by row, with no whole copy of the picture in memory; false
// when a write failed.
bool writePbmpAsBitmap(BitmapRecord& bitmap, const Palette& palette, QIODevice& out);
// A standard bitmap written back with its own headers and pixels and the given colour table.
QByteArray writeStandardBitmap(const BitmapRecord& bitmap, const Palette& palette);

} // namespace PictureCodec
