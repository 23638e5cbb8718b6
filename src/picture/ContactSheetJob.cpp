#include "picture/ContactSheetJob.h"

#include "archive/ObjectName.h"
#include "archive/ToolCommands.h"
#include "archive/ToolRunner.h"
#include "picture/frmPreview.h"
#include "platform/FileSystem.h"

#include <QDir>
#include <QFile>

ContactSheetJob::ContactSheetJob(ToolRunner& runner, PictureState& pictures,
                                 const PictureConversion::Options& options)
    : runner_(runner)
    , pictures_(pictures)
    , options_(options)
{
}

bool ContactSheetJob::begin(const QString& volPath)
{
    error_ = runner_.CopyVolToWork(volPath) ? QString() : runner_.lastError();
    if (error_.isEmpty() && !QDir().mkpath(runner_.workFolder().stagingFolder()))
        error_ = tr("Cannot create the folder \"%1\".")
                     .arg(QDir::toNativeSeparators(runner_.workFolder().stagingFolder()));
    return error_.isEmpty();
}

bool ContactSheetJob::programClosing() const
{
    return runner_.isShutDown();
}

QImage ContactSheetJob::fail(const QString& error)
{
    error_ = error;
    return {};
}

QImage ContactSheetJob::picture(const QString& objectName)
{
    cannotStart_ = false;
    if (const QString refusal = ObjectName::refusal(objectName); !refusal.isEmpty())
        return fail(refusal);
    // An earlier object's picture must never pass for this one's.
    const WorkFolder& work = runner_.workFolder();
    const QString staged = work.stagingFolder() + QLatin1Char('/') + objectName;
    if (!FileSystem::deleteFileIfExists(staged) || !FileSystem::deleteFileIfExists(work.picture()))
        return fail(tr("cannot prepare %1").arg(QDir::toNativeSeparators(staged)));
    // The tool runs directly, as an extraction's does, since one process a picture costs half the
    // time of a script's two; the picture then takes the place the picture window converts.
    QProcess* tool =
        runner_.StartToolCommand(ToolCommands::extractionCommand(work, work.stagingFolder(), objectName));
    const int status = tool ? runner_.WaitForProcess(tool) : -1;
    if (!tool || runner_.lastStartFailed()) {
        cannotStart_ = true;
        return fail(runner_.lastError());
    }
    if (status != 0 || !QFile::rename(staged, work.picture()))
        return fail(tr("the tool wrote no file"));
    const PictureConversion::Report report =
        PictureConversion(pictures_).ConvertPicture(options_, [](const PictureMessage&) { return false; });
    if (report.outcome == PictureConversion::Outcome::Refused)
        return fail(report.refusal);
    const QImage loaded = LoadBitmapToDC(work.picture());
    return loaded.isNull() ? fail(tr("not a picture")) : loaded;
}
