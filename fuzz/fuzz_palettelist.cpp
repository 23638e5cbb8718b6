// Proves that a palette list is read only when it holds every palette its count promises, that each
// colour and number is the one stored at its place (in either entry form), and that each palette's
// file name is "<number>.pal" with nothing in it that could leave the target folder.
#include "FuzzTarget.h"
#include "picture/core/PaletteListCodec.h"

#include <QRegularExpression>
#include <QtEndian>

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    FuzzTarget::writeSeedsIfAsked(FuzzTarget::samplePaletteLists);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray file = FuzzTarget::bytes(data, size);
    const PaletteListCodec::Decoded decoded = PaletteListCodec::decode(file);
    const qint64 count = file.size() < PaletteListCodec::firstPaletteOffset
                             ? 0
                             : qFromLittleEndian<qint32>(file.constData() + PaletteListCodec::countOffset);
    const bool whole = count > 0 && file.size() >= PaletteListCodec::firstPaletteOffset +
                                                       count * PaletteListCodec::paletteSize;
    if (decoded.error.isEmpty() != whole || (whole && decoded.palettes.size() != count) ||
        (!whole && !decoded.palettes.isEmpty()))
        FuzzTarget::finding("a palette list was read when short or refused when whole");

    static const QRegularExpression palName(QStringLiteral("^-?[0-9]+\\.pal$"));
    for (qsizetype i = 0; i < decoded.palettes.size(); ++i) {
        const PaletteListCodec::PplPalette& palette = decoded.palettes[i];
        const char* at =
            file.constData() + PaletteListCodec::firstPaletteOffset + i * PaletteListCodec::paletteSize;
        for (int k = 0; k < 256; ++k) {
            const auto* b = reinterpret_cast<const std::uint8_t*>(at + 4 * k);
            const PaletteEntry& entry = palette.Colors[std::size_t(k)];
            const bool rgb = b[3] == 255;
            if (entry.Red != b[rgb ? 0 : 2] || entry.Green != b[1] || entry.Blue != b[rgb ? 2 : 0] ||
                entry.Reserved != b[3])
                FuzzTarget::finding(
                    QStringLiteral("colour %1 of palette %2 is not the one stored").arg(k).arg(i));
        }
        const QString name = PaletteListCodec::fileName(palette);
        if (palette.Id != qFromLittleEndian<qint32>(at + 256 * 4) || !palName.match(name).hasMatch() ||
            name.chopped(4).toInt() != palette.Id)
            FuzzTarget::finding("a palette's number or file name is not the one stored: " + name);
    }
    return 0;
}
