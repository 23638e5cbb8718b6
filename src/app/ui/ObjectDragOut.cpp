#include "app/ui/ObjectDragOut.h"

#include "app/ui/ObjectList.h"
#include "archive/core/ExtractionJob.h"
#include "archive/core/ToolRunner.h"
#include "archive/core/VolTable.h"
#include "platform/ui/BusyCursor.h"
#include "platform/ui/MessageBoxes.h"

#include <QDir>
#include <QFileInfo>
#include <QMimeData>
#include <QTemporaryDir>
#include <QUrl>

ObjectDragOut::ObjectDragOut(ObjectList& list, ToolRunner& runner, const VolTable& vols,
                             MessageBoxes& messages, QObject* parent)
    : QObject(parent)
    , list_(list)
    , runner_(runner)
    , vols_(vols)
    , messages_(messages)
{
    list_.setDragData([this](const QList<int>& rows) { return dragData(rows); });
}

ObjectDragOut::~ObjectDragOut() = default;

QString ObjectDragOut::stagingFolder()
{
    const WorkFolder& work = runner_.workFolder();
    if (!work.isUsable())
        return {};
    if (staging_ && QFileInfo(staging_->path()).absolutePath() == QFileInfo(work.path()).absoluteFilePath() &&
        QFileInfo(staging_->path()).isDir())
        return staging_->path();
    // A name of its own each run, so that a second program never offers this one's files.
    staging_ = std::make_unique<QTemporaryDir>(work.file(QStringLiteral("dragged-XXXXXX")));
    return staging_->isValid() ? staging_->path() : QString();
}

QMimeData* ObjectDragOut::dragData(const QList<int>& rows)
{
    const VolRecord* vol = vols_.record(vols_.CurrentVol);
    if (!vol || rows.isEmpty() || runner_.isBusy())
        return nullptr;
    // Copied, as the archive table may grow while the tool is waited for.
    const QString volPath = vol->FilePath;
    QStringList names;
    for (const int row : rows)
        names.append(vol->ObjectNames.value(row));
    const QString folder = stagingFolder();
    if (folder.isEmpty()) {
        messages_.warn(&list_, tr("Cannot make a folder for the dragged objects in the working folder "
                                  "\"%1\". Choose another working folder in the options.")
                                   .arg(QDir::toNativeSeparators(runner_.workFolder().path())));
        return nullptr;
    }
    const BusyCursor busy;
    ExtractionJob job(runner_, folder);
    if (!job.begin(volPath)) {
        messages_.warn(&list_, job.error());
        return nullptr;
    }
    QList<QUrl> urls;
    QStringList failures;
    for (const QString& name : names) {
        const ExtractionJob::Outcome outcome = job.extract(name);
        if (runner_.isShutDown())
            return nullptr;
        if (outcome == ExtractionJob::Outcome::Written)
            urls.append(QUrl::fromLocalFile(folder + QLatin1Char('/') + name));
        else
            failures.append(
                tr("%1: %2").arg(name, job.error().isEmpty() ? tr("the tool wrote no file") : job.error()));
        if (outcome == ExtractionJob::Outcome::CannotStart)
            break;
    }
    if (!failures.isEmpty())
        messages_.warn(&list_, tr("These objects could not be dragged out:\n%1").arg(failures.join(u'\n')));
    if (urls.isEmpty())
        return nullptr;
    auto* data = new QMimeData;
    data->setUrls(urls);
    return data;
}
