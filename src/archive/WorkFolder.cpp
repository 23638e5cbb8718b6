#include "archive/WorkFolder.h"

#include "platform/FileSystem.h"

#include <QDir>
#include <QFileInfo>

WorkFolder::WorkFolder(const QString& path)
    : path_(path)
    , usable_(!path.isEmpty())
{
}

WorkFolder WorkFolder::refused(const QString& path)
{
    WorkFolder folder(path);
    folder.usable_ = false;
    return folder;
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

void WorkFolder::deleteProgramFiles() const
{
    if (!usable_)
        return;
    for (const QString& name : programFiles())
        FileSystem::deleteFileIfExists(file(name));
    // A link in the staging folder's place is not followed.
    const QFileInfo staging(stagingFolder());
    if (!staging.isDir() || staging.isSymLink())
        return;
    for (const QFileInfo& staged : QDir(staging.filePath()).entryInfoList(QDir::Files | QDir::Hidden))
        QFile::remove(staged.filePath());
    QDir(path_).rmdir(QLatin1String(stagingFolderName));
}
