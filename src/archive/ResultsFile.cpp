#include "archive/ResultsFile.h"

#include "archive/Windows1252.h"

namespace ResultsFile {

namespace {

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t';
}

bool isLineEnd(QChar c)
{
    return c == u'\r' || c == u'\n';
}

bool endsField(QChar c)
{
    return c == u',' || isLineEnd(c);
}

// Reads one field of `text` from `at`, leaving `at` after the delimiter that ended it.
QStringView readField(QStringView text, qsizetype& at)
{
    const qsizetype end = text.size();
    while (at < end && isBlank(text[at]))
        ++at;
    QStringView field;
    if (at < end && text[at] == u'"') {
        // A quote left open ends with its line: names never span lines.
        qsizetype stop = at + 1;
        while (stop < end && text[stop] != u'"' && !isLineEnd(text[stop]))
            ++stop;
        field = text.sliced(at + 1, stop - at - 1);
        at = stop < end && text[stop] == u'"' ? stop + 1 : stop;
        // Whatever stands between the closing quote and the delimiter belongs to no field.
        while (at < end && !endsField(text[at]))
            ++at;
    } else {
        const qsizetype start = at;
        while (at < end && !endsField(text[at]))
            ++at;
        field = text.sliced(start, at - start);
        while (!field.isEmpty() && isBlank(field.back()))
            field.chop(1);
    }
    if (at < end) {
        const bool crlf = text[at] == u'\r' && at + 1 < end && text[at + 1] == u'\n';
        at += crlf ? 2 : 1;
    }
    return field;
}

} // namespace

Listing ReadListing(const QByteArray& windows1252Text)
{
    Listing listing;
    const QString decoded = Windows1252::decode(windows1252Text);
    const QStringView text(decoded);
    listing.names.reserve(qMin<qsizetype>(text.count(u'\n'), maximumNames));
    qsizetype at = 0;
    if (!text.isEmpty())
        readField(text, at);
    while (at < text.size()) {
        const QStringView name = readField(text, at);
        if (name.isEmpty())
            continue;
        if (listing.names.size() == maximumNames) {
            listing.truncated = true;
            break;
        }
        listing.names.append(name.toString());
    }
    return listing;
}

} // namespace ResultsFile
