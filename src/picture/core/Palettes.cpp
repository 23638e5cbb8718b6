#include "picture/core/Palettes.h"

#include "picture/core/PaletteCodec.h"
#include "picture/core/PictureState.h"
#include "platform/core/FileSystem.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>

Palettes::Palettes(PictureState& state)
    : state_(state)
{
}

std::optional<PictureMessage> Palettes::ReadPalette()
{
    if (!FileSystem::fileExists(state_.PaletteFile))
        return PictureMessage{tr("The palette file does not exist."), MessageIcon::None,
                              PictureMessage::Title::Program};
    QFile file(state_.PaletteFile);
    const QByteArray bytes =
        file.open(QIODevice::ReadOnly) ? file.read(PaletteCodec::fileSize) : QByteArray();
    const PaletteCodec::Decoded decoded = PaletteCodec::decode(bytes);
    if (!decoded.error.isEmpty())
        return PictureMessage{tr("The palette file %1 cannot be used: %2.")
                                  .arg(QDir::toNativeSeparators(state_.PaletteFile), decoded.error)};
    state_.PaletteHeader = decoded.header;
    state_.CurrentPalette = decoded.palette;
    return std::nullopt;
}

std::optional<PictureMessage> Palettes::WritePalette()
{
    const QString error = FileSystem::writeScratch(
        state_.PaletteFile, PaletteCodec::encode(state_.PaletteHeader, state_.CurrentPalette));
    if (error.isEmpty())
        return std::nullopt;
    return PictureMessage{
        tr("Cannot write the palette file %1: %2.").arg(QDir::toNativeSeparators(state_.PaletteFile), error)};
}

QString Palettes::fileNameFor(int index)
{
    return QString::number(index) + QStringLiteral(".pal");
}

QString Palettes::fileFor(int index, const PaletteSearch& search)
{
    const QString found = numberedFile(index, search);
    return found.isEmpty() ? search.defaultPalette : found;
}

QString Palettes::numberedFile(int index, const PaletteSearch& search)
{
    if (index == 0)
        return {};
    const QString name = fileNameFor(index);
    const QString inFolder = search.palettePath + QDir::separator() + name;
    if (FileSystem::fileExists(inFolder))
        return inFolder;
    if (search.searchSubfolders) {
        // Unsorted and without hidden entries: the file system's own order decides which wins.
        QDirIterator entries(search.palettePath, QDir::Dirs | QDir::NoDotAndDotDot);
        while (entries.hasNext()) {
            const QString candidate = entries.next() + QDir::separator() + name;
            if (FileSystem::fileExists(candidate))
                return candidate;
        }
    }
    return {};
}

Palettes::Found Palettes::FindPalette(int index, const PaletteSearch& search)
{
    using Reason = PaletteOrigin::Reason;
    const QString found = numberedFile(index, search);
    if (found.isEmpty() && index != 0 && search.inArchive) {
        if (const std::optional<ListedPalette> listed = search.inArchive(index)) {
            state_.CurrentPalette = listed->colours;
            state_.PaletteFile.clear(); // no file holds it
            return {std::nullopt, {Reason::Listed, index, {}, listed->list, listed->id}};
        }
    }
    state_.PaletteFile = found.isEmpty() ? search.defaultPalette : found;
    const Reason reason = index == 0        ? Reason::Default
                          : found.isEmpty() ? Reason::Fallback
                                            : Reason::Numbered;
    return {ReadPalette(), {reason, index, state_.PaletteFile, {}, 0}};
}
