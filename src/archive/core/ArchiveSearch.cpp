#include "archive/core/ArchiveSearch.h"

#include "archive/core/ExtractionJob.h"
#include "archive/core/ObjectName.h"
#include "archive/core/RunDriver.h"
#include "archive/core/ScriptJob.h"
#include "archive/core/ToolRunner.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>

namespace {

QString notDone(RunReport::Stop stop)
{
    const QString reason = RunReport::notDoneReason(stop);
    return reason.isEmpty() ? ArchiveSearch::tr("not read") : ArchiveSearch::tr("not read: %1").arg(reason);
}

} // namespace

ArchiveSearch::ArchiveSearch(ToolRunner& runner, const ArchiveCache& cache, const Tools& tools,
                             int parallelRuns)
    : runner_(runner)
    , cache_(cache)
    , tools_(tools)
    , parallelRuns_(parallelRuns)
{
}

ArchiveSearch::~ArchiveSearch() = default;

RunReport ArchiveSearch::runOver(RunStep& step, const QStringList& names, int done, int total,
                                 const std::function<void(int position, const RunReport& report)>& finished)
{
    RunDriver driver(runner_, step, RunReport::Kind::Extraction, parallelRuns_);
    driver_ = &driver;
    if (cancelled_)
        driver.cancel();
    connect(&driver, &RunDriver::progressed, this, [&](int position, RunDriver::Phase phase) {
        if (phase != RunDriver::Phase::Done)
            return;
        if (finished)
            finished(position, driver.report());
        emit progressed(done + position, total);
    });
    RunReport report = driver.run(RunDriver::objects(names));
    driver_ = nullptr;
    return report;
}

QList<ListingJob::Listed> ArchiveSearch::list(const QList<ArchiveFolder::Found>& archives,
                                              const ListedVisitor& listed)
{
    ListingJob job(runner_, cache_, tools_.listing);
    job.setArchives(archives);
    QStringList positions;
    for (qsizetype index = 0; index < archives.size(); ++index)
        positions.append(QString::number(index));
    qsizetype concluded = 0;
    const auto conclude = [&](qsizetype upTo, const RunReport& report) {
        for (; concluded < upTo; ++concluded) {
            ListingJob::Listed& archive = job.listedAt(concluded);
            // Whatever the driver stopped or could not start is a row with its reason, never a gap.
            const auto failure =
                std::find_if(report.failures().cbegin(), report.failures().cend(),
                             [&](const RunReport::Failure& failed) { return failed.row == concluded; });
            if (failure != report.failures().cend() && archive.problem.isEmpty()) {
                archive.names.clear();
                archive.problem =
                    failure->step == RunReport::Step::NotDone ? notDone(failure->stop) : failure->reason;
            }
            if (listed)
                listed(archive);
        }
    };
    emit progressed(0, int(archives.size()));
    const RunReport report =
        runOver(job, positions, 0, int(archives.size()),
                [&](int position, const RunReport& sofar) { conclude(position, sofar); });
    // Those after a stop were never done.
    conclude(archives.size(), report);
    return job.listed();
}

void ArchiveSearch::find(const QString& folder, bool includeSubfolders, const NamePattern& pattern,
                         const FoundVisitor& found)
{
    list(ArchiveFolder::find(folder, includeSubfolders), [&](ListingJob::Listed& archive) {
        visitMatches(archive, pattern, found);
        archive.names = QStringList();
    });
}

void ArchiveSearch::visitMatches(const ListingJob::Listed& archive, const NamePattern& pattern,
                                 const FoundVisitor& found)
{
    // One row, refilled: the archive's texts are shared by its rows, not copied for each.
    FoundObject row{archive.archive.relativePath, archive.archive.path, {}, 0, archive.problem};
    if (!archive.problem.isEmpty()) {
        found(row);
        return;
    }
    for (qsizetype order = 0; order < archive.names.size(); ++order) {
        if (pattern.matches(archive.names.at(order))) {
            row.object = archive.names.at(order);
            row.order = int(order);
            found(row);
        }
    }
}

QList<ArchiveSearch::FoundObject> ArchiveSearch::matches(const QList<ListingJob::Listed>& listed,
                                                         const NamePattern& pattern)
{
    QList<FoundObject> rows;
    qsizetype names = 0;
    for (const ListingJob::Listed& archive : listed)
        names += std::max(archive.names.size(), qsizetype(1));
    rows.reserve(names);
    for (const ListingJob::Listed& archive : listed)
        visitMatches(archive, pattern, [&rows](const FoundObject& row) { rows.append(row); });
    return rows;
}

QList<ArchiveSearch::FoundLine> ArchiveSearch::searchScripts(const QList<ListingJob::Listed>& listed,
                                                             const ScriptSearch& search)
{
    QList<QStringList> scripts;
    int total = 0;
    for (const ListingJob::Listed& archive : listed) {
        QStringList names;
        for (const QString& name : archive.names) {
            if (ObjectName::isScriptText(name) && !names.contains(name))
                names.append(name);
        }
        scripts.append(names);
        total += int(names.size());
    }
    emit progressed(0, total);
    QList<FoundLine> lines;
    int done = 0;
    for (qsizetype index = 0; index < listed.size(); ++index) {
        const ListingJob::Listed& archive = listed.at(index);
        const QString& shown = archive.archive.relativePath;
        const QString& path = archive.archive.path;
        if (!archive.problem.isEmpty()) {
            lines.append({shown, path, {}, {}, archive.problem});
            continue;
        }
        const QStringList& names = scripts.at(index);
        if (names.isEmpty() || cancelled_)
            continue;
        ScriptJob job(runner_, cache_, path, tools_.extraction);
        if (const QString error = ExtractionJob::prepareStaging(runner_, path); !error.isEmpty()) {
            lines.append({shown, path, {}, {}, error});
            done += int(names.size());
            continue;
        }
        const RunReport report = runOver(job, names, done, total);
        done += int(names.size());
        QHash<QString, QString> problems;
        for (const RunReport::Failure& failure : report.failures())
            problems.insert(names.at(failure.row), failure.step == RunReport::Step::NotDone
                                                       ? notDone(failure.stop)
                                                       : failure.reason);
        for (const QString& name : names) {
            if (problems.contains(name)) {
                lines.append({shown, path, name, {}, problems.value(name)});
                continue;
            }
            for (const ScriptSearch::LineMatch& match : search.find(job.scripts().value(name)))
                lines.append({shown, path, name, match, {}});
        }
    }
    return lines;
}

QList<ArchiveSearch::ArchiveObjects> ArchiveSearch::byArchive(const QList<FoundObject>& rows,
                                                              const QList<ListingJob::Listed>& listed,
                                                              const QString& destination)
{
    QList<ArchiveObjects> archives;
    for (const FoundObject& row : rows) {
        if (!row.problem.isEmpty())
            continue;
        auto archive = std::find_if(archives.begin(), archives.end(), [&row](const ArchiveObjects& objects) {
            return objects.path == row.path;
        });
        if (archive == archives.end()) {
            const auto listing =
                std::find_if(listed.cbegin(), listed.cend(),
                             [&row](const ListingJob::Listed& one) { return one.archive.path == row.path; });
            archives.append(
                {row.path, listing == listed.cend() ? QStringList() : listing->names, {}, destination});
            archive = archives.end() - 1;
        }
        if (!archive->rows.contains(row.order))
            archive->rows.append(row.order);
    }
    if (archives.size() > 1) {
        // Archives of one name in different folders get "NAME (2)" and on, in any case, as the
        // destination may lie on a file system that ignores it.
        QStringList taken;
        for (ArchiveObjects& archive : archives) {
            QString name = QFileInfo(archive.path).fileName();
            if (name.size() > 4 && name.endsWith(QLatin1String(".vol"), Qt::CaseInsensitive))
                name.chop(4);
            QString folder = name;
            for (int number = 2; taken.contains(folder, Qt::CaseInsensitive); ++number)
                folder = QStringLiteral("%1 (%2)").arg(name).arg(number);
            taken.append(folder);
            archive.destination = QDir(destination).filePath(folder);
        }
    }
    return archives;
}

void ArchiveSearch::cancel()
{
    cancelled_ = true;
    if (driver_)
        driver_->cancel();
}
