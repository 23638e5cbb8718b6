#include "ByteBuffer.h"

void ByteBuffer::u16(std::uint16_t value)
{
    m_bytes.push_back(static_cast<unsigned char>(value & 0xFF));
    m_bytes.push_back(static_cast<unsigned char>(value >> 8));
}

void ByteBuffer::u32(std::uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        m_bytes.push_back(static_cast<unsigned char>((value >> (8 * i)) & 0xFF));
}

void ByteBuffer::text(std::string_view text)
{
    m_bytes.insert(m_bytes.end(), text.begin(), text.end());
}

void ByteBuffer::bytes(const std::vector<unsigned char>& bytes)
{
    m_bytes.insert(m_bytes.end(), bytes.begin(), bytes.end());
}

void ByteBuffer::fill(std::size_t count, unsigned char value)
{
    m_bytes.insert(m_bytes.end(), count, value);
}

void ByteBuffer::padTo(std::size_t size, unsigned char value)
{
    if (m_bytes.size() < size)
        fill(size - m_bytes.size(), value);
}
