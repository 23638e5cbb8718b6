#pragma once

#include "picture/Palettes.h"

#include <QString>

class MessageBoxes;
class QWidget;
struct PictureState;

// Turns the picture the extraction tool left in "temp.bmp" into a Windows BMP, in place.
class PictureConversion {
public:
    enum class Outcome { Converted, Declined, Refused };

    struct Options {
        QString workFolder;
        bool autoSelect = true;
        PaletteSearch search;
    };

    PictureConversion(PictureState& state, MessageBoxes& messages, QWidget* parent = nullptr);

    // A refused or declined picture leaves the file and the picture state as they were.
    Outcome ConvertPicture(const Options& options);

private:
    Outcome refuse(const QString& path, const QString& reason);
    bool WriteBitmap(const QString& path);

    PictureState& state_;
    MessageBoxes& messages_;
    QWidget* parent_;
};
