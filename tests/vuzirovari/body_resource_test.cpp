// Bodies made from memory: collision sets (.ply + .pol) and rigid bodies (.spg) in the
// engine's physics world.
#include <string>

#include "engine_fixture.h"
#include "platform/vuzirovari/shape_list.h"
#include "resource_files.h"

namespace {

using fixtures::HeapCopy;

class EngineBodies : public EngineTest {
protected:
    void SetUp() override {
        EngineTest::SetUp();
        openHeadless();
    }
    uint32_t collisionSet(const std::string& ply, const std::string& pol) {
        HeapCopy a(ply), b(pol);
        uint32_t body = iBodyCreateFromMemory(a.data(), a.size(), b.data(), b.size());
        a.release();
        b.release();
        return body;
    }
    uint32_t rigid(const std::string& spg, float mass) {
        HeapCopy a(spg);
        uint32_t body = iBodySGCreateFromMemory(a.data(), a.size(), mass);
        a.release();
        return body;
    }
};

TEST_F(EngineBodies, CollisionSetFromAsciiAndBinaryPlyWithOrWithoutAPol) {
    int before = vtPhysicsShapeCount();
    uint32_t a = collisionSet(fixtures::plyAscii(), "pol 1\nfriction 0.9\nbounce 0.1\n");
    uint32_t b = collisionSet(fixtures::plyBinary(), "plane 0 1 0 0 # the floor\nbox 1 2 3 at 0 1 0\n");
    ASSERT_NE(a, 0u);
    ASSERT_NE(b, 0u);
    int rigidKind = -1, shapes = 0, triangles = 0, enabled = -1;
    ASSERT_EQ(vtBodyGet(a, &rigidKind, &shapes, &triangles, nullptr, &enabled), 1);
    EXPECT_EQ(rigidKind, 0);
    EXPECT_EQ(shapes, 1);
    EXPECT_EQ(triangles, 2);
    EXPECT_EQ(enabled, 0);  // bodies wait to be enabled
    ASSERT_EQ(vtBodyGet(b, nullptr, &shapes, &triangles, nullptr, nullptr), 1);
    EXPECT_EQ(shapes, 3);
    EXPECT_EQ(triangles, 2);  // the quadrilateral split in two
    EXPECT_EQ(vtBodyCount(), 2);
    EXPECT_EQ(vtPhysicsShapeCount(), before + 4);
    iBodyDestroy(b);
    iBodyDestroy(b);
    EXPECT_EQ(vtPhysicsShapeCount(), before + 1);
    EXPECT_EQ(vtBodyCount(), 1);

    // An empty .pol keeps the defaults.
    uint32_t c = collisionSet(fixtures::plyAscii(), "");
    ASSERT_NE(c, 0u);
    ASSERT_EQ(vtBodyGet(c, nullptr, &shapes, nullptr, nullptr, nullptr), 1);
    EXPECT_EQ(shapes, 1);
}

TEST_F(EngineBodies, RigidBodyFromShapes) {
    uint32_t b = rigid("spg 1\n# forearm\ncapsule 0.05 0.25 at 0 0.15 0\nsphere 0.06 at 0 0.35 0\n"
                       "box 0.1 0.05 0.02 turn 0 0 0.7071 0.7071\ncylinder 0.04 0.1\n",
                       2.5f);
    ASSERT_NE(b, 0u);
    int rigidKind = 0, shapes = 0, triangles = -1;
    float mass = 0.0f;
    ASSERT_EQ(vtBodyGet(b, &rigidKind, &shapes, &triangles, &mass, nullptr), 1);
    EXPECT_EQ(rigidKind, 1);
    EXPECT_EQ(shapes, 4);
    EXPECT_EQ(triangles, 0);
    EXPECT_FLOAT_EQ(mass, 2.5f);
    iBodyDestroy(b);
    EXPECT_EQ(vtBodyCount(), 0);
    EXPECT_EQ(vtPhysicsShapeCount(), 0);
}

TEST_F(EngineBodies, BadFilesGiveZeroAndLeaveNothing) {
    EXPECT_EQ(rigid("sphere 0.1\n", 0.0f), 0u);
    EXPECT_EQ(rigid("sphere 0.1\n", -1.0f), 0u);
    EXPECT_EQ(rigid("", 1.0f), 0u);                      // no shapes
    EXPECT_EQ(rigid("sphere -0.1\n", 1.0f), 0u);         // sizes above 0
    EXPECT_EQ(rigid("plane 0 1 0 0\n", 1.0f), 0u);       // planes only in collision sets
    EXPECT_EQ(rigid("box 1 1\n", 1.0f), 0u);
    EXPECT_EQ(rigid("box 1 1 1 at 0 0\n", 1.0f), 0u);
    EXPECT_EQ(rigid("box 1 1 1 turn 0 0 0 0\n", 1.0f), 0u);
    EXPECT_EQ(rigid("pol 1\nbox 1 1 1\n", 1.0f), 0u);    // the other kind's header
    EXPECT_EQ(rigid("spg 2\nbox 1 1 1\n", 1.0f), 0u);
    EXPECT_EQ(rigid("box 1 1 1\nspg 1\n", 1.0f), 0u);    // the header only first
    EXPECT_EQ(rigid("cube 1\n", 1.0f), 0u);
    EXPECT_EQ(rigid(std::string("box 1 1 1\0", 10), 1.0f), 0u);
    EXPECT_EQ(collisionSet("ply\nformat ascii 1.0\nend_header\n", ""), 0u);
    EXPECT_EQ(collisionSet("not a ply", ""), 0u);
    EXPECT_EQ(collisionSet(fixtures::plyAscii(), "friction -1\n"), 0u);
    std::string ply = fixtures::plyBinary();
    EXPECT_EQ(collisionSet(ply.substr(0, ply.size() - 6), ""), 0u);
    EXPECT_EQ(iBodyCreateFromMemory(nullptr, 0, nullptr, 0), 0u);
    EXPECT_EQ(vtBodyCount(), 0);
    EXPECT_EQ(vtPhysicsShapeCount(), 0);
    iBodyDestroy(0);
    iBodyDestroy(999);
}

TEST(EngineShapeFile, ErrorsNameTheLine) {
    vuz::ShapeFile file;
    std::string error;
    std::string text = "spg 1\n\n# a comment\nbox 1 1 1\r\nsphere x\n";
    EXPECT_FALSE(vuz::readShapeFile(text.data(), text.size(), "spg", &file, &error));
    EXPECT_NE(error.find("line 5"), std::string::npos) << error;
    text = "pol 1\nfriction 0.5\nbounce 0.25\ncapsule 0.1 1 at 1 2 3 turn 0 0 0 2\n";
    ASSERT_TRUE(vuz::readShapeFile(text.data(), text.size(), "pol", &file, &error)) << error;
    EXPECT_FLOAT_EQ(file.friction, 0.5f);
    EXPECT_FLOAT_EQ(file.bounce, 0.25f);
    ASSERT_EQ(file.shapes.size(), 1u);
    EXPECT_FLOAT_EQ(file.shapes[0].at[2], 3.0f);
    EXPECT_FLOAT_EQ(file.shapes[0].turn[3], 1.0f);  // made a unit quaternion
}

}  // namespace
