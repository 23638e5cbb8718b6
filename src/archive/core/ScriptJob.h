#pragma once

#include "archive/core/ArchiveCache.h"
#include "archive/core/RunStep.h"

#include <QCoreApplication>
#include <QHash>

class ToolRunner;

// Extracts the scripts of one archive into memory, one extraction tool run each, through the slot's
// staging folder as any extraction; a script kept in the cache for the archive, the object and the
// tool as they are now is taken without a tool, and a fresh one is kept.
class ScriptJob : public RunStep {
    Q_DECLARE_TR_FUNCTIONS(ScriptJob)

public:
    // `archive` is the archive whose working copy the runner holds; `extractionTool` the tool the
    // cache's keys name (the configured one).
    ScriptJob(ToolRunner& runner, const ArchiveCache& cache, const QString& archive,
              const QString& extractionTool);

    // The bytes of each script read, by object name.
    const QHash<QString, QByteArray>& scripts() const { return scripts_; }

    Plan plan(const QString& objectName, const RunSlot& slot) override;
    Result finish(const QString& objectName, const RunSlot& slot) override;

private:
    ToolRunner& runner_;
    const ArchiveCache& cache_;
    QString archive_;
    QString extractionTool_;
    QHash<QString, QByteArray> scripts_;
    QHash<QString, CacheFolder::Key> keys_;
};
