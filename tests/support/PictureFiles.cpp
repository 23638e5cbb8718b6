#include "support/PictureFiles.h"

#include "picture/core/PbmpLayout.h"
#include "picture/core/PictureCodec.h"

#include <QtEndian>
#include <algorithm>

namespace PictureFiles {

namespace {

// Each value little-endian, at its own width.
template <typename... T> void put(QByteArray& out, T... values)
{
    const auto one = [&out](auto value) {
        char bytes[sizeof(value)];
        qToLittleEndian(value, bytes);
        out.append(bytes, sizeof(value));
    };
    (one(values), ...);
}

} // namespace

QByteArray pbmp(qint32 width, qint32 height, const QByteArray& data, qint32 paletteNumber, qint16 bitCount)
{
    using namespace PbmpLayout;
    const auto size = qint32(data.size());
    QByteArray out(fileTag);
    put(out, quint32(fileSize(size) - fileTagSize));
    out.append(headTag);
    put(out, headSize, version, width, height, bitCount, qint16(0));
    out.append(dataTag);
    put(out, size, size);
    out.append(data).append(detailTag);
    put(out, detailSize, detail);
    out.append(paletteTag);
    put(out, paletteNumberSize, paletteNumber);
    return out;
}

QByteArray pal(const Palette& palette, const QByteArray& header)
{
    QByteArray out = header;
    for (const PaletteEntry& entry : palette)
        put(out, entry.Blue, entry.Green, entry.Red, entry.Reserved);
    return out;
}

QByteArray ppl(qint32 count, const QList<qint32>& ids)
{
    QByteArray out("PPAL");
    put(out, count);
    out.append(44, 'x');
    for (const qint32 id : ids) {
        for (int k = 0; k < 256; ++k) {
            const char entry[4] = {char(k), char(ids.indexOf(id)), char(id), 0};
            out.append(k == 1 ? "\x0a\x14\x1e\xff" : entry, 4);
        }
        put(out, id);
        out.append("tail");
    }
    return out;
}

Palette ramp(int seed)
{
    Palette palette{};
    for (int i = 0; i < 256; ++i)
        palette[std::size_t(i)] = {std::uint8_t(i), std::uint8_t(255 - i),
                                   std::uint8_t((i * 7 + seed) & 0xFF), 0};
    return palette;
}

QByteArray standardBitmap(qint32 width, qint32 height, const Palette& palette, const QByteArray& rows,
                          const char* type, qint32 infoSize, qint16 bitCount)
{
    const bool indexed = bitCount == 8;
    const auto pixelOffset =
        qint32(PictureCodec::fileHeaderSize + infoSize + (indexed ? PictureCodec::colourTableSize : 0));
    const auto size = qint32(rows.size());
    QByteArray out(type, 2);
    put(out, pixelOffset + size, qint16(0), qint16(0), pixelOffset);
    put(out, infoSize, width, height, qint16(1), bitCount, qint32(0), size);
    put(out, qint32(2835), qint32(2835), qint32(indexed ? 256 : 0), qint32(0));
    out.append(QByteArray(infoSize - PictureCodec::infoHeaderSize, '\0'));
    return (indexed ? pal(palette, out) : out) + rows;
}

QByteArray runLengthBitmap(qint32 width, qint32 height, const Palette& palette, quint8 index)
{
    constexpr qint32 longestRun = 255;
    QByteArray row;
    for (qint32 left = width; left > 0; left -= longestRun)
        row.append(char(std::min(left, longestRun))).append(char(index));
    row.append(2, '\0');                                                  // end of the row
    const QByteArray rows = row.repeated(height) + QByteArray("\0\1", 2); // end of the picture
    constexpr qsizetype compressionAt = 30;
    return standardBitmap(width, height, palette, rows).replace(compressionAt, 1, "\1");
}

} // namespace PictureFiles
