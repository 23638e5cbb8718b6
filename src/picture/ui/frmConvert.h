#pragma once

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

// Extracts the selected pictures one by one, converts each to a BMP or PNG file in the conversion
// format and writes it to the destination folder under its own name. Pictures that were not done are listed
// at the end, for a retry.
class frmConvert : public ProgressDialog {
    Q_OBJECT

public:
    struct Job {
        const VolRecord& vol;
        QList<int> rows; // the selected rows of the object list, in row order
        QString destFolder;
        PictureConversion::Options conversion;
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

private:
    enum class Next { Convert, Skip, Stop };

    void showStatus(const QString& text);
    void showProgress(int units);
    // One pass over `rows`, stopping early on Cancel or when the tool cannot start.
    RunReport convertRows(const QList<int>& rows);
    // Whether to convert the object: the question about a name not ending in "bmp", then the name check.
    Next askAboutName(RunReport& report, int row, const QString& name);
    // Extracts, converts and copies one object; Stop when its tool could not run.
    Next convertObject(RunReport& report, int row, const QString& name, int objects);
    void convertAndCopy(RunReport& report, int row, const QString& name);

    Job job_;
    ToolRunner& runner_;
    PictureState& pictures_;
    Seams seams_;
    ConversionJob conversion_;
    QLabel* lblStatus;
    QProgressBar* ProgressBar1;
    float step_ = 0;
    int units_ = 0; // of progress, two per object
};
