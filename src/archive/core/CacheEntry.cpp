#include "archive/core/CacheEntry.h"

#include <QtEndian>
#include <zlib.h>

namespace CacheEntry {

namespace {

constexpr QByteArrayView magic("KDRCACHE");
constexpr quint32 version = 2;

void appendNumber(QByteArray& file, quint32 number)
{
    char bytes[4];
    qToLittleEndian(number, bytes);
    file.append(bytes, sizeof bytes);
}

quint32 numberAt(QByteArrayView file, qsizetype at)
{
    return qFromLittleEndian<quint32>(file.data() + at);
}

quint32 checksum(QByteArrayView bytes)
{
    // zlib takes at most 4 GiB at a time; an entry is far smaller.
    return quint32(::crc32(0, reinterpret_cast<const Bytef*>(bytes.data()), uInt(bytes.size())));
}

} // namespace

QByteArray write(QByteArrayView key, QByteArrayView content)
{
    if (key.size() > maximumKey || content.size() > maximumContent)
        return {};
    QByteArray file;
    file.reserve(headerSize + key.size() + content.size() + checksumSize);
    file.append(magic);
    appendNumber(file, version);
    appendNumber(file, quint32(key.size()));
    appendNumber(file, quint32(content.size()));
    file.append(key);
    file.append(content);
    appendNumber(file, checksum(file));
    return file;
}

std::optional<Entry> read(QByteArrayView file)
{
    if (file.size() < headerSize + checksumSize || !file.startsWith(magic) || numberAt(file, 8) != version)
        return std::nullopt;
    const quint32 keySize = numberAt(file, 12);
    const quint32 contentSize = numberAt(file, 16);
    if (keySize > maximumKey || contentSize > maximumContent ||
        file.size() != headerSize + qsizetype(keySize) + qsizetype(contentSize) + checksumSize)
        return std::nullopt;
    const QByteArrayView sealed = file.first(file.size() - checksumSize);
    if (checksum(sealed) != numberAt(file, sealed.size()))
        return std::nullopt;
    return Entry{sealed.sliced(headerSize, keySize).toByteArray(),
                 sealed.sliced(headerSize + keySize, contentSize).toByteArray()};
}

} // namespace CacheEntry
