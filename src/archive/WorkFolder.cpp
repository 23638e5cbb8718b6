#include "archive/WorkFolder.h"

#include "platform/FileSystem.h"

#include <QDir>

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
        QStringLiteral("vtlist.exe"), QStringLiteral("extract.exe"), QStringLiteral("temp.vol"),
        QStringLiteral("temp.wav"),   QStringLiteral("temp.bmp"),    QStringLiteral("temp.ppl"),
        QStringLiteral("temp.pal"),   QStringLiteral("results.dat"), QStringLiteral("extract.bat"),
        QStringLiteral("vtlist.bat"), QStringLiteral("temp.cs"),
    };
    return files;
}

void WorkFolder::deleteProgramFiles() const
{
    if (!usable_)
        return;
    for (const QString& name : programFiles())
        FileSystem::deleteFileIfExists(file(name));
}
