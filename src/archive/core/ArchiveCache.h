#pragma once

#include "archive/core/CacheFolder.h"
#include "archive/core/ResultsFile.h"

#include <QCoreApplication>
#include <optional>

// Archive listings and extracted scripts kept between runs, so that a second search over the same
// archives starts no tool. Each is kept under the state of the archive (its full path, size,
// modification and change times, inode) and of the tool that made it (its path, size and
// modification time): an archive or tool changed in any way is listed or extracted again.
class ArchiveCache {
    Q_DECLARE_TR_FUNCTIONS(ArchiveCache)

public:
    explicit ArchiveCache(const QString& folder = ProgramPaths::userCacheFolder());

    const CacheFolder& folder() const { return folder_; }

    // The key of what the tool makes of the archive as both are now; nothing when either is no file.
    // Taken before the tool runs, so that an archive changed meanwhile is not kept under its new state.
    static std::optional<CacheFolder::Key> listingKey(const QString& archive, const QString& listingTool);
    static std::optional<CacheFolder::Key> scriptKey(const QString& archive, const QString& objectName,
                                                     const QString& extractionTool);

    std::optional<ResultsFile::Listing> listing(const CacheFolder::Key& key) const;
    // Why it was not kept, or an empty text.
    QString keepListing(const CacheFolder::Key& key, const ResultsFile::Listing& listing) const;
    std::optional<QByteArray> script(const CacheFolder::Key& key) const { return folder_.read(key); }
    QString keepScript(const CacheFolder::Key& key, const QByteArray& script) const
    {
        return folder_.write(key, script);
    }
    QString clear() const { return folder_.clear(); }

    // A listing as its entry holds it: "1\n" when it was cut at the name limit, else "0\n", then
    // each name in UTF-8 followed by "\n".
    static QByteArray listingBytes(const ResultsFile::Listing& listing);
    // Nothing unless the bytes are exactly what listingBytes() makes of some listing.
    static std::optional<ResultsFile::Listing> listingFrom(const QByteArray& bytes);
    // Whether listingFrom() gives the listing back from its listingBytes(): no more names than a listing
    // holds, none empty, none with a line end, each whole UTF-16.
    static bool canHold(const ResultsFile::Listing& listing);

private:
    CacheFolder folder_;
};
