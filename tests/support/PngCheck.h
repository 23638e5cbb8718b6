#pragma once

#include <QString>
#include <optional>

// Whether a PNG file holds the picture of a BMP file: an 8-bit indexed PNG with the BMP's colour
// index at every pixel and its palette in order, the transparent index (alone) marked in a tRNS chunk.
namespace PngCheck {

// As Qt's readers see both files (a grey PNG is not read as indexed): what differs, or an empty text.
QString qtDifferences(const QString& bmpFile, const QString& pngFile, std::optional<int> transparent);
// As ImageMagick sees the PNG: an indexed file whose every pixel has the colour (and, for the
// transparent index, alpha 0) of its BMP index. Empty when they agree; a skip reason starts with "SKIP".
QString magickDifferences(const QString& bmpFile, const QString& pngFile, std::optional<int> transparent);

} // namespace PngCheck
