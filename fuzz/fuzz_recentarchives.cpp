// Proves that the recent archives read from any settings file hold no blank, no repeat and no more
// than the maximum, and that of a stored list they keep the paths in their order: the first of each,
// blanks left out, up to the maximum. The input is the file, and also the list (its paths split at NUL
// bytes).
#include "FuzzTarget.h"
#include "app/core/RecentArchiveList.h"
#include "platform/core/SettingsStore.h"

#include <QFile>
#include <QTemporaryDir>

namespace {

FuzzTarget::Seeds seeds()
{
    return {
        {"hand-edited",
         "[Recent Archives]\nArchive1=/a.vol\nArchive2=\nArchive3=/a.vol\nArchive4=\"/b, c.vol\"\n"
         "Archive5=/d,e.vol\nArchive6=@Variant(x)\nArchive7=%U00E9.vol\nArchive8=;x\n"
         "Archive9=/9.vol\nArchive10=/10.vol\nArchive11=/11.vol\n"},
        {"gap", "[Recent Archives]\nArchive1=/a.vol\nArchive3=/c.vol\n"},
        {"other-groups", "[Settings]\nTemp Path=/tmp/x\n[Recent%20Archives]\nArchive1=x\n"},
        {"paths",
         QByteArrayList{"/a.vol", "", "/b.vol", "/a.vol", " ", "/c d\\e;f.vol", "\"q\"", "@x"}.join('\0')},
    };
}

// Whether `paths` is `stored` with some left out, the rest in their order.
bool inOrder(const QStringList& paths, const QStringList& stored)
{
    qsizetype at = 0;
    for (const QString& path : paths) {
        at = stored.indexOf(path, at);
        if (at < 0)
            return false;
        ++at;
    }
    return true;
}

void checkKept(QStringList paths, const QString& from)
{
    if (paths.size() > RecentArchiveList::maximumCount || paths.contains(QString()) ||
        paths.removeDuplicates() > 0)
        FuzzTarget::finding("more than fit, a blank or a repeat from " + from + ": " +
                            paths.join(QLatin1Char('|')));
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    FuzzTarget::writeSeedsIfAsked(seeds);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static QTemporaryDir folder;
    static int run = 0;
    // A new file each time: the settings code keeps files it has read.
    const QString file = folder.filePath(QStringLiteral("%1.ini").arg(++run));
    const QByteArray input = FuzzTarget::bytes(data, size);
    {
        QFile ini(file);
        if (!ini.open(QIODevice::WriteOnly) || ini.write(input) != input.size())
            FuzzTarget::finding("cannot write " + file);
    }
    {
        SettingsStore store(file);
        checkKept(RecentArchiveList::read(store), QStringLiteral("the file"));
    }
    QFile::remove(file);

    QStringList stored;
    for (const QByteArray& path : input.split('\0'))
        stored.append(QString::fromUtf8(path));
    const QStringList kept = RecentArchiveList::kept(stored);
    checkKept(kept, QStringLiteral("the list"));
    if (!inOrder(kept, stored))
        FuzzTarget::finding("the paths kept are not the stored ones in their order: " +
                            kept.join(QLatin1Char('|')));
    // Only what the maximum leaves out may be missing.
    if (kept.size() < RecentArchiveList::maximumCount) {
        for (const QString& path : stored) {
            if (!path.isEmpty() && !kept.contains(path))
                FuzzTarget::finding("a stored path was lost: " + path);
        }
    }
    return 0;
}
