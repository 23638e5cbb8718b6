#include "picture/IndexedPng.h"

#include "picture/PictureCodec.h"

#include <QIODevice>
#include <array>
#include <cstdlib>
#include <png.h>
#include <vector>

namespace IndexedPng {

namespace {

struct Sink {
    QIODevice* out = nullptr;
    bool failed = false;
};

void writeBytes(png_structp png, png_bytep data, size_t length)
{
    auto* sink = static_cast<Sink*>(png_get_io_ptr(png));
    if (!sink->failed &&
        sink->out->write(reinterpret_cast<const char*>(data), qint64(length)) != qint64(length))
        sink->failed = true;
}

void flushNothing(png_structp) {}

void ignoreWarning(png_structp, png_const_charp) {}

// The failure is reported by write()'s result, so libpng's own text is not printed.
[[noreturn]] void stopOnError(png_structp png, png_const_charp)
{
    png_longjmp(png, 1);
}

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

    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, stopOnError, ignoreWarning);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    Sink sink{&out};
    bool written = false;
    if (info) {
        png_set_write_fn(png, &sink, writeBytes, flushNothing);
        written = encodeRows(png, info, record, chunks, rows.data());
    }
    png_destroy_write_struct(&png, &info);
    return written && !sink.failed;
}

} // namespace IndexedPng
