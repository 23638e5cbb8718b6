#pragma once

#include "app/core/AppSettings.h"
#include "archive/core/ToolRunner.h"
#include "archive/core/VolTable.h"
#include "picture/core/ArchivePalettes.h"
#include "picture/core/PictureState.h"

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
