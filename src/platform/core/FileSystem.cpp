#include "platform/core/FileSystem.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryFile>
#include <optional>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif
#ifdef Q_OS_LINUX
#include <sys/sendfile.h>
#endif

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

// A new file written beside the one it replaces and renamed into its place once whole: through
// QSaveFile, which waits for the disk first, or, for Sync::None, through a temporary file of its own.
class Replacement {
public:
    Replacement(const QString& path, Sync sync)
    {
#ifdef Q_OS_UNIX
        if (sync == Sync::None) {
            scratch_.emplace(path + QStringLiteral(".XXXXXX"));
            path_ = path;
            return;
        }
#else
        Q_UNUSED(sync);
#endif
        saved_.emplace(path);
    }

    QFileDevice& file()
    {
        return saved_ ? static_cast<QFileDevice&>(*saved_) : *scratch_;
    }
    bool open()
    {
        return saved_ ? saved_->open(QIODevice::WriteOnly) : scratch_->open();
    }
    void cancel()
    {
        if (saved_)
            saved_->cancelWriting();
    }
    // Why it did not take the old file's place, or an empty text.
    QString commit()
    {
        if (saved_)
            return commitWhole(*saved_);
#ifdef Q_OS_UNIX
        if (!scratch_->flush())
            return scratch_->errorString();
        if (::rename(QFile::encodeName(scratch_->fileName()).constData(),
                     QFile::encodeName(path_).constData()) != 0)
            return QString::fromLocal8Bit(std::strerror(errno));
        scratch_->setAutoRemove(false);
#endif
        return {};
    }

private:
    std::optional<QSaveFile> saved_;
    std::optional<QTemporaryFile> scratch_; // removed unless renamed into place
    QString path_;
};

enum class Moved { All, Failed, NotTried };

// Lets the kernel move the bytes from file to file, as QFile::copy does, so that they never pass
// through the program. NotTried when it cannot before anything was written: the caller copies instead.
Moved moveInKernel(QFile& in, QFileDevice& out)
{
#ifdef Q_OS_LINUX
    // At most this much a call, as the kernel moves no more anyway.
    constexpr size_t callSize = 0x7ffff000;
    bool moved = false;
    for (;;) {
        const ssize_t count = ::sendfile(out.handle(), in.handle(), nullptr, callSize);
        if (count > 0) {
            moved = true;
        } else if (count == 0) {
            // Nothing moved: an empty file, or one the kernel cannot move so; the block copy settles it.
            return moved ? Moved::All : Moved::NotTried;
        } else if (errno != EINTR) {
            return moved ? Moved::Failed : Moved::NotTried;
        }
    }
#else
    Q_UNUSED(in);
    Q_UNUSED(out);
    return Moved::NotTried;
#endif
}

// Cuts a scratch file written over from its start at `written` bytes. Written over rather than emptied
// first, so that the disk keeps the blocks of a file of much the same size; and cut only when it was
// longer, as a cut costs the file system a truncation even where nothing is cut.
bool cutAt(QFile& file, qint64 written)
{
    return file.size() == written || file.resize(written);
}

#ifdef Q_OS_UNIX
// The file at `path` (made when missing) opened for writing when it is a plain file of the user's with
// no other name; -1 for anything else (a link, a pipe, a second name of another file), which the caller
// replaces instead of writing into.
int openOwnFile(const QString& path)
{
    // Not blocking, so that a pipe in the file's place cannot stall the open.
    const int handle = ::open(QFile::encodeName(path).constData(),
                              O_WRONLY | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0666);
    if (handle < 0)
        return -1;
    struct stat info {};
    if (::fstat(handle, &info) != 0 || !S_ISREG(info.st_mode) || info.st_nlink != 1 ||
        info.st_uid != ::geteuid() || ::fcntl(handle, F_SETFL, 0) != 0) {
        ::close(handle);
        return -1;
    }
    return handle;
}

// Hands the open file to `file`, or closes it.
bool adopt(int handle, QFile& file)
{
    if (file.open(handle, QIODevice::WriteOnly, QFileDevice::AutoCloseHandle))
        return true;
    ::close(handle);
    return false;
}

// Cuts the file at what was written into it, by the kernel's own file offset: the copy moves it
// without Qt knowing.
bool cutAtWritten(QFile& file)
{
    const off_t written = file.flush() ? ::lseek(file.handle(), 0, SEEK_CUR) : -1;
    return written >= 0 && cutAt(file, written);
}
#endif

// Opens `file` to write over what it holds, when it is a plain file of the user's with no other name;
// anything else is replaced as createFresh replaces it.
bool openToWriteOver(QFile& file)
{
#ifdef Q_OS_UNIX
    if (const int handle = openOwnFile(file.fileName()); handle >= 0 && adopt(handle, file))
        return true;
#endif
    return createFresh(file);
}

bool copyInBlocks(QFile& in, QFileDevice& out)
{
    constexpr qint64 blockSize = 1 << 20;
    while (!in.atEnd()) {
        const QByteArray block = in.read(blockSize);
        if (block.isEmpty() || out.write(block) != block.size())
            return false;
    }
    return true;
}

} // namespace

QString plainPath(const QString& path)
{
    return path.startsWith(QLatin1Char(':')) ? QStringLiteral("./") + path : path;
}

bool fileExists(const QString& path)
{
    return !path.isEmpty() && QFileInfo(path).isFile();
}

bool deleteFileIfExists(const QString& path)
{
    if (path.isEmpty())
        return true;
    const QFileInfo info(path);
    if (!info.isSymLink() && (!info.exists() || info.isDir()))
        return true;
    return QFile::remove(path);
}

bool createFresh(QFile& file)
{
    // Should the removal fail, the exclusive creation fails as well, and says why.
    deleteFileIfExists(file.fileName());
    return file.open(QIODevice::WriteOnly | QIODevice::NewOnly);
}

bool openScratch(QFile& file)
{
    return openToWriteOver(file) && file.resize(0);
}

QString writeScratch(const QString& path, const QByteArray& bytes)
{
    return writeScratch(path, [&bytes](QIODevice& file) { return file.write(bytes) == bytes.size(); });
}

QString writeScratch(const QString& path, const std::function<bool(QIODevice&)>& write)
{
    QFile file(path);
    if (!openToWriteOver(file))
        return file.errorString();
    if (write(file) && file.flush() && cutAt(file, file.pos()))
        return {};
    const QString reason = file.errorString();
    file.close();
    QFile::remove(path);
    return reason;
}

bool makeRealFolder(const QString& path)
{
    const QFileInfo info(path);
    if (info.isDir() && !info.isSymLink())
        return true;
    if ((info.isSymLink() || info.exists()) && !QFile::remove(path))
        return false;
    return QDir().mkdir(path);
}

QString resolvedPath(const QString& path)
{
    if (path.isEmpty())
        return {};
#ifdef Q_OS_UNIX
    // Part by part from the root, as the kernel walks it: ".." after a link leaves the link's target.
    QStringList rest = (QDir::isAbsolutePath(path) ? path : QDir::currentPath() + QLatin1Char('/') + path)
                           .split(QLatin1Char('/'), Qt::SkipEmptyParts);
    QString resolved = QStringLiteral("/");
    int linksFollowed = 0;
    while (!rest.isEmpty()) {
        const QString part = rest.takeFirst();
        if (part == QLatin1String("."))
            continue;
        if (part == QLatin1String("..")) {
            resolved = QFileInfo(resolved).path();
            continue;
        }
        const QString next =
            resolved == QLatin1String("/") ? resolved + part : resolved + QLatin1Char('/') + part;
        if (!QFileInfo(next).isSymLink()) {
            resolved = next;
            continue;
        }
        char target[PATH_MAX];
        const ssize_t length = ::readlink(QFile::encodeName(next).constData(), target, sizeof target);
        if (length <= 0 || length == ssize_t(sizeof target) || ++linksFollowed > 40)
            return {};
        const QString text = QFile::decodeName(QByteArray(target, length));
        rest = text.split(QLatin1Char('/'), Qt::SkipEmptyParts) + rest;
        if (text.startsWith(QLatin1Char('/')))
            resolved = QStringLiteral("/");
    }
    return resolved;
#else
    const QFileInfo info(path);
    return info.exists() ? info.canonicalFilePath() : QDir::cleanPath(info.absoluteFilePath());
#endif
}

bool copyReplacing(const QString& source, const QString& target, Sync sync)
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
    Replacement out(target, sync);
    if (!in.open(QIODevice::ReadOnly) || !out.open())
        return false;
    const Moved moved = moveInKernel(in, out.file());
    if (moved == Moved::Failed || (moved == Moved::NotTried && !copyInBlocks(in, out.file()))) {
        out.cancel();
        return false;
    }
    return out.commit().isEmpty() && QFile::setPermissions(target, in.permissions());
}

bool copyToScratch(const QString& source, const QString& target)
{
#ifdef Q_OS_UNIX
    QFile in(source);
    if (!QFileInfo(source).isFile() || !in.open(QIODevice::ReadOnly))
        return false;
    const int handle = openOwnFile(target);
    if (handle < 0)
        return copyReplacing(source, target, Sync::None);
    struct stat from {};
    struct stat to {};
    if (::fstat(in.handle(), &from) == 0 && ::fstat(handle, &to) == 0 && from.st_dev == to.st_dev &&
        from.st_ino == to.st_ino) {
        ::close(handle);
        return true;
    }
    QFile out(target);
    if (!adopt(handle, out))
        return false;
    const Moved moved = moveInKernel(in, out);
    return (moved == Moved::All || (moved == Moved::NotTried && copyInBlocks(in, out))) && cutAtWritten(out);
#else
    return copyReplacing(source, target, Sync::None);
#endif
}

bool moveReplacing(const QString& source, const QString& target)
{
    const QFileInfo from(source);
    if (!from.isFile() || from.isSymLink())
        return false;
#ifdef Q_OS_UNIX
    if (::rename(QFile::encodeName(source).constData(), QFile::encodeName(target).constData()) == 0)
        return true;
    if (errno != EXDEV)
        return false;
#endif
    return copyReplacing(source, target) && QFile::remove(source);
}

QString replaceContents(const QString& path, const QByteArray& bytes, Sync sync)
{
    return replaceWith(
        path, [&bytes](QIODevice& file) { return file.write(bytes) == bytes.size(); }, sync);
}

QString replaceWith(const QString& path, const std::function<bool(QIODevice&)>& write, Sync sync)
{
    // QSaveFile would write the file that a link points to; the link goes instead.
    if (QFile link(path); QFileInfo(path).isSymLink() && !link.remove())
        return link.errorString();
    Replacement file(path, sync);
    if (!file.open())
        return file.file().errorString();
    if (!write(file.file())) {
        const QString reason = file.file().errorString();
        file.cancel();
        return reason;
    }
    return file.commit();
}

std::optional<QString> writeNew(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered,
                   QFile::ReadOwner | QFile::WriteOwner)) {
        if (const QFileInfo standing(path); standing.exists() || standing.isSymLink())
            return std::nullopt;
        return file.errorString();
    }
    if (file.write(bytes) == bytes.size())
        return QString();
    const QString reason = file.errorString();
    file.remove();
    return reason;
}

} // namespace FileSystem
