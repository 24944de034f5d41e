#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <ctime>
#include <numeric>
#include <string>
#include <vector>

#include "platform/win32/crt.h"

TEST(CrtRand, FollowsTheFifteenBitGenerator) {
    crt::srand(1);
    // The sequence every Windows program prints for seed 1.
    EXPECT_EQ(crt::rand(), 41);
    EXPECT_EQ(crt::rand(), 18467);
    EXPECT_EQ(crt::rand(), 6334);
    EXPECT_EQ(crt::rand(), 26500);
    crt::srand(12345);
    uint32_t s = 12345;
    for (int i = 0; i < 1000; ++i) {
        s = s * 214013u + 2531011u;
        int r = crt::rand();
        ASSERT_EQ(r, static_cast<int>((s >> 16) & 0x7FFF));
        ASSERT_GE(r, 0);
        ASSERT_LE(r, crt::RandMax);
    }
}

TEST(CrtRand, SameSeedSameSequence) {
    crt::srand(777);
    std::vector<int> a(50), b(50);
    for (int& v : a) v = crt::rand();
    crt::srand(777);
    for (int& v : b) v = crt::rand();
    EXPECT_EQ(a, b);
}

TEST(CrtShuffle, SwapsEachPositionWithAnEarlierDraw) {
    std::vector<int> v(10);
    std::iota(v.begin(), v.end(), 0);
    crt::srand(42);
    crt::randomShuffle(v.begin(), v.end());

    // The same walk written out by hand: position i swaps with rand() % (i + 1).
    std::vector<int> expected(10);
    std::iota(expected.begin(), expected.end(), 0);
    crt::srand(42);
    for (size_t i = 1; i < expected.size(); ++i) std::swap(expected[i], expected[crt::rand() % (i + 1)]);
    EXPECT_EQ(v, expected);
}

TEST(CrtShuffle, WidensTheDrawForLongRanges) {
    // Past 32767 entries a single draw cannot reach every position; two draws are combined.
    std::vector<int> v(40000);
    std::iota(v.begin(), v.end(), 0);
    crt::srand(3);
    crt::randomShuffle(v.begin(), v.end());

    std::vector<int> expected(40000);
    std::iota(expected.begin(), expected.end(), 0);
    crt::srand(3);
    for (uint64_t i = 1; i < expected.size(); ++i) {
        uint64_t r = static_cast<uint64_t>(crt::rand());
        if (i + 1 > 32767) r = (r << 15) | static_cast<uint64_t>(crt::rand());
        std::swap(expected[i], expected[r % (i + 1)]);
    }
    EXPECT_EQ(v, expected);
}

TEST(CrtShuffle, EmptyAndSingleRangesDrawNothing) {
    std::vector<int> none, one{7};
    crt::srand(9);
    crt::randomShuffle(none.begin(), none.end());
    crt::randomShuffle(one.begin(), one.end());
    EXPECT_EQ(one, std::vector<int>{7});
    crt::srand(9);
    int first = crt::rand();
    crt::srand(9);
    crt::randomShuffle(one.begin(), one.end());
    EXPECT_EQ(crt::rand(), first);
}

TEST(CrtScanFloat, ReadsPlainDecimalsOnly) {
    float f = -1.0f;
    EXPECT_TRUE(crt::scanFloat("1.5", &f));
    EXPECT_FLOAT_EQ(f, 1.5f);
    EXPECT_TRUE(crt::scanFloat("  -2.25e1xyz", &f));
    EXPECT_FLOAT_EQ(f, -22.5f);
    EXPECT_TRUE(crt::scanFloat(".5", &f));
    EXPECT_FLOAT_EQ(f, 0.5f);
    EXPECT_TRUE(crt::scanFloat("3.", &f));
    EXPECT_FLOAT_EQ(f, 3.0f);
    // A hexadecimal pattern is read only up to its leading zero.
    EXPECT_EQ(crt::scanFloat("0X3F800000", &f), 1u);
    EXPECT_FLOAT_EQ(f, 0.0f);
    // An exponent without digits is not part of the number.
    EXPECT_EQ(crt::scanFloat("2e", &f), 1u);
    EXPECT_FLOAT_EQ(f, 2.0f);
}

TEST(CrtScanFloat, RejectsWhatIsNotANumber) {
    float f = 7.0f;
    EXPECT_FALSE(crt::scanFloat("inf", &f));
    EXPECT_FALSE(crt::scanFloat("nan", &f));
    EXPECT_FALSE(crt::scanFloat("-", &f));
    EXPECT_FALSE(crt::scanFloat(".", &f));
    EXPECT_FALSE(crt::scanFloat("", &f));
    EXPECT_FALSE(crt::scanFloat(static_cast<const char*>(nullptr), &f) > 0);
    EXPECT_FLOAT_EQ(f, 7.0f);
}

TEST(CrtText, WholeNumbersKeepTheirPoint) {
    EXPECT_EQ(crt::gcvt(1.0, 4), "1.");
    EXPECT_EQ(crt::gcvt(0.8, 4), "0.8");
    EXPECT_EQ(crt::gcvt(12.5, 4), "12.5");
    EXPECT_EQ(crt::gcvt(-3.0, 4), "-3.");
    EXPECT_EQ(crt::itoa(-42), "-42");
    EXPECT_EQ(crt::itoa(0), "0");
}

// The game seeds itself from crt::time(); VUZ_SEED fixes that clock so that an autopilot run
// replays, and a malformed value falls back to the real clock.
TEST(CrtClock, VuzSeedFixesTheStartUpClockAndTheRuntimeKeepsItsSeed) {
    const char* previous = std::getenv("VUZ_SEED");
    const std::string kept = previous ? previous : "";
    unsetenv("VUZ_SEED");
    EXPECT_LE(std::abs(static_cast<double>(crt::time() - std::time(nullptr))), 2.0);
    for (const char* seed : {"0", "1234", "4294967295"}) {
        setenv("VUZ_SEED", seed, 1);
        EXPECT_EQ(crt::time(), static_cast<std::time_t>(std::stoull(seed))) << seed;
    }
    for (const char* bad : {"-1", "4294967296", "12x", " 5", "0x10"}) {
        setenv("VUZ_SEED", bad, 1);
        EXPECT_LE(std::abs(static_cast<double>(crt::time() - std::time(nullptr))), 2.0) << bad;
    }
    if (previous) setenv("VUZ_SEED", kept.c_str(), 1);
    else unsetenv("VUZ_SEED");

    // Reading the seed draws nothing: the sequence after it is the seed's own.
    crt::srand(4000000000u);
    const int first = crt::rand();
    crt::srand(4000000000u);
    EXPECT_EQ(crt::lastSeed(), 4000000000u);
    EXPECT_EQ(crt::lastSeed(), 4000000000u);
    EXPECT_EQ(crt::rand(), first);
    EXPECT_EQ(crt::lastSeed(), 4000000000u);  // drawing does not change the seed
}
