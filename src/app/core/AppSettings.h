#pragma once

#include "picture/core/PictureConversion.h"

#include <QString>
#include <optional>

class SettingsStore;

// The persisted settings, read once at start and written once at exit.
struct AppSettings {
    QString ExtractPath;
    QString VtlistPath;
    QString TempPath;
    QString DestPath;
    QString DefaultPalette;
    QString PalettePath;
    bool AddPpl = true;
    bool AutoList = true;
    bool AutoSelect = true;
    bool ResizeToFit = true;
    bool SearchSubfolders = true;
    bool AutoPreview = true;
    // Kept in a group of its own, beside the group "Settings".
    PictureExport Export;
    // How many tools a run over objects starts at once: 1 one at a time, 0 one per core. Kept as
    // "Parallel Runs" in the group "Performance".
    int ParallelRuns = 0;

    // The values used when the store holds none, formed from this platform's folders.
    static AppSettings defaults();
    // Each key's stored value, or its default when the value is missing or unreadable.
    static AppSettings load(const SettingsStore& store);
    void save(SettingsStore& store) const;

    // ParallelRuns, with 0 read as the number of cores (at most RunDriver::mostParallelRuns).
    int parallelRuns() const;

    // How pictures found in the working folder are converted under these settings.
    PictureConversion::Options conversionOptions(const WorkFolder& work) const
    {
        return {work, AutoSelect, PaletteSearch{PalettePath, DefaultPalette, SearchSubfolders}, Export};
    }

    // "True"/"False" in any letter case, or a number (0 is no, any other yes); nothing else.
    static std::optional<bool> textToBool(const QString& text);
};
