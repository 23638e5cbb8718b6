#pragma once

#include <QCoreApplication>
#include <QString>

// Which palette drew a picture, and why that one: what the picture window and the command line say
// about a converted picture.
struct PaletteOrigin {
    Q_DECLARE_TR_FUNCTIONS(PaletteOrigin)

public:
    enum class Reason {
        Numbered,   // the file named after the picture's number, found in the palette folder
        Listed,     // that number in one of the archive's palette lists
        Default,    // number 0 stands for the default palette
        Fallback,   // no palette has the number: the default palette instead
        Unsearched, // "Auto Select" is off: the current palette, whatever the number
        Own,        // a standard bitmap's own colour table
        Chosen,     // picked by the user in the picture window
    };

    Reason reason = Reason::Own;
    // The picture's palette number.
    int number = 0;
    // The palette file that drew it; empty for a list's palette and a bitmap shown as it is.
    QString file;
    // The archive's palette list and the palette's number in it.
    QString list;
    int id = 0;

    // "palette 12: PATH", "palette 12: LIST.ppl: 7", with " (default palette: number 12 not found)"
    // after a fall-back; "its own colours" for a standard bitmap.
    QString text() const;
    // The same palette, whatever the reason it was taken.
    bool samePalette(const PaletteOrigin& other) const;
    bool operator==(const PaletteOrigin&) const = default;
};
