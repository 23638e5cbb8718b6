#pragma once

#include "app/AppSettings.h"
#include "archive/VolTable.h"
#include "picture/PictureState.h"

// Everything the program keeps for the whole run, created at start and handed to the windows.
struct AppState {
    AppSettings settings;
    VolTable Vols;
    PictureState Picture;
    bool CommandLineDone = false;
};
