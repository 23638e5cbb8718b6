#pragma once

#include <QString>

// The working folder holds files with fixed names that tools are run on, so it must be ours alone.
namespace PrivateFolder {

enum class Status {
    Ready,            // an existing folder owned by this user, or one just created for this user only
    NotOurs,          // something else stands there: a file, a link, or another user's folder
    WritableByOthers, // this user's folder, but group or others may write to it and plant files there
    CannotCreate,     // missing, and it could not be made
};

Status prepare(const QString& path);

// Makes a new folder for this user only, named `prefix` followed by six random letters and digits;
// its path, or empty when none could be made.
QString makeUnique(const QString& prefix);

// Whether `path` is a folder, not a link, owned by this user, that no one else may enter (mode 0700).
bool isPrivate(const QString& path);

// Whether no process of this host has the id `pid`.
bool processIsGone(qint64 pid);

} // namespace PrivateFolder
