#include "game/ShakeNoise.h"

#include <cstdint>

namespace {

struct HashPrimes {
    uint32_t p1, p2, p3;
};

constexpr HashPrimes Hashes[] = {
    {15731u, 789221u, 1376312589u},
    {8539u, 850727u, 1376416999u},
    {10597u, 925409u, 1376440469u},
    {28753u, 1085419u, 1376296153u},
};
constexpr int HashCount = sizeof Hashes / sizeof Hashes[0];

// A value in (-1, 1] from an integer, computed in wrapping unsigned arithmetic.
float hash(const HashPrimes& h, int32_t n) {
    const uint32_t u = static_cast<uint32_t>(n);
    const uint32_t m = (u << 13) ^ u;
    const uint32_t v = (m * (m * m * h.p1 + h.p2) + h.p3) & 0x7FFFFFFFu;
    return static_cast<float>(1.0 - static_cast<double>(v) / 1073741824.0);
}

}  // namespace

float ShakeNoise::sample(float x) {
    float sum = 0.0f;
    float frequency = 1.0f;
    float amplitude = 1.0f;
    nextHash_ = 0;
    for (int octave = 0; octave < octaves_; ++octave) {
        const HashPrimes& h = Hashes[nextHash_];
        nextHash_ = (nextHash_ + 1) % HashCount;
        const float y = x * frequency;
        const int32_t i = static_cast<int32_t>(y);
        const float f = y - static_cast<float>(i);
        const float value = (1.0f - f) * hash(h, i) + f * hash(h, i + 1);
        sum += value * amplitude;
        frequency *= 2.0f;
        amplitude *= persistence_;
    }
    return sum;
}
