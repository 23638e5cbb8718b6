// Palette list (.ppl), little-endian:
//   0   "PPAL", i32 N, then 44 bytes the reader ignores
//   52  N times: 256 colour entries of 4 bytes, i32 Id, 4 ignored bytes
// An entry is normally Blue, Green, Red, Reserved (never 255); when its 4th byte is 255 it is
// Red, Green, Blue, 255 instead. addPalette() can store a range of entries in that second form.
#pragma once

#include "Palette.h"

#include <cstdint>
#include <vector>

class PaletteList {
public:
    void addPalette(std::int32_t id, const Palette& palette, int rgbFirst = 0, int rgbCount = 0);

    std::vector<unsigned char> encode() const;

private:
    struct Item {
        std::int32_t id;
        Palette palette;
        int rgbFirst;
        int rgbCount;
    };

    std::vector<Item> m_items;
};
