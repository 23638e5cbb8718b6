#include "platform/FileSystem.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace FileSystem {

bool fileExists(const QString& path)
{
    if (path.isEmpty())
        return false;
    const QFileInfo info(path);
    return info.isFile() && !info.isHidden();
}

bool deleteFileIfExists(const QString& path)
{
    if (!fileExists(path))
        return true;
    return QFile::remove(path);
}

bool copyReplacing(const QString& source, const QString& target)
{
    const QFileInfo from(source);
    const QFileInfo existing(target);
    if (!from.isFile())
        return false;
    if (existing.exists() && from.canonicalFilePath() == existing.canonicalFilePath())
        return true;
    // A link left in the target's place must go, or the copy would write through it.
    if (existing.isSymLink() && !QFile::remove(target))
        return false;

    QFile in(source);
    QSaveFile out(target);
    if (!in.open(QIODevice::ReadOnly) || !out.open(QIODevice::WriteOnly))
        return false;
    constexpr qint64 blockSize = 1 << 20;
    while (!in.atEnd()) {
        const QByteArray block = in.read(blockSize);
        if (block.isEmpty() || out.write(block) != block.size()) {
            out.cancelWriting();
            return false;
        }
    }
    return out.commit() && QFile::setPermissions(target, in.permissions());
}

} // namespace FileSystem
