// Model files as a modder's exporter may write them, that the model library cannot take: each
// is refused with one log line and a 0 handle, and the engine goes on.
#include <cstddef>
#include <string>
#include <vector>

#include "engine_fixture.h"
#include "platform/win32/win32_host.h"
#include "resource_files.h"

namespace {

using fixtures::HeapCopy;

// A mesh with nonsense numbers, then an animation set whose one animation has no keys.
const std::string MeshThenEmptyAnimation =
    "xof 0303txt 0032\nMesh{4;4;4;7;0;.8,4;0;0;0;0;0;0;1,1,1;}AnimationSet{Animation{}}";

// Binary .ply: a vertex element of two z and no x or y, and faces of 4, 0 and 2 corners.
std::string shortFacesPly() {
    const std::string header =
        "ply\nformat binary_little_endian 1.0\nelement vertex 4\nproperty int8 z\ncomment\n"
        "property char z\nelement face 3\nproperty list int8 char vertex_indices\nend_header\n";
    return header + std::string("\x00ly\x04\x00\x02\x02\x02\x01\x00\x02\x02\x02\x02\x66\x6c", 16);
}

// A square of four vertices with the given face rows, as text.
std::string squarePly(const std::string& faces, int faceCount, const std::string& vertexProperties = "x y z") {
    std::string header = "ply\nformat ascii 1.0\nelement vertex 4\n";
    for (char axis : vertexProperties) {
        if (axis != ' ') header += std::string("property float ") + axis + "\n";
    }
    return header + "element face " + std::to_string(faceCount) +
           "\nproperty list uchar int vertex_indices\nend_header\n-1 0 -1\n1 0 -1\n1 0 1\n-1 0 1\n" + faces;
}

class EngineHostileModels : public EngineTest {
protected:
    void SetUp() override {
        EngineTest::SetUp();
        openHeadless();
        mark = win32::logLines().size();
    }
    uint32_t body(const std::string& ply) {
        HeapCopy bytes(ply);
        return iBodyCreateFromMemory(bytes.data(), bytes.size(), nullptr, 0);
    }
    // The log lines written since the last call (or the start).
    std::vector<std::string> takeLines() {
        const auto& lines = win32::logLines();
        std::vector<std::string> recent(lines.begin() + static_cast<std::ptrdiff_t>(mark), lines.end());
        mark = lines.size();
        return recent;
    }
    size_t mark = 0;
};

}  // namespace

TEST_F(EngineHostileModels, AnEmptyAnimationAfterAMeshAndFacesOfTwoCornersAreRefused) {
    HeapCopy x(MeshThenEmptyAnimation), png(fixtures::png(2, 2, {255, 255, 255, 255}));
    EXPECT_EQ(iSpriteCreateFromMemory(x.data(), x.size(), png.data(), png.size(), 0, 0), 0u);
    EXPECT_EQ(iMeshCreateFromMemory(x.data(), x.size(), png.data(), png.size(), 1), 0u);
    const void* textures[2] = {png.data(), nullptr};
    const uint32_t sizes[2] = {png.size(), 0};
    EXPECT_EQ(iSkinMeshCreateFromMemory(x.data(), x.size(), textures, sizes), 0u);
    EXPECT_EQ(body(shortFacesPly()), 0u);
    const std::vector<std::string> lines = takeLines();
    ASSERT_EQ(lines.size(), 4u);
    for (const std::string& line : lines) EXPECT_FALSE(line.empty());
    EXPECT_NE(lines[3].find("no x"), std::string::npos) << lines[3];
    EXPECT_EQ(vtBodyCount(), 0);

    // The engine goes on: the same kinds made from sound files.
    HeapCopy quad(fixtures::quadX()), mesh(fixtures::meshX());
    const uint32_t sprite = iSpriteCreateFromMemory(quad.data(), quad.size(), png.data(), png.size(), 0, 0);
    const uint32_t meshHandle = iMeshCreateFromMemory(mesh.data(), mesh.size(), png.data(), png.size(), 1);
    const uint32_t square = body(fixtures::plyBinary());
    EXPECT_NE(sprite, 0u);
    EXPECT_NE(meshHandle, 0u);
    EXPECT_NE(square, 0u);
    iSpriteDestroy(sprite);
    iMeshDestroy(meshHandle);
    iBodyDestroy(square);
}

TEST_F(EngineHostileModels, ACollisionMeshTheEngineCannotUseIsRefusedBeforeTheLibrarySeesIt) {
    struct Case {
        const char* what;
        std::string ply;
        const char* reason;
    };
    const Case cases[] = {
        {"a face of two corners", squarePly("3 0 1 2\n2 0 2\n", 2), "fewer than three corners"},
        {"a face of no corners", squarePly("0\n", 1), "fewer than three corners"},
        {"a corner past the vertices", squarePly("3 0 1 4\n", 1), "outside the 4 vertices"},
        {"a corner below 0", squarePly("3 0 -1 2\n", 1), "below 0"},
        {"no y", squarePly("3 0 1 2\n", 1, "x z"), "no y"},
        {"two z", squarePly("3 0 1 2\n", 1, "x y z z"), "more than one z"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(body(c.ply), 0u) << c.what;
        const std::vector<std::string> lines = takeLines();
        ASSERT_EQ(lines.size(), 1u) << c.what;
        EXPECT_NE(lines[0].find(c.reason), std::string::npos) << lines[0];
    }
    // The binary form: a corner past the vertices, then one below 0.
    std::string ply = fixtures::plyBinary();
    ply[ply.size() - 4] = 9;
    EXPECT_EQ(body(ply), 0u);
    ply[ply.size() - 4] = 3;
    ply[ply.size() - 1] = static_cast<char>(0x80);
    EXPECT_EQ(body(ply), 0u);
    EXPECT_EQ(takeLines().size(), 2u);
    // Sound files still load: text with a triangle and a quadrilateral, and the binary square.
    const uint32_t a = body(squarePly("3 0 1 2\n4 0 1 2 3\n", 2));
    const uint32_t b = body(fixtures::plyBinary());
    EXPECT_NE(a, 0u);
    EXPECT_NE(b, 0u);
    EXPECT_EQ(takeLines().size(), 0u);
    iBodyDestroy(a);
    iBodyDestroy(b);
}
