#pragma once

#include <array>
#include <cstdint>

// One colour. Files store it Blue, Green, Red, Reserved; in memory it is held red first.
struct PaletteEntry {
    std::uint8_t Red = 0;
    std::uint8_t Green = 0;
    std::uint8_t Blue = 0;
    std::uint8_t Reserved = 0;

    bool operator==(const PaletteEntry&) const = default;
};

using Palette = std::array<PaletteEntry, 256>;
