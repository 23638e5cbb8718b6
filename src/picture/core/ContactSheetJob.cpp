#include "picture/core/ContactSheetJob.h"

#include "archive/core/ToolRunner.h"
#include "picture/core/BitmapReader.h"
#include "picture/core/ContactSheetLayout.h"
#include "picture/core/PbmpLayout.h"
#include "picture/core/PictureCodec.h"
#include "platform/core/FileSystem.h"

#include <QDir>
#include <QFile>

ContactSheetJob::ContactSheetJob(ToolRunner& runner, PictureState& pictures,
                                 const PictureConversion::Options& options)
    : runner_(runner)
    , pictures_(pictures)
    , options_(options)
    , extraction_(runner, QString())
{
}

bool ContactSheetJob::begin(const QString& volPath)
{
    error_ = ExtractionJob::prepareStaging(runner_, volPath);
    return error_.isEmpty();
}

bool ContactSheetJob::programClosing() const
{
    return runner_.isShutDown();
}

ContactSheetJob::Picture ContactSheetJob::fail(const QString& error)
{
    error_ = error;
    return {};
}

ContactSheetJob::Picture ContactSheetJob::picture(const QString& objectName)
{
    cannotStart_ = false;
    // The tool runs directly, as an extraction's does, since one process a picture costs half the
    // time of a script's two; the picture then takes the place the picture window converts.
    switch (extraction_.stage(objectName)) {
    case ExtractionJob::Outcome::Written:
        break;
    case ExtractionJob::Outcome::CannotStart:
        cannotStart_ = true;
        return fail(extraction_.error());
    case ExtractionJob::Outcome::Refused:
    case ExtractionJob::Outcome::CannotWrite:
        return fail(extraction_.error());
    case ExtractionJob::Outcome::NotWritten:
    case ExtractionJob::Outcome::ToolFailed:
        return fail(tr("the tool wrote no file"));
    }
    // An earlier object's picture must never pass for this one's.
    const QString picture = runner_.workFolder().picture();
    if (!FileSystem::deleteFileIfExists(picture) ||
        !QFile::rename(extraction_.stagedPath(objectName), picture))
        return fail(tr("cannot prepare %1").arg(QDir::toNativeSeparators(picture)));
    // A picture too large to show is not read whole by the conversion either.
    QFile start(picture);
    const QByteArray head =
        start.open(QIODevice::ReadOnly) ? start.read(PbmpLayout::bitCountOffset) : QByteArray();
    if (const QSize size = PictureCodec::pbmpSize(head);
        PictureCodec::kindOf(head) == PictureCodec::Kind::Pbmp && BitmapReader::tooLarge(size))
        return fail(BitmapReader::tooLargeReason(size));
    const PictureConversion::Report report =
        PictureConversion(pictures_).ConvertPicture(options_, [](const PictureMessage&) { return false; });
    if (report.outcome == PictureConversion::Outcome::Refused)
        return fail(report.refusal);
    BitmapReader reader(picture);
    const QImage drawn = reader.read(ContactSheetLayout::drawnSize(reader.size()));
    if (drawn.isNull())
        return fail(reader.tooLarge() ? reader.error() : tr("not a picture"));
    return {drawn, reader.size()};
}
