#pragma once

#include <QString>
#include <functional>
#include <optional>

class QFile;
class QIODevice;

// File tests and operations as the program understands them.
namespace FileSystem {

// The path as Qt must be given it to name a file or folder: Qt takes a path that starts with a colon
// for one of its own resources, so such a relative path gets "./" before it.
QString plainPath(const QString& path);

// A file "exists" when a normal file is found at the path, whatever its name; folders do not count.
bool fileExists(const QString& path);

// Deletes the file, link or pipe standing at the path; a link is removed itself, never followed, also
// when it points nowhere. True unless one is left behind; a folder is never removed.
bool deleteFileIfExists(const QString& path);

// Opens `file` for writing as a new file: whatever file or link stood at its path is removed first,
// and the file is then created exclusively, so nothing is ever written through a link or into a
// file that another name shares.
bool createFresh(QFile& file);

// Opens `file` for writing, empty, as a scratch file: one of Kadrillo's own in its working folder,
// written again for every tool run. The file standing there is written into, keeping its place on
// the disk, when it is a plain file of the user's with no other name, as making a new file costs more
// than writing a small one; anything else is replaced as createFresh replaces it.
bool openScratch(QFile& file);

// Writes `bytes` as the whole content of the scratch file at `path`, opened as openScratch opens it but
// written over rather than emptied first; a file that could not be written whole is removed. Why that
// failed, or an empty text.
QString writeScratch(const QString& path, const QByteArray& bytes);

// The same for a content that `write` puts into the file and reports as whole or not.
QString writeScratch(const QString& path, const std::function<bool(QIODevice&)>& write);

// Makes the path a real folder: a file or link standing there is removed first (a link is never
// followed); a folder already there is kept.
bool makeRealFolder(const QString& path);

// The absolute path with every link resolved; a part that does not exist yet is taken as written
// below its nearest existing parent, so that a folder still to be made is judged where it will be.
// Empty for an empty path or a loop of links.
QString resolvedPath(const QString& path);

// Whether a file that replaces another waits until it is on the disk before it takes the old one's
// place. The user's files do; a file that is made again when it is lost or damaged (a cache entry,
// checked when read; a scratch file that cannot be written in place) does not, as that wait is most of
// its cost.
enum class Sync { ToDisk, None };

// Copies source over target, replacing an earlier target; keeps the source's permissions. The
// target is replaced only once the copy is whole, so a failed copy leaves the old one intact, and
// copying a file onto itself (by any path) changes nothing.
bool copyReplacing(const QString& source, const QString& target, Sync sync = Sync::ToDisk);

// Copies source into the scratch file target, opened as openScratch opens it; a target that is the
// source itself is left as it is. A failed copy may leave the target cut short.
bool copyToScratch(const QString& source, const QString& target);

// Moves source over target in one step, replacing an earlier target (a link there is replaced, never
// followed) and keeping the source's permissions; across file systems it copies as copyReplacing
// does and removes the source only once the copy is whole. False leaves both as they were.
bool moveReplacing(const QString& source, const QString& target);

// Writes `bytes` as the file's whole content, replacing the old file only once they are all
// written, and a link standing there rather than the file it points to; why that failed, or an
// empty text.
QString replaceContents(const QString& path, const QByteArray& bytes, Sync sync = Sync::ToDisk);

// The same for a content that `write` puts into the file and reports as whole or not.
QString replaceWith(const QString& path, const std::function<bool(QIODevice&)>& write,
                    Sync sync = Sync::ToDisk);

// Writes `bytes` as a new file at `path` that the user alone may read and write, created exclusively
// (so never through a link, nor into a file that another name shares) and written where it stands,
// without a temporary file and a rename: only for a file that is checked when read, as a reader may
// find it half written. Nothing when something stands at the path already; otherwise why the write
// failed (the part written is removed), or an empty text.
std::optional<QString> writeNew(const QString& path, const QByteArray& bytes);

} // namespace FileSystem
