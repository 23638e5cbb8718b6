#pragma once

#include "archive/core/ArchiveCache.h"
#include "archive/core/ListingJob.h"
#include "archive/core/NamePattern.h"
#include "archive/core/ScriptSearch.h"

#include <QObject>
#include <QPointer>
#include <functional>

class RunDriver;
class ToolRunner;

// A search over many archives: lists them, several tools at once through the run driver and from the
// cache where it can, then finds the objects whose names match a pattern, or the lines of their
// scripts that hold a text. It runs no window; an archive that cannot be listed and a script that
// cannot be read are rows of their own with the reason.
class ArchiveSearch : public QObject {
    Q_OBJECT

public:
    // The configured tools, which the cache's keys name.
    struct Tools {
        QString listing;
        QString extraction;
    };
    // One object whose name matches; or, with a problem, an archive that could not be listed.
    struct FoundObject {
        QString archive; // as the search shows it: relative to the folder, or as given
        QString path;    // to open it by
        QString object;
        int order = 0; // in the archive's listing
        QString problem;
        bool operator==(const FoundObject&) const = default;
    };
    // One line of a script that holds the text; or, with a problem, an archive or script not read.
    struct FoundLine {
        QString archive;
        QString path;
        QString script;
        ScriptSearch::LineMatch match;
        QString problem;
        bool operator==(const FoundLine&) const = default;
    };

    // Found objects of one archive, as a command over objects takes them.
    struct ArchiveObjects {
        QString path;
        QStringList names; // the archive's listing
        QList<int> rows;   // of the objects, in the listing
        QString destination;
        bool operator==(const ArchiveObjects&) const = default;
    };

    ArchiveSearch(ToolRunner& runner, const ArchiveCache& cache, const Tools& tools, int parallelRuns);
    ~ArchiveSearch() override;

    using ListedVisitor = std::function<void(ListingJob::Listed&)>;
    // Every archive listed, in the order given; stops early on cancel(). Each is handed to `listed` as
    // soon as it and those before it are done, while the tools list the rest.
    QList<ListingJob::Listed> list(const QList<ArchiveFolder::Found>& archives,
                                   const ListedVisitor& listed = {});
    using FoundVisitor = std::function<void(const FoundObject&)>;
    // The archives in `folder` listed, and each object whose name matches handed to `found` in the
    // order of the archives' relative paths and then of the archives' own. Neither the rows nor the
    // listings are kept, so that one archive's memory serves the next: the tens of thousands of rows of
    // a whole game would each take new memory, which costs more than matching them.
    void find(const QString& folder, bool includeSubfolders, const NamePattern& pattern,
              const FoundVisitor& found);
    // The rows of one archive listed, handed over one by one; or those of many, all together.
    static void visitMatches(const ListingJob::Listed& archive, const NamePattern& pattern,
                             const FoundVisitor& found);
    static QList<FoundObject> matches(const QList<ListingJob::Listed>& listed, const NamePattern& pattern);
    // The lines that hold the search's text in every ".cs" and ".txt" object of the archives, in the
    // order of the archives, then of their objects, then of the lines.
    QList<FoundLine> searchScripts(const QList<ListingJob::Listed>& listed, const ScriptSearch& search);

    // The rows (problems left out) by archive, in the order of the archives' first rows; `listed`
    // gives each archive's names. Rows of several archives go to one subfolder of `destination` per
    // archive, named after its file name without ".vol" (with a number for a name taken before), so
    // that objects of one name never meet.
    static QList<ArchiveObjects> byArchive(const QList<FoundObject>& rows,
                                           const QList<ListingJob::Listed>& listed,
                                           const QString& destination);

    // No further tool starts; those running are ended as the driver ends them.
    void cancel();
    bool isCancelled() const { return cancelled_; }

signals:
    // `done` of `total` archives listed, or scripts read.
    void progressed(int done, int total);

private:
    // Runs the step over the names, with progress counted on from `done` of `total`; `finished` is
    // told each name's position (from 1) once its result is in the driver's report.
    RunReport runOver(RunStep& step, const QStringList& names, int done, int total,
                      const std::function<void(int position, const RunReport& report)>& finished = {});

    ToolRunner& runner_;
    const ArchiveCache& cache_;
    Tools tools_;
    int parallelRuns_;
    QPointer<RunDriver> driver_;
    bool cancelled_ = false;
};
