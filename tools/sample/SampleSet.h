// The demo and test content written by make-sample-vol: archive objects and palette files.
#pragma once

#include "Palette.h"
#include "VolArchive.h"

#include <string>
#include <vector>

struct PaletteFile {
    std::string fileName;
    Palette palette;
};

class SampleSet {
public:
    static std::vector<VolEntry> sampleObjects();
    static std::vector<VolEntry> hostileObjects();
    static std::vector<PaletteFile> paletteFiles();
};
