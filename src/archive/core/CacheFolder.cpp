#include "archive/core/CacheFolder.h"

#include "archive/core/CacheEntry.h"
#include "platform/core/FileSystem.h"
#include "platform/core/PrivateFolder.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

// The whole key an entry keeps: the identity's length first, so that no identity and state run into
// another pair's.
QByteArray wholeKey(const CacheFolder::Key& key)
{
    return QByteArray::number(key.identity.size()) + ':' + key.identity + key.state;
}

enum class Opened { Missing, Unsound, Read };

// The entry file's bytes. Unsound when it is a link (never followed), not a plain file of this user's,
// or larger than any entry.
Opened readEntryFile(const QString& path, QByteArray& bytes)
{
#ifdef Q_OS_UNIX
    // O_NONBLOCK: a pipe planted in an entry's place does not hold the program up.
    const int handle =
        ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (handle < 0)
        return errno == ENOENT ? Opened::Missing : Opened::Unsound;
    QFile file;
    struct stat info {};
    if (!file.open(handle, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(handle);
        return Opened::Unsound;
    }
    if (::fstat(handle, &info) != 0 || !S_ISREG(info.st_mode) || info.st_uid != ::getuid() ||
        info.st_size > CacheEntry::maximumSize)
        return Opened::Unsound;
    bytes = file.readAll();
    return bytes.size() == info.st_size ? Opened::Read : Opened::Unsound;
#else
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink())
        return Opened::Missing;
    QFile file(path);
    if (info.isSymLink() || !info.isFile() || info.size() > CacheEntry::maximumSize ||
        !file.open(QIODevice::ReadOnly))
        return Opened::Unsound;
    bytes = file.readAll();
    return Opened::Read;
#endif
}

// The folder's mode as chmod writes it.
QString mode(const QString& folder)
{
    const int permissions = QFileInfo(folder).permissions();
    const int bits = ((permissions >> 12) & 7) << 6 | ((permissions >> 4) & 7) << 3 | (permissions & 7);
    return QString::number(bits, 8).rightJustified(4, QLatin1Char('0'));
}

// Entry files, and the temporary files they are written through.
bool isEntryName(const QString& name)
{
    static const QRegularExpression entry(QStringLiteral("^[0-9a-f]{64}\\.entry(\\.\\w+)?$"));
    return entry.match(name).hasMatch();
}

} // namespace

CacheFolder::CacheFolder(const QString& path)
    : path_(path)
{
    switch (PrivateFolder::prepare(path)) {
    case PrivateFolder::Status::Ready:
    case PrivateFolder::Status::WritableByOthers:
        if (!PrivateFolder::isPrivate(path))
            refusal_ = tr("Others may enter the cache folder %1 (its mode is %2, not 0700), so nothing is "
                          "cached.")
                           .arg(path, mode(path));
        break;
    case PrivateFolder::Status::NotOurs:
        refusal_ = tr("The cache folder %1 is a link, a file or another user's folder, so nothing is cached.")
                       .arg(path);
        break;
    case PrivateFolder::Status::CannotCreate:
        refusal_ = tr("The cache folder %1 cannot be made, so nothing is cached.").arg(path);
        break;
    }
}

QString CacheFolder::entryPath(const Key& key) const
{
    return path_ + QLatin1Char('/') +
           QString::fromLatin1(QCryptographicHash::hash(key.identity, QCryptographicHash::Sha256).toHex()) +
           QStringLiteral(".entry");
}

std::optional<QByteArray> CacheFolder::read(const Key& key) const
{
    if (!refusal_.isEmpty())
        return std::nullopt;
    QByteArray bytes;
    const Opened opened = readEntryFile(entryPath(key), bytes);
    if (opened == Opened::Missing)
        return std::nullopt;
    std::optional<CacheEntry::Entry> entry;
    if (opened == Opened::Read)
        entry = CacheEntry::read(bytes);
    if (!entry || entry->key != wholeKey(key)) {
        drop(key);
        return std::nullopt;
    }
    return std::move(entry->content);
}

QString CacheFolder::write(const Key& key, const QByteArray& content) const
{
    if (!refusal_.isEmpty())
        return refusal_;
    const QByteArray file = CacheEntry::write(wholeKey(key), content);
    if (file.isEmpty())
        return tr("It is too large to be cached.");
    // A new entry is written in its place, which saves two of the three changes to the folder: a reader
    // that finds it half written drops it as damaged, as after a crash. One standing there is replaced.
    const QString path = entryPath(key);
    if (const std::optional<QString> written = FileSystem::writeNew(path, file))
        return *written;
    return FileSystem::replaceContents(path, file, FileSystem::Sync::None);
}

void CacheFolder::drop(const Key& key) const
{
    // A folder in its place stays: nothing is read from it.
    QFile::remove(entryPath(key));
}

QString CacheFolder::clear() const
{
    if (!refusal_.isEmpty())
        return refusal_;
    const QDir folder(path_);
    for (const QString& name :
         folder.entryList(QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot)) {
        const QFileInfo info(folder.filePath(name));
        if (!isEntryName(name) || (info.isDir() && !info.isSymLink()))
            continue;
        if (QFile file(info.filePath()); !file.remove())
            return tr("%1 cannot be removed: %2").arg(info.filePath(), file.errorString());
    }
    return {};
}
