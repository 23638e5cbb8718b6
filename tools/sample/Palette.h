// 256-colour palette and its .pal file (1048 bytes, little-endian):
//   0   "PL98", u32 256 (colour count), u32 1 (version), "kadrillo pal" (12 bytes)
//   24  256 entries of Blue, Green, Red, Reserved (0)
#pragma once

#include <array>
#include <vector>

struct Rgb {
    unsigned char red = 0;
    unsigned char green = 0;
    unsigned char blue = 0;
};

class Palette {
public:
    static Palette ramp(Rgb from, Rgb to);
    static Palette rainbow();

    const Rgb& colour(int index) const { return m_colours[static_cast<std::size_t>(index)]; }
    std::vector<unsigned char> encodePalFile() const;

private:
    std::array<Rgb, 256> m_colours{};
};
