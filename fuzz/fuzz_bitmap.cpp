// Proves that a standard bitmap the reader accepts is written back byte for byte as it was read (its
// headers, colours and stated pixels), and that a refused one changes nothing.
#include "FuzzTarget.h"
#include "picture/core/PbmpLayout.h"
#include "picture/core/PictureCodec.h"
#include "support/PictureFiles.h"

#include <cstdlib>

namespace {

QByteArray counting(int size)
{
    QByteArray out(size, '\0');
    for (int i = 0; i < size; ++i)
        out[i] = char(i * 7 % 256);
    return out;
}

FuzzTarget::Seeds seeds()
{
    const Palette own = PictureFiles::ramp(4);
    FuzzTarget::Seeds seeds{
        {"bmp-4x2", PictureFiles::standardBitmap(4, 2, own, counting(8))},
        {"bmp-top-down", PictureFiles::standardBitmap(4, -2, own, counting(8), "bm")},
        {"bmp-no-size-stated", PictureFiles::standardBitmap(3, 2, own, QByteArray()) + counting(8)},
        {"bmp-info-124", PictureFiles::standardBitmap(4, 2, own, counting(8), "BM", 124)},
        {"bmp-24-bits", PictureFiles::standardBitmap(2, 2, own, counting(16), "BM", 40, 24)},
    };
    // The bitmaps that the conversion writes from the sample pictures.
    int index = 0;
    for (const auto& [name, data] : FuzzTarget::sampleObjects()) {
        BitmapRecord picture;
        if (data.startsWith(PbmpLayout::fileTag) && PictureCodec::readPbmp(data, picture).isEmpty())
            seeds.append({QStringLiteral("converted-%1").arg(++index),
                          PictureCodec::writePbmpAsBitmap(picture, PictureFiles::ramp(index))});
    }
    return seeds;
}

// Everything a reader may fill, as bytes, to see whether a refusal left it as it was.
QByteArray state(const BitmapRecord& bitmap, const Palette& colours)
{
    return PictureCodec::writeStandardBitmap(bitmap, colours) + bitmap.bfType.toUtf8() +
           QByteArray::number(bitmap.PaletteIndex);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    FuzzTarget::writeSeedsIfAsked(seeds);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray file = FuzzTarget::bytes(data, size);
    BitmapRecord bitmap;
    bitmap.bfType = QStringLiteral("before");
    bitmap.biWidth = 3;
    bitmap.Pixels = "abc";
    bitmap.PaletteIndex = 9;
    Palette colours = PictureFiles::ramp(2);
    const QByteArray before = state(bitmap, colours);
    if (const QString refusal = PictureCodec::readStandardBitmap(file, bitmap, colours); !refusal.isEmpty()) {
        if (state(bitmap, colours) != before)
            FuzzTarget::finding("a refused bitmap changed what it was read into: " + refusal);
        return 0;
    }
    if (PictureCodec::hasOtherLayout(file))
        FuzzTarget::finding("a bitmap of another layout was read for rewriting");
    if (bitmap.biWidth <= 0 || bitmap.biHeight == 0 || bitmap.PaletteIndex != 0)
        FuzzTarget::finding("a bitmap without pixels was read");
    // Uncompressed and stating no size: whole rows of four-byte multiples.
    const std::int64_t stated =
        bitmap.biSizeImage != 0 || bitmap.biCompression != 0
            ? bitmap.biSizeImage
            : (std::int64_t(bitmap.biWidth) + 3) / 4 * 4 * std::llabs(bitmap.biHeight);
    if (bitmap.Pixels.size() != stated)
        FuzzTarget::finding("the pixels read are not as many as the headers say");
    const QByteArray out = PictureCodec::writeStandardBitmap(bitmap, colours);
    if (out != file.left(PictureCodec::pixelOffset + stated))
        FuzzTarget::finding("a bitmap was not written back as it was read");
    return 0;
}
