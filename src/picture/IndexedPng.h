#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <optional>

// 8-bit indexed PNG files made from the BMP files the conversion writes: every pixel keeps its colour
// index and the colour table is the BMP's, so that a PNG reader sees what a BMP reader sees. libpng
// encodes them: Qt's PNG writer turns an image whose colour table is the grey ramp (entry i is i, i, i,
// as the game's base palette is) into a grey PNG without a palette.
namespace IndexedPng {

// The picture of a bitmap laid out as the conversion writes it (8 bits, 256 colours, no
// compression), with the transparent index's colour given alpha 0; a null image for any other bytes.
QImage fromBitmap(const QByteArray& bitmap, std::optional<int> transparentIndex);

// The PNG file's bytes for an indexed image; empty for any other, or when libpng refused it.
QByteArray encode(const QImage& image);

} // namespace IndexedPng
