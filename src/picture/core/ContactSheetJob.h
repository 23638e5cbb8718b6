#pragma once

#include "archive/core/RunStep.h"
#include "picture/core/PictureConversion.h"

#include <QCoreApplication>
#include <QObject>
#include <QRect>
#include <QString>

class ContactSheet;
class ToolRunner;
struct PictureState;

// Draws the pictures of one archive on a contact sheet as the picture window shows each: extracted by
// the tool into its slot and moved to "temp.bmp", converted there with the palette search (a standard
// bitmap keeps its own colours, as the window shows it after "No"), loaded at the size a contact sheet
// draws it and placed after the others. A picture that would make the sheet too large ends the run.
class ContactSheetJob : public QObject, public RunStep {
    Q_OBJECT

public:
    ContactSheetJob(ToolRunner& runner, PictureState& pictures, const PictureConversion::Options& options,
                    ContactSheet& sheet);

    // Makes the working copy of the archive and the staging folder; false with error() when it failed.
    bool begin(const QString& volPath);
    // Why begin() failed.
    QString error() const { return error_; }

    Plan plan(const QString& objectName, const RunSlot& slot) override;
    Result finish(const QString& objectName, const RunSlot& slot) override;

signals:
    // A picture has been placed on the sheet: the area it took, its name included.
    void placed(const QRect& area);

private:
    ToolRunner& runner_;
    PictureState& pictures_;
    PictureConversion::Options options_;
    ContactSheet& sheet_;
    QString error_;
};
