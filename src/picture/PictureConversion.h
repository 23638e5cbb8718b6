#pragma once

#include "picture/Palettes.h"
#include "platform/MessageBoxes.h"

#include <QString>

class QWidget;
struct PictureState;

// Turns the picture the extraction tool left in "temp.bmp" into a Windows BMP, in place.
class PictureConversion {
public:
    // Kept: a standard bitmap of another layout than the program rewrites, left as it is to be shown.
    enum class Outcome { Converted, Declined, Kept, Refused };

    struct Options {
        QString workFolder;
        bool autoSelect = true;
        PaletteSearch search;
    };

    PictureConversion(PictureState& state, MessageBoxes& messages, QWidget* parent = nullptr);

    // A refused, declined or kept picture leaves the file and the picture state as they were.
    Outcome ConvertPicture(const Options& options);
    // Why the last picture was refused, for a list of failures; empty after any other outcome.
    const QString& refusal() const { return refusal_; }

private:
    Outcome refuse(const QString& reason, const QString& message,
                   MessageBoxes::Icon icon = MessageBoxes::Icon::Exclamation);
    bool WriteBitmap(const QString& path);

    PictureState& state_;
    MessageBoxes& messages_;
    QWidget* parent_;
    QString refusal_;
};
