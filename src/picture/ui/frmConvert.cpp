#include "picture/ui/frmConvert.h"

#include "archive/core/RunDriver.h"
#include "archive/core/RunReport.h"
#include "archive/core/ToolRunner.h"
#include "archive/core/VolTable.h"
#include "picture/ui/PicturePrompts.h"
#include "platform/ui/MessageBoxes.h"
#include "platform/ui/Twips.h"

#include <QLabel>
#include <QProgressBar>
#include <cmath>

namespace {
// The bar counts hundredths of a per cent, so that its steps are as exact as the work's.
constexpr int barScale = 100;
} // namespace

frmConvert::frmConvert(QWidget* owner, const Job& job, ToolRunner& runner, PictureState& pictures,
                       const Seams& seams)
    : ProgressDialog(owner, tr("Convert Picture"), 4215, 1095, runner)
    , job_(job)
    , runner_(runner)
    , pictures_(pictures)
    , seams_(seams)
    , conversion_(runner, pictures, job.destFolder, job.conversion)
    , lblStatus(new QLabel(tr("Extracting file # of #"), this))
    , ProgressBar1(new QProgressBar(this))
{
    setObjectName(QStringLiteral("frmConvert"));
    auto* Label1 = new QLabel(tr("Please wait converting picture..."), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Twips::place(Label1, 120, 120, 3960, 360);
    auto* Label2 = new QLabel(tr("Conversion progress:"), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Twips::place(Label2, 120, 480, 1455, 195);
    lblStatus->setObjectName(QStringLiteral("lblStatus"));
    Twips::place(lblStatus, 1680, 480, 2415, 195);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setRange(0, 100 * barScale);
    ProgressBar1->setValue(0);
    Twips::place(ProgressBar1, 120, 720, 3975, 255);
    Twips::fitCaptions({Label1, Label2, lblStatus});
}

QString frmConvert::statusText(const char* step, int position, int count)
{
    return tr(step).arg(position).arg(count);
}

void frmConvert::showStatus(const QString& text)
{
    lblStatus->setText(text);
    emit statusShown(text);
}

void frmConvert::showProgress(int units)
{
    ProgressBar1->setValue(int(std::lround(std::min(100.0f, float(units) * step_) * barScale)));
}

bool frmConvert::asks(const QString& objectName) const
{
    return !objectName.endsWith(QLatin1String("bmp"), Qt::CaseInsensitive);
}

RunStep::Plan frmConvert::plan(const QString& objectName, const RunSlot& slot)
{
    if (asks(objectName)) {
        const MessageBoxes::Answer answer = seams_.messages.show(
            this, MessageBoxes::programTitle(),
            tr("%1 is not a bitmap file do you want to skip this file and continue with the rest.")
                .arg(objectName),
            MessageBoxes::Buttons::YesNoCancel, MessageIcon::Question);
        if (answer == MessageBoxes::Answer::Cancel)
            return Plan::of(Plan::Kind::EndRun);
        if (answer == MessageBoxes::Answer::Yes)
            return Plan::of(Plan::Kind::Skip);
    }
    return conversion_.extraction(objectName, slot);
}

RunStep::Result frmConvert::finish(const QString& objectName, const RunSlot& slot)
{
    if (const QString error = conversion_.take(slot); !error.isEmpty())
        return Result::failed(RunReport::Step::CannotWrite, error);
    PicturePrompts prompts(seams_.messages, this);
    PictureConversion conversion(pictures_);
    const PictureConversion::Report converted = prompts.convert(conversion, job_.conversion);
    prompts.show(converted.messages);
    const ConversionJob::Copied copied = conversion_.copy(objectName, converted);
    if (copied.outcome != ConversionJob::Copied::Outcome::Written)
        return Result::failed(ConversionJob::failedStep(copied, converted), copied.error);
    if (!converted.paletteProblem.isEmpty())
        return Result::failed(RunReport::Step::PaletteMissing, converted.paletteProblem);
    return {};
}

void frmConvert::work()
{
    for (QList<int> rows = job_.rows; !rows.isEmpty();)
        rows = endOfPass(convertRows(rows), seams_.runModal);
}

void frmConvert::stopWork()
{
    if (driver_)
        driver_->cancel();
}

// Each object is two units of progress: its extraction, then its conversion. An object skipped, or
// whose tool did not run to its end, leaves the bar where it is.
void frmConvert::showPhase(int position, int objects, RunDriver::Phase phase)
{
    switch (phase) {
    case RunDriver::Phase::Begun:
        break;
    case RunDriver::Phase::Tool:
        showStatus(statusText(QT_TR_NOOP("Extracting file %1 of %2"), position, objects));
        break;
    case RunDriver::Phase::Finishing:
        finishing_ = position;
        showProgress(2 * position - 1);
        showStatus(statusText(QT_TR_NOOP("Converting file %1 of %2"), position, objects));
        break;
    case RunDriver::Phase::Done:
        if (finishing_ == position)
            showProgress(2 * position);
        break;
    }
}

RunReport frmConvert::convertRows(const QList<int>& rows)
{
    const int objects = int(rows.size());
    if (!conversion_.begin(job_.vol.FilePath)) {
        seams_.messages.warn(this, conversion_.error());
        return RunReport(RunReport::Kind::Conversion, objects);
    }
    step_ = 100.0f / float(2 * objects);
    finishing_ = 0;
    ProgressBar1->setValue(0);
    RunDriver driver(runner_, *this, RunReport::Kind::Conversion, job_.parallelRuns);
    connect(&driver, &RunDriver::progressed, this,
            [this, objects](int position, RunDriver::Phase phase) { showPhase(position, objects, phase); });
    if (isCancelled())
        driver.cancel();
    driver_ = &driver;
    const RunReport report = driver.run(RunDriver::objects(job_.vol.ObjectNames, rows));
    driver_ = nullptr;
    // Closing the program ended the run; nobody is left to tell.
    return runner_.isShutDown() ? RunReport(RunReport::Kind::Conversion, 0) : report;
}
