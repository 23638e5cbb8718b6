#include "picture/core/ConversionJob.h"

#include "archive/core/ExtractionJob.h"
#include "archive/core/ObjectName.h"
#include "archive/core/ToolCommands.h"
#include "archive/core/ToolRunner.h"
#include "platform/core/FileSystem.h"

#include <QDir>

ConversionJob::ConversionJob(ToolRunner& runner, PictureState& pictures, const QString& destFolder,
                             const PictureConversion::Options& options)
    : runner_(runner)
    , pictures_(pictures)
    , destFolder_(destFolder)
    , options_(options)
{
}

bool ConversionJob::begin(const QString& volPath)
{
    error_ = ExtractionJob::prepare(runner_, destFolder_, volPath);
    return error_.isEmpty();
}

ConversionJob::Result ConversionJob::convert(const QString& objectName)
{
    if (const QString refusal = ObjectName::refusal(objectName); !refusal.isEmpty())
        return {Outcome::Refused, refusal, {}, {}};
    if (Result extracted = extract(objectName); extracted.outcome != Outcome::Written)
        return extracted;
    const auto declined = [](const PictureMessage&) {
        return false;
    };
    return copy(objectName, PictureConversion(pictures_).ConvertPicture(options_, declined));
}

ConversionJob::Result ConversionJob::extract(const QString& objectName)
{
    // An earlier object's picture must never pass for this one's.
    const QString picture = runner_.workFolder().picture();
    FileSystem::deleteFileIfExists(picture);
    const WorkFolder& work = runner_.workFolder();
    if (!runner_.RunToolScript(
            work.extractScript(),
            ToolCommands::extractTo(work, objectName, QLatin1String(WorkFolder::pictureName))))
        return {Outcome::CannotStart, runner_.lastError(), {}, {}};
    if (!FileSystem::fileExists(picture))
        return {Outcome::NotWritten, tr("the tool wrote no file"), {}, {}};
    return {Outcome::Written, {}, {}, {}};
}

ConversionJob::Result ConversionJob::copy(const QString& objectName,
                                          const PictureConversion::Report& converted)
{
    Result result{Outcome::Written, {}, converted.outcome, converted.messages};
    const QString picture = runner_.workFolder().picture();
    const bool refused = converted.outcome == PictureConversion::Outcome::Refused;
    const PictureExport::Delivery delivered =
        FileSystem::fileExists(picture) ? options_.exportAs.deliver(picture, destFolder_, objectName, refused)
                                        : PictureExport::Delivery{{}, true, {}};
    if (!delivered.unreadable.isEmpty()) {
        result.outcome = Outcome::Unreadable;
        result.error = tr("not written as PNG, because %1").arg(delivered.unreadable);
    } else if (!delivered.written) {
        result.outcome = Outcome::CannotWrite;
        result.error = tr("cannot write %1").arg(QDir::toNativeSeparators(delivered.target));
    } else if (refused) {
        result.outcome = Outcome::CopiedUnconverted;
        result.error = tr("copied unconverted, because %1").arg(converted.refusal);
    }
    return result;
}
