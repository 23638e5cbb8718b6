#pragma once

#include <QString>

class ToolRunner;

// Extracts objects of one archive into a destination folder, one direct tool run each, and
// tells for each whether its file was really written.
class ExtractionJob {
public:
    enum class Outcome { Written, Refused, NotWritten, CannotStart };

    ExtractionJob(ToolRunner& runner, const QString& destFolder);

    // Makes the destination folder and the working copy; why that failed, or empty.
    static QString prepare(ToolRunner& runner, const QString& destFolder, const QString& volPath);
    // prepare() for this job; false with error() when it failed.
    bool begin(const QString& volPath);
    Outcome extract(const QString& objectName);
    // Why begin() failed, why the last object was refused, or why the tool could not start.
    QString error() const { return error_; }

private:
    ToolRunner& runner_;
    QString destFolder_;
    QString error_;
};
