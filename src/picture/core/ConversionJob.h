#pragma once

#include "picture/core/PictureConversion.h"

#include <QCoreApplication>
#include <QString>

class ToolRunner;
struct PictureState;

// Converts pictures of one archive into a destination folder, one after the other: each is extracted
// to "temp.bmp" by a tool script, converted there with the shared picture state and copied out under its
// own name, even when it cannot be converted. The conversion window converts between extract() and
// copy() itself, so that it can ask its questions and show its messages.
class ConversionJob {
    Q_DECLARE_TR_FUNCTIONS(ConversionJob)

public:
    enum class Outcome {
        Written,
        Refused,
        CannotStart,
        NotWritten,
        CopiedUnconverted,
        CannotWrite,
        Unreadable
    };

    struct Result {
        Outcome outcome = Outcome::Written;
        // Why the picture failed; empty when it was written.
        QString error;
        // What the conversion itself did (Declined: a standard bitmap copied as it is).
        PictureConversion::Outcome conversion = PictureConversion::Outcome::Converted;
        // What a window would have shown about it, in order.
        QList<PictureMessage> messages;
    };

    ConversionJob(ToolRunner& runner, PictureState& pictures, const QString& destFolder,
                  const PictureConversion::Options& options);

    // Makes the destination folder and the working copy; false with error() when it failed.
    bool begin(const QString& volPath);
    // Extracts, converts and copies; every question the conversion asks is answered No.
    Result convert(const QString& objectName);
    // Extracts the object to "temp.bmp": Written when the tool left it there, else CannotStart or NotWritten.
    Result extract(const QString& objectName);
    // Copies the picture that `converted` left to the destination: Written, CopiedUnconverted,
    // CannotWrite, or Unreadable (a bitmap to be written as PNG that cannot be read).
    Result copy(const QString& objectName, const PictureConversion::Report& converted);
    // Why begin() failed.
    QString error() const { return error_; }

private:
    ToolRunner& runner_;
    PictureState& pictures_;
    QString destFolder_;
    PictureConversion::Options options_;
    QString error_;
};
