#include "platform/FileSystem.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace FileSystem {

namespace {

// Qt 6.4's commit() renames the new file into place even when writing out its buffer failed (a
// full disk), which would replace a good file with a cut one; so the buffer is written out first.
// Why that failed, or an empty text.
QString commitWhole(QSaveFile& file)
{
    if (!file.flush()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return reason;
    }
    return file.commit() ? QString() : file.errorString();
}

} // namespace

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
    return commitWhole(out).isEmpty() && QFile::setPermissions(target, in.permissions());
}

QString replaceContents(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        return file.errorString();
    return commitWhole(file);
}

} // namespace FileSystem
