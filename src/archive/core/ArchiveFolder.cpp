#include "archive/core/ArchiveFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <sys/stat.h>
#endif

namespace ArchiveFolder {

namespace {

bool isArchiveName(const QByteArray& name)
{
    return name.size() >= 4 && name.right(4).toLower() == ".vol";
}

QString inside(const QString& folder, const QString& relative)
{
    return folder.endsWith(QLatin1Char('/')) ? folder + relative : folder + QLatin1Char('/') + relative;
}

// Rows with the bytes of their relative paths, the order they are given in.
class Rows {
public:
    void add(const QByteArray& relative, const QString& path, const QString& problem = QString())
    {
        rows_.append({relative, {QFile::decodeName(relative), path, problem}});
    }

    QList<Found> ordered()
    {
        std::sort(rows_.begin(), rows_.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
        QList<Found> found;
        found.reserve(rows_.size());
        for (auto& row : rows_)
            found.append(std::move(row.second));
        return found;
    }

private:
    QList<std::pair<QByteArray, Found>> rows_;
};

#ifdef Q_OS_UNIX
// Whether the name's bytes survive the conversion to text and back, so that a path made from the
// text reaches this very file.
bool isText(const QByteArray& name)
{
    return QFile::encodeName(QFile::decodeName(name)) == name;
}

QString systemError(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

class Walk {
public:
    Walk(const QString& folder, bool includeSubfolders, Rows& rows)
        : folder_(folder)
        , nativeFolder_(QFile::encodeName(folder))
        , includeSubfolders_(includeSubfolders)
        , rows_(rows)
    {
    }

    void visit(const QByteArray& relative)
    {
        DIR* dir = ::opendir(native(relative).constData());
        if (!dir) {
            unreadable(relative, errno);
            return;
        }
        QList<QByteArray> subfolders;
        for (;;) {
            errno = 0;
            const dirent* entry = ::readdir(dir);
            if (!entry) {
                if (errno != 0)
                    unreadable(relative, errno);
                break;
            }
            const QByteArray name(entry->d_name);
            if (name == "." || name == "..")
                continue;
            const QByteArray inner = relative.isEmpty() ? name : relative + '/' + name;
            struct stat info {};
            // lstat: a link to a folder is not followed.
            if (includeSubfolders_ && ::lstat(native(inner).constData(), &info) == 0 && S_ISDIR(info.st_mode))
                subfolders.append(inner);
            else if (isArchiveName(name))
                archive(inner, name);
        }
        ::closedir(dir);
        for (const QByteArray& inner : subfolders) {
            if (isText(inner.mid(inner.lastIndexOf('/') + 1)))
                visit(inner);
            else
                rows_.add(inner, QString(),
                          QCoreApplication::translate(
                              "ArchiveFolder", "The folder's name is not text in the system's encoding "
                                               "(UTF-8), so it was not searched."));
        }
    }

private:
    // The path's own bytes: a name that is not text still reaches its file.
    QByteArray native(const QByteArray& relative) const
    {
        if (relative.isEmpty())
            return nativeFolder_;
        return nativeFolder_.endsWith('/') ? nativeFolder_ + relative : nativeFolder_ + '/' + relative;
    }

    void archive(const QByteArray& relative, const QByteArray& name)
    {
        struct stat info {};
        // stat: a link to a file is an archive like any; one that leads nowhere is named.
        if (::stat(native(relative).constData(), &info) != 0)
            rows_.add(relative, QString(),
                      QCoreApplication::translate("ArchiveFolder", "It cannot be read: %1.")
                          .arg(systemError(errno)));
        else if (S_ISREG(info.st_mode) && !isText(name))
            rows_.add(relative, QString(),
                      QCoreApplication::translate("ArchiveFolder",
                                                  "Its name is not text in the system's encoding "
                                                  "(UTF-8), so it cannot be listed."));
        else if (S_ISREG(info.st_mode))
            rows_.add(relative, inside(folder_, QFile::decodeName(relative)));
    }

    void unreadable(const QByteArray& relative, int error)
    {
        rows_.add(relative.isEmpty() ? QByteArray(".") : relative, QString(),
                  QCoreApplication::translate("ArchiveFolder", "The folder cannot be read: %1.")
                      .arg(systemError(error)));
    }

    const QString folder_;
    const QByteArray nativeFolder_;
    const bool includeSubfolders_;
    Rows& rows_;
};
#endif

} // namespace

QList<Found> find(const QString& folder, bool includeSubfolders)
{
    const QString root = QDir::cleanPath(folder);
    Rows rows;
#ifdef Q_OS_UNIX
    Walk(root, includeSubfolders, rows).visit({});
#else
    if (!QFileInfo(root).isDir())
        rows.add(".", QString(), QCoreApplication::translate("ArchiveFolder", "The folder cannot be read."));
    QList<QString> folders{QString()};
    while (!folders.isEmpty()) {
        const QString relative = folders.takeFirst();
        const QDir dir(relative.isEmpty() ? root : inside(root, relative));
        for (const QFileInfo& info :
             dir.entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot)) {
            const QString inner = relative.isEmpty() ? info.fileName() : inside(relative, info.fileName());
            if (includeSubfolders && info.isDir() && !info.isSymLink())
                folders.append(inner);
            else if (info.isFile() && isArchiveName(info.fileName().toUtf8()))
                rows.add(QFile::encodeName(inner), inside(root, inner));
        }
    }
#endif
    return rows.ordered();
}

} // namespace ArchiveFolder
