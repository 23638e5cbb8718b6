#include "archive/ArchiveListing.h"

#include "archive/ResultsFile.h"
#include "archive/ToolCommands.h"
#include "archive/ToolRunner.h"
#include "platform/FileSystem.h"

#include <QDir>
#include <QFile>

ArchiveListing::Result ArchiveListing::list(ToolRunner& runner, const QString& volPath)
{
    if (!FileSystem::fileExists(volPath))
        return {
            {}, false, tr("Cannot find the volume file %1.").arg(QDir::toNativeSeparators(volPath)), true};
    if (!runner.CopyVolToWork(volPath))
        return {{}, false, runner.lastError()};
    // An old listing left behind by a failed run must never pass for this archive's.
    const QString results = runner.workFolder().listing();
    FileSystem::deleteFileIfExists(results);
    if (!runner.RunToolScript(ToolCommands::listScript, ToolCommands::listingLine()))
        return {{}, false, runner.lastError()};
    QFile file(results);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const ResultsFile::Listing listing = ResultsFile::ReadListing(file.readAll());
    return {listing.names, listing.truncated, {}};
}
