#include "Palette.h"

#include "ByteBuffer.h"

namespace {

unsigned char blend(unsigned char from, unsigned char to, int step)
{
    return static_cast<unsigned char>(from + (to - from) * step / 255);
}

} // namespace

Palette Palette::ramp(Rgb from, Rgb to)
{
    Palette palette;
    for (int i = 0; i < 256; ++i) {
        palette.m_colours[static_cast<std::size_t>(i)] = {
            blend(from.red, to.red, i), blend(from.green, to.green, i), blend(from.blue, to.blue, i)};
    }
    return palette;
}

Palette Palette::rainbow()
{
    Palette palette;
    for (int i = 0; i < 256; ++i) {
        // Six hue sectors of fully saturated colour, integer-only so every build gives identical bytes.
        const int sector = i * 6 / 256;
        const auto up = static_cast<unsigned char>(i * 6 % 256);
        const auto down = static_cast<unsigned char>(255 - up);
        const unsigned char full = 255;
        const unsigned char none = 0;
        const Rgb sectors[6] = {{full, up, none},   {down, full, none}, {none, full, up},
                                {none, down, full}, {up, none, full},   {full, none, down}};
        palette.m_colours[static_cast<std::size_t>(i)] = sectors[sector];
    }
    return palette;
}

std::vector<unsigned char> Palette::encodePalFile() const
{
    ByteBuffer out;
    out.text("PL98");
    out.u32(256);
    out.u32(1);
    out.text("kadrillo pal");
    for (const Rgb& colour : m_colours) {
        out.u8(colour.blue);
        out.u8(colour.green);
        out.u8(colour.red);
        out.u8(0);
    }
    return out.data();
}
