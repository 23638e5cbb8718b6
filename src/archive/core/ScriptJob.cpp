#include "archive/core/ScriptJob.h"

#include "archive/core/ExtractionJob.h"
#include "archive/core/ToolRunner.h"
#include "platform/core/FileSystem.h"

#include <QDir>
#include <QFile>

ScriptJob::ScriptJob(ToolRunner& runner, const ArchiveCache& cache, const QString& archive,
                     const QString& extractionTool)
    : runner_(runner)
    , cache_(cache)
    , archive_(archive)
    , extractionTool_(extractionTool)
{
}

RunStep::Plan ScriptJob::plan(const QString& objectName, const RunSlot& slot)
{
    if (const std::optional<CacheFolder::Key> key =
            ArchiveCache::scriptKey(archive_, objectName, extractionTool_)) {
        if (const std::optional<QByteArray> kept = cache_.script(*key)) {
            scripts_.insert(objectName, *kept);
            return Plan::of(Plan::Kind::Known);
        }
        keys_.insert(objectName, *key);
    }
    return ExtractionJob::staging(runner_.workFolder(), objectName, slot);
}

RunStep::Result ScriptJob::finish(const QString& objectName, const RunSlot& slot)
{
    const QString staged = slot.staged(objectName);
    QFile file(staged);
    const bool read = file.open(QIODevice::ReadOnly);
    const QByteArray bytes = read ? file.readAll() : QByteArray();
    file.close();
    FileSystem::deleteFileIfExists(staged);
    if (!read)
        return Result::failed(RunReport::Step::CannotWrite,
                              tr("cannot read %1").arg(QDir::toNativeSeparators(staged)));
    scripts_.insert(objectName, bytes);
    if (keys_.contains(objectName))
        cache_.keepScript(keys_.value(objectName), bytes);
    return {};
}
