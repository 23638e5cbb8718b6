#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// One opened archive.
struct VolRecord {
    QString FileTitle;
    QString FilePath;
    QStringList ObjectNames;
    bool Listed = false;
    // Differs after each listing, so that what was read from the archive before is read afresh.
    quint64 ListingId = 0;

    void markListed();
};

// The opened archives, numbered from 1 in the order of their tabs.
class VolTable {
public:
    static constexpr int maximumCount = 32767;

    int VolCount() const { return int(records_.size()); }
    int CurrentVol = 0;

    // Appends an archive and makes it current; 0 when the table is full.
    int AddVol(const QString& path, const QString& title);
    // Removes the archive with that number; those after it move down one, the current one with them.
    // None left: none is current.
    void RemoveVol(int index);
    // The archive with that number, or null when there is none.
    VolRecord* record(int index);
    const VolRecord* record(int index) const;
    VolRecord* current() { return record(CurrentVol); }

private:
    QList<VolRecord> records_;
};
