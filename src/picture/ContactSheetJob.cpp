#include "picture/ContactSheetJob.h"

#include "archive/ObjectName.h"
#include "archive/ToolCommands.h"
#include "archive/ToolRunner.h"
#include "picture/frmPreview.h"
#include "platform/FileSystem.h"

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
    const QString picture = runner_.workFolder().picture();
    FileSystem::deleteFileIfExists(picture);
    if (!runner_.RunToolScript(
            ToolCommands::extractScript,
            ToolCommands::extractLine(objectName, QLatin1String(WorkFolder::pictureName)))) {
        cannotStart_ = true;
        return fail(runner_.lastError());
    }
    if (!FileSystem::fileExists(picture))
        return fail(tr("the tool wrote no file"));
    const PictureConversion::Report report =
        PictureConversion(pictures_).ConvertPicture(options_, [](const PictureMessage&) { return false; });
    if (report.outcome == PictureConversion::Outcome::Refused)
        return fail(report.refusal);
    const QImage loaded = LoadBitmapToDC(picture);
    return loaded.isNull() ? fail(tr("not a picture")) : loaded;
}
