#include "PbmpPicture.h"

#include "ByteBuffer.h"
#include "picture/core/PbmpLayout.h"

#include <utility>

PbmpPicture::PbmpPicture(std::uint32_t width, std::uint32_t height, std::int32_t paletteNumber)
    : m_width(width)
    , m_height(height)
    , m_paletteNumber(paletteNumber)
    , m_pixels(static_cast<std::size_t>(width) * height, 0)
{
}

void PbmpPicture::setPixel(std::uint32_t x, std::uint32_t y, unsigned char index)
{
    m_pixels[static_cast<std::size_t>(y) * m_width + x] = index;
}

void PbmpPicture::setRowPadding(std::uint32_t bytesPerRow, unsigned char fill)
{
    m_rowPadding = bytesPerRow;
    m_paddingFill = fill;
}

void PbmpPicture::setTrailingData(std::vector<unsigned char> trailing)
{
    m_trailing = std::move(trailing);
}

std::uint32_t PbmpPicture::pixelDataSize() const
{
    return (m_width + m_rowPadding) * m_height + static_cast<std::uint32_t>(m_trailing.size());
}

std::vector<unsigned char> PbmpPicture::encode() const
{
    using namespace PbmpLayout;
    const std::uint32_t dataSize = pixelDataSize();
    ByteBuffer out;
    out.text(fileTag);
    out.u32(static_cast<std::uint32_t>(fileSize(dataSize) - fileTagSize));
    out.text(headTag);
    out.u32(headSize);
    out.u32(version);
    out.u32(m_width);
    out.u32(m_height);
    out.u16(8);
    out.u16(0);
    out.text(dataTag);
    out.u32(dataSize);
    out.u32(dataSize);
    for (std::uint32_t y = 0; y < m_height; ++y) {
        const auto row = m_pixels.begin() + static_cast<std::ptrdiff_t>(y) * m_width;
        out.bytes(std::vector<unsigned char>(row, row + m_width));
        out.fill(m_rowPadding, m_paddingFill);
    }
    out.bytes(m_trailing);
    out.text(detailTag);
    out.u32(detailSize);
    out.u32(detail);
    out.text(paletteTag);
    out.u32(paletteNumberSize);
    out.i32(m_paletteNumber);
    return out.data();
}
