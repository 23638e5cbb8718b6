#include "picture/ui/frmConvert.h"

#include "archive/core/ObjectName.h"
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

// A refused picture is still copied, as it was extracted.
void frmConvert::convertAndCopy(RunReport& report, int row, const QString& name)
{
    using Step = RunReport::Step;
    PicturePrompts prompts(seams_.messages, this);
    PictureConversion conversion(pictures_);
    const PictureConversion::Report converted = prompts.convert(conversion, job_.conversion);
    prompts.show(converted.messages);
    const ConversionJob::Result copied = conversion_.copy(name, converted);
    if (copied.outcome == ConversionJob::Outcome::CannotWrite)
        report.addFailure(row, name, Step::CannotWrite, copied.error);
    else if (copied.outcome == ConversionJob::Outcome::Unreadable)
        report.addFailure(row, name, Step::NotAPicture, copied.error);
    else if (copied.outcome == ConversionJob::Outcome::CopiedUnconverted)
        report.addFailure(row, name, converted.unwritten ? Step::CannotWrite : Step::NotAPicture,
                          copied.error);
    else if (!converted.paletteProblem.isEmpty())
        report.addFailure(row, name, Step::PaletteMissing, converted.paletteProblem);
    else
        report.addDone();
}

frmConvert::Next frmConvert::askAboutName(RunReport& report, int row, const QString& name)
{
    if (!name.endsWith(QLatin1String("bmp"), Qt::CaseInsensitive)) {
        const MessageBoxes::Answer answer = seams_.messages.show(
            this, MessageBoxes::programTitle(),
            tr("%1 is not a bitmap file do you want to skip this file and continue with the rest.").arg(name),
            MessageBoxes::Buttons::YesNoCancel, MessageIcon::Question);
        if (answer == MessageBoxes::Answer::Cancel)
            return Next::Stop;
        if (answer == MessageBoxes::Answer::Yes) {
            report.addSkipped();
            return Next::Skip;
        }
    }
    if (const QString refusal = ObjectName::refusal(name); !refusal.isEmpty()) {
        report.addFailure(row, name, RunReport::Step::RefusedName, refusal);
        return Next::Skip;
    }
    return Next::Convert;
}

frmConvert::Next frmConvert::convertObject(RunReport& report, int row, const QString& name, int objects)
{
    using Step = RunReport::Step;
    ++units_;
    const int position = (units_ + 1) / 2;
    showStatus(statusText(QT_TR_NOOP("Extracting file %1 of %2"), position, objects));
    const ConversionJob::Result extracted = conversion_.extract(name);
    if (runner_.isShutDown())
        return Next::Stop;
    if (extracted.outcome == ConversionJob::Outcome::CannotStart) {
        report.addFailure(row, name, Step::CannotStart, extracted.error);
        return Next::Stop;
    }
    if (endedTool()) {
        report.addFailure(row, name, Step::NotDone, tr("cancelled; its tool was ended"));
        return Next::Convert;
    }
    showProgress(units_);
    showStatus(statusText(QT_TR_NOOP("Converting file %1 of %2"), position, objects));
    ++units_;
    if (extracted.outcome == ConversionJob::Outcome::Written)
        convertAndCopy(report, row, name);
    else
        report.addFailure(row, name, Step::ToolWroteNothing, extracted.error);
    showProgress(units_);
    return Next::Convert;
}

void frmConvert::work()
{
    for (QList<int> rows = job_.rows; !rows.isEmpty();)
        rows = endOfPass(convertRows(rows), seams_.runModal);
}

RunReport frmConvert::convertRows(const QList<int>& rows)
{
    const int objects = int(rows.size());
    RunReport report(RunReport::Kind::Conversion, objects);
    if (!conversion_.begin(job_.vol.FilePath)) {
        seams_.messages.warn(this, conversion_.error());
        return report;
    }
    // Each object is two units of progress: its extraction, then its conversion.
    step_ = 100.0f / float(2 * objects);
    units_ = 0;
    ProgressBar1->setValue(0);
    QString stopped; // why the objects left are not done, once the run has stopped
    for (const int row : rows) {
        const QString name = job_.vol.ObjectNames.value(row);
        if (stopped.isEmpty() && isCancelled())
            stopped = tr("cancelled");
        if (!stopped.isEmpty()) {
            report.addFailure(row, name, RunReport::Step::NotDone, stopped);
            continue;
        }
        const Next next = askAboutName(report, row, name);
        if (next == Next::Stop)
            break;
        if (next == Next::Skip) {
            units_ += 2;
            continue;
        }
        if (convertObject(report, row, name, objects) == Next::Stop) {
            // Closing the program ended the run; nobody is left to tell.
            if (runner_.isShutDown())
                return RunReport(RunReport::Kind::Conversion, 0);
            stopped = tr("not tried, as the tool could not start");
        }
    }
    if (isCancelled())
        report.markCancelled();
    return report;
}
