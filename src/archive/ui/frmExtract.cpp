#include "archive/ui/frmExtract.h"

#include "archive/core/ExtractionJob.h"
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
                       const QString& destFolder, ToolRunner& runner, const Seams& seams)
    : ProgressDialog(owner, tr("Extract Files"), 4215, 1095, runner)
    , vol_(vol)
    , rows_(rows)
    , destFolder_(destFolder)
    , runner_(runner)
    , seams_(seams)
    , lblProgress(new QLabel(QStringLiteral("File # of ##"), this))
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

namespace {

void record(RunReport& report, int row, const QString& name, ExtractionJob::Outcome outcome,
            const QString& error)
{
    using Step = RunReport::Step;
    switch (outcome) {
    case ExtractionJob::Outcome::Written:
        report.addDone();
        break;
    case ExtractionJob::Outcome::Refused:
        report.addFailure(row, name, Step::RefusedName, error);
        break;
    case ExtractionJob::Outcome::NotWritten:
        report.addFailure(row, name, Step::ToolWroteNothing, frmExtract::tr("the tool wrote no file"));
        break;
    case ExtractionJob::Outcome::ToolFailed:
        report.addFailure(row, name, Step::ToolWroteNothing, error);
        break;
    case ExtractionJob::Outcome::CannotWrite:
        report.addFailure(row, name, Step::CannotWrite, error);
        break;
    case ExtractionJob::Outcome::CannotStart:
        report.addFailure(row, name, Step::CannotStart, error);
        break;
    }
}

} // namespace

RunReport frmExtract::extractRows(const QList<int>& rows)
{
    const int total = int(rows.size());
    RunReport report(RunReport::Kind::Extraction, total);
    ExtractionJob job(runner_, destFolder_);
    if (!job.begin(vol_.FilePath)) {
        seams_.messages.warn(this, job.error());
        return report;
    }
    ProgressBar1->setValue(0);
    QString stopped; // why the objects left are not done, once the run has stopped
    for (int done = 1; done <= total; ++done) {
        const int row = rows.at(done - 1);
        const QString name = vol_.ObjectNames.value(row);
        if (stopped.isEmpty() && isCancelled())
            stopped = tr("cancelled");
        if (!stopped.isEmpty()) {
            report.addFailure(row, name, RunReport::Step::NotDone, stopped);
            continue;
        }
        lblProgress->setText(progressText(done, total));
        const ExtractionJob::Outcome outcome = job.extract(name);
        // Closing the program ended the run; nobody is left to tell.
        if (runner_.isShutDown())
            return RunReport(RunReport::Kind::Extraction, 0);
        if (endedTool())
            report.addFailure(row, name, RunReport::Step::NotDone, tr("cancelled; its tool was ended"));
        else
            record(report, row, name, outcome, job.error());
        if (outcome == ExtractionJob::Outcome::CannotStart)
            stopped = tr("not tried, as the tool could not start");
        ProgressBar1->setValue(progressValue(done, total));
    }
    if (isCancelled())
        report.markCancelled();
    return report;
}
