// The Windows C runtime behaviour the game's formulas rely on.
// glibc's rand() and "%f" behave differently, so game logic never uses them.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <ctime>
#include <iterator>
#include <string>

namespace crt {

// rand()/srand() of the Windows runtime: a 15-bit linear congruential generator.
constexpr int RandMax = 32767;
void srand(uint32_t seed);
int rand();
// The seed last given to srand (1 before any call, as the runtime starts). Reading it draws nothing.
uint32_t lastSeed();

// The calendar clock the game seeds itself from: time(nullptr), unless $VUZ_SEED holds a whole
// number 0..4294967295, which is then returned every time, so that an autopilot run replays a
// session. A malformed $VUZ_SEED is reported on standard error and the real clock is used.
std::time_t time();

// The classic random_shuffle driven by rand(): positions 1..k-1 in order, each swapped
// with entry R mod (i+1), where R takes 15 bits per rand() call and is widened by another
// 15 bits while the range drawn so far is below i+1.
template <typename It>
void randomShuffle(It first, It last) {
    if (first == last) return;
    uint64_t index = 2;
    for (It it = first; ++it != last; ++index) {
        uint64_t range = RandMax;
        uint64_t r = static_cast<uint64_t>(rand()) & RandMax;
        while (range < index && range != ~uint64_t(0)) {
            r = (r << 15) | (static_cast<uint64_t>(rand()) & RandMax);
            range = (range << 15) | RandMax;
        }
        auto offset = static_cast<typename std::iterator_traits<It>::difference_type>(r % index);
        std::iter_swap(it, first + offset);
    }
}

// Strict decimal float scan: [blanks][sign]digits[.digits][e[sign]digits]. No hex, inf or nan.
// Returns the number of characters consumed (0 when nothing was converted).
size_t scanFloat(const char* text, float* out);
bool scanFloat(const std::string& text, float* out);

// _gcvt: %.*g, and a whole number keeps its point ("1.").
std::string gcvt(double value, int digits);
// _itoa in base 10.
std::string itoa(int value);

}  // namespace crt

// Directory helpers with Windows names; paths go through hostPath().
int _chdir(const char* path);
char* _getcwd(char* buffer, int size);
int _mkdir(const char* path);
