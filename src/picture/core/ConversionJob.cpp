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

RunStep::Plan ConversionJob::extraction(const QString& objectName, const RunSlot& slot) const
{
    if (const QString refusal = ObjectName::refusal(objectName); !refusal.isEmpty())
        return Plan::fail(RunReport::Step::RefusedName, refusal);
    const WorkFolder& work = runner_.workFolder();
    return Plan::run(
        ToolCommands::extractTo(work, objectName,
                                QDir::toNativeSeparators(QDir(work.path()).relativeFilePath(slot.picture()))),
        slot.script(), slot.picture());
}

QString ConversionJob::take(const RunSlot& slot) const
{
    return PictureConversion::takePicture(runner_.workFolder(), slot.picture());
}

ConversionJob::Copied ConversionJob::copy(const QString& objectName,
                                          const PictureConversion::Report& converted)
{
    const QString picture = runner_.workFolder().picture();
    const bool refused = converted.outcome == PictureConversion::Outcome::Refused;
    const PictureExport::Delivery delivered =
        FileSystem::fileExists(picture) ? options_.exportAs.deliver(picture, destFolder_, objectName, refused)
                                        : PictureExport::Delivery{{}, true, {}};
    if (!delivered.unreadable.isEmpty())
        return {Copied::Outcome::Unreadable, tr("not written as PNG, because %1").arg(delivered.unreadable)};
    if (!delivered.written)
        return {Copied::Outcome::CannotWrite,
                tr("cannot write %1").arg(QDir::toNativeSeparators(delivered.target))};
    if (refused)
        return {Copied::Outcome::CopiedUnconverted,
                tr("copied unconverted, because %1").arg(converted.refusal)};
    return {};
}

RunReport::Step ConversionJob::failedStep(const Copied& copied, const PictureConversion::Report& converted)
{
    switch (copied.outcome) {
    case Copied::Outcome::CannotWrite:
        return RunReport::Step::CannotWrite;
    case Copied::Outcome::CopiedUnconverted:
        return converted.unwritten ? RunReport::Step::CannotWrite : RunReport::Step::NotAPicture;
    case Copied::Outcome::Unreadable:
        return RunReport::Step::NotAPicture;
    case Copied::Outcome::Written:
        break;
    }
    return converted.paletteProblem.isEmpty() ? RunReport::Step::NotAPicture
                                              : RunReport::Step::PaletteMissing;
}

RunStep::Plan ConversionJob::plan(const QString& objectName, const RunSlot& slot)
{
    if (!objectName.endsWith(QLatin1String("bmp"), Qt::CaseInsensitive))
        return Plan::fail(RunReport::Step::NotAPicture,
                          tr("not converted, because its name does not end in \"bmp\""));
    return extraction(objectName, slot);
}

RunStep::Result ConversionJob::finish(const QString& objectName, const RunSlot& slot)
{
    palette_ = {};
    if (const QString error = take(slot); !error.isEmpty())
        return Result::failed(RunReport::Step::CannotWrite, error);
    const auto declined = [](const PictureMessage&) {
        return false;
    };
    const PictureConversion::Report converted =
        PictureConversion(pictures_).ConvertPicture(options_, declined);
    const Copied copied = copy(objectName, converted);
    if (copied.outcome == Copied::Outcome::Written)
        palette_ = converted.palette;
    // One line per object: a refusal's messages only repeat its reason.
    QStringList told;
    for (const PictureMessage& message : converted.messages)
        told.append(message.text);
    Result result;
    if (!copied.error.isEmpty() || !told.isEmpty())
        result = Result::failed(failedStep(copied, converted),
                                copied.error.isEmpty() ? told.join(QLatin1String("; ")) : copied.error);
    if (converted.outcome == PictureConversion::Outcome::Declined && copied.error.isEmpty())
        result.note = options_.exportAs.format == PictureExport::Format::Png
                          ? tr("a standard bitmap, kept with its own colours")
                          : tr("a standard bitmap, copied as it is");
    return result;
}
