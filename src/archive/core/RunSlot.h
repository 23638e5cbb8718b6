#pragma once

#include "archive/core/WorkFolder.h"

#include <QDir>
#include <QString>

// Where one tool run of a run over objects keeps its files: its tool script, the picture it extracts and
// the staging folder of the objects it extracts by name. The working folder itself while tools run one
// at a time, so that the scripts stand where they always do; a subfolder of the working folder for each
// of several runs at once.
struct RunSlot {
    QString folder;

    QString script() const { return file(QLatin1String(WorkFolder::extractScriptName)); }
    QString picture() const { return file(QLatin1String(WorkFolder::pictureName)); }
    QString stagingFolder() const { return file(QLatin1String(WorkFolder::stagingFolderName)); }
    QString staged(const QString& objectName) const
    {
        return stagingFolder() + QDir::separator() + objectName;
    }

private:
    QString file(const QString& name) const { return folder + QDir::separator() + name; }
};
