#include "SquarePbmp.h"

#include "picture/core/PbmpLayout.h"

#include <QtEndian>
#include <cstring>

QByteArray squarePbmp(int side)
{
    const qsizetype size = qsizetype(side) * side;
    QByteArray out(PbmpLayout::fileSize(size), '\0');
    std::memcpy(out.data(), PbmpLayout::fileTag, std::strlen(PbmpLayout::fileTag));
    qToLittleEndian<qint32>(side, out.data() + PbmpLayout::widthOffset);
    qToLittleEndian<qint32>(side, out.data() + PbmpLayout::heightOffset);
    qToLittleEndian<qint16>(8, out.data() + PbmpLayout::bitCountOffset);
    qToLittleEndian<qint32>(qint32(size), out.data() + PbmpLayout::dataSizeOffset);
    return out;
}
