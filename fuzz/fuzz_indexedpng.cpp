// Proves that the indexed PNG writer keeps what it is given: a picture of any size from 1 x 1 to
// 256 x 64, its rows bottom-up or top-down, with any palette and any or no transparent index, read
// back with libpng itself, has every pixel's index, the 256 colours in order, and alpha 0 at the
// transparent index alone.
#include "FuzzTarget.h"
#include "picture/core/IndexedPng.h"
#include "support/PictureFiles.h"

#include <QBuffer>
#include <algorithm>
#include <array>
#include <cstring>
#include <optional>
#include <png.h>
#include <vector>

namespace {

// The picture's settings come first in the input, then its pixels, then its colours.
struct Settings {
    static constexpr qsizetype size = 4;
    bool topDown = false;
    std::optional<int> transparent;
    int width = 1;
    int height = 1;
};

Settings settingsOf(const QByteArray& input)
{
    const auto at = [&input](qsizetype i) {
        return i < input.size() ? int(std::uint8_t(input[i])) : 0;
    };
    Settings settings;
    settings.topDown = (at(0) & 1) != 0;
    if ((at(0) & 2) != 0)
        settings.transparent = at(1);
    settings.width = at(2) + 1;
    settings.height = at(3) % 64 + 1;
    return settings;
}

FuzzTarget::Seeds seeds()
{
    QByteArray pixels(256, '\0');
    for (int i = 0; i < pixels.size(); ++i)
        pixels[i] = char(i);
    const auto ramp = [](int seed) {
        QByteArray colours;
        for (const PaletteEntry& entry : PictureFiles::ramp(seed))
            colours.append(char(entry.Red)).append(char(entry.Green)).append(char(entry.Blue));
        return colours;
    };
    return {
        {"one-pixel", QByteArray("\0\0\0\0\7", 5)},
        {"16x16-top-down-index-5-transparent", QByteArray("\3\5\17\17", 4) + pixels + ramp(2)},
        {"5x3-padded-rows-index-255-transparent", QByteArray("\2\377\4\2", 4) + pixels.left(24) + ramp(7)},
        {"256-wide", QByteArray("\0\0\377\1", 4) + pixels + pixels + ramp(0)},
    };
}

// libpng reports a damaged file by a long jump back into this frame, so it holds nothing with a destructor.
bool decode(png_structp png, png_infop info, std::vector<png_byte>& rows, int& width, int& height)
{
    if (setjmp(png_jmpbuf(png)))
        return false;
    png_read_info(png, info);
    if (png_get_bit_depth(png, info) != 8 || png_get_color_type(png, info) != PNG_COLOR_TYPE_PALETTE ||
        png_get_interlace_type(png, info) != PNG_INTERLACE_NONE)
        return false;
    width = int(png_get_image_width(png, info));
    height = int(png_get_image_height(png, info));
    if (width < 1 || width > 256 || height < 1 || height > 64)
        return false;
    rows.resize(std::size_t(width) * std::size_t(height));
    for (int y = 0; y < height; ++y)
        png_read_row(png, rows.data() + std::size_t(y) * std::size_t(width), nullptr);
    png_read_end(png, nullptr);
    return true;
}

struct Reading {
    QByteArray file;
    qsizetype at = 0;
};

void readBytes(png_structp png, png_bytep data, size_t length)
{
    auto* reading = static_cast<Reading*>(png_get_io_ptr(png));
    if (reading->file.size() - reading->at < qsizetype(length))
        png_error(png, "the file ends early");
    std::memcpy(data, reading->file.constData() + reading->at, length);
    reading->at += qsizetype(length);
}

[[noreturn]] void stopOnError(png_structp png, png_const_charp)
{
    png_longjmp(png, 1);
}

void ignoreWarning(png_structp, png_const_charp) {}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    FuzzTarget::writeSeedsIfAsked(seeds);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray input = FuzzTarget::bytes(data, size);
    const Settings settings = settingsOf(input);
    const qsizetype stride = (settings.width + 3) & ~3;
    const QByteArray rest = input.mid(Settings::size);
    // What the input does not hold is zeros; padding bytes are part of the rows, and must be ignored.
    const auto byte = [&rest](qsizetype i) {
        return i < rest.size() ? rest[i] : '\0';
    };
    IndexedPng::Source source;
    source.record.biWidth = settings.width;
    source.record.biHeight = settings.topDown ? -settings.height : settings.height;
    for (qsizetype i = 0; i < stride * settings.height; ++i)
        source.record.Pixels.append(byte(i));
    for (std::size_t i = 0; i < source.palette.size(); ++i) {
        const qsizetype colour = stride * settings.height + qsizetype(i) * 3;
        source.palette[i] = {std::uint8_t(byte(colour)), std::uint8_t(byte(colour + 1)),
                             std::uint8_t(byte(colour + 2)), 0};
    }
    QBuffer written;
    written.open(QIODevice::WriteOnly);
    if (!IndexedPng::write(source, settings.transparent, written))
        FuzzTarget::finding("the writer failed on a picture it can write");

    Reading reading{written.data()};
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, stopOnError, ignoreWarning);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!info)
        FuzzTarget::finding("libpng could not start");
    png_set_read_fn(png, &reading, readBytes);
    std::vector<png_byte> rows;
    int width = 0;
    int height = 0;
    const bool decoded = decode(png, info, rows, width, height);
    png_colorp colours = nullptr;
    int colourCount = 0;
    const bool hasColours = decoded && png_get_PLTE(png, info, &colours, &colourCount) != 0;
    png_bytep alpha = nullptr;
    int alphaCount = 0;
    const bool hasAlpha = decoded && png_get_tRNS(png, info, &alpha, &alphaCount, nullptr) != 0;
    std::array<png_color, 256> palette{};
    std::array<png_byte, 256> opacity{};
    opacity.fill(255);
    for (int i = 0; hasColours && i < std::min(colourCount, 256); ++i)
        palette[std::size_t(i)] = colours[i];
    for (int i = 0; hasAlpha && i < std::min(alphaCount, 256); ++i)
        opacity[std::size_t(i)] = alpha[i];
    png_destroy_read_struct(&png, &info, nullptr);

    if (!decoded || width != settings.width || height != settings.height)
        FuzzTarget::finding("the PNG is not an 8-bit indexed picture of the size written");
    for (int y = 0; y < height; ++y) {
        const int row = settings.topDown ? y : height - 1 - y;
        for (int x = 0; x < width; ++x) {
            if (rows[std::size_t(y) * std::size_t(width) + std::size_t(x)] !=
                std::uint8_t(byte(stride * row + x)))
                FuzzTarget::finding(QStringLiteral("the index at %1, %2 differs").arg(x).arg(y));
        }
    }
    if (!hasColours || colourCount != 256)
        FuzzTarget::finding("the PNG does not hold 256 colours");
    for (std::size_t i = 0; i < palette.size(); ++i) {
        const PaletteEntry& entry = source.palette[i];
        if (palette[i].red != entry.Red || palette[i].green != entry.Green || palette[i].blue != entry.Blue)
            FuzzTarget::finding(QStringLiteral("colour %1 differs").arg(i));
        if (opacity[i] != (settings.transparent == int(i) ? 0 : 255))
            FuzzTarget::finding(QStringLiteral("colour %1 has the wrong opacity").arg(i));
    }
    if (hasAlpha != settings.transparent.has_value())
        FuzzTarget::finding(
            "a transparency chunk is written without a transparent index, or missing with one");
    return 0;
}
