#pragma once

#include <QString>
#include <optional>

// What tells one state of a file from another without reading it: a file written, replaced, moved
// over or touched shows another stamp.
struct FileStamp {
    QString path; // absolute, as given (links in it are not resolved)
    qint64 size = 0;
    qint64 modified = 0; // nanoseconds since the epoch
    qint64 changed = 0;  // the last change of its inode (renamed, its mode set, written), likewise
    quint64 inode = 0;
    quint64 device = 0;

    // The stamp of the file at `path`, a link followed; nothing when no file is there.
    static std::optional<FileStamp> of(const QString& path);
};
