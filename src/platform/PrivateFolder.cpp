#include "platform/PrivateFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace PrivateFolder {

Status prepare(const QString& path)
{
    if (path.isEmpty())
        return Status::CannotCreate;
#ifdef Q_OS_UNIX
    const QByteArray native = QFile::encodeName(path);
    struct stat info {};
    if (lstat(native.constData(), &info) != 0) {
        if (errno != ENOENT)
            return Status::CannotCreate;
        const QString parent = QFileInfo(path).absolutePath();
        if (!QDir().mkpath(parent))
            return Status::CannotCreate;
        if (mkdir(native.constData(), 0700) != 0)
            return errno == EEXIST ? Status::NotOurs : Status::CannotCreate;
        return Status::Ready;
    }
    // lstat: a link to a folder is refused, since whoever made the link decides where it points.
    if (!S_ISDIR(info.st_mode) || info.st_uid != getuid())
        return Status::NotOurs;
    return Status::Ready;
#else
    const QFileInfo info(path);
    if (info.exists())
        return info.isDir() ? Status::Ready : Status::NotOurs;
    return QDir().mkpath(path) ? Status::Ready : Status::CannotCreate;
#endif
}

} // namespace PrivateFolder
