#pragma once

#include <QString>

// The working folder holds files with fixed names that tools are run on, so it must be ours alone.
namespace PrivateFolder {

enum class Status {
    Ready,        // an existing folder owned by this user, or one just created for this user only
    NotOurs,      // something else stands there: a file, a link, or another user's folder
    CannotCreate, // missing, and it could not be made
};

Status prepare(const QString& path);

} // namespace PrivateFolder
