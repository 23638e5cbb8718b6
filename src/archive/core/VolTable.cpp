#include "archive/core/VolTable.h"

void VolRecord::markListed()
{
    static quint64 listings = 0;
    Listed = true;
    ListingId = ++listings;
}

int VolTable::AddVol(const QString& path, const QString& title)
{
    if (VolCount() >= maximumCount)
        return 0;
    records_.append(VolRecord{title, path, {}, false});
    CurrentVol = VolCount();
    return CurrentVol;
}

void VolTable::RemoveVol(int index)
{
    if (!record(index))
        return;
    records_.removeAt(index - 1);
    if (CurrentVol > index || CurrentVol > VolCount())
        --CurrentVol;
}

VolRecord* VolTable::record(int index)
{
    return index >= 1 && index <= VolCount() ? &records_[index - 1] : nullptr;
}

const VolRecord* VolTable::record(int index) const
{
    return index >= 1 && index <= VolCount() ? &records_[index - 1] : nullptr;
}
