#include "platform/core/FileStamp.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

std::optional<FileStamp> FileStamp::of(const QString& path)
{
    if (path.isEmpty())
        return std::nullopt;
    const QString absolute = QFileInfo(path).absoluteFilePath();
#ifdef Q_OS_UNIX
    struct stat info {};
    if (::stat(QFile::encodeName(absolute).constData(), &info) != 0 || !S_ISREG(info.st_mode))
        return std::nullopt;
    constexpr qint64 perSecond = 1'000'000'000;
    return FileStamp{absolute,
                     qint64(info.st_size),
                     qint64(info.st_mtim.tv_sec) * perSecond + info.st_mtim.tv_nsec,
                     qint64(info.st_ctim.tv_sec) * perSecond + info.st_ctim.tv_nsec,
                     quint64(info.st_ino),
                     quint64(info.st_dev)};
#else
    const QFileInfo info(absolute);
    if (!info.isFile())
        return std::nullopt;
    constexpr qint64 perMillisecond = 1'000'000;
    return FileStamp{absolute,
                     info.size(),
                     info.lastModified().toMSecsSinceEpoch() * perMillisecond,
                     info.metadataChangeTime().toMSecsSinceEpoch() * perMillisecond,
                     0,
                     0};
#endif
}
