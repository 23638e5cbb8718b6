#include "picture/core/PictureCodec.h"

#include "picture/core/PaletteCodec.h"
#include "picture/core/PbmpLayout.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QtEndian>
#include <algorithm>
#include <cmath>
#include <limits>

namespace PictureCodec {

namespace {

template <typename T> T field(const QByteArray& file, qsizetype offset)
{
    return qFromLittleEndian<T>(file.constData() + offset);
}

// The field at `at`, which then moves past it: the BMP headers are read in the order putHeaders writes.
template <typename T> T next(const QByteArray& file, qsizetype& at)
{
    const T value = field<T>(file, at);
    at += qsizetype(sizeof(T));
    return value;
}

template <typename T> void put(QByteArray& out, T value)
{
    char bytes[sizeof(T)];
    qToLittleEndian(value, bytes);
    out.append(bytes, sizeof(T));
}

constexpr std::int64_t largestSide = 32768;
// "BM" or "PB" and the like: the letters that start either kind of file.
constexpr qsizetype typeLetters = 2;

// The pixel bytes of a standard bitmap: its stated size, or for an uncompressed picture that
// states none, whole rows of four-byte multiples.
std::int64_t standardPixelCount(const BitmapRecord& bitmap)
{
    if (bitmap.biSizeImage != 0 || bitmap.biCompression != 0)
        return bitmap.biSizeImage;
    return ((std::int64_t(bitmap.biWidth) + 3) & ~std::int64_t(3)) * std::abs(std::int64_t(bitmap.biHeight));
}

double roundedPadding(std::int64_t width, std::int64_t height, std::int64_t sizeImage)
{
    return std::nearbyint(double(sizeImage) / double(height) - double(width));
}

// Both headers, from a file that holds them.
void readHeaders(const QByteArray& file, BitmapRecord& bitmap)
{
    qsizetype at = typeLetters;
    bitmap.bfType = QString::fromLatin1(file.left(typeLetters));
    bitmap.bfSize = next<std::int32_t>(file, at);
    bitmap.bfReserved1 = next<std::int16_t>(file, at);
    bitmap.bfReserved2 = next<std::int16_t>(file, at);
    bitmap.bfOffBits = next<std::int32_t>(file, at);
    bitmap.biSize = next<std::int32_t>(file, at);
    bitmap.biWidth = next<std::int32_t>(file, at);
    bitmap.biHeight = next<std::int32_t>(file, at);
    bitmap.biPlanes = next<std::int16_t>(file, at);
    bitmap.biBitCount = next<std::int16_t>(file, at);
    bitmap.biCompression = next<std::int32_t>(file, at);
    bitmap.biSizeImage = next<std::int32_t>(file, at);
    bitmap.biXPelsPerMeter = next<std::int32_t>(file, at);
    bitmap.biYPelsPerMeter = next<std::int32_t>(file, at);
    bitmap.biClrUsed = next<std::int32_t>(file, at);
    bitmap.biClrImportant = next<std::int32_t>(file, at);
}

void putHeaders(QByteArray& out, const BitmapRecord& bitmap)
{
    out.append(bitmap.bfType.left(typeLetters).toLatin1());
    put(out, bitmap.bfSize);
    put(out, bitmap.bfReserved1);
    put(out, bitmap.bfReserved2);
    put(out, bitmap.bfOffBits);
    put(out, bitmap.biSize);
    put(out, bitmap.biWidth);
    put(out, bitmap.biHeight);
    put(out, bitmap.biPlanes);
    put(out, bitmap.biBitCount);
    put(out, bitmap.biCompression);
    put(out, bitmap.biSizeImage);
    put(out, bitmap.biXPelsPerMeter);
    put(out, bitmap.biYPelsPerMeter);
    put(out, bitmap.biClrUsed);
    put(out, bitmap.biClrImportant);
}

void putPalette(QByteArray& out, const Palette& palette)
{
    for (const PaletteEntry& entry : palette)
        PaletteCodec::appendEntry(out, entry);
}

void setBitmapHeaders(BitmapRecord& bitmap, qsizetype stride)
{
    bitmap.bfType = QStringLiteral("BM");
    bitmap.biSizeImage = std::int32_t(stride * bitmap.biHeight);
    bitmap.bfSize = std::int32_t(bitmap.biSizeImage + pixelOffset);
    bitmap.bfReserved1 = 0;
    bitmap.bfReserved2 = 0;
    bitmap.bfOffBits = std::int32_t(pixelOffset);
    bitmap.biSize = infoHeaderSize;
    bitmap.biPlanes = 1;
    bitmap.biCompression = 0;
    bitmap.biXPelsPerMeter = 0;
    bitmap.biYPelsPerMeter = 0;
    bitmap.biClrUsed = 256;
    bitmap.biClrImportant = 256;
}

} // namespace

Kind kindOf(const QByteArray& start)
{
    const QByteArray two = start.left(typeLetters);
    if (two == "BM" || two == "bm")
        return Kind::StandardBitmap;
    if (two == "PB" || two == "pb")
        return Kind::Pbmp;
    return Kind::Unknown;
}

bool hasOtherLayout(const QByteArray& file)
{
    if (file.size() < headersSize)
        return false;
    BitmapRecord headers;
    readHeaders(file, headers);
    return headers.bfOffBits != pixelOffset || headers.biSize != infoHeaderSize || headers.biBitCount != 8;
}

int rowPadding(std::int64_t width, std::int64_t height, std::int64_t sizeImage)
{
    if (width * height == sizeImage || height == 0)
        return 0;
    const double padding = roundedPadding(width, height, sizeImage);
    return padding > 10 ? 0 : int(padding);
}

QSize pbmpSize(const QByteArray& start)
{
    if (start.size() < PbmpLayout::heightOffset + 4)
        return {};
    return {field<std::int32_t>(start, PbmpLayout::widthOffset),
            field<std::int32_t>(start, PbmpLayout::heightOffset)};
}

QString readPbmp(QByteArray file, BitmapRecord& bitmap)
{
    if (file.size() < PbmpLayout::pixelOffset)
        return QCoreApplication::translate("PictureCodec", "the file is too short for a PBMP header");
    const std::int64_t width = field<std::int32_t>(file, PbmpLayout::widthOffset);
    const std::int64_t height = field<std::int32_t>(file, PbmpLayout::heightOffset);
    const std::int16_t bitCount = field<std::int16_t>(file, PbmpLayout::bitCountOffset);
    const std::int64_t size = field<std::int32_t>(file, PbmpLayout::dataSizeOffset);
    if (width <= 0 || height <= 0 || width > largestSide || height > largestSide)
        return QCoreApplication::translate("PictureCodec", "its size of %1 x %2 pixels is impossible")
            .arg(width)
            .arg(height);
    if (width * height > std::numeric_limits<std::int32_t>::max())
        return QCoreApplication::translate("PictureCodec", "its size of %1 x %2 pixels is too large")
            .arg(width)
            .arg(height);
    if (bitCount != 8)
        return QCoreApplication::translate("PictureCodec", "it has %1 bits per pixel instead of 8")
            .arg(bitCount);
    if (size < width * height)
        return QCoreApplication::translate("PictureCodec",
                                           "its picture data (%1 bytes) is shorter than %2 x %3 pixels")
            .arg(size)
            .arg(width)
            .arg(height);
    if (PbmpLayout::fileSize(size) > file.size())
        return QCoreApplication::translate(
                   "PictureCodec",
                   "the file is cut short: its picture data and palette number need %1 bytes, and it has %2")
            .arg(PbmpLayout::fileSize(size))
            .arg(file.size());
    // The rounded padding can outgrow S, so that the last rows would start past the data.
    const int padding = rowPadding(width, height, size);
    if ((height - 1) * (width + padding) + width > size)
        return QCoreApplication::translate(
                   "PictureCodec",
                   "its rows of %1 pixels with %2 padding bytes each run past its picture data (%3 bytes)")
            .arg(width)
            .arg(padding)
            .arg(size);

    BitmapRecord read = bitmap;
    read.bfType = QStringLiteral("PBMP");
    read.biWidth = std::int32_t(width);
    read.biHeight = std::int32_t(height);
    read.biBitCount = bitCount;
    read.biSizeImage = std::int32_t(size);
    // Data well beyond the rows is not row padding but something after the picture.
    if (width * height != size && roundedPadding(width, height, size) > 10)
        read.biSizeImage = std::int32_t(width * height);
    read.PaletteIndex =
        field<std::int32_t>(file, PbmpLayout::pixelOffset + size + PbmpLayout::paletteNumberAfterData);
    file.truncate(PbmpLayout::pixelOffset + size);
    file.remove(0, PbmpLayout::pixelOffset);
    read.Pixels = std::move(file);
    bitmap = read;
    return {};
}

QString readStandardBitmap(const QByteArray& file, BitmapRecord& bitmap, Palette& colours)
{
    if (file.size() < pixelOffset)
        return QCoreApplication::translate("PictureCodec",
                                           "the file is too short for a bitmap with a 256-colour table");
    BitmapRecord read = bitmap;
    readHeaders(file, read);
    if (hasOtherLayout(file))
        return QCoreApplication::translate(
            "PictureCodec", "only bitmaps of 8 bits per pixel with a full 256-colour table can be converted");
    if (read.biWidth <= 0 || read.biHeight == 0 || read.biWidth > largestSide ||
        std::abs(std::int64_t(read.biHeight)) > largestSide)
        return QCoreApplication::translate("PictureCodec", "its size of %1 x %2 pixels is impossible")
            .arg(read.biWidth)
            .arg(read.biHeight);
    const std::int64_t pixels = standardPixelCount(read);
    if (pixels < 0 || pixelOffset + pixels > file.size())
        return QCoreApplication::translate("PictureCodec",
                                           "the file is cut short: its pixels need %1 bytes, and it has %2")
            .arg(pixelOffset + pixels)
            .arg(file.size());

    read.Pixels = file.mid(pixelOffset, pixels);
    read.PaletteIndex = 0;
    for (int i = 0; i < 256; ++i)
        colours[std::size_t(i)] = PaletteCodec::entryAt(file.constData() + headersSize, i);
    bitmap = read;
    return {};
}

bool writePbmpAsBitmap(BitmapRecord& bitmap, const Palette& palette, QIODevice& out)
{
    const int width = bitmap.biWidth;
    const int height = bitmap.biHeight;
    const int padding = rowPadding(width, height, bitmap.biSizeImage);
    const qsizetype sourceRow = qsizetype(width) + padding;
    const qsizetype stride = (qsizetype(width) + 3) & ~qsizetype(3);
    setBitmapHeaders(bitmap, stride);

    QByteArray head;
    head.reserve(pixelOffset);
    putHeaders(head, bitmap);
    putPalette(head, palette);
    bool written = out.write(head) == head.size();
    const char* pixels = bitmap.Pixels.constData();
    const qsizetype available = bitmap.Pixels.size();
    const qsizetype rowBytes = std::min(stride, sourceRow);
    const QByteArray zeros(stride, '\0');
    for (int y = height - 1; y >= 0 && written; --y) {
        const qsizetype start = sourceRow * y;
        // The row and its own padding bytes, as far as the BMP row needs and the data holds; zeros after.
        const qsizetype kept = std::clamp(available - start, qsizetype(0), rowBytes);
        written = (kept == 0 || out.write(pixels + start, kept) == kept) &&
                  (kept == stride || out.write(zeros.constData(), stride - kept) == stride - kept);
    }
    return written;
}

QByteArray writePbmpAsBitmap(BitmapRecord& bitmap, const Palette& palette)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    writePbmpAsBitmap(bitmap, palette, buffer);
    return bytes;
}

QByteArray writeStandardBitmap(const BitmapRecord& bitmap, const Palette& palette)
{
    QByteArray out;
    out.reserve(pixelOffset + bitmap.Pixels.size());
    putHeaders(out, bitmap);
    putPalette(out, palette);
    out.append(bitmap.Pixels);
    return out;
}

} // namespace PictureCodec
