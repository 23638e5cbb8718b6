#include "archive/core/ResultsFile.h"

#include "archive/core/Windows1252.h"

#include <algorithm>

namespace ResultsFile {

namespace {

// Every delimiter is ASCII, and Windows-1252 has one byte a character: the fields are found in the
// bytes, and only the names themselves are decoded.
bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

bool isLineEnd(char c)
{
    return c == '\r' || c == '\n';
}

bool endsField(char c)
{
    return c == ',' || isLineEnd(c);
}

// Reads one field from `at`, leaving `at` after the delimiter that ended it.
QByteArrayView readField(const char*& at, const char* end)
{
    while (at != end && isBlank(*at))
        ++at;
    const char* start = at;
    const char* stop = nullptr;
    if (at != end && *at == '"') {
        // A quote left open ends with its line: names never span lines.
        start = at + 1;
        stop = std::find_if(start, end, [](char c) { return c == '"' || isLineEnd(c); });
        at = stop != end && *stop == '"' ? stop + 1 : stop;
        // Whatever stands between the closing quote and the delimiter belongs to no field.
        at = std::find_if(at, end, [](char c) { return endsField(c); });
    } else {
        at = std::find_if(at, end, [](char c) { return endsField(c); });
        stop = at;
        while (stop != start && isBlank(stop[-1]))
            --stop;
    }
    if (at != end) {
        const bool crlf = *at == '\r' && at + 1 != end && at[1] == '\n';
        at += crlf ? 2 : 1;
    }
    return QByteArrayView(start, stop - start);
}

} // namespace

Listing ReadListing(const QByteArray& windows1252Text)
{
    Listing listing;
    const char* at = windows1252Text.constData();
    const char* const end = at + windows1252Text.size();
    // Each name takes at least one byte and its delimiter.
    listing.names.reserve(qMin<qsizetype>(windows1252Text.size() / 2 + 1, maximumNames));
    if (at != end)
        readField(at, end);
    while (at != end) {
        const QByteArrayView name = readField(at, end);
        if (name.isEmpty())
            continue;
        if (listing.names.size() == maximumNames) {
            listing.truncated = true;
            break;
        }
        listing.names.append(Windows1252::decode(name));
    }
    return listing;
}

} // namespace ResultsFile
