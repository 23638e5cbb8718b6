#include "archive/core/ExtractionJob.h"

#include "archive/core/ObjectName.h"
#include "archive/core/ToolCommands.h"
#include "archive/core/ToolRunner.h"
#include "platform/core/FileSystem.h"

#include <QDir>

ExtractionJob::ExtractionJob(ToolRunner& runner, const QString& destFolder)
    : runner_(runner)
    , destFolder_(destFolder)
{
}

QString ExtractionJob::prepareStaging(ToolRunner& runner, const QString& volPath)
{
    if (!runner.CopyVolToWork(volPath))
        return runner.lastError();
    // A link there would send the tool's output, and the deletions after it, into someone else's folder.
    if (!FileSystem::makeRealFolder(runner.workFolder().stagingFolder()))
        return tr("Cannot create the folder \"%1\".")
            .arg(QDir::toNativeSeparators(runner.workFolder().stagingFolder()));
    return {};
}

QString ExtractionJob::prepare(ToolRunner& runner, const QString& destFolder, const QString& volPath)
{
    if (destFolder.isEmpty() || !QDir().mkpath(destFolder))
        return tr("Cannot create the destination folder \"%1\".").arg(QDir::toNativeSeparators(destFolder));
    return prepareStaging(runner, volPath);
}

bool ExtractionJob::begin(const QString& volPath)
{
    error_ = prepare(runner_, destFolder_, volPath);
    return error_.isEmpty();
}

RunStep::Plan ExtractionJob::staging(const WorkFolder& work, const QString& objectName, const RunSlot& slot)
{
    if (const QString refusal = ObjectName::refusal(objectName); !refusal.isEmpty())
        return Plan::fail(RunReport::Step::RefusedName, refusal);
    const QString staged = slot.staged(objectName);
    return Plan::run(ToolCommands::extraction(work, staged), {}, staged);
}

RunStep::Plan ExtractionJob::plan(const QString& objectName, const RunSlot& slot)
{
    return staging(runner_.workFolder(), objectName, slot);
}

RunStep::Result ExtractionJob::finish(const QString& objectName, const RunSlot& slot)
{
    const QString staged = slot.staged(objectName);
    const QString target = destFolder_ + QDir::separator() + objectName;
    const bool installed = FileSystem::moveReplacing(staged, target);
    FileSystem::deleteFileIfExists(staged);
    if (!installed)
        return Result::failed(RunReport::Step::CannotWrite,
                              tr("cannot write %1").arg(QDir::toNativeSeparators(target)));
    return {};
}
