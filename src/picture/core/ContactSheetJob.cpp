#include "picture/core/ContactSheetJob.h"

#include "archive/core/ExtractionJob.h"
#include "archive/core/ToolRunner.h"
#include "picture/core/BitmapReader.h"
#include "picture/core/ContactSheet.h"
#include "picture/core/ContactSheetLayout.h"
#include "picture/core/PbmpLayout.h"
#include "picture/core/PictureCodec.h"

#include <QFile>

ContactSheetJob::ContactSheetJob(ToolRunner& runner, PictureState& pictures,
                                 const PictureConversion::Options& options, ContactSheet& sheet)
    : runner_(runner)
    , pictures_(pictures)
    , options_(options)
    , sheet_(sheet)
{
}

bool ContactSheetJob::begin(const QString& volPath)
{
    error_ = ExtractionJob::prepareStaging(runner_, volPath);
    return error_.isEmpty();
}

// The tool runs directly, as an extraction's does, since one process a picture costs half the time of a
// script's two.
RunStep::Plan ContactSheetJob::plan(const QString& objectName, const RunSlot& slot)
{
    return ExtractionJob::staging(runner_.workFolder(), objectName, slot);
}

RunStep::Result ContactSheetJob::finish(const QString& objectName, const RunSlot& slot)
{
    const auto notDrawn = [](const QString& reason) {
        return Result::failed(RunReport::Step::NotAPicture, reason);
    };
    // The picture takes the place the picture window converts.
    const QString picture = runner_.workFolder().picture();
    if (const QString error = PictureConversion::takePicture(runner_.workFolder(), slot.staged(objectName));
        !error.isEmpty())
        return Result::failed(RunReport::Step::CannotWrite, error);
    // A picture too large to show is not read whole by the conversion either.
    QFile start(picture);
    const QByteArray head =
        start.open(QIODevice::ReadOnly) ? start.read(PbmpLayout::bitCountOffset) : QByteArray();
    if (const QSize size = PictureCodec::pbmpSize(head);
        PictureCodec::kindOf(head) == PictureCodec::Kind::Pbmp && BitmapReader::tooLarge(size))
        return notDrawn(BitmapReader::tooLargeReason(size));
    const PictureConversion::Report report =
        PictureConversion(pictures_).ConvertPicture(options_, [](const PictureMessage&) { return false; });
    if (report.outcome == PictureConversion::Outcome::Refused)
        return notDrawn(report.refusal);
    BitmapReader reader(picture);
    // A picture enlarged into its cell is read at its own size; the sheet enlarges it.
    const QImage drawn = reader.read(sheet_.drawnSize(reader.size()).boundedTo(reader.size()));
    if (drawn.isNull())
        return notDrawn(reader.tooLarge() ? reader.error() : tr("not a picture"));
    const std::optional<QRect> place = sheet_.add(objectName, drawn, reader.size());
    // The sheet keeps what it holds: the pictures after this one would go below it.
    if (!place)
        return Result::failed(
            RunReport::Step::SheetFull,
            tr("the sheet would be larger than %1 × %1 pixels").arg(ContactSheetLayout::largestSheet), true);
    emit placed(*place);
    return {};
}
