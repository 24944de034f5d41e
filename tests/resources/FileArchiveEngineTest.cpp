// FileArchive over the real engine, headless: what the archive serves really becomes engine
// objects, and whatever the engine refuses gives every resolved file back.
#include <gtest/gtest.h>

#include <cstring>

#include "ResourceWorkspace.h"
#include "platform/vuzirovari/vuzirovari.h"
#include "platform/vuzirovari/vuzirovari_test.h"
#include "resources/FileArchive.h"

namespace {

// A unit quad with picture coordinates, in the DirectX text mesh format.
const char* const QuadX =
    "xof 0303txt 0032\n"
    "Mesh quad {\n"
    " 4;\n"
    " 0.0;0.0;0.0;, 1.0;0.0;0.0;, 1.0;1.0;0.0;, 0.0;1.0;0.0;;\n"
    " 2;\n"
    " 3;0,1,2;, 3;0,2,3;;\n"
    " MeshTextureCoords {\n"
    "  4;\n"
    "  0.0;1.0;, 1.0;1.0;, 1.0;0.0;, 0.0;0.0;;\n"
    " }\n"
    "}\n";

// 2 x 2 opaque red pixels.
std::string redPng() {
    static const unsigned char bytes[] = {
        0x89, 0x50, 0x4e, 0x47, 0x0d, 0x0a, 0x1a, 0x0a, 0x00, 0x00, 0x00, 0x0d, 0x49, 0x48, 0x44, 0x52, 0x00,
        0x00, 0x00, 0x02, 0x00, 0x00, 0x00, 0x02, 0x08, 0x06, 0x00, 0x00, 0x00, 0x72, 0xb6, 0x0d, 0x24, 0x00,
        0x00, 0x00, 0x11, 0x49, 0x44, 0x41, 0x54, 0x78, 0xda, 0x63, 0xf8, 0xcf, 0xc0, 0xf0, 0x1f, 0x84, 0x19,
        0x60, 0x0c, 0x00, 0x47, 0xca, 0x07, 0xf9, 0x1a, 0xb6, 0xf1, 0xa9, 0x00, 0x00, 0x00, 0x00, 0x49, 0x45,
        0x4e, 0x44, 0xae, 0x42, 0x60, 0x82};
    return std::string(reinterpret_cast<const char*>(bytes), sizeof bytes);
}

// An uncompressed 32-bit picture of the given size, all white.
std::string whiteDds(uint32_t width, uint32_t height) {
    std::string bytes(128, '\0');
    auto put = [&bytes](size_t at, uint32_t value) { std::memcpy(&bytes[at], &value, 4); };
    std::memcpy(&bytes[0], "DDS ", 4);
    put(4, 124);
    put(8, 0x100f);  // caps, height, width, pitch, pixel format
    put(12, height);
    put(16, width);
    put(20, width * 4);
    put(76, 32);     // pixel format record
    put(80, 0x41);   // RGB with alpha
    put(88, 32);
    put(92, 0x00ff0000);
    put(96, 0x0000ff00);
    put(100, 0x000000ff);
    put(104, 0xff000000);
    put(108, 0x1000);
    return bytes + std::string(width * height * 4, '\xff');
}

class FileArchiveEngine : public ::testing::Test {
protected:
    void SetUp() override {
        vtReset();
        vtSetDrawing(0);
        ASSERT_NE(iVortaneOpen(nullptr, nullptr), 0);
    }
    void TearDown() override { vtReset(); }

    ResourceWorkspace workspace;
};

}  // namespace

TEST_F(FileArchiveEngine, SpritesFromThePackedArchiveShareOneTexture) {
    workspace.write("packed/Gui/Bar.x", QuadX);
    workspace.write("packed/Gui/Bar.png", redPng());
    ASSERT_TRUE(workspace.pack("graphics.qmx", "packed", {"Gui"}));
    FileArchive files("graphics.qmx");
    const uint32_t first = files.createSprite("gui\\bar.x", 5, false);
    const uint32_t second = files.createSprite("gui\\bar.x", 6, false);
    ASSERT_NE(first, 0u);
    ASSERT_NE(second, 0u);
    vtSprite a{}, b{};
    ASSERT_TRUE(vtSpriteGet(first, &a));
    ASSERT_TRUE(vtSpriteGet(second, &b));
    EXPECT_EQ(a.textureId, files.textureId("gui\\bar.png"));
    EXPECT_EQ(a.textureId, b.textureId);
    EXPECT_EQ(a.textureWidth, 2);
    EXPECT_EQ(a.owner, 5);
    EXPECT_EQ(vtTextureCount(), 1);

    files.destroySprite(first);
    EXPECT_EQ(files.files().references("gui\\bar.x"), 1u);
    files.destroySprite(second);
    EXPECT_EQ(files.files().size(), 0u);
    EXPECT_EQ(vtSpriteCount(), 0);
}

TEST_F(FileArchiveEngine, AMeshGetsItsCompanionTexture) {
    workspace.write("arena/floor.x", QuadX);
    workspace.write("arena/floor.png", redPng());
    FileArchive files("graphics.qmx");
    const uint32_t mesh = files.createMesh("arena\\floor.x", "");
    ASSERT_NE(mesh, 0u);
    int shadow = -1, vertices = 0, triangles = 0, textureId = -1;
    uint32_t body = 0;
    float length = 0;
    ASSERT_TRUE(vtMeshGet(mesh, &shadow, &vertices, &triangles, &textureId, &body, &length));
    EXPECT_EQ(shadow, 0);
    EXPECT_EQ(triangles, 2);
    EXPECT_EQ(textureId, files.textureId("arena\\floor.png"));
    files.destroyMesh(mesh);
    EXPECT_EQ(files.files().size(), 0u);
    EXPECT_FALSE(vtMeshGet(mesh, &shadow, &vertices, &triangles, &textureId, &body, &length));
}

TEST_F(FileArchiveEngine, AFontIsMadeWithTheGlyphsFound) {
    workspace.write("default_res/Test Font.wid", "0.5\n0.5\n");
    workspace.write("default_res/Test Font.dds", whiteDds(4, 4));
    workspace.write("default_res/Test Font_41.x", QuadX);
    workspace.write("default_res/Test Font_42.x", QuadX);
    FileArchive files("graphics.qmx");
    const uint32_t font = files.createFont("default_res\\Test Font.wid", 3);
    ASSERT_NE(font, 0u);
    int glyphs = 0, textureId = -1, owner = 0;
    ASSERT_TRUE(vtFontGet(font, &glyphs, &textureId, &owner));
    EXPECT_EQ(glyphs, 2);
    EXPECT_EQ(textureId, files.textureId("default_res\\Test Font.dds"));
    EXPECT_EQ(owner, 3);
    EXPECT_FLOAT_EQ(vtFontWidth(font, 0), 0.5f);
    EXPECT_EQ(files.files().size(), 4u);
    files.destroyFont(font);
    EXPECT_EQ(files.files().size(), 0u);
}

TEST_F(FileArchiveEngine, FilesTheEngineRefusesAreAllGivenBack) {
    const std::string junk = "this is no resource file of any kind";
    for (const char* name : {"bad.x", "bad.png", "bad.ply", "bad.pol", "bad.spg", "bad.wid", "bad_41.x"}) {
        workspace.write(name, junk);
    }
    workspace.write("good.x", QuadX);
    workspace.write("good.png", redPng());
    FileArchive files("graphics.qmx");
    EXPECT_EQ(files.createSprite("bad.x", 0, false), 0u);
    EXPECT_EQ(files.createMesh("good.x", "bad.png"), 0u);
    EXPECT_EQ(files.createShadowCasterMesh("bad.x", 0, 50.0f), 0u);
    EXPECT_EQ(files.createSkinMesh("bad.x", {"good.png"}), 0u);
    EXPECT_EQ(files.createBody("bad.ply"), 0u);
    EXPECT_EQ(files.createBodySG("bad.spg", 3.0f), 0u);
    workspace.write("bad.dds", junk);
    EXPECT_EQ(files.createFont("bad.wid", 0), 0u);
    EXPECT_EQ(files.files().size(), 0u);
    EXPECT_EQ(vtSpriteCount(), 0);
    EXPECT_EQ(vtBodyCount(), 0);
}
