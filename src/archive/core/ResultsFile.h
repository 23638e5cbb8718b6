#pragma once

#include <QByteArray>
#include <QStringList>

// The listing that vtlist.exe writes to "results.dat": a heading, then the archive's object names.
namespace ResultsFile {

// The most names one listing can hold, as the game's own limit on list rows.
constexpr int maximumNames = 32767;

struct Listing {
    QStringList names;
    bool truncated = false; // more names than maximumNames were in the file
    bool operator==(const Listing&) const = default;
};

// Fields end at a comma or a line end (CR LF, LF or CR); blanks before a field are skipped and
// after an unquoted one dropped; a field that starts with a double quote runs to the next one
// (or to the end of its line).
// The first field is the heading. Empty fields name nothing and are passed over.
Listing ReadListing(const QByteArray& windows1252Text);

} // namespace ResultsFile
