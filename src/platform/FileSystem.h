#pragma once

#include <QString>
#include <functional>

class QIODevice;

// File tests and operations as the program understands them.
namespace FileSystem {

// A file "exists" when a normal, non-hidden file is found at the path; folders do not count.
bool fileExists(const QString& path);

// Deletes the file when it exists (by the rule above); true when nothing is left behind.
bool deleteFileIfExists(const QString& path);

// Copies source over target, replacing an earlier target; keeps the source's permissions. The
// target is replaced only once the copy is whole, so a failed copy leaves the old one intact, and
// copying a file onto itself (by any path) changes nothing.
bool copyReplacing(const QString& source, const QString& target);

// Writes `bytes` as the file's whole content, replacing the old file only once they are all
// written; why that failed, or an empty text.
QString replaceContents(const QString& path, const QByteArray& bytes);

// The same for a content that `write` puts into the file and reports as whole or not.
QString replaceWith(const QString& path, const std::function<bool(QIODevice&)>& write);

} // namespace FileSystem
