#pragma once

#include "archive/core/RunDriver.h"
#include "archive/core/RunStep.h"
#include "archive/ui/ProgressDialog.h"
#include "picture/core/ConversionJob.h"
#include "picture/core/PictureConversion.h"
#include "platform/ui/Seams.h"

#include <QStringList>

class RunReport;
class QLabel;
class QProgressBar;
class ToolRunner;
struct PictureState;
struct VolRecord;

// Extracts the selected pictures, converts each to a BMP or PNG file in the conversion format and writes
// it to the destination folder under its own name. It is the step of its run: it asks about a name that
// does not end in "bmp" before that object's tool runs, and the conversion's own questions as each
// picture is converted, all in the order of the objects. Pictures that were not done are listed at the
// end, for a retry.
class frmConvert : public ProgressDialog, private RunStep {
    Q_OBJECT

public:
    struct Job {
        const VolRecord& vol;
        QList<int> rows; // the selected rows of the object list, in row order
        QString destFolder;
        PictureConversion::Options conversion;
        int parallelRuns = 1; // tools at once
    };

    frmConvert(QWidget* owner, const Job& job, ToolRunner& runner, PictureState& pictures,
               const Seams& seams);

    // "Extracting file 3 of 7"
    static QString statusText(const char* step, int position, int count);

signals:
    // Each text that lblStatus shows, as it is shown.
    void statusShown(const QString& text);

protected:
    void work() override;
    void stopWork() override;

private:
    void showStatus(const QString& text);
    void showProgress(int units);
    // One pass over `rows`, stopping early on Cancel or when the tool cannot start.
    RunReport convertRows(const QList<int>& rows);
    void showPhase(int position, int objects, RunDriver::Phase phase);

    bool asks(const QString& objectName) const override;
    // The question about a name not ending in "bmp", then the extraction.
    Plan plan(const QString& objectName, const RunSlot& slot) override;
    // Converts, with the conversion's questions and messages, and copies; a refused picture is still
    // copied, as it was extracted.
    Result finish(const QString& objectName, const RunSlot& slot) override;

    Job job_;
    ToolRunner& runner_;
    PictureState& pictures_;
    Seams seams_;
    ConversionJob conversion_;
    QLabel* lblStatus;
    QProgressBar* ProgressBar1;
    RunDriver* driver_ = nullptr; // during a pass
    float step_ = 0;
    int finishing_ = 0; // the position of the object whose conversion is under way
};
