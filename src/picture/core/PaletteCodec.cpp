#include "picture/core/PaletteCodec.h"

#include <QCoreApplication>

namespace PaletteCodec {

PaletteEntry entryAt(const char* data, int index)
{
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(data) + 4 * index;
    return PaletteEntry{bytes[2], bytes[1], bytes[0], bytes[3]};
}

void appendEntry(QByteArray& out, const PaletteEntry& entry)
{
    const char bytes[4] = {char(entry.Blue), char(entry.Green), char(entry.Red), char(entry.Reserved)};
    out.append(bytes, 4);
}

Decoded decode(const QByteArray& bytes)
{
    Decoded decoded;
    if (bytes.size() < fileSize) {
        decoded.error =
            QCoreApplication::translate("PaletteCodec", "it holds %1 bytes, and a palette file has %2")
                .arg(bytes.size())
                .arg(fileSize);
        return decoded;
    }
    decoded.header = bytes.left(headerSize);
    for (int i = 0; i < 256; ++i)
        decoded.palette[std::size_t(i)] = entryAt(bytes.constData() + headerSize, i);
    return decoded;
}

QByteArray encode(const QByteArray& header, const Palette& palette)
{
    QByteArray out = header.left(headerSize);
    out.append(QByteArray(headerSize - out.size(), '\0'));
    out.reserve(fileSize);
    for (const PaletteEntry& entry : palette)
        appendEntry(out, entry);
    return out;
}

} // namespace PaletteCodec
