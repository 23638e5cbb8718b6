#include "archive/ResultsFile.h"

#include "archive/Windows1252.h"

namespace ResultsFile {

namespace {

bool isBlank(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}

bool isLineEnd(QChar c)
{
    return c == QLatin1Char('\r') || c == QLatin1Char('\n');
}

// Reads one field from `at`, leaving `at` after the delimiter that ended it.
QString readField(const QString& text, qsizetype& at)
{
    const qsizetype end = text.size();
    while (at < end && isBlank(text.at(at)))
        ++at;
    QString field;
    if (at < end && text.at(at) == QLatin1Char('"')) {
        // A quote left open ends with its line: names never span lines.
        qsizetype stop = at + 1;
        while (stop < end && text.at(stop) != QLatin1Char('"') && !isLineEnd(text.at(stop)))
            ++stop;
        field = text.mid(at + 1, stop - at - 1);
        at = stop < end && text.at(stop) == QLatin1Char('"') ? stop + 1 : stop;
        // Whatever stands between the closing quote and the delimiter belongs to no field.
        while (at < end && text.at(at) != QLatin1Char(',') && !isLineEnd(text.at(at)))
            ++at;
    } else {
        const qsizetype start = at;
        while (at < end && text.at(at) != QLatin1Char(',') && !isLineEnd(text.at(at)))
            ++at;
        field = text.mid(start, at - start);
        while (!field.isEmpty() && isBlank(field.back()))
            field.chop(1);
    }
    if (at < end) {
        const bool crlf =
            text.at(at) == QLatin1Char('\r') && at + 1 < end && text.at(at + 1) == QLatin1Char('\n');
        at += crlf ? 2 : 1;
    }
    return field;
}

} // namespace

Listing ReadListing(const QByteArray& windows1252Text)
{
    Listing listing;
    const QString text = Windows1252::decode(windows1252Text);
    qsizetype at = 0;
    if (!text.isEmpty())
        readField(text, at);
    while (at < text.size()) {
        const QString name = readField(text, at);
        if (name.isEmpty())
            continue;
        if (listing.names.size() == maximumNames) {
            listing.truncated = true;
            break;
        }
        listing.names.append(name);
    }
    return listing;
}

} // namespace ResultsFile
