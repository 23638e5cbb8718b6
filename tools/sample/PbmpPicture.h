// Writer for the game's 8-bit palette-indexed PBMP pictures, laid out as Kadrillo reads them
// (src/picture/core/PbmpLayout.h): rows top first, each of width pixels plus optional padding,
// optionally followed by extra bytes that are not pixels.
#pragma once

#include <cstdint>
#include <vector>

class PbmpPicture {
public:
    PbmpPicture(std::uint32_t width, std::uint32_t height, std::int32_t paletteNumber);

    void setPixel(std::uint32_t x, std::uint32_t y, unsigned char index);
    void setRowPadding(std::uint32_t bytesPerRow, unsigned char fill);
    void setTrailingData(std::vector<unsigned char> trailing);

    std::uint32_t pixelDataSize() const;
    std::vector<unsigned char> encode() const;

private:
    std::uint32_t m_width;
    std::uint32_t m_height;
    std::int32_t m_paletteNumber;
    std::uint32_t m_rowPadding = 0;
    unsigned char m_paddingFill = 0;
    std::vector<unsigned char> m_pixels;
    std::vector<unsigned char> m_trailing;
};
