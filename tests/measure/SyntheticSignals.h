// Synthetic capture buffers: interleaved 16-bit little-endian stereo frames,
// the right channel's value first in each frame, the left one second.
#pragma once

#include <cmath>
#include <cstdint>
#include <functional>
#include <memory>
#include <numbers>
#include <random>
#include <vector>

namespace zvk::test {

using Wave = std::function<int(int frame)>;

inline constexpr int kRate = 44100;
inline constexpr int kFramesPerBuffer = 8000; // the window's 32000-byte buffers

inline int Clamp16(long long v) {
    return static_cast<int>(v < -32768 ? -32768 : (v > 32767 ? 32767 : v));
}

// Round(amplitude * sin(2 pi f i / 44100 + phase)), halves to even.
inline Wave Sine(double frequency, double amplitude, double phase = 0.0) {
    return [=](int i) {
        const long double x = 2.0L * std::numbers::pi_v<long double> * frequency * i / kRate;
        return Clamp16(std::llrint(amplitude * std::sin(x + phase)));
    };
}

// +amplitude for the first half of each period, -amplitude for the second.
inline Wave Square(double frequency, int amplitude) {
    return [=](int i) {
        const double cycles = frequency * i / kRate;
        return cycles - std::floor(cycles) < 0.5 ? amplitude : -amplitude;
    };
}

inline Wave Silence() {
    return [](int) { return 0; };
}

// Uniform noise in [-amplitude, amplitude] from a fixed seed.
inline Wave Noise(int amplitude, unsigned seed) {
    auto values = std::make_shared<std::vector<int>>();
    std::mt19937 gen(seed);
    std::uniform_int_distribution<int> dist(-amplitude, amplitude);
    for (int i = 0; i < 65536; ++i) {
        values->push_back(dist(gen));
    }
    return [values](int i) { return (*values)[static_cast<std::size_t>(i) % values->size()]; };
}

inline void Put16(std::vector<std::uint8_t>& bytes, int value) {
    const auto u = static_cast<std::uint16_t>(static_cast<std::int16_t>(value));
    bytes.push_back(static_cast<std::uint8_t>(u & 0xFF));
    bytes.push_back(static_cast<std::uint8_t>(u >> 8));
}

inline std::vector<std::uint8_t> StereoBuffer(const Wave& left, const Wave& right,
                                              int frames = kFramesPerBuffer) {
    std::vector<std::uint8_t> bytes;
    bytes.reserve(static_cast<std::size_t>(frames) * 4);
    for (int i = 0; i < frames; ++i) {
        Put16(bytes, right(i));
        Put16(bytes, left(i));
    }
    return bytes;
}

} // namespace zvk::test
