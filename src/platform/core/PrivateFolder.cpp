#include "platform/core/PrivateFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <csignal>
#include <cstdlib>
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
        if (mkdir(native.constData(), 0700) == 0)
            return Status::Ready;
        // Another run made it in the meantime: it is judged as any folder found there.
        if (errno != EEXIST || lstat(native.constData(), &info) != 0)
            return Status::CannotCreate;
    }
    // lstat: a link to a folder is refused, since whoever made the link decides where it points.
    if (!S_ISDIR(info.st_mode) || info.st_uid != getuid())
        return Status::NotOurs;
    if ((info.st_mode & (S_IWGRP | S_IWOTH)) != 0)
        return Status::WritableByOthers;
    return Status::Ready;
#else
    const QFileInfo info(path);
    if (info.exists())
        return info.isDir() ? Status::Ready : Status::NotOurs;
    return QDir().mkpath(path) ? Status::Ready : Status::CannotCreate;
#endif
}

QString makeUnique(const QString& prefix)
{
#ifdef Q_OS_UNIX
    QByteArray name = QFile::encodeName(prefix) + "XXXXXX";
    return ::mkdtemp(name.data()) ? QFile::decodeName(name) : QString();
#else
    QTemporaryDir folder(prefix + QStringLiteral("XXXXXX"));
    folder.setAutoRemove(false);
    return folder.isValid() ? folder.path() : QString();
#endif
}

bool isPrivate(const QString& path)
{
#ifdef Q_OS_UNIX
    struct stat info {};
    return lstat(QFile::encodeName(path).constData(), &info) == 0 && S_ISDIR(info.st_mode) &&
           info.st_uid == getuid() && (info.st_mode & 07777) == 0700;
#else
    Q_UNUSED(path);
    return false;
#endif
}

bool processIsGone(qint64 pid)
{
#ifdef Q_OS_UNIX
    return pid > 0 && ::kill(pid_t(pid), 0) != 0 && errno == ESRCH;
#else
    Q_UNUSED(pid);
    return false;
#endif
}

} // namespace PrivateFolder
