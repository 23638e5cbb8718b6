#pragma once

#include "picture/PictureMessage.h"

#include <QString>
#include <optional>

struct PictureState;

// Where a picture's palette is looked for.
struct PaletteSearch {
    QString palettePath;
    QString defaultPalette;
    bool searchSubfolders = true;
};

// Reads, writes and finds palette files for the shared palette state. Each step returns nothing
// when it is done, else the message that says why not, for the window to show.
class Palettes {
public:
    explicit Palettes(PictureState& state);

    // Loads the file named by PaletteFile; when it cannot, the palette stays unchanged.
    [[nodiscard]] std::optional<PictureMessage> ReadPalette();
    // Writes the palette state to PaletteFile, replacing what the file held.
    [[nodiscard]] std::optional<PictureMessage> WritePalette();
    // Makes the palette for `index` current: the default palette for 0, else the first "n.pal"
    // found in the palette folder, then in its direct subfolders in the order the file system
    // lists them, else the default palette.
    [[nodiscard]] std::optional<PictureMessage> FindPalette(int index, const PaletteSearch& search);

    static QString fileNameFor(int index);
    static QString fileFor(int index, const PaletteSearch& search);

private:
    PictureState& state_;
};
