#include "picture/core/PictureConversion.h"

#include "picture/core/PictureCodec.h"
#include "picture/core/PictureState.h"
#include "platform/core/FileSystem.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <algorithm>

namespace {

QString cannotConvert(const QString& path, const QString& reason)
{
    return PictureConversion::tr("The picture %1 cannot be converted: %2.")
        .arg(QDir::toNativeSeparators(path), reason);
}

void append(QList<PictureMessage>& messages, const std::optional<PictureMessage>& message)
{
    if (message)
        messages.append(*message);
}

} // namespace

PictureConversion::PictureConversion(PictureState& state)
    : state_(state)
{
}

QString PictureConversion::takePicture(const WorkFolder& work, const QString& from)
{
    const QString picture = work.picture();
    if (from == picture)
        return {};
    if (!FileSystem::deleteFileIfExists(picture) || !QFile::rename(from, picture))
        return tr("cannot prepare %1").arg(QDir::toNativeSeparators(picture));
    return {};
}

PictureConversion::Report PictureConversion::ConvertPicture(const Options& options, const Ask& ask)
{
    const QString path = options.workFolder.picture();
    if (!FileSystem::fileExists(path))
        return refused(tr("it does not exist"), tr("The file you seleted to be opened does not exist."),
                       MessageIcon::Critical);
    // The headers decide; the rest is read only for a picture that is then converted.
    QFile file(path);
    QByteArray bytes = file.open(QIODevice::ReadOnly) ? file.read(PictureCodec::headersSize) : QByteArray();

    const PictureCodec::Kind kind = PictureCodec::kindOf(bytes);
    if (kind == PictureCodec::Kind::Unknown)
        return refused(tr("it is not a valid bitmap file"), tr("This file is not a valid bitmap file."),
                       MessageIcon::Critical);
    const bool standardBitmap = kind == PictureCodec::Kind::StandardBitmap;
    if (standardBitmap) {
        if (!ask({tr("This file is a standard bitmap file.\r\nAre you sure you want to open it."),
                  MessageIcon::Information, PictureMessage::Title::Program}))
            return {Outcome::Declined, {}, {}, false, {}};
        // Only the one layout gets another palette; the window shows any other bitmap as it is.
        if (PictureCodec::hasOtherLayout(bytes))
            return {Outcome::Kept, {}, {}, false, {}};
    }

    // Read into place, so that a large picture is never held twice.
    const qsizetype head = bytes.size();
    bytes.resize(std::max(head, qsizetype(file.size())));
    bytes.truncate(head + std::max(qint64(0), file.read(bytes.data() + head, bytes.size() - head)));
    file.close();
    Report report;
    if (const QString error = ReadPicture(std::move(bytes), standardBitmap, options.workFolder, report);
        !error.isEmpty())
        return refused(error, cannotConvert(path, error));
    const int number = state_.Bitmap.PaletteIndex;
    if (options.autoSelect) {
        const Palettes::Found found = Palettes(state_).FindPalette(number, options.search);
        if (found.problem)
            report.paletteProblem =
                tr("%1 (%2)").arg(found.problem->text, QDir::toNativeSeparators(state_.PaletteFile));
        append(report.messages, found.problem);
        report.palette = found.origin;
    } else {
        using Reason = PaletteOrigin::Reason;
        report.palette = {
            standardBitmap ? Reason::Own : Reason::Unsearched, number, state_.PaletteFile, {}, 0};
    }
    const QString unwritten = WriteBitmap(path);
    // The file holds the pixels now: a large picture is not kept until the next one.
    state_.Bitmap.Pixels.clear();
    if (!unwritten.isEmpty()) {
        report.outcome = Outcome::Refused;
        report.unwritten = true;
        report.refusal = tr("cannot write %1: %2").arg(QDir::toNativeSeparators(path), unwritten);
        report.messages.append({tr("Cannot write %1: %2.").arg(QDir::toNativeSeparators(path), unwritten)});
    }
    return report;
}

PictureConversion::Report PictureConversion::refused(const QString& reason, const QString& message,
                                                     MessageIcon icon)
{
    return {Outcome::Refused, reason, {PictureMessage{message, icon}}, false, {}};
}

QString PictureConversion::ReadPicture(QByteArray bytes, bool standardBitmap, const WorkFolder& workFolder,
                                       Report& report)
{
    if (standardBitmap) {
        Palette colours{};
        if (QString error = PictureCodec::readStandardBitmap(bytes, state_.Bitmap, colours); !error.isEmpty())
            return error;
        state_.CurrentPalette = colours;
        // The bitmap's own colour table becomes a palette file, for use as any other.
        state_.PaletteFile = workFolder.palette();
        append(report.messages, Palettes(state_).WritePalette());
    } else if (QString error = PictureCodec::readPbmp(std::move(bytes), state_.Bitmap); !error.isEmpty()) {
        return error;
    }
    state_.IsStandardBitmap = standardBitmap;
    return {};
}

QString PictureConversion::WriteBitmap(const QString& path)
{
    return FileSystem::writeScratch(path, [this](QIODevice& file) {
        if (!state_.IsStandardBitmap)
            return PictureCodec::writePbmpAsBitmap(state_.Bitmap, state_.CurrentPalette, file);
        const QByteArray bytes = PictureCodec::writeStandardBitmap(state_.Bitmap, state_.CurrentPalette);
        return file.write(bytes) == bytes.size();
    });
}
