#pragma once

#include "archive/core/WorkFolder.h"
#include "picture/core/Palettes.h"
#include "picture/core/PictureExport.h"
#include "picture/core/PictureMessage.h"

#include <QCoreApplication>
#include <QList>
#include <QString>
#include <functional>

struct PictureState;

// Turns the picture the extraction tool left in "temp.bmp" into a Windows BMP, in place.
class PictureConversion {
    Q_DECLARE_TR_FUNCTIONS(PictureConversion)

public:
    // Kept: a standard bitmap of another layout than the program rewrites, left as it is to be shown.
    enum class Outcome { Converted, Declined, Kept, Refused };

    struct Options {
        WorkFolder workFolder;
        bool autoSelect = true;
        PaletteSearch search;
        // How the conversion window and the command line write the picture out, and the picture window
        // saves what it shows.
        PictureExport exportAs{};
    };

    struct [[nodiscard]] Report {
        Outcome outcome = Outcome::Converted;
        // Why the picture was refused, for a list of failures; empty after any other outcome.
        QString refusal;
        // What the window shows once the conversion has returned, in the order it arose.
        QList<PictureMessage> messages;
        // Refused because the converted picture could not be written back.
        bool unwritten = false;
        // Why the palette that the picture names could not be used; empty when it could.
        QString paletteProblem;
        // Which palette the converted picture holds; its own colours for a bitmap kept or declined.
        PaletteOrigin palette{};
    };

    // Asks the user a yes/no question mid-way; true for yes.
    using Ask = std::function<bool(const PictureMessage& question)>;

    explicit PictureConversion(PictureState& state);

    // Moves the file at `from` to the working folder's "temp.bmp", where the conversion reads it, in the
    // place of an earlier object's picture; why it could not, or empty.
    static QString takePicture(const WorkFolder& work, const QString& from);

    // A refused, declined or kept picture leaves the file and the picture state as they were.
    Report ConvertPicture(const Options& options, const Ask& ask);

private:
    static Report refused(const QString& reason, const QString& message,
                          MessageIcon icon = MessageIcon::Exclamation);
    // Reads the picture into the state; the refusal's reason when it cannot.
    QString ReadPicture(QByteArray bytes, bool standardBitmap, const WorkFolder& workFolder, Report& report);
    // Why the bitmap could not be written; empty when it was.
    QString WriteBitmap(const QString& path);

    PictureState& state_;
};
