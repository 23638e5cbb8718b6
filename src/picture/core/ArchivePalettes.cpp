#include "picture/core/ArchivePalettes.h"

#include "archive/core/ObjectName.h"
#include "archive/core/ToolCommands.h"
#include "archive/core/ToolRunner.h"
#include "archive/core/VolTable.h"
#include "platform/core/FileSystem.h"

#include <QFile>
#include <memory>

decltype(PaletteSearch::inArchive) ArchivePalettes::source(ToolRunner& runner, const VolRecord& vol)
{
    auto failed = std::make_shared<QSet<QString>>();
    return [this, &runner, vol, failed](int id) {
        return find(runner, vol, id, *failed);
    };
}

std::optional<ListedPalette> ArchivePalettes::find(ToolRunner& runner, const VolRecord& vol, int id,
                                                   QSet<QString>& failed)
{
    Remembered& archive = archives_[vol.FilePath];
    if (archive.listing != vol.ListingId)
        archive = Remembered{vol.ListingId, {}};
    for (const QString& name : vol.ObjectNames) {
        if (ObjectName::kindOf(name) != ObjectName::Kind::PaletteList || failed.contains(name))
            continue;
        auto known = archive.lists.constFind(name);
        if (known == archive.lists.cend()) {
            const std::optional<QList<PaletteListCodec::PplPalette>> palettes = read(runner, name);
            if (!palettes) {
                failed.insert(name);
                continue;
            }
            known = archive.lists.insert(name, *palettes);
        }
        for (const PaletteListCodec::PplPalette& palette : *known) {
            if (palette.Id == id)
                return ListedPalette{name, id, palette.Colors};
        }
    }
    return std::nullopt;
}

QList<ListedPalette> ArchivePalettes::known(const VolRecord& vol) const
{
    QList<ListedPalette> palettes;
    const auto archive = archives_.constFind(vol.FilePath);
    if (archive == archives_.cend() || archive->listing != vol.ListingId)
        return palettes;
    QSet<QString> listed; // an archive may name an object twice
    for (const QString& name : vol.ObjectNames) {
        if (listed.contains(name))
            continue;
        listed.insert(name);
        for (const PaletteListCodec::PplPalette& palette : archive->lists.value(name))
            palettes.append({name, palette.Id, palette.Colors});
    }
    return palettes;
}

std::optional<QList<PaletteListCodec::PplPalette>> ArchivePalettes::read(ToolRunner& runner,
                                                                         const QString& listName)
{
    if (!ObjectName::refusal(listName).isEmpty())
        return QList<PaletteListCodec::PplPalette>();
    // An earlier list must never pass for this one.
    const QString path = runner.workFolder().paletteList();
    FileSystem::deleteFileIfExists(path);
    QFile file(path);
    const WorkFolder& work = runner.workFolder();
    if (!runner.RunToolScript(
            work.extractScript(),
            ToolCommands::extractTo(work, listName, QLatin1String(WorkFolder::paletteListName))) ||
        !file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return PaletteListCodec::decode(file.readAll()).palettes;
}
