#include "archive/core/ArchiveCache.h"

#include "platform/core/FileStamp.h"

#include <QFile>
#include <QStringDecoder>
#include <algorithm>

namespace {

// The parts one after another, each with its length first, so that no part runs into the next.
QByteArray joined(const QByteArrayList& parts)
{
    QByteArray bytes;
    for (const QByteArray& part : parts)
        bytes += QByteArray::number(part.size()) + ':' + part + ',';
    return bytes;
}

std::optional<CacheFolder::Key> keyOf(const QByteArray& kind, const QString& archivePath,
                                      const QString& objectName, const QString& toolPath)
{
    const std::optional<FileStamp> archive = FileStamp::of(archivePath);
    const std::optional<FileStamp> tool = FileStamp::of(toolPath);
    if (!archive || !tool)
        return std::nullopt;
    using N = QByteArray;
    return CacheFolder::Key{
        joined({kind, QFile::encodeName(archive->path), objectName.toUtf8(), QFile::encodeName(tool->path)}),
        joined({N::number(archive->size), N::number(archive->modified), N::number(archive->changed),
                N::number(archive->inode), N::number(archive->device), N::number(tool->size),
                N::number(tool->modified)}),
    };
}

} // namespace

ArchiveCache::ArchiveCache(const QString& folder)
    : folder_(folder)
{
}

std::optional<CacheFolder::Key> ArchiveCache::listingKey(const QString& archive, const QString& listingTool)
{
    return keyOf("listing", archive, QString(), listingTool);
}

std::optional<CacheFolder::Key> ArchiveCache::scriptKey(const QString& archive, const QString& objectName,
                                                        const QString& extractionTool)
{
    return keyOf("script", archive, objectName, extractionTool);
}

std::optional<ResultsFile::Listing> ArchiveCache::listing(const CacheFolder::Key& key) const
{
    const std::optional<QByteArray> bytes = folder_.read(key);
    if (!bytes)
        return std::nullopt;
    std::optional<ResultsFile::Listing> listing = listingFrom(*bytes);
    if (!listing)
        folder_.drop(key);
    return listing;
}

QString ArchiveCache::keepListing(const CacheFolder::Key& key, const ResultsFile::Listing& listing) const
{
    // A name that the form cannot hold (a line end in it) would come back otherwise.
    if (!canHold(listing))
        return tr("The listing holds a name that cannot be cached.");
    return folder_.write(key, listingBytes(listing));
}

QByteArray ArchiveCache::listingBytes(const ResultsFile::Listing& listing)
{
    QByteArray bytes = listing.truncated ? "1\n" : "0\n";
    // One conversion for the whole listing: a thousand small ones cost several times as much.
    if (!listing.names.isEmpty())
        bytes += (listing.names.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8();
    return bytes;
}

bool ArchiveCache::canHold(const ResultsFile::Listing& listing)
{
    return listing.names.size() <= ResultsFile::maximumNames &&
           std::none_of(listing.names.cbegin(), listing.names.cend(), [](const QString& name) {
               return name.isEmpty() || name.contains(QLatin1Char('\n')) || !QStringView(name).isValidUtf16();
           });
}

std::optional<ResultsFile::Listing> ArchiveCache::listingFrom(const QByteArray& bytes)
{
    if (!(bytes.startsWith("0\n") || bytes.startsWith("1\n")) || !bytes.endsWith('\n'))
        return std::nullopt;
    const QByteArray names = bytes.sliced(2);
    // A name may start with a byte order mark, which fromUtf8() would drop.
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom);
    const QString text = utf8(names);
    // Bytes that are not UTF-8 come back otherwise.
    if (text.toUtf8() != names)
        return std::nullopt;
    ResultsFile::Listing listing{text.split(QLatin1Char('\n')), bytes.front() == '1'};
    listing.names.removeLast();
    if (listing.names.size() > ResultsFile::maximumNames || listing.names.contains(QString()))
        return std::nullopt;
    return listing;
}
