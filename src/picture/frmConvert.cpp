#include "picture/frmConvert.h"

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
                       MessageBoxes& messages)
    : ProgressDialog(owner, tr("Convert Picture"), 4215, 1095)
    , job_(job)
    , runner_(runner)
    , pictures_(pictures)
    , messages_(messages)
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

// A refused picture is still copied, as it was extracted. Returns the failure to list, if any.
QString frmConvert::convertAndCopy(const QString& name, const QString& picture)
{
    PicturePrompts prompts(messages_, this);
    PictureConversion conversion(pictures_);
    const PictureConversion::Report report = prompts.convert(conversion, job_.conversion);
    prompts.show(report.messages);
    const QString target = job_.destFolder + QDir::separator() + name;
    if (FileSystem::fileExists(picture) && !FileSystem::copyReplacing(picture, target))
        return tr("%1: cannot write %2").arg(name, QDir::toNativeSeparators(target));
    if (report.outcome == PictureConversion::Outcome::Refused)
        return tr("%1: copied unconverted, because %2").arg(name, report.refusal);
    return {};
}

void frmConvert::work()
{
    if (const QString error = ExtractionJob::prepare(runner_, job_.destFolder, job_.vol.FilePath);
        !error.isEmpty()) {
        messages_.warn(this, error);
        return;
    }
    const int objects = int(job_.rows.size());
    // Each object is two units of progress: its extraction, then its conversion.
    step_ = 100.0f / float(2 * objects);
    const QString picture = runner_.workFolder().picture();
    QStringList failures;
    int units = 0;
    for (const int row : job_.rows) {
        const QString name = job_.vol.ObjectNames.value(row);
        if (!name.endsWith(QLatin1String("bmp"), Qt::CaseInsensitive)) {
            const MessageBoxes::Answer answer = messages_.show(
                this, MessageBoxes::programTitle(),
                tr("%1 is not a bitmap file do you want to skip this file and continue with the rest.")
                    .arg(name),
                MessageBoxes::Buttons::YesNoCancel, MessageBoxes::Icon::Question);
            if (answer == MessageBoxes::Answer::Cancel)
                break;
            if (answer == MessageBoxes::Answer::Yes) {
                units += 2;
                continue;
            }
        }
        if (const QString refusal = ObjectName::refusal(name); !refusal.isEmpty()) {
            failures.append(tr("%1: refused, because %2").arg(name, refusal));
            units += 2;
            continue;
        }
        ++units;
        const int position = (units + 1) / 2;
        showStatus(statusText(QT_TR_NOOP("Extracting file %1 of %2"), position, objects));
        // An earlier object's picture must never pass for this one's.
        FileSystem::deleteFileIfExists(picture);
        const bool ran =
            runner_.RunToolScript(ToolCommands::extractScript,
                                  ToolCommands::extractLine(name, QLatin1String(WorkFolder::pictureName)));
        // Closing the program ended the run; nobody is left to tell.
        if (runner_.isShutDown())
            return;
        if (!ran) {
            messages_.warn(this, runner_.lastError());
            break;
        }
        showProgress(units);
        showStatus(statusText(QT_TR_NOOP("Converting file %1 of %2"), position, objects));
        ++units;
        if (!FileSystem::fileExists(picture)) {
            failures.append(tr("%1: the tool wrote no file").arg(name));
            showProgress(units);
            continue;
        }
        if (const QString failure = convertAndCopy(name, picture); !failure.isEmpty())
            failures.append(failure);
        showProgress(units);
    }
    reportFailures(messages_, failures, [](qsizetype count) {
        return count == 1 ? tr("1 object could not be converted:")
                          : tr("%1 objects could not be converted:").arg(count);
    });
}
