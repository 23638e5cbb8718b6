#include "PaletteList.h"

#include "ByteBuffer.h"

void PaletteList::addPalette(std::int32_t id, const Palette& palette, int rgbFirst, int rgbCount)
{
    m_items.push_back(Item{id, palette, rgbFirst, rgbCount});
}

std::vector<unsigned char> PaletteList::encode() const
{
    ByteBuffer out;
    out.text("PPAL");
    out.i32(static_cast<std::int32_t>(m_items.size()));
    out.text("Kadrillo sample palette list");
    out.padTo(52, 0);
    for (const Item& item : m_items) {
        for (int i = 0; i < 256; ++i) {
            const Rgb& colour = item.palette.colour(i);
            if (i >= item.rgbFirst && i < item.rgbFirst + item.rgbCount) {
                out.u8(colour.red);
                out.u8(colour.green);
                out.u8(colour.blue);
                out.u8(255);
            } else {
                out.u8(colour.blue);
                out.u8(colour.green);
                out.u8(colour.red);
                out.u8(0);
            }
        }
        out.i32(item.id);
        out.u32(0);
    }
    return out.data();
}
