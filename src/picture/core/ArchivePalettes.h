#pragma once

#include "picture/core/PaletteListCodec.h"
#include "picture/core/Palettes.h"

#include <QHash>
#include <QSet>
#include <QString>
#include <optional>

class ToolRunner;
struct VolRecord;

// The palettes held by the palette lists (".ppl" objects) of opened archives, found by number for
// pictures whose "<n>.pal" is nowhere in the palette folder. Each list is extracted from the working
// copy and read once per listing of its archive: a new listing reads them afresh. A list the tool
// could not extract is tried once per run.
class ArchivePalettes {
public:
    // The palette search's way into `vol`'s lists for one run (a conversion, a contact sheet, a
    // preview), through `runner`, whose working copy must hold that archive when asked. It gives
    // the palette numbered so from the first list in archive order that holds it.
    decltype(PaletteSearch::inArchive) source(ToolRunner& runner, const VolRecord& vol);
    // The palettes of `vol`'s lists read since its last listing, in archive order; runs no tool.
    QList<ListedPalette> known(const VolRecord& vol) const;

private:
    // `failed` holds the lists the tool could not extract in this run, which the run skips.
    std::optional<ListedPalette> find(ToolRunner& runner, const VolRecord& vol, int id,
                                      QSet<QString>& failed);
    // The list's palettes; none when it is not a list that can be read. Nothing when the tool left
    // no file (it could not start, or was ended), so that a later run tries it.
    static std::optional<QList<PaletteListCodec::PplPalette>> read(ToolRunner& runner,
                                                                   const QString& listName);

    struct Remembered {
        quint64 listing = 0;
        QHash<QString, QList<PaletteListCodec::PplPalette>> lists; // by object name
    };
    QHash<QString, Remembered> archives_; // by archive path
};
