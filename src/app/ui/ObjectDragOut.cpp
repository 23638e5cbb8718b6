#include "app/ui/ObjectDragOut.h"

#include "app/core/AppSettings.h"
#include "app/ui/ObjectList.h"
#include "archive/core/ExtractionJob.h"
#include "archive/core/RunDriver.h"
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
                             const AppSettings& settings, MessageBoxes& messages, QObject* parent)
    : QObject(parent)
    , list_(list)
    , runner_(runner)
    , vols_(vols)
    , settings_(settings)
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
    RunDriver driver(runner_, job, RunReport::Kind::Extraction, settings_.parallelRuns());
    const RunReport report = driver.run(RunDriver::objects(names));
    if (runner_.isShutDown())
        return nullptr;
    // The objects after a tool that could not start are not named: they were not tried.
    QStringList failures;
    QList<bool> written(names.size(), true);
    for (const RunReport::Failure& failure : report.failures()) {
        written[failure.row] = false;
        if (failure.step != RunReport::Step::NotDone)
            failures.append(tr("%1: %2").arg(names.at(failure.row), failure.reason));
    }
    QList<QUrl> urls;
    for (qsizetype row = 0; row < names.size(); ++row) {
        if (written.at(row))
            urls.append(QUrl::fromLocalFile(folder + QLatin1Char('/') + names.at(row)));
    }
    if (!failures.isEmpty())
        messages_.warn(&list_, tr("These objects could not be dragged out:\n%1").arg(failures.join(u'\n')));
    if (urls.isEmpty())
        return nullptr;
    auto* data = new QMimeData;
    data->setUrls(urls);
    return data;
}
