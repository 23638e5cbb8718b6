#include "archive/core/ArchiveListing.h"

#include "archive/core/ResultsFile.h"
#include "archive/core/ToolCommands.h"
#include "platform/core/FileSystem.h"

#include <QDir>
#include <QFile>

ArchiveListing::Result ArchiveListing::list(ToolRunner& runner, const QString& volPath)
{
    Result result;
    if (!FileSystem::fileExists(volPath)) {
        result.outcome = Outcome::VolumeMissing;
        result.error = tr("Cannot find the volume file %1.").arg(QDir::toNativeSeparators(volPath));
        return result;
    }
    if (!runner.CopyVolToWork(volPath)) {
        result.outcome = Outcome::NotRun;
        result.error = runner.lastError();
        return result;
    }
    // The tool's output is emptied before it starts, so an old listing never passes for this one's.
    const WorkFolder& work = runner.workFolder();
    const QString results = work.listing();
    const bool ran = runner.RunToolScript(work.listScript(), ToolCommands::listing(work));
    result.run = runner.lastRun();
    if (!ran && !result.run.whyNotStarted.isEmpty()) {
        result.outcome = Outcome::CannotStart;
        return result;
    }
    if (!ran) {
        result.outcome = Outcome::NotRun;
        result.error = runner.lastError();
        return result;
    }
    QFile file(results);
    if (file.open(QIODevice::ReadOnly)) {
        const ResultsFile::Listing listing = ResultsFile::ReadListing(file.readAll());
        result.names = listing.names;
        result.truncated = listing.truncated;
    }
    if (!result.names.isEmpty())
        result.outcome = Outcome::Listed;
    else
        result.outcome = result.run.exitStatus == 0 ? Outcome::NoObjects : Outcome::ToolFailed;
    return result;
}
