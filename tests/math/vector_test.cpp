#include <gtest/gtest.h>

#include <cmath>

#include "math/Numeric.h"
#include "math/Quaternion.h"
#include "math/Vector2.h"
#include "math/Vector3.h"
#include "math/Vector4.h"

TEST(Vectors, ArithmeticWorksComponentByComponent) {
    Vector3 a(1, 2, 3), b(0.5f, -1, 2);
    EXPECT_EQ(a + b, Vector3(1.5f, 1, 5));
    EXPECT_EQ(a - b, Vector3(0.5f, 3, 1));
    EXPECT_EQ(a * 2.0f, Vector3(2, 4, 6));
    EXPECT_EQ(a / 2.0f, Vector3(0.5f, 1, 1.5f));
    EXPECT_EQ(-a, Vector3(-1, -2, -3));
    EXPECT_EQ(+a, a);
    Vector3 c = a;
    (c += b) -= a;
    EXPECT_EQ(c, b);
    EXPECT_EQ(Vector4(1, 2, 3, 4) * 0.5f, Vector4(0.5f, 1, 1.5f, 2));
}

TEST(Vectors, DivisionMultipliesByTheFloatReciprocal) {
    float f = 3.0f;
    float r = 1.0f / f;
    Vector2 v(1.0f, 10.0f);
    v /= f;
    EXPECT_EQ(v.x, 1.0f * r);
    EXPECT_EQ(v.y, 10.0f * r);
    Vector2 z = Vector2(1, -1) / 0.0f;
    EXPECT_TRUE(std::isinf(z.x) && z.x > 0);
    EXPECT_TRUE(std::isinf(z.y) && z.y < 0);
}

TEST(Vectors, EqualityIsExact) {
    EXPECT_TRUE(Vector2(0, 0) == Vector2(-0.0f, 0));
    EXPECT_FALSE(Vector2(NAN, 0) == Vector2(NAN, 0));
    EXPECT_TRUE(Vector2(NAN, 0) != Vector2(NAN, 0));
    EXPECT_TRUE(Vector3(1, 2, 3) != Vector3(1, 2, 3.0001f));
}

TEST(Vectors, LayoutIsPlainFloats) {
    static_assert(sizeof(Vector2) == 2 * sizeof(float));
    static_assert(sizeof(Vector3) == 3 * sizeof(float));
    static_assert(sizeof(Vector4) == 4 * sizeof(float));
    Vector3 v(1, 2, 3);
    const float* f = &v.x;
    EXPECT_EQ(f[2], 3.0f);
    Quaternion q;
    EXPECT_EQ(q.w, 1.0f);
    EXPECT_EQ(q.x, 0.0f);
}

TEST(Numeric, RoundToIntTakesHalvesAwayFromZero) {
    EXPECT_EQ(roundToInt(2.5f), 3.0f);
    EXPECT_EQ(roundToInt(-2.5f), -3.0f);
    EXPECT_EQ(roundToInt(2.4999f), 2.0f);
    EXPECT_EQ(roundToInt(-0.5f), -1.0f);
    EXPECT_EQ(roundToInt(0.49f), 0.0f);
    EXPECT_EQ(roundToInt(0.0f), 0.0f);
    EXPECT_EQ(roundToInt(NAN), 0.0f);
    EXPECT_FALSE(passThrough(false, "Unknown arena to load"));
    EXPECT_TRUE(passThrough(true, ""));
}
