#pragma once

#include "archive/ui/ProgressDialog.h"
#include "platform/ui/Seams.h"

#include <QStringList>

class RunDriver;
class RunReport;
class QLabel;
class QProgressBar;
class ToolRunner;
struct VolRecord;

// Extracts the selected objects of an archive to the destination folder, showing which of how
// many is under way. Objects that were not done are listed at the end, for a retry.
class frmExtract : public ProgressDialog {
    Q_OBJECT

public:
    // `rows` are the selected rows of the object list, in row order.
    // Up to `parallelRuns` tools run at once.
    frmExtract(QWidget* owner, const VolRecord& vol, const QList<int>& rows, const QString& destFolder,
               ToolRunner& runner, int parallelRuns, const Seams& seams);

    // "File 2 of 3"
    static QString progressText(int done, int total);
    // The bar after `done` of `total` objects: 100 / total per object, never above 100.
    static int progressValue(int done, int total);

protected:
    void work() override;
    void stopWork() override;

private:
    // One pass over `rows`, stopping early on Cancel or when the tool cannot start.
    RunReport extractRows(const QList<int>& rows);

    const VolRecord& vol_;
    QList<int> rows_;
    QString destFolder_;
    ToolRunner& runner_;
    int parallelRuns_;
    Seams seams_;
    QLabel* lblProgress;
    QProgressBar* ProgressBar1;
    RunDriver* driver_ = nullptr; // during a pass
};
