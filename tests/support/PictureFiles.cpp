#include "support/PictureFiles.h"

#include "picture/PbmpLayout.h"
#include "picture/PictureCodec.h"

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
    using namespace PbmpLayout;
    const auto size = qint32(data.size());
    QByteArray out(fileTag);
    put<quint32>(out, quint32(fileSize(size) - fileTagSize));
    out.append(headTag);
    put<quint32>(out, headSize);
    put<quint32>(out, version);
    put<qint32>(out, width);
    put<qint32>(out, height);
    put<qint16>(out, bitCount);
    put<qint16>(out, 0);
    out.append(dataTag);
    put<qint32>(out, size);
    put<qint32>(out, size);
    out.append(data);
    out.append(detailTag);
    put<quint32>(out, detailSize);
    put<quint32>(out, detail);
    out.append(paletteTag);
    put<quint32>(out, paletteNumberSize);
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
    const auto pixelOffset =
        qint32(PictureCodec::fileHeaderSize + infoSize + (indexed ? PictureCodec::colourTableSize : 0));
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
    out.append(QByteArray(infoSize - PictureCodec::infoHeaderSize, '\0'));
    if (indexed)
        putColours(out, palette);
    out.append(rows);
    return out;
}

} // namespace PictureFiles
