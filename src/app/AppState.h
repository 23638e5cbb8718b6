#pragma once

#include "app/AppSettings.h"

// Everything the program keeps for the whole run, created at start and handed to the windows.
struct AppState {
    AppSettings settings;
    bool CommandLineDone = false;
};
