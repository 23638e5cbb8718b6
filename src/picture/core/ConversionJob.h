#pragma once

#include "archive/core/RunStep.h"
#include "picture/core/PictureConversion.h"

#include <QCoreApplication>
#include <QString>

class ToolRunner;
struct PictureState;

// Converts pictures of one archive into a destination folder: each is extracted by a tool script to the
// picture of its slot, moved to "temp.bmp", converted there with the shared picture state and copied out
// under its own name, even when it cannot be converted. As a run step it asks nothing, as the command
// line wants: a name that does not end in "bmp" is not converted, and every question of the conversion is
// answered No. The conversion window asks its questions around extraction(), take() and copy() itself.
class ConversionJob : public RunStep {
    Q_DECLARE_TR_FUNCTIONS(ConversionJob)

public:
    // What copy() did.
    struct Copied {
        enum class Outcome { Written, CopiedUnconverted, CannotWrite, Unreadable };
        Outcome outcome = Outcome::Written;
        // Why the picture failed; empty when it was written.
        QString error;
    };

    ConversionJob(ToolRunner& runner, PictureState& pictures, const QString& destFolder,
                  const PictureConversion::Options& options);

    // Makes the destination folder and the working copy; false with error() when it failed.
    bool begin(const QString& volPath);
    // Why begin() failed.
    QString error() const { return error_; }

    // The tool phase: the object extracted to the slot's picture through the slot's script.
    Plan extraction(const QString& objectName, const RunSlot& slot) const;
    // PictureConversion::takePicture() of the slot's picture.
    QString take(const RunSlot& slot) const;
    // Copies the picture that `converted` left to the destination; a bitmap to be written as PNG that
    // cannot be read is not written.
    Copied copy(const QString& objectName, const PictureConversion::Report& converted);
    // The step of the report at which a picture that `copied` and `converted` tell of failed.
    static RunReport::Step failedStep(const Copied& copied, const PictureConversion::Report& converted);

    Plan plan(const QString& objectName, const RunSlot& slot) override;
    // Takes, converts and copies; a failure's reason is its error, else what the conversion would have
    // said, one line; a standard bitmap copied as it is gets a note.
    Result finish(const QString& objectName, const RunSlot& slot) override;
    // Which palette drew the picture that finish() last wrote; its own colours when it wrote none.
    const PaletteOrigin& palette() const { return palette_; }

private:
    ToolRunner& runner_;
    PictureState& pictures_;
    QString destFolder_;
    PictureConversion::Options options_;
    QString error_;
    PaletteOrigin palette_;
};
