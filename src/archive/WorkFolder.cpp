#include "archive/WorkFolder.h"

#include "platform/FileSystem.h"

#include <QDir>

WorkFolder::WorkFolder(const QString& path)
    : path_(path)
{
}

QString WorkFolder::file(const QString& name) const
{
    return path_ + QDir::separator() + name;
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
    for (const QString& name : programFiles())
        FileSystem::deleteFileIfExists(file(name));
}
