#include "app/core/RecentArchiveList.h"

#include "platform/core/SettingsStore.h"

namespace {

const QString group = QStringLiteral("Recent Archives");
const QString prefix = QStringLiteral("Archive");

} // namespace

namespace RecentArchiveList {

QStringList kept(const QStringList& stored)
{
    QStringList paths;
    for (const QString& path : stored) {
        if (!path.isEmpty() && !paths.contains(path) && paths.size() < maximumCount)
            paths.append(path);
    }
    return paths;
}

QStringList read(const SettingsStore& store)
{
    return kept(store.readList(group, prefix));
}

void write(SettingsStore& store, const QStringList& paths)
{
    store.writeList(group, prefix, paths);
}

} // namespace RecentArchiveList
