#include "picture/PictureConversion.h"

#include "picture/PictureCodec.h"
#include "picture/PictureState.h"
#include "platform/BusyCursor.h"
#include "platform/FileSystem.h"
#include "platform/MessageBoxes.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("PictureConversion", text);
}

QString cannotConvert(const QString& path, const QString& reason)
{
    return tr("The picture %1 cannot be converted: %2.").arg(QDir::toNativeSeparators(path), reason);
}

} // namespace

PictureConversion::PictureConversion(PictureState& state, MessageBoxes& messages, QWidget* parent)
    : state_(state)
    , messages_(messages)
    , parent_(parent)
{
}

PictureConversion::Outcome PictureConversion::ConvertPicture(const Options& options)
{
    refusal_.clear();
    const QString path = options.workFolder + QDir::separator() + QStringLiteral("temp.bmp");
    if (!FileSystem::fileExists(path))
        return refuse(tr("it does not exist"), tr("The file you seleted to be opened does not exist."),
                      MessageBoxes::Icon::Critical);
    QFile file(path);
    QByteArray bytes = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    file.close();

    const PictureCodec::Kind kind = PictureCodec::kindOf(bytes);
    if (kind == PictureCodec::Kind::Unknown)
        return refuse(tr("it is not a valid bitmap file"), tr("This file is not a valid bitmap file."),
                      MessageBoxes::Icon::Critical);
    if (kind == PictureCodec::Kind::StandardBitmap) {
        const MessageBoxes::Answer answer =
            messages_.show(parent_, MessageBoxes::programTitle(),
                           tr("This file is a standard bitmap file.\r\nAre you sure you want to open it."),
                           MessageBoxes::Buttons::YesNo, MessageBoxes::Icon::Information);
        if (answer != MessageBoxes::Answer::Yes)
            return Outcome::Declined;
        // Only the one layout gets another palette; the window shows any other bitmap as it is.
        if (PictureCodec::hasOtherLayout(bytes))
            return Outcome::Kept;
    }

    {
        const BusyCursor busy;
        if (kind == PictureCodec::Kind::StandardBitmap) {
            Palette colours{};
            const QString error = PictureCodec::readStandardBitmap(bytes, state_.Bitmap, colours);
            if (!error.isEmpty())
                return refuse(error, cannotConvert(path, error));
            state_.CurrentPalette = colours;
            // The bitmap's own colour table becomes a palette file, for use as any other.
            state_.PaletteFile = options.workFolder + QDir::separator() + QStringLiteral("temp.pal");
            Palettes(state_, messages_, parent_).WritePalette();
        } else {
            const QString error = PictureCodec::readPbmp(std::move(bytes), state_.Bitmap);
            if (!error.isEmpty())
                return refuse(error, cannotConvert(path, error));
        }
        state_.IsStandardBitmap = kind == PictureCodec::Kind::StandardBitmap;
    }
    if (options.autoSelect)
        Palettes(state_, messages_, parent_).FindPalette(state_.Bitmap.PaletteIndex, options.search);
    return WriteBitmap(path) ? Outcome::Converted : Outcome::Refused;
}

PictureConversion::Outcome PictureConversion::refuse(const QString& reason, const QString& message,
                                                     MessageBoxes::Icon icon)
{
    refusal_ = reason;
    messages_.warn(parent_, message, icon);
    return Outcome::Refused;
}

bool PictureConversion::WriteBitmap(const QString& path)
{
    const BusyCursor busy;
    const QByteArray bytes = state_.IsStandardBitmap
                                 ? PictureCodec::writeStandardBitmap(state_.Bitmap, state_.CurrentPalette)
                                 : PictureCodec::writePbmpAsBitmap(state_.Bitmap, state_.CurrentPalette);
    // A scratch file of the working folder: rewritten in place and cut to the length written.
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size())
        return true;
    refusal_ = tr("cannot write %1: %2").arg(QDir::toNativeSeparators(path), file.errorString());
    messages_.warn(parent_,
                   tr("Cannot write %1: %2.").arg(QDir::toNativeSeparators(path), file.errorString()));
    return false;
}
