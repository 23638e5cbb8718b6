#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <optional>

// One file of the cache: a content and the key it was kept under, sealed so that a damaged, cut or
// foreign file is never taken for an entry. Version 2 of the file is, numbers little-endian:
//   8 bytes   "KDRCACHE"
//   4 bytes   the format version, 2
//   4 bytes   the key's length K, at most maximumKey
//   4 bytes   the content's length C, at most maximumContent
//   K bytes   the key
//   C bytes   the content
//   4 bytes   CRC-32 (as zlib and PNG count it) of every byte before it
namespace CacheEntry {

constexpr qsizetype maximumKey = 64 * 1024;
constexpr qsizetype maximumContent = 64 * 1024 * 1024;
constexpr qsizetype headerSize = 20;
constexpr qsizetype checksumSize = 4;
constexpr qsizetype maximumSize = headerSize + maximumKey + maximumContent + checksumSize;

struct Entry {
    QByteArray key;
    QByteArray content;
};

// The file for the key and content; empty when either is longer than its maximum.
QByteArray write(QByteArrayView key, QByteArrayView content);
// What the file holds; nothing unless the bytes are exactly what write() makes of some key and content.
std::optional<Entry> read(QByteArrayView file);

} // namespace CacheEntry
