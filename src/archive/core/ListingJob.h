#pragma once

#include "archive/core/ArchiveCache.h"
#include "archive/core/ArchiveFolder.h"
#include "archive/core/RunStep.h"

#include <QCoreApplication>
#include <QHash>
#include <QStringList>
#include <QThreadPool>

class ToolRunner;

// Lists many archives, one listing tool run each in the slot of the run: the archive is copied into
// the slot and listed there, as a single listing lists it in the working folder. A listing kept in the
// cache for the archive and the tool as they are now is taken without a tool; a fresh one is kept, on a
// thread of its own so that the next tool need not wait for it, and kept whole before the job is gone.
class ListingJob : public RunStep {
    Q_DECLARE_TR_FUNCTIONS(ListingJob)

public:
    // What became of one archive: its names in the archive's order, or why it has none.
    struct Listed {
        ArchiveFolder::Found archive;
        QStringList names;
        QString problem;
        bool fromCache = false;
    };

    // `listingTool` is the tool the cache's keys name (the configured one); the runner's working
    // folder holds the copy that runs.
    ListingJob(ToolRunner& runner, const ArchiveCache& cache, const QString& listingTool);

    // The archives to list; each run object is named by its position in this list.
    void setArchives(const QList<ArchiveFolder::Found>& archives);
    const QList<Listed>& listed() const { return listed_; }
    Listed& listedAt(qsizetype index) { return listed_[index]; }

    Plan plan(const QString& objectName, const RunSlot& slot) override;
    void toolEnded(const QString& objectName, const ToolRunner::ToolRun& run) override;
    Result finish(const QString& objectName, const RunSlot& slot) override;

private:
    Listed& entry(const QString& objectName) { return listed_[objectName.toInt()]; }

    ToolRunner& runner_;
    const ArchiveCache& cache_;
    QString listingTool_;
    QList<Listed> listed_;
    QHash<int, CacheFolder::Key> keys_;
    QHash<int, ToolRunner::ToolRun> runs_;
    QThreadPool keeping_; // last, so that its destructor waits for the entries while the rest still stands
};
