#pragma once

#include "archive/core/RunStep.h"

#include <QCoreApplication>
#include <QString>

class ToolRunner;
class WorkFolder;

// Extracts objects of one archive into a destination folder, one direct tool run each. The tool writes
// into the staging folder of its slot; its file replaces the destination's only once the tool has ended
// well, so a tool that fails or is stopped half-way never costs the user an older file.
class ExtractionJob : public RunStep {
    Q_DECLARE_TR_FUNCTIONS(ExtractionJob)

public:
    ExtractionJob(ToolRunner& runner, const QString& destFolder);

    // Makes the working copy and the staging folder; why that failed, or empty.
    static QString prepareStaging(ToolRunner& runner, const QString& volPath);
    // The destination folder, then prepareStaging().
    static QString prepare(ToolRunner& runner, const QString& destFolder, const QString& volPath);
    // prepare() for this job; false with error() when it failed.
    bool begin(const QString& volPath);
    // Why begin() failed.
    QString error() const { return error_; }

    // The tool phase of every extraction: the tool, started directly, writes the object into the slot's
    // staging folder, by its name.
    static Plan staging(const WorkFolder& work, const QString& objectName, const RunSlot& slot);
    Plan plan(const QString& objectName, const RunSlot& slot) override;
    // The staged file replaces the destination's.
    Result finish(const QString& objectName, const RunSlot& slot) override;

private:
    ToolRunner& runner_;
    QString destFolder_;
    QString error_;
};
