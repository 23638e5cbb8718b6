#include "archive/ui/frmExtract.h"

#include "archive/core/ExtractionJob.h"
#include "archive/core/RunDriver.h"
#include "archive/core/RunReport.h"
#include "archive/core/ToolRunner.h"
#include "archive/core/VolTable.h"
#include "platform/ui/MessageBoxes.h"
#include "platform/ui/Twips.h"

#include <QLabel>
#include <QProgressBar>
#include <algorithm>
#include <cmath>

frmExtract::frmExtract(QWidget* owner, const VolRecord& vol, const QList<int>& rows,
                       const QString& destFolder, ToolRunner& runner, int parallelRuns, const Seams& seams)
    : ProgressDialog(owner, tr("Extract Files"), 4215, 1095, runner)
    , vol_(vol)
    , rows_(rows)
    , destFolder_(destFolder)
    , runner_(runner)
    , parallelRuns_(parallelRuns)
    , seams_(seams)
    , lblProgress(new QLabel(tr("File # of ##"), this))
    , ProgressBar1(new QProgressBar(this))
{
    setObjectName(QStringLiteral("frmExtract"));
    auto* wait = new QLabel(tr("Please wait extracting files..."), this);
    Twips::place(wait, 120, 120, 3960, 360);
    auto* process = new QLabel(tr("Extraction process:"), this);
    Twips::place(process, 120, 480, 1350, 195);
    lblProgress->setObjectName(QStringLiteral("lblProgress"));
    // Reaches to the right edge, so "File 120 of 450" is not cut off.
    Twips::place(lblProgress, 1560, 480, 2535, 195);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setAccessibleName(tr("Extraction process"));
    ProgressBar1->setRange(0, 100);
    ProgressBar1->setValue(0);
    Twips::place(ProgressBar1, 120, 720, 3975, 255);
    Twips::fitCaptions({wait, process, lblProgress});
}

QString frmExtract::progressText(int done, int total)
{
    return tr("File %1 of %2").arg(done).arg(total);
}

int frmExtract::progressValue(int done, int total)
{
    const float step = 100.0f / float(total);
    return int(std::lround(std::min(100.0f, float(done) * step)));
}

void frmExtract::work()
{
    for (QList<int> rows = rows_; !rows.isEmpty();)
        rows = endOfPass(extractRows(rows), seams_.runModal);
}

void frmExtract::stopWork()
{
    if (driver_)
        driver_->cancel();
}

RunReport frmExtract::extractRows(const QList<int>& rows)
{
    const int total = int(rows.size());
    ExtractionJob job(runner_, destFolder_);
    if (!job.begin(vol_.FilePath)) {
        seams_.messages.warn(this, job.error());
        return RunReport(RunReport::Kind::Extraction, total);
    }
    ProgressBar1->setValue(0);
    RunDriver driver(runner_, job, RunReport::Kind::Extraction, parallelRuns_);
    connect(&driver, &RunDriver::progressed, this, [this, total](int position, RunDriver::Phase phase) {
        if (phase == RunDriver::Phase::Begun)
            lblProgress->setText(progressText(position, total));
        else if (phase == RunDriver::Phase::Done)
            ProgressBar1->setValue(progressValue(position, total));
    });
    if (isCancelled())
        driver.cancel();
    driver_ = &driver;
    const RunReport report = driver.run(RunDriver::objects(vol_.ObjectNames, rows));
    driver_ = nullptr;
    // Closing the program ended the run; nobody is left to tell.
    return runner_.isShutDown() ? RunReport(RunReport::Kind::Extraction, 0) : report;
}
