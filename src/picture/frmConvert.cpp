#include "picture/frmConvert.h"

#include "archive/BatchReport.h"
#include "archive/ExtractionJob.h"
#include "archive/ObjectName.h"
#include "archive/ToolCommands.h"
#include "archive/ToolRunner.h"
#include "archive/VolTable.h"
#include "picture/PicturePrompts.h"
#include "platform/FileSystem.h"
#include "platform/MessageBoxes.h"
#include "platform/Twips.h"

#include <QDir>
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
void frmConvert::convertAndCopy(BatchReport& report, int row, const QString& name, const QString& picture)
{
    using Step = BatchReport::Step;
    PicturePrompts prompts(seams_.messages, this);
    PictureConversion conversion(pictures_);
    const PictureConversion::Report converted = prompts.convert(conversion, job_.conversion);
    prompts.show(converted.messages);
    const PictureExport::Delivery delivered =
        FileSystem::fileExists(picture) ? job_.conversion.exportAs.deliver(picture, job_.destFolder, name)
                                        : PictureExport::Delivery{{}, true};
    if (!delivered.written)
        report.addFailure(row, name, Step::CannotWrite,
                          tr("cannot write %1").arg(QDir::toNativeSeparators(delivered.target)));
    else if (converted.outcome == PictureConversion::Outcome::Refused)
        report.addFailure(row, name, converted.unwritten ? Step::CannotWrite : Step::NotAPicture,
                          tr("copied unconverted, because %1").arg(converted.refusal));
    else if (!converted.paletteProblem.isEmpty())
        report.addFailure(row, name, Step::PaletteMissing, converted.paletteProblem);
    else
        report.addDone();
}

frmConvert::Next frmConvert::askAboutName(BatchReport& report, int row, const QString& name)
{
    if (!name.endsWith(QLatin1String("bmp"), Qt::CaseInsensitive)) {
        const MessageBoxes::Answer answer = seams_.messages.show(
            this, MessageBoxes::programTitle(),
            tr("%1 is not a bitmap file do you want to skip this file and continue with the rest.").arg(name),
            MessageBoxes::Buttons::YesNoCancel, MessageBoxes::Icon::Question);
        if (answer == MessageBoxes::Answer::Cancel)
            return Next::Stop;
        if (answer == MessageBoxes::Answer::Yes) {
            report.addSkipped();
            return Next::Skip;
        }
    }
    if (const QString refusal = ObjectName::refusal(name); !refusal.isEmpty()) {
        report.addFailure(row, name, BatchReport::Step::RefusedName, refusal);
        return Next::Skip;
    }
    return Next::Convert;
}

frmConvert::Next frmConvert::convertObject(BatchReport& report, int row, const QString& name, int objects)
{
    using Step = BatchReport::Step;
    const QString picture = runner_.workFolder().picture();
    ++units_;
    const int position = (units_ + 1) / 2;
    showStatus(statusText(QT_TR_NOOP("Extracting file %1 of %2"), position, objects));
    // An earlier object's picture must never pass for this one's.
    FileSystem::deleteFileIfExists(picture);
    const bool ran = runner_.RunToolScript(
        ToolCommands::extractScript, ToolCommands::extractLine(name, QLatin1String(WorkFolder::pictureName)));
    if (runner_.isShutDown())
        return Next::Stop;
    if (!ran) {
        report.addFailure(row, name, Step::CannotStart, runner_.lastError());
        return Next::Stop;
    }
    if (endedTool()) {
        report.addFailure(row, name, Step::NotDone, tr("cancelled; its tool was ended"));
        return Next::Convert;
    }
    showProgress(units_);
    showStatus(statusText(QT_TR_NOOP("Converting file %1 of %2"), position, objects));
    ++units_;
    if (FileSystem::fileExists(picture))
        convertAndCopy(report, row, name, picture);
    else
        report.addFailure(row, name, Step::ToolWroteNothing, tr("the tool wrote no file"));
    showProgress(units_);
    return Next::Convert;
}

void frmConvert::work()
{
    for (QList<int> rows = job_.rows; !rows.isEmpty();)
        rows = endOfPass(convertRows(rows), seams_.runModal);
}

BatchReport frmConvert::convertRows(const QList<int>& rows)
{
    const int objects = int(rows.size());
    BatchReport report(BatchReport::Kind::Conversion, objects);
    if (const QString error = ExtractionJob::prepare(runner_, job_.destFolder, job_.vol.FilePath);
        !error.isEmpty()) {
        seams_.messages.warn(this, error);
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
            report.addFailure(row, name, BatchReport::Step::NotDone, stopped);
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
                return BatchReport(BatchReport::Kind::Conversion, 0);
            stopped = tr("not tried, as the tool could not start");
        }
    }
    if (isCancelled())
        report.markCancelled();
    return report;
}
