#include "archive/ToolCommands.h"

#include "archive/ObjectName.h"
#include "archive/WorkFolder.h"

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
    return QStringLiteral("vtlist.exe *.* temp.vol >results.dat");
}

QString extractLine(const QString& objectName, const QString& outputFile)
{
    return QStringLiteral("extract.exe temp.vol ") + ObjectName::forToolLine(objectName) + QLatin1Char(' ') +
           outputFile;
}

QString extractionCommand(const WorkFolder& work, const QString& destFolder, const QString& objectName)
{
    return quoted(work.file(QLatin1String(WorkFolder::extractTool))) + QLatin1Char(' ') +
           quoted(work.file(QStringLiteral("temp.vol"))) + QLatin1Char(' ') +
           quoted(destFolder + QDir::separator() + objectName);
}

} // namespace ToolCommands
