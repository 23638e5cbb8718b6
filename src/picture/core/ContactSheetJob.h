#pragma once

#include "archive/core/ExtractionJob.h"
#include "picture/core/PictureConversion.h"

#include <QCoreApplication>
#include <QImage>
#include <QString>

class ToolRunner;
struct PictureState;

// Brings the pictures of one archive, one after the other, to the image the picture window shows
// for each: extracted by the tool and moved to "temp.bmp", converted there with the palette search (a
// standard bitmap keeps its own colours, as the window shows it after "No"), and loaded at the size a
// contact sheet draws it.
class ContactSheetJob {
    Q_DECLARE_TR_FUNCTIONS(ContactSheetJob)

public:
    ContactSheetJob(ToolRunner& runner, PictureState& pictures, const PictureConversion::Options& options);

    // Makes the working copy of the archive and the staging folder; false with error() when it failed.
    bool begin(const QString& volPath);
    struct Picture {
        QImage drawn; // at the size a contact sheet draws it; null when it failed, with error()
        QSize own;
    };
    Picture picture(const QString& objectName);
    // Why begin() or the last picture failed.
    QString error() const { return error_; }
    // Whether the last picture failed because no tool could run; the pictures after it would too.
    bool cannotStart() const { return cannotStart_; }
    // Whether the program is closing, so that no tool runs any more.
    bool programClosing() const;

private:
    Picture fail(const QString& error);

    ToolRunner& runner_;
    PictureState& pictures_;
    PictureConversion::Options options_;
    ExtractionJob extraction_;
    QString error_;
    bool cannotStart_ = false;
};
