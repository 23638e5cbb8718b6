#include "archive/core/ToolCommands.h"

#include "archive/core/ObjectName.h"

#include <QDir>

namespace ToolCommands {

namespace {

QString quoted(const QString& text)
{
    return QLatin1Char('"') + text + QLatin1Char('"');
}

} // namespace

QString listingLine()
{
    return QStringLiteral("%1 *.* %2 >%3")
        .arg(QLatin1String(WorkFolder::listToolName), QLatin1String(WorkFolder::archiveCopyName),
             QLatin1String(WorkFolder::listingName));
}

QString extractLine(const QString& objectName, const QString& outputFile)
{
    return QStringLiteral("%1 %2 %3 %4")
        .arg(QLatin1String(WorkFolder::extractToolName), QLatin1String(WorkFolder::archiveCopyName),
             ObjectName::forToolLine(objectName), outputFile);
}

QString extractionCommand(const WorkFolder& work, const QString& destFolder, const QString& objectName)
{
    return quoted(work.extractTool()) + QLatin1Char(' ') + quoted(work.archiveCopy()) + QLatin1Char(' ') +
           quoted(destFolder + QDir::separator() + objectName);
}

} // namespace ToolCommands
