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

QString ExtractionJob::stagedPath(const QString& objectName) const
{
    return runner_.workFolder().stagingFolder() + QDir::separator() + objectName;
}

ExtractionJob::Outcome ExtractionJob::stage(const QString& objectName)
{
    error_ = ObjectName::refusal(objectName);
    if (!error_.isEmpty())
        return Outcome::Refused;
    const WorkFolder& work = runner_.workFolder();
    const QString staged = stagedPath(objectName);
    if (!FileSystem::deleteFileIfExists(staged)) {
        error_ = tr("cannot prepare %1").arg(QDir::toNativeSeparators(staged));
        return Outcome::CannotWrite;
    }
    QProcess* tool = runner_.StartToolCommand(ToolCommands::extraction(work, staged));
    const int status = tool ? runner_.WaitForProcess(tool) : -1;
    if (!tool || runner_.lastStartFailed()) {
        error_ = runner_.lastError();
        return Outcome::CannotStart;
    }
    if (status != 0) {
        FileSystem::deleteFileIfExists(staged);
        error_ =
            status < 0
                ? tr("%1 did not end normally").arg(QLatin1String(WorkFolder::extractToolName))
                : tr("%1 ended with code %2").arg(QLatin1String(WorkFolder::extractToolName)).arg(status);
        return Outcome::ToolFailed;
    }
    return FileSystem::fileExists(staged) ? Outcome::Written : Outcome::NotWritten;
}

ExtractionJob::Outcome ExtractionJob::extract(const QString& objectName)
{
    if (const Outcome outcome = stage(objectName); outcome != Outcome::Written)
        return outcome;
    const QString staged = stagedPath(objectName);
    const QString target = destFolder_ + QDir::separator() + objectName;
    const bool installed = FileSystem::copyReplacing(staged, target);
    FileSystem::deleteFileIfExists(staged);
    if (!installed) {
        error_ = tr("cannot write %1").arg(QDir::toNativeSeparators(target));
        return Outcome::CannotWrite;
    }
    return Outcome::Written;
}
