#include "picture/IndexedPng.h"

#include "picture/BitmapRecord.h"
#include "picture/PictureCodec.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <cstring>
#include <png.h>

namespace IndexedPng {

QImage fromBitmap(const QByteArray& bitmap, std::optional<int> transparentIndex)
{
    BitmapRecord record;
    Palette palette{};
    if (PictureCodec::kindOf(bitmap) != PictureCodec::Kind::StandardBitmap ||
        !PictureCodec::readStandardBitmap(bitmap, record, palette).isEmpty() || record.biCompression != 0)
        return {};
    const int width = record.biWidth;
    const int height = std::abs(record.biHeight);
    const qsizetype stride = (qsizetype(width) + 3) & ~qsizetype(3);
    if (record.Pixels.size() < stride * height)
        return {};

    QImage image(width, height, QImage::Format_Indexed8);
    QList<QRgb> colours;
    colours.reserve(256);
    for (const PaletteEntry& entry : palette)
        colours.append(qRgb(entry.Red, entry.Green, entry.Blue));
    if (transparentIndex && *transparentIndex >= 0 && *transparentIndex < 256)
        colours[*transparentIndex] &= RGB_MASK; // alpha 0: marked in a tRNS chunk
    image.setColorTable(colours);
    // A positive height stores the rows bottom-up.
    const bool bottomUp = record.biHeight > 0;
    for (int y = 0; y < height; ++y)
        std::memcpy(image.scanLine(y), record.Pixels.constData() + stride * (bottomUp ? height - 1 - y : y),
                    std::size_t(width));
    return image;
}

QByteArray encode(const QImage& image)
{
    if (image.format() != QImage::Format_Indexed8 || image.colorCount() == 0 || image.colorCount() > 256)
        return {};
    std::array<png_byte, 4 * 256> colourMap{};
    for (int i = 0; i < image.colorCount(); ++i) {
        const QRgb colour = image.color(i);
        const std::array<png_byte, 4> entry{png_byte(qRed(colour)), png_byte(qGreen(colour)),
                                            png_byte(qBlue(colour)), png_byte(qAlpha(colour))};
        std::copy(entry.begin(), entry.end(), colourMap.begin() + 4 * i);
    }
    png_image png{};
    png.version = PNG_IMAGE_VERSION;
    png.width = png_uint_32(image.width());
    png.height = png_uint_32(image.height());
    // A colour map with alpha: the PLTE chunk, and a tRNS chunk up to the last entry not opaque.
    png.format = PNG_FORMAT_RGBA_COLORMAP;
    png.colormap_entries = png_uint_32(image.colorCount());
    // zlib level 3, not 6: on a dithered 4096 x 4096 picture two thirds of the time, and no larger a file.
    png.flags = PNG_IMAGE_FLAG_FAST;
    png_alloc_size_t size = PNG_IMAGE_PNG_SIZE_MAX(png);
    QByteArray bytes(qsizetype(size), Qt::Uninitialized);
    const bool written = png_image_write_to_memory(&png, bytes.data(), &size, 0, image.constBits(),
                                                   png_int_32(image.bytesPerLine()), colourMap.data()) != 0;
    png_image_free(&png);
    if (!written)
        return {};
    bytes.truncate(qsizetype(size));
    return bytes;
}

} // namespace IndexedPng
