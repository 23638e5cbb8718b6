#pragma once

#include "app/AppSettings.h"
#include "archive/ToolRunner.h"
#include "archive/VolTable.h"
#include "picture/ArchivePalettes.h"
#include "picture/PictureState.h"

// Everything the program keeps for the whole run, created at start and handed to the windows.
struct AppState {
    AppSettings settings;
    VolTable Vols;
    PictureState Picture;
    ArchivePalettes PaletteLists;
    bool CommandLineDone = false;

    // How pictures of `vol` that `runner` extracted are converted, its palette lists included.
    PictureConversion::Options conversionOptions(ToolRunner& runner, const VolRecord& vol)
    {
        PictureConversion::Options options = settings.conversionOptions(runner.workFolder());
        options.search.inArchive = PaletteLists.source(runner, vol);
        return options;
    }
};
