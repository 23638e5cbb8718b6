#include "picture/PictureCodec.h"
#include "support/PictureFiles.h"

#include <QDir>
#include <QFile>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

// What the conversion does with the bytes of "temp.bmp": the PBMP reader and BMP writer, and the
// standard-bitmap reader and writer, with a fixed palette. Both readers see every input.
// Run with KADRILLO_FUZZ_SEEDS=<folder>, it writes its seed corpus there and ends.

namespace {

const Palette palette = PictureFiles::ramp(1);

QByteArray counting(int size)
{
    QByteArray out(size, '\0');
    for (int i = 0; i < size; ++i)
        out[i] = char(i % 251);
    return out;
}

void writeSeeds(const QString& folder)
{
    QDir().mkpath(folder);
    const auto seed = [&](const char* name, const QByteArray& bytes) {
        QFile file(folder + QLatin1Char('/') + QLatin1String(name));
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
            std::fprintf(stderr, "cannot write the seed %s\n", qPrintable(file.fileName()));
            std::exit(1);
        }
    };
    seed("pbmp-4x2", PictureFiles::pbmp(4, 2, counting(8), 0));
    seed("pbmp-unaligned-5x3", PictureFiles::pbmp(5, 3, counting(15), 7));
    seed("pbmp-row-padding-6x4", PictureFiles::pbmp(6, 4, counting(32), 1));
    seed("pbmp-rounded-padding-1x4", PictureFiles::pbmp(1, 4, counting(7), 2));
    seed("pbmp-data-after-rows-16x16", PictureFiles::pbmp(16, 16, counting(16 * 16 * 12), -3));
    const Palette own = PictureFiles::ramp(4);
    seed("bmp-4x2", PictureFiles::standardBitmap(4, 2, own, counting(8)));
    seed("bmp-top-down", PictureFiles::standardBitmap(4, -2, own, counting(8), "bm"));
    seed("bmp-no-size-stated", PictureFiles::standardBitmap(3, 2, own, QByteArray()) + counting(8));
    seed("bmp-info-124", PictureFiles::standardBitmap(4, 2, own, counting(8), "BM", 124));
    seed("bmp-24-bits", PictureFiles::standardBitmap(2, 2, own, counting(16), "BM", 40, 24));
    BitmapRecord converted;
    PictureCodec::readPbmp(PictureFiles::pbmp(7, 3, counting(24), 0), converted);
    seed("bmp-converted-7x3", PictureCodec::writePbmpAsBitmap(converted, own));
}

[[noreturn]] void finding(const char* what)
{
    std::fprintf(stderr, "finding: %s\n", what);
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    if (const char* folder = std::getenv("KADRILLO_FUZZ_SEEDS")) {
        writeSeeds(QString::fromLocal8Bit(folder));
        std::exit(0);
    }
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray file(reinterpret_cast<const char*>(data), qsizetype(size));

    BitmapRecord picture;
    if (PictureCodec::readPbmp(file, picture).isEmpty()) {
        // Pixels of their own, exactly S bytes long, so that any read past them is out of bounds.
        picture.Pixels = QByteArray(picture.Pixels.constData(), picture.Pixels.size());
        const QByteArray out = PictureCodec::writePbmpAsBitmap(picture, palette);
        if (out.size() != picture.bfSize || picture.biSizeImage % 4 != 0)
            finding("the BMP written from a PBMP does not match its own header");
    }

    BitmapRecord bitmap;
    Palette colours{};
    if (PictureCodec::readStandardBitmap(file, bitmap, colours).isEmpty()) {
        if (PictureCodec::hasOtherLayout(file))
            finding("a bitmap of another layout was read for rewriting");
        const QByteArray out = PictureCodec::writeStandardBitmap(bitmap, palette);
        if (out.left(54) != file.left(54) || out.mid(PictureCodec::pixelOffset) != bitmap.Pixels)
            finding("a standard bitmap was not written back with its own headers and pixels");
    }
    return 0;
}
