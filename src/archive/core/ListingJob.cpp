#include "archive/core/ListingJob.h"

#include "archive/core/ResultsFile.h"
#include "archive/core/ToolCommands.h"
#include "archive/core/ToolRunner.h"
#include "platform/core/FileSystem.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

ListingJob::ListingJob(ToolRunner& runner, const ArchiveCache& cache, const QString& listingTool)
    : runner_(runner)
    , cache_(cache)
    , listingTool_(listingTool)
{
    keeping_.setMaxThreadCount(1);
}

void ListingJob::setArchives(const QList<ArchiveFolder::Found>& archives)
{
    listed_.clear();
    keys_.clear();
    runs_.clear();
    for (const ArchiveFolder::Found& archive : archives)
        listed_.append({archive, {}, archive.problem, false});
}

RunStep::Plan ListingJob::plan(const QString& objectName, const RunSlot& slot)
{
    Listed& listed = entry(objectName);
    if (!listed.problem.isEmpty())
        return Plan::fail(RunReport::Step::NotDone, listed.problem);
    const std::optional<CacheFolder::Key> key = ArchiveCache::listingKey(listed.archive.path, listingTool_);
    if (key) {
        if (const std::optional<ResultsFile::Listing> kept = cache_.listing(*key);
            kept && !kept->names.isEmpty()) {
            listed.names = kept->names;
            listed.fromCache = true;
            return Plan::of(Plan::Kind::Known);
        }
        keys_.insert(objectName.toInt(), *key);
    }
    const WorkFolder& work = runner_.workFolder();
    const QString copy = slot.folder + QDir::separator() + QLatin1String(WorkFolder::archiveCopyName);
    if (!FileSystem::copyToScratch(listed.archive.path, copy)) {
        listed.problem = tr("cannot be copied to the working folder");
        return Plan::fail(RunReport::Step::CannotWrite, listed.problem);
    }
    const QString output = slot.folder + QDir::separator() + QLatin1String(WorkFolder::listingName);
    const ToolCall call{work.listTool(),
                        {QStringLiteral("*.*"), QLatin1String(WorkFolder::archiveCopyName)},
                        output,
                        false,
                        slot.folder};
    return Plan::run(call, slot.folder + QDir::separator() + QLatin1String(WorkFolder::listScriptName),
                     output);
}

void ListingJob::toolEnded(const QString& objectName, const ToolRunner::ToolRun& run)
{
    runs_.insert(objectName.toInt(), run);
}

RunStep::Result ListingJob::finish(const QString& objectName, const RunSlot& slot)
{
    Listed& listed = entry(objectName);
    const QString output = slot.folder + QDir::separator() + QLatin1String(WorkFolder::listingName);
    QFile file(output);
    if (file.open(QIODevice::ReadOnly)) {
        const ResultsFile::Listing listing = ResultsFile::ReadListing(file.readAll());
        listed.names = listing.names;
        if (!listing.names.isEmpty() && keys_.contains(objectName.toInt()))
            keeping_.start([&cache = cache_, key = keys_.value(objectName.toInt()), listing] {
                cache.keepListing(key, listing);
            });
    }
    file.close();
    if (!listed.names.isEmpty())
        return {};
    // As a single listing: a tool that ended with an error but listed names is taken at them.
    const ToolRunner::ToolRun run = runs_.value(objectName.toInt());
    const QString tool = QFileInfo(run.tool).fileName();
    if (run.exitStatus == 0)
        listed.problem =
            tr("lists no objects: there is a problem with the vol file, or it is not a valid vol file");
    else if (run.exitStatus < 0)
        listed.problem = tr("%1 did not end normally").arg(tool);
    else
        listed.problem = tr("%1 ended with status %2").arg(tool).arg(run.exitStatus);
    if (run.exitStatus != 0 && !run.lastErrorLine.isEmpty())
        listed.problem += QStringLiteral(": ") + run.lastErrorLine;
    return Result::failed(RunReport::Step::ToolWroteNothing, listed.problem);
}
