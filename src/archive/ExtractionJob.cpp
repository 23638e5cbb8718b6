#include "archive/ExtractionJob.h"

#include "archive/ObjectName.h"
#include "archive/ToolCommands.h"
#include "archive/ToolRunner.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>

ExtractionJob::ExtractionJob(ToolRunner& runner, const QString& destFolder)
    : runner_(runner)
    , destFolder_(destFolder)
{
}

QString ExtractionJob::prepare(ToolRunner& runner, const QString& destFolder, const QString& volPath)
{
    if (destFolder.isEmpty() || !QDir().mkpath(destFolder))
        return QCoreApplication::translate("ExtractionJob", "Cannot create the destination folder \"%1\".")
            .arg(QDir::toNativeSeparators(destFolder));
    if (!runner.CopyVolToWork(volPath))
        return runner.lastError();
    return {};
}

bool ExtractionJob::begin(const QString& volPath)
{
    error_ = prepare(runner_, destFolder_, volPath);
    return error_.isEmpty();
}

ExtractionJob::Outcome ExtractionJob::extract(const QString& objectName)
{
    error_ = ObjectName::refusal(objectName);
    if (!error_.isEmpty())
        return Outcome::Refused;

    // The tool may replace an older file of the same name, so "written" means new or changed.
    const QString target = destFolder_ + QDir::separator() + objectName;
    const QFileInfo before(target);
    const bool existed = before.exists();
    const QDateTime modifiedBefore = before.lastModified();
    const qint64 sizeBefore = before.size();

    QProcess* tool = runner_.StartToolCommand(
        ToolCommands::extractionCommand(runner_.workFolder(), destFolder_, objectName));
    if (tool)
        runner_.WaitForProcess(tool);
    if (!tool || runner_.lastStartFailed()) {
        error_ = runner_.lastError();
        return Outcome::CannotStart;
    }
    const QFileInfo after(target);
    const bool written =
        after.isFile() && (!existed || after.lastModified() != modifiedBefore || after.size() != sizeBefore);
    return written ? Outcome::Written : Outcome::NotWritten;
}
