#include "archive/frmExtract.h"

#include "archive/ExtractionJob.h"
#include "archive/ToolRunner.h"
#include "archive/VolTable.h"
#include "platform/MessageBoxes.h"
#include "platform/Twips.h"

#include <QLabel>
#include <QProgressBar>
#include <algorithm>
#include <cmath>

frmExtract::frmExtract(QWidget* owner, const VolRecord& vol, const QList<int>& rows,
                       const QString& destFolder, ToolRunner& runner, MessageBoxes& messages)
    : ProgressDialog(owner, tr("Extract Files"), 4215, 1095)
    , vol_(vol)
    , rows_(rows)
    , destFolder_(destFolder)
    , runner_(runner)
    , messages_(messages)
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
    ExtractionJob job(runner_, destFolder_);
    if (!job.begin(vol_.FilePath)) {
        messages_.warn(this, job.error());
        return;
    }
    const int total = int(rows_.size());
    QStringList failures;
    for (int done = 1; done <= total; ++done) {
        lblProgress->setText(progressText(done, total));
        const int row = rows_.at(done - 1);
        const QString name = vol_.ObjectNames.value(row);
        const ExtractionJob::Outcome outcome = job.extract(name);
        // Closing the program ended the run; nobody is left to tell.
        if (runner_.isShutDown())
            return;
        switch (outcome) {
        case ExtractionJob::Outcome::Written:
            break;
        case ExtractionJob::Outcome::Refused:
            failures.append(tr("%1: refused, because %2").arg(name, job.error()));
            break;
        case ExtractionJob::Outcome::NotWritten:
            failures.append(tr("%1: the tool wrote no file").arg(name));
            break;
        case ExtractionJob::Outcome::ToolFailed:
        case ExtractionJob::Outcome::CannotWrite:
            failures.append(tr("%1: %2").arg(name, job.error()));
            break;
        case ExtractionJob::Outcome::CannotStart:
            messages_.warn(this, job.error());
            return;
        }
        ProgressBar1->setValue(progressValue(done, total));
    }
    reportFailures(messages_, failures, [](qsizetype count) {
        return count == 1 ? tr("1 object could not be extracted:")
                          : tr("%1 objects could not be extracted:").arg(count);
    });
}
