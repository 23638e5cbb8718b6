#pragma once

#include "picture/PictureConversion.h"

#include <QCoreApplication>
#include <QString>

class ToolRunner;
struct PictureState;

// Converts pictures of one archive into a destination folder without a window, one after the other
// as the conversion window does: each is extracted to "temp.bmp" by a tool script, converted there
// with the shared picture state, and copied to the destination under its own name. A picture that
// cannot be converted is still copied, as it was extracted.
class ConversionJob {
    Q_DECLARE_TR_FUNCTIONS(ConversionJob)

public:
    enum class Outcome { Written, Refused, CannotStart, NotWritten, CopiedUnconverted, CannotWrite };

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
                  const PictureConversion::Options& options, PictureConversion::Ask ask);

    // Makes the destination folder and the working copy; false with error() when it failed.
    bool begin(const QString& volPath);
    Result convert(const QString& objectName);
    // Why begin() failed.
    QString error() const { return error_; }

private:
    Result convertAndCopy(const QString& objectName);

    ToolRunner& runner_;
    PictureState& pictures_;
    QString destFolder_;
    PictureConversion::Options options_;
    PictureConversion::Ask ask_;
    QString error_;
};
