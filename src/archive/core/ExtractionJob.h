#pragma once

#include <QCoreApplication>
#include <QString>

class ToolRunner;

// Extracts objects of one archive into a destination folder, one direct tool run each, and
// tells for each whether its file was really written. The tool writes into the working folder's
// staging folder; its file replaces the destination's only once the tool has ended well, so a tool
// that fails or is stopped half-way never costs the user an older file.
class ExtractionJob {
    Q_DECLARE_TR_FUNCTIONS(ExtractionJob)

public:
    enum class Outcome { Written, Refused, NotWritten, ToolFailed, CannotWrite, CannotStart };

    ExtractionJob(ToolRunner& runner, const QString& destFolder);

    // Makes the working copy and the staging folder; why that failed, or empty.
    static QString prepareStaging(ToolRunner& runner, const QString& volPath);
    // The destination folder, then prepareStaging().
    static QString prepare(ToolRunner& runner, const QString& destFolder, const QString& volPath);
    // prepare() for this job; false with error() when it failed.
    bool begin(const QString& volPath);
    // Has the tool write the object into the staging folder: Written when its file is there, at
    // stagedPath(), for the caller to take.
    Outcome stage(const QString& objectName);
    QString stagedPath(const QString& objectName) const;
    // stage(), then the staged file replaces the destination's.
    Outcome extract(const QString& objectName);
    // Why begin() failed, or why the last object was not written (other than NotWritten).
    QString error() const { return error_; }

private:
    ToolRunner& runner_;
    QString destFolder_;
    QString error_;
};
