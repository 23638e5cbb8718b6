#include "archive/core/WorkFolder.h"

#include "platform/core/FileSystem.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

WorkFolder::WorkFolder(const QString& path, const QString& configured)
    : path_(path)
    , configured_(configured.isEmpty() ? path : configured)
    , usable_(!path.isEmpty())
{
}

WorkFolder WorkFolder::refused(const QString& path)
{
    WorkFolder folder(path);
    folder.usable_ = false;
    return folder;
}

bool WorkFolder::contains(const QString& folder, const QString& path)
{
    const QString outer = FileSystem::resolvedPath(folder);
    const QString inner = FileSystem::resolvedPath(path);
    if (outer.isEmpty() || inner.isEmpty())
        return false;
    return inner == outer ||
           inner.startsWith(outer.endsWith(QLatin1Char('/')) ? outer : outer + QLatin1Char('/'));
}

QString WorkFolder::holding(const QString& path) const
{
    for (const QString& folder : {path_, configured_}) {
        if (contains(folder, path))
            return folder;
    }
    return {};
}

QString WorkFolder::outputRefusal(const QString& path) const
{
    const QString folder = holding(path);
    if (folder.isEmpty())
        return {};
    return tr("%1 is in the working folder %2, where Kadrillo replaces and deletes files of its own, so "
              "nothing is written there. Choose a folder outside the working folder.")
        .arg(QDir::toNativeSeparators(path), QDir::toNativeSeparators(folder));
}

QString WorkFolder::file(const QString& name) const
{
    return usable_ ? path_ + QDir::separator() + name : QString();
}

const QStringList& WorkFolder::programFiles()
{
    static const QStringList files{
        QLatin1String(listToolName),   QLatin1String(extractToolName), QLatin1String(archiveCopyName),
        QLatin1String(soundName),      QLatin1String(pictureName),     QLatin1String(paletteListName),
        QLatin1String(paletteName),    QLatin1String(listingName),     QLatin1String(extractScriptName),
        QLatin1String(listScriptName), QLatin1String(scriptName),
    };
    return files;
}

namespace {

// Removes the folder's files and then the folder, once empty; a link in the folder's place is not
// followed.
void removeFolderOfFiles(const QString& path)
{
    const QFileInfo folder(path);
    if (!folder.isDir() || folder.isSymLink())
        return;
    for (const QFileInfo& file : QDir(path).entryInfoList(QDir::Files | QDir::Hidden | QDir::System))
        QFile::remove(file.filePath());
    QDir().rmdir(path);
}

} // namespace

void WorkFolder::deleteProgramFiles() const
{
    if (!usable_)
        return;
    for (const QString& name : programFiles())
        FileSystem::deleteFileIfExists(file(name));
    removeFolderOfFiles(stagingFolder());
    static const QRegularExpression slotName(
        QRegularExpression::anchoredPattern(QLatin1String(slotFolderPrefix) + QStringLiteral("[1-9][0-9]*")));
    for (const QString& name : QDir(path_).entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden)) {
        if (!slotName.match(name).hasMatch())
            continue;
        removeFolderOfFiles(file(name) + QDir::separator() + QLatin1String(stagingFolderName));
        removeFolderOfFiles(file(name));
    }
}
