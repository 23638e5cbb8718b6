// Proves that a PBMP the reader accepts becomes a BMP that matches its own header, that our bitmap
// reader takes back with the given colours, and whose rows are the PBMP's rows, bottom first.
#include "FuzzTarget.h"
#include "picture/core/PbmpLayout.h"
#include "picture/core/PictureCodec.h"
#include "support/PictureFiles.h"

#include <QtEndian>

namespace {

const Palette palette = PictureFiles::ramp(1);

QByteArray counting(int size)
{
    QByteArray out(size, '\0');
    for (int i = 0; i < size; ++i)
        out[i] = char(i % 251);
    return out;
}

FuzzTarget::Seeds seeds()
{
    FuzzTarget::Seeds seeds{
        {"pbmp-4x2", PictureFiles::pbmp(4, 2, counting(8), 0)},
        {"pbmp-unaligned-5x3", PictureFiles::pbmp(5, 3, counting(15), 7)},
        {"pbmp-row-padding-6x4", PictureFiles::pbmp(6, 4, counting(32), 1)},
        {"pbmp-rounded-padding-1x4", PictureFiles::pbmp(1, 4, counting(7), 2)},
        {"pbmp-data-after-rows-16x16", PictureFiles::pbmp(16, 16, counting(16 * 16 * 12), -3)},
    };
    int index = 0;
    for (const auto& [name, data] : FuzzTarget::sampleObjects()) {
        if (data.startsWith(PbmpLayout::fileTag))
            seeds.append({QStringLiteral("sample-%1").arg(++index), data});
    }
    return seeds;
}

// The padding the PBMP's rows carry: S / height - width rounded half to even, in whole numbers;
// more than 10 is data after the rows instead.
std::int64_t padding(std::int64_t width, std::int64_t height, std::int64_t size)
{
    const std::int64_t extra = size - width * height;
    std::int64_t rounded = extra / height;
    const std::int64_t twice = 2 * (extra % height);
    if (twice > height || (twice == height && rounded % 2 == 1))
        ++rounded;
    return rounded > 10 ? 0 : rounded;
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
    BitmapRecord picture;
    picture.PaletteIndex = -77;
    if (const QString refusal = PictureCodec::readPbmp(file, picture); !refusal.isEmpty()) {
        if (picture.PaletteIndex != -77 || !picture.Pixels.isNull())
            FuzzTarget::finding("a refused PBMP changed the picture: " + refusal);
        return 0;
    }
    // Pixels of their own, exactly S bytes long, so that any read past them is out of bounds.
    picture.Pixels = QByteArray(picture.Pixels.constData(), picture.Pixels.size());
    const std::int64_t width = picture.biWidth;
    const std::int64_t height = picture.biHeight;
    const std::int64_t dataSize =
        qFromLittleEndian<std::int32_t>(file.constData() + PbmpLayout::dataSizeOffset);
    const std::int32_t paletteNumber = qFromLittleEndian<std::int32_t>(
        file.constData() + PbmpLayout::pixelOffset + dataSize + PbmpLayout::paletteNumberAfterData);
    if (picture.Pixels != file.mid(PbmpLayout::pixelOffset, dataSize) ||
        picture.PaletteIndex != paletteNumber)
        FuzzTarget::finding("the PBMP's pixels or palette number were not read as they stand");

    const QByteArray out = PictureCodec::writePbmpAsBitmap(picture, palette);
    const std::int64_t stride = (width + 3) / 4 * 4;
    if (out.size() != picture.bfSize || picture.biSizeImage != stride * height ||
        out.size() != PictureCodec::pixelOffset + stride * height)
        FuzzTarget::finding("the BMP written from a PBMP does not match its own header");

    BitmapRecord back;
    Palette colours{};
    if (const QString refusal = PictureCodec::readStandardBitmap(out, back, colours); !refusal.isEmpty())
        FuzzTarget::finding("the BMP written from a PBMP is refused: " + refusal);
    if (back.biWidth != width || back.biHeight != height || colours != palette ||
        PictureCodec::hasOtherLayout(out))
        FuzzTarget::finding("the BMP written from a PBMP reads back with another size or colours");

    const std::int64_t sourceRow = width + padding(width, height, dataSize);
    for (std::int64_t y = 0; y < height; ++y) {
        const qsizetype written = PictureCodec::pixelOffset + (height - 1 - y) * stride;
        if (out.mid(written, width) != file.mid(PbmpLayout::pixelOffset + y * sourceRow, width))
            FuzzTarget::finding(
                QStringLiteral("row %1 of the PBMP is not the BMP's row from the bottom").arg(y));
    }
    return 0;
}
