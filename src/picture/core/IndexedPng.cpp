#include "picture/core/IndexedPng.h"

#include "picture/core/PictureCodec.h"
#include "picture/core/PngOutput.h"

#include <QImage>
#include <array>
#include <cstdlib>
#include <vector>

namespace IndexedPng {

namespace {

struct Chunks {
    std::array<png_color, 256> colours{};
    std::array<png_byte, 256> alpha{};
    int alphaCount = 0;
};

// libpng reports its errors by a long jump back into this frame, so it holds nothing with a destructor.
bool encodeRows(png_structp png, png_infop info, const BitmapRecord& record, Chunks& chunks, png_bytepp rows)
{
    if (setjmp(png_jmpbuf(png)))
        return false;
    png_set_IHDR(png, info, png_uint_32(record.biWidth), png_uint_32(std::abs(record.biHeight)), 8,
                 PNG_COLOR_TYPE_PALETTE, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    png_set_PLTE(png, info, chunks.colours.data(), int(chunks.colours.size()));
    if (chunks.alphaCount > 0)
        png_set_tRNS(png, info, chunks.alpha.data(), chunks.alphaCount, nullptr);
    // Each row as differences from the pixel to its left, at zlib level 1: on the game's dithered
    // pictures three times faster than unfiltered level 3 and a fifth smaller, and repeated tiles
    // still compress as well, which zlib's run-length strategy would give up.
    png_set_filter(png, PNG_FILTER_TYPE_BASE, PNG_FILTER_SUB);
    png_set_compression_level(png, 1);
    png_write_info(png, info);
    png_write_image(png, rows);
    png_write_end(png, info);
    return true;
}

} // namespace

std::optional<Source> sourceOf(const QByteArray& bitmap)
{
    Source source;
    if (PictureCodec::kindOf(bitmap) != PictureCodec::Kind::StandardBitmap ||
        !PictureCodec::readStandardBitmap(bitmap, source.record, source.palette).isEmpty() ||
        source.record.biCompression != 0)
        return std::nullopt;
    const qsizetype stride = (qsizetype(source.record.biWidth) + 3) & ~qsizetype(3);
    if (source.record.Pixels.size() < stride * std::abs(source.record.biHeight))
        return std::nullopt;
    return source;
}

std::optional<Source> sourceOf(const QImage& picture)
{
    if (picture.format() != QImage::Format_Indexed8 || picture.colorCount() > 256)
        return std::nullopt;
    Source source;
    source.record.biWidth = picture.width();
    source.record.biHeight = -picture.height();
    // Qt's rows, like a bitmap's, are padded to a multiple of four bytes.
    source.record.Pixels =
        QByteArray::fromRawData(reinterpret_cast<const char*>(picture.constBits()), picture.sizeInBytes());
    const QList<QRgb> colours = picture.colorTable();
    for (qsizetype i = 0; i < colours.size(); ++i)
        source.palette[std::size_t(i)] = {std::uint8_t(qRed(colours[i])), std::uint8_t(qGreen(colours[i])),
                                          std::uint8_t(qBlue(colours[i])), 0};
    return source;
}

bool write(const Source& source, std::optional<int> transparentIndex, QIODevice& out)
{
    const BitmapRecord& record = source.record;
    const int height = std::abs(record.biHeight);
    const qsizetype stride = (qsizetype(record.biWidth) + 3) & ~qsizetype(3);
    // A positive height stores the rows bottom-up.
    std::vector<png_bytep> rows(std::size_t(height), nullptr);
    auto* pixels = reinterpret_cast<png_bytep>(const_cast<char*>(record.Pixels.constData()));
    for (int y = 0; y < height; ++y)
        rows[std::size_t(y)] = pixels + stride * (record.biHeight > 0 ? height - 1 - y : y);

    Chunks chunks;
    for (std::size_t i = 0; i < source.palette.size(); ++i)
        chunks.colours[i] = {source.palette[i].Red, source.palette[i].Green, source.palette[i].Blue};
    if (transparentIndex && *transparentIndex >= 0 && *transparentIndex < 256) {
        chunks.alpha.fill(255);
        chunks.alpha[std::size_t(*transparentIndex)] = 0;
        chunks.alphaCount = *transparentIndex + 1;
    }

    PngOutput output(out);
    return output.png() && encodeRows(output.png(), output.info(), record, chunks, rows.data()) &&
           !output.failed();
}

} // namespace IndexedPng
