#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

// Little-endian byte sink shared by the sample writers.
class ByteBuffer {
public:
    void u8(std::uint8_t value) { m_bytes.push_back(value); }
    void u16(std::uint16_t value);
    void u32(std::uint32_t value);
    void i16(std::int16_t value) { u16(static_cast<std::uint16_t>(value)); }
    void i32(std::int32_t value) { u32(static_cast<std::uint32_t>(value)); }
    void text(std::string_view text);
    void bytes(const std::vector<unsigned char>& bytes);
    void fill(std::size_t count, unsigned char value);
    void padTo(std::size_t size, unsigned char value);

    std::size_t size() const { return m_bytes.size(); }
    const std::vector<unsigned char>& data() const { return m_bytes; }

private:
    std::vector<unsigned char> m_bytes;
};
