#pragma once

#include "picture/core/PaletteEntry.h"

#include <QByteArray>
#include <QString>

// Palette files (".pal"): a 24-byte header the program carries through unread, then 256 entries
// of Blue, Green, Red, Reserved.
namespace PaletteCodec {

constexpr qsizetype headerSize = 24;
constexpr qsizetype fileSize = headerSize + 256 * 4;

struct Decoded {
    QByteArray header;
    Palette palette{};
    QString error; // why the bytes are not a palette file; empty when they are
};

Decoded decode(const QByteArray& bytes);
// A missing header (no palette file read yet) is written as 24 zero bytes.
QByteArray encode(const QByteArray& header, const Palette& palette);

// Entry `index` of a colour table stored Blue, Green, Red, Reserved, from `data`.
PaletteEntry entryAt(const char* data, int index);
void appendEntry(QByteArray& out, const PaletteEntry& entry);

} // namespace PaletteCodec
