// Proves that a listing yields at most maximumNames names, none empty and none holding a line end,
// truncated only when full, and that the names written back as a listing read back the same.
#include "FuzzTarget.h"
#include "archive/core/ResultsFile.h"
#include "archive/core/Windows1252.h"

namespace {

// As the listing tool writes it: a heading, then each name on its own line.
QByteArray listing(const QStringList& names, const QString& lineEnd)
{
    QString text = QStringLiteral("Volume contents: %1 objects").arg(names.size()) + lineEnd;
    for (const QString& name : names)
        text += name + lineEnd;
    return Windows1252::encode(text);
}

FuzzTarget::Seeds seeds()
{
    QStringList names;
    for (const auto& [name, data] : FuzzTarget::sampleObjects())
        names.append(name);
    return {
        {"samples-lf", listing(names, QStringLiteral("\n"))},
        {"samples-crlf", listing(names, QStringLiteral("\r\n"))},
        {"quoted-commas-cr", "heading\r\"a, b\" , \"open\r  x.cs  ,,\"\"\r\n"},
        {"empty", QByteArray()},
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
    const ResultsFile::Listing read = ResultsFile::ReadListing(FuzzTarget::bytes(data, size));
    if (read.names.size() > ResultsFile::maximumNames ||
        (read.truncated && read.names.size() != ResultsFile::maximumNames))
        FuzzTarget::finding(
            QStringLiteral("%1 names read, truncated: %2").arg(read.names.size()).arg(read.truncated));
    // A name holding a quote was read unquoted; any other one is written quoted, blanks and commas in it.
    QString text = QStringLiteral("heading");
    for (const QString& name : read.names) {
        if (name.isEmpty() || name.contains(QLatin1Char('\r')) || name.contains(QLatin1Char('\n')))
            FuzzTarget::finding("a name is empty or holds a line end: " + name);
        text += QLatin1Char('\n') +
                (name.contains(QLatin1Char('"')) ? name : QLatin1Char('"') + name + QLatin1Char('"'));
    }
    if (read.truncated)
        return 0;
    const ResultsFile::Listing again = ResultsFile::ReadListing(Windows1252::encode(text));
    if (again.names != read.names || again.truncated)
        FuzzTarget::finding("the names written back as a listing read back otherwise");
    return 0;
}
