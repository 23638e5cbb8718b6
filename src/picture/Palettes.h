#pragma once

#include <QString>

class MessageBoxes;
class QWidget;
struct PictureState;

// Where a picture's palette is looked for.
struct PaletteSearch {
    QString palettePath;
    QString defaultPalette;
    bool searchSubfolders = true;
};

// Reads, writes and finds palette files for the shared palette state.
class Palettes {
public:
    Palettes(PictureState& state, MessageBoxes& messages, QWidget* parent = nullptr);

    // Loads the file named by PaletteFile; false (and the palette unchanged) when it cannot.
    bool ReadPalette();
    // Writes the palette state to PaletteFile, replacing what the file held.
    bool WritePalette();
    // Makes the palette for `index` current: the default palette for 0, else the first "n.pal"
    // found in the palette folder, then in its direct subfolders in the order the file system
    // lists them, else the default palette.
    bool FindPalette(int index, const PaletteSearch& search);

    static QString fileNameFor(int index);
    static QString fileFor(int index, const PaletteSearch& search);

private:
    PictureState& state_;
    MessageBoxes& messages_;
    QWidget* parent_;
};
