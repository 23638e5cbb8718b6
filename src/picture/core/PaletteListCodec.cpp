#include "picture/core/PaletteListCodec.h"

#include <QCoreApplication>
#include <QtEndian>

namespace PaletteListCodec {

namespace {

qint32 int32At(const QByteArray& bytes, qsizetype offset)
{
    return qFromLittleEndian<qint32>(bytes.constData() + offset);
}

} // namespace

Decoded decode(const QByteArray& bytes)
{
    Decoded decoded;
    if (bytes.size() < firstPaletteOffset) {
        decoded.error =
            QCoreApplication::translate("PaletteListCodec",
                                        "it holds %1 bytes, too few for the heading of a palette list")
                .arg(bytes.size());
        return decoded;
    }
    const qint32 count = int32At(bytes, countOffset);
    if (count <= 0) {
        decoded.error =
            QCoreApplication::translate("PaletteListCodec", "it says it holds %1 palettes").arg(count);
        return decoded;
    }
    // In 64 bits: a count near 2^31 must not wrap the length it needs.
    const qint64 needed = firstPaletteOffset + qint64(count) * paletteSize;
    if (bytes.size() < needed) {
        decoded.error =
            QCoreApplication::translate("PaletteListCodec", "it holds %1 bytes, and %2 palettes need %3")
                .arg(bytes.size())
                .arg(count)
                .arg(needed);
        return decoded;
    }
    decoded.palettes.resize(count);
    for (qint32 i = 0; i < count; ++i) {
        const qsizetype at = firstPaletteOffset + qsizetype(i) * paletteSize;
        PplPalette& palette = decoded.palettes[i];
        for (int k = 0; k < 256; ++k) {
            const auto* b = reinterpret_cast<const std::uint8_t*>(bytes.constData() + at + 4 * k);
            palette.Colors[std::size_t(k)] =
                b[3] == 255 ? PaletteEntry{b[0], b[1], b[2], 255} : PaletteEntry{b[2], b[1], b[0], b[3]};
        }
        palette.Id = int32At(bytes, at + 256 * 4);
    }
    return decoded;
}

QString fileName(const PplPalette& palette)
{
    return QString::number(palette.Id) + QStringLiteral(".pal");
}

} // namespace PaletteListCodec
