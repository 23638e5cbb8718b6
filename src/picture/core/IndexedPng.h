#pragma once

#include "picture/core/BitmapRecord.h"
#include "picture/core/PaletteEntry.h"

#include <QByteArray>
#include <optional>

class QImage;
class QIODevice;

// 8-bit indexed PNG files made from the BMP files the conversion writes: every pixel keeps its colour
// index and the colour table is the BMP's, so that a PNG reader sees what a BMP reader sees. libpng
// encodes them: Qt's PNG writer turns an image whose colour table is the grey ramp (entry i is i, i, i,
// as the game's base palette is) into a grey PNG without a palette.
namespace IndexedPng {

struct Source {
    BitmapRecord record;
    Palette palette;
};

// The picture of a bitmap laid out as the conversion writes it (8 bits, 256 colours, no
// compression); nothing for any other bytes.
std::optional<Source> sourceOf(const QByteArray& bitmap);

// The picture of an 8-bit image with a colour table (as Qt reads a bitmap of 8 bits a pixel or
// fewer): its indices, and its colours with black after them up to 256. The source reads the
// image's pixels where they are, so the image must outlive it. Nothing for any other image.
std::optional<Source> sourceOf(const QImage& picture);

// Writes the PNG file, with the transparent index (if any) marked in a tRNS chunk; false when libpng
// or the device failed.
bool write(const Source& source, std::optional<int> transparentIndex, QIODevice& out);

} // namespace IndexedPng
