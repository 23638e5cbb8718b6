#pragma once

#include "picture/core/PaletteEntry.h"
#include "picture/core/PaletteOrigin.h"
#include "picture/core/PictureMessage.h"

#include <QCoreApplication>
#include <QList>
#include <QString>
#include <functional>
#include <optional>

struct PictureState;

// One palette of an archive's palette list.
struct ListedPalette {
    QString list; // the list's object name
    int id = 0;
    Palette colours{};
};

// Where a picture's palette is looked for.
struct PaletteSearch {
    QString palettePath;
    QString defaultPalette;
    bool searchSubfolders = true;
    // The palette numbered so in the open archive's palette lists, asked when no file has that number.
    std::function<std::optional<ListedPalette>(int number)> inArchive{};
    // The palettes of the archive's lists that have been read so far, in archive order; reads none.
    std::function<QList<ListedPalette>()> listsRead{};
};

// Reads, writes and finds palette files for the shared palette state. Each step returns nothing
// when it is done, else the message that says why not, for the window to show.
class Palettes {
    Q_DECLARE_TR_FUNCTIONS(Palettes)

public:
    explicit Palettes(PictureState& state);

    // Loads the file named by PaletteFile; when it cannot, the palette stays unchanged.
    [[nodiscard]] std::optional<PictureMessage> ReadPalette();
    // Writes the palette state to PaletteFile, the working folder's palette of a standard bitmap: a
    // scratch file, written again for every one and so not waited for on the disk.
    [[nodiscard]] std::optional<PictureMessage> WritePalette();
    struct [[nodiscard]] Found {
        std::optional<PictureMessage> problem;
        PaletteOrigin origin;
    };
    // Makes the palette for `index` current: the default palette for 0, else the first "n.pal"
    // found in the palette folder, then in its direct subfolders in the order the file system
    // lists them, then the archive's palette numbered n, else the default palette.
    Found FindPalette(int index, const PaletteSearch& search);

    static QString fileNameFor(int index);
    static QString fileFor(int index, const PaletteSearch& search);

private:
    // The numbered file fileFor() finds; empty when there is none.
    static QString numberedFile(int index, const PaletteSearch& search);

    PictureState& state_;
};
