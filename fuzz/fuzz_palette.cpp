// Proves that a palette file is read only when whole, that encode(decode(x)) gives back its 1048
// bytes, and that decode(encode(header, palette)) gives back the header (cut or padded to 24 bytes)
// and the palette.
#include "FuzzTarget.h"
#include "picture/core/PaletteCodec.h"
#include "support/PictureFiles.h"

namespace {

FuzzTarget::Seeds seeds()
{
    FuzzTarget::Seeds seeds{
        {"ramp", PictureFiles::pal(PictureFiles::ramp(3))},
        {"short-header", PictureFiles::pal(PictureFiles::ramp(5), "short")},
        {"one-byte-short", PictureFiles::pal(PictureFiles::ramp(7)).chopped(1)},
    };
    return seeds + FuzzTarget::samplePaletteFiles();
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
    const PaletteCodec::Decoded decoded = PaletteCodec::decode(file);
    if (decoded.error.isEmpty() != (file.size() >= PaletteCodec::fileSize))
        FuzzTarget::finding("a palette file was refused when whole, or read when short");
    if (decoded.error.isEmpty() &&
        PaletteCodec::encode(decoded.header, decoded.palette) != file.left(PaletteCodec::fileSize))
        FuzzTarget::finding("a palette file read and written again is not the same bytes");

    // The input once more, as a header of its first byte's length and the colours read from the rest.
    const qsizetype headerLength = file.isEmpty() ? 0 : std::uint8_t(file[0]) % 40;
    const QByteArray header = file.mid(1, headerLength);
    Palette palette{};
    for (qsizetype i = 0; i + 4 <= file.size() - 1 - headerLength && i < 256 * 4; i += 4)
        palette[std::size_t(i / 4)] = PaletteCodec::entryAt(file.constData() + 1 + headerLength + i, 0);
    const QByteArray encoded = PaletteCodec::encode(header, palette);
    const PaletteCodec::Decoded again = PaletteCodec::decode(encoded);
    const QByteArray padded =
        header.left(PaletteCodec::headerSize).leftJustified(PaletteCodec::headerSize, '\0');
    if (encoded.size() != PaletteCodec::fileSize || !again.error.isEmpty() || again.header != padded ||
        again.palette != palette)
        FuzzTarget::finding("decode(encode(header, palette)) is not that header and palette");
    return 0;
}
