#include "support/PictureFiles.h"

#include <QtEndian>

namespace PictureFiles {

namespace {

template <typename T> void put(QByteArray& out, T value)
{
    char bytes[sizeof(T)];
    qToLittleEndian(value, bytes);
    out.append(bytes, sizeof(T));
}

void putColours(QByteArray& out, const Palette& palette)
{
    for (const PaletteEntry& entry : palette) {
        const char colour[4] = {char(entry.Blue), char(entry.Green), char(entry.Red), char(entry.Reserved)};
        out.append(colour, 4);
    }
}

} // namespace

QByteArray pbmp(qint32 width, qint32 height, const QByteArray& data, qint32 paletteNumber, qint16 bitCount)
{
    QByteArray out("PBMP");
    put<qint32>(out, qint32(64 + data.size()));
    out.append("head");
    put<qint32>(out, 24);
    put<qint32>(out, 1);
    put<qint32>(out, width);
    put<qint32>(out, height);
    put<qint16>(out, bitCount);
    put<qint16>(out, 0);
    out.append("data");
    put<qint32>(out, qint32(data.size()));
    put<qint32>(out, qint32(data.size()));
    out.append(data);
    out.append("DETL");
    put<qint32>(out, 12);
    out.append(QByteArray(8, '\0'));
    out.append("PiDX");
    put<qint32>(out, paletteNumber);
    return out;
}

QByteArray pal(const Palette& palette, const QByteArray& header)
{
    QByteArray out = header;
    putColours(out, palette);
    return out;
}

Palette ramp(int seed)
{
    Palette palette{};
    for (int i = 0; i < 256; ++i) {
        palette[std::size_t(i)] =
            PaletteEntry{std::uint8_t(i), std::uint8_t(255 - i), std::uint8_t((i * 7 + seed) & 0xFF), 0};
    }
    return palette;
}

QByteArray standardBitmap(qint32 width, qint32 height, const Palette& palette, const QByteArray& rows,
                          const char* type, qint32 infoSize, qint16 bitCount)
{
    const bool indexed = bitCount == 8;
    const qint32 pixelOffset = 14 + infoSize + (indexed ? 1024 : 0);
    QByteArray out(type, 2);
    put<qint32>(out, qint32(pixelOffset + rows.size()));
    put<qint16>(out, 0);
    put<qint16>(out, 0);
    put<qint32>(out, pixelOffset);
    put<qint32>(out, infoSize);
    put<qint32>(out, width);
    put<qint32>(out, height);
    put<qint16>(out, 1);
    put<qint16>(out, bitCount);
    put<qint32>(out, 0);
    put<qint32>(out, qint32(rows.size()));
    put<qint32>(out, 2835);
    put<qint32>(out, 2835);
    put<qint32>(out, indexed ? 256 : 0);
    put<qint32>(out, 0);
    out.append(QByteArray(infoSize - 40, '\0'));
    if (indexed)
        putColours(out, palette);
    out.append(rows);
    return out;
}

} // namespace PictureFiles
