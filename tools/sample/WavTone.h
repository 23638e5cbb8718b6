// Builds RIFF/WAVE files (PCM, mono, 16-bit) from a sequence of sine tones.
#pragma once

#include <cstdint>
#include <vector>

class WavTone {
public:
    explicit WavTone(std::uint32_t sampleRate = 22050);

    void addTone(double frequency, double seconds);

    std::vector<unsigned char> encode() const;

private:
    std::uint32_t m_sampleRate;
    std::vector<std::int16_t> m_samples;
    double m_phase = 0.0;
};
