#pragma once

#include "picture/core/PaletteEntry.h"
#include "picture/core/PaletteOrigin.h"
#include "picture/core/Palettes.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

// The palettes a picture can be drawn with instead of its own, as the picture window offers them.
namespace PaletteChoices {

struct Choice {
    QString label;
    // What drew the picture once this is chosen: the file or the list's palette, Chosen, with the
    // picture's number; the palette it was converted with, as it was, for that entry.
    PaletteOrigin origin;
    // A list's colours, held since no file has them.
    std::optional<Palette> colours;
    bool current = false;

    bool operator==(const Choice&) const = default;
};

// The ".pal" files of the palette folder and, when `subfolders`, of its direct subfolders, as the file
// system lists them; hidden ones are left out, as the palette search leaves them out.
QStringList filesIn(const QString& folder, bool subfolders);

// The palette folder's `files` (the folder's own first, then each subfolder's, subfolders by name;
// within a folder by number, then other names), labelled by their path in the folder; then the lists'
// palettes in the order given, as "LIST.ppl: ID". The palette the picture was converted with comes
// first when it is none of them. The one that matches `current` is ticked.
QList<Choice> build(const QString& folder, const QStringList& files, const QList<ListedPalette>& lists,
                    const PaletteOrigin& converted, const PaletteOrigin& current);

} // namespace PaletteChoices
