#include "platform/FileSystem.h"

#include <QFile>
#include <QFileInfo>

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
    // A link left in the target's place must go too, or the copy would write through it.
    const QFileInfo existing(target);
    if ((existing.exists() || existing.isSymLink()) && !QFile::remove(target))
        return false;
    return QFile::copy(source, target);
}

} // namespace FileSystem
