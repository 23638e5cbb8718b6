#pragma once

#include <QList>
#include <QString>

// The archives in a folder: every file whose name ends in ".vol" (in any case), optionally in its
// subfolders too. A link to a file counts as the file; a link to a folder is not followed.
namespace ArchiveFolder {

struct Found {
    QString relativePath; // from the folder, "/" between folders; "." for the folder itself
    QString path;         // the folder's path and the relative path, to open it by; empty with a problem
    // Why this is no archive to search: a name that is not text in the system's encoding, a folder
    // that cannot be read. Empty for an archive.
    QString problem;
};

// Ordered by the relative path's bytes, so that the order never depends on the locale.
QList<Found> find(const QString& folder, bool includeSubfolders);

} // namespace ArchiveFolder
