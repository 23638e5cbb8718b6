// Proves that the cache reads an entry only in exactly the form the program writes: any bytes as an
// entry file are either refused, and the file removed, or read back as the content whose entry file
// is those very bytes. The same holds for the entry form alone and for a cached listing, and every
// key and content the writer takes (the input cut in two) reads back as written. A listing (the input as
// names) is judged cacheable exactly when it reads back as written.
#include "FuzzTarget.h"
#include "archive/core/ArchiveCache.h"
#include "archive/core/CacheEntry.h"
#include "archive/core/CacheFolder.h"

#include <QFile>
#include <QTemporaryDir>

namespace {

const CacheFolder::Key key{"7:listing,", "1:1,"};

QByteArray entryFileOf(const CacheFolder& folder, const CacheFolder::Key& of, const QByteArray& content)
{
    if (!folder.write(of, content).isEmpty())
        FuzzTarget::finding("cannot write an entry into " + folder.path());
    QFile file(folder.entryPath(of));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

FuzzTarget::Seeds seeds()
{
    QTemporaryDir dir;
    const CacheFolder folder(dir.path());
    const QByteArray listing = ArchiveCache::listingBytes(
        {{QStringLiteral("a.bmp"), QStringLiteral("two words.cs"), QString::fromUtf8("caf\xc3\xa9.wav")},
         true});
    return {
        {"listing", entryFileOf(folder, key, listing)},
        {"script", entryFileOf(folder, key, "function a::onAdd(%this)\r\n{\r\n}\r\n")},
        {"empty-content", entryFileOf(folder, key, QByteArray())},
        {"another-key", entryFileOf(folder, {"7:listing,", "1:2,"}, listing)},
        {"listing-form", listing},
    };
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    FuzzTarget::writeSeedsIfAsked(seeds);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static QTemporaryDir dir;
    static const CacheFolder folder(dir.path());
    if (!folder.refusal().isEmpty())
        FuzzTarget::finding(folder.refusal());
    const QByteArray input = FuzzTarget::bytes(data, size);
    const QString entry = folder.entryPath(key);
    {
        QFile file(entry);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(input) != input.size())
            FuzzTarget::finding("cannot write " + entry);
    }
    if (const std::optional<QByteArray> content = folder.read(key)) {
        if (entryFileOf(folder, key, *content) != input)
            FuzzTarget::finding("an entry file was read that the writer does not make of its content");
    } else if (QFile::exists(entry)) {
        FuzzTarget::finding("a refused entry file was left in place");
    }

    if (const std::optional<CacheEntry::Entry> read = CacheEntry::read(input)) {
        if (CacheEntry::write(read->key, read->content) != input)
            FuzzTarget::finding("an entry was read that is not in the form written");
    }
    if (const std::optional<ResultsFile::Listing> listing = ArchiveCache::listingFrom(input)) {
        if (ArchiveCache::listingBytes(*listing) != input)
            FuzzTarget::finding("a cached listing was read that is not in the form written");
    }
    // The input as UTF-16, lone surrogates and all, cut into names at each comma.
    const QString names(reinterpret_cast<const QChar*>(input.constData()), input.size() / 2);
    const ResultsFile::Listing listed{names.split(QLatin1Char(',')), input.size() % 2 == 1};
    if (ArchiveCache::canHold(listed) !=
        (ArchiveCache::listingFrom(ArchiveCache::listingBytes(listed)) == listed))
        FuzzTarget::finding("whether a listing can be cached is misjudged");
    const qsizetype half = input.size() / 2;
    const std::optional<CacheEntry::Entry> back =
        CacheEntry::read(CacheEntry::write(input.first(half), input.sliced(half)));
    if (!back || back->key != input.first(half) || back->content != input.sliced(half))
        FuzzTarget::finding("an entry written does not read back as written");
    return 0;
}
