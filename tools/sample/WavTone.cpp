#include "WavTone.h"

#include "ByteBuffer.h"

#include <algorithm>
#include <cmath>

WavTone::WavTone(std::uint32_t sampleRate)
    : m_sampleRate(sampleRate)
{
}

void WavTone::addTone(double frequency, double seconds)
{
    const double pi = std::acos(-1.0);
    const auto count = static_cast<std::size_t>(seconds * m_sampleRate);
    // Short linear fades avoid audible clicks at tone boundaries.
    const std::size_t fade = std::min<std::size_t>(count / 2, m_sampleRate / 100);
    for (std::size_t i = 0; i < count; ++i) {
        double gain = 1.0;
        if (i < fade)
            gain = static_cast<double>(i) / fade;
        else if (count - i <= fade)
            gain = static_cast<double>(count - i - 1) / fade;
        m_samples.push_back(static_cast<std::int16_t>(std::lround(12000.0 * gain * std::sin(m_phase))));
        m_phase += 2.0 * pi * frequency / m_sampleRate;
    }
}

std::vector<unsigned char> WavTone::encode() const
{
    const std::uint16_t channels = 1;
    const std::uint16_t bitsPerSample = 16;
    const std::uint16_t blockAlign = channels * bitsPerSample / 8;
    const auto dataSize = static_cast<std::uint32_t>(m_samples.size() * blockAlign);
    ByteBuffer out;
    out.text("RIFF");
    out.u32(36 + dataSize);
    out.text("WAVE");
    out.text("fmt ");
    out.u32(16);
    out.u16(1);
    out.u16(channels);
    out.u32(m_sampleRate);
    out.u32(m_sampleRate * blockAlign);
    out.u16(blockAlign);
    out.u16(bitsPerSample);
    out.text("data");
    out.u32(dataSize);
    for (std::int16_t sample : m_samples)
        out.i16(sample);
    return out.data();
}
