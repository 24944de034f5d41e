// The plug-in's table and the creates by path.
#include <algorithm>
#include <filesystem>
#include <set>
#include <string>

#include "engine_fixture.h"
#include "platform/vuzirovari/vuzirovari_table.h"
#include "platform/win32/win32_host.h"
#include "resource_files.h"

namespace {

int countLines(const std::string& text) {
    const std::vector<std::string>& lines = win32::logLines();
    return static_cast<int>(std::count(lines.begin(), lines.end(), text));
}

}  // namespace

TEST_F(EngineTest, TheTableOffersEachFunctionAtItsIndexAndReportsEveryOtherEntryOnce) {
    const VuzEntry* table = vuzPluginTable();
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(vuzPluginTable(), table);

    std::set<int> offered;
#define CHECK_ENTRY(index, function)                                                              \
    EXPECT_EQ(table[index], reinterpret_cast<VuzEntry>(&function)) << "entry " << index << " " #function; \
    EXPECT_TRUE(offered.insert(index).second) << "entry " << index << " listed twice";
    VUZ_TABLE_ENTRIES(CHECK_ENTRY)
#undef CHECK_ENTRY
    EXPECT_EQ(offered.size(), 117u);  // 104 named, 11 of the 12 role-only entries, 2 destroys

    std::set<VuzEntry> distinct;
    for (int i = 0; i < VUZ_TABLE_SIZE; ++i) {
        ASSERT_NE(table[i], nullptr) << "entry " << i;
        distinct.insert(table[i]);
    }
    EXPECT_EQ(distinct.size(), static_cast<size_t>(VUZ_TABLE_SIZE)) << "every reporting function is its index's own";

    for (int index : {1, 110, 364, 423, 506}) {
        ASSERT_EQ(offered.count(index), 0u);
        auto call = reinterpret_cast<int (*)(void)>(table[index]);
        const std::string line = "engine: plug-in table entry " + std::to_string(index) + " is not offered";
        EXPECT_EQ(call(), 0);
        EXPECT_EQ(call(), 0);
        EXPECT_EQ(countLines(line), 1) << line;
    }
}

TEST_F(EngineTest, CreatesByPathMakeWhatTheBytesMakeAndRefuseMissingFiles) {
    openHeadless();
    namespace fs = std::filesystem;
    const std::string dir = scratchDir();
    const std::string quad = fixtures::quadX(0.0f, 0.0f, 0.5f, 0.5f), picture = fixtures::png(4, 2, {200, 10, 10, 255});
    fs::create_directories(dir + "/pics");
    fixtures::writeFile(dir + "/pics/arrow.x", quad);
    fixtures::writeFile(dir + "/pics/arrow.png", picture);
    fixtures::writeFile(dir + "/mesh.x", fixtures::meshX());
    fixtures::writeFile(dir + "/mesh.png", picture);
    fixtures::writeFile(dir + "/skin.X", fixtures::skinX());
    const std::string pol = "pol 1\nfriction 0.9\n", spg = "spg 1\nbox 0.2 0.4 0.2\n";
    fixtures::writeFile(dir + "/mat.ply", fixtures::plyAscii());
    fixtures::writeFile(dir + "/mat.pol", pol);
    fixtures::writeFile(dir + "/part_.spg", spg);

    // A game path with backslashes and another case finds the file as the game would.
    const std::string arrow = dir + "\\PICS\\Arrow.x";
    const uint32_t byPath = iSpriteCreate(arrow.c_str(), 7);
    fixtures::HeapCopy q(quad), p(picture);
    const uint32_t fromMemory = iSpriteCreateFromMemory(q.data(), q.size(), p.data(), p.size(), 991, 7);
    ASSERT_NE(byPath, 0u);
    ASSERT_NE(fromMemory, 0u);
    vtSprite a{}, b{};
    ASSERT_TRUE(vtSpriteGet(byPath, &a));
    ASSERT_TRUE(vtSpriteGet(fromMemory, &b));
    EXPECT_EQ(a.visible, b.visible);
    EXPECT_EQ(a.owner, 7);
    EXPECT_EQ(a.textureWidth, 4);
    EXPECT_EQ(a.textureHeight, 2);
    EXPECT_EQ(a.scale.x, b.scale.x);
    // A second sprite of the same picture shares its texture.
    const int textures = vtTextureCount();
    const uint32_t again = iSpriteCreate(arrow.c_str(), 7);
    EXPECT_NE(again, 0u);
    EXPECT_EQ(vtTextureCount(), textures);

    const uint32_t mesh = iMeshCreate((dir + "/mesh.x").c_str());
    fixtures::HeapCopy m(fixtures::meshX());
    const uint32_t meshTwin = iMeshCreateFromMemory(m.data(), m.size(), p.data(), p.size(), 992);
    int shadow[2], vertices[2], triangles[2], textureId[2];
    uint32_t body[2];
    float length[2];
    ASSERT_TRUE(vtMeshGet(mesh, &shadow[0], &vertices[0], &triangles[0], &textureId[0], &body[0], &length[0]));
    ASSERT_TRUE(vtMeshGet(meshTwin, &shadow[1], &vertices[1], &triangles[1], &textureId[1], &body[1], &length[1]));
    EXPECT_EQ(vertices[0], vertices[1]);
    EXPECT_EQ(triangles[0], triangles[1]);

    const uint32_t skin = iSkinMeshCreate((dir + "/skin.X").c_str());
    int bones = 0, animations = 0, slots = 0, skinTriangles = 0;
    ASSERT_TRUE(vtSkinMeshGet(skin, &bones, &animations, &slots, &skinTriangles));
    EXPECT_GE(bones, 3);
    EXPECT_EQ(animations, 2);
    EXPECT_EQ(vtSkinMeshTextureSlot(skin, 0, nullptr, nullptr), 0) << "no texture slots by path";

    const uint32_t mat = iBodyCreate((dir + "/mat.ply").c_str());
    const uint32_t part = iBodySGCreate((dir + "/part_.spg").c_str(), 2.5f);
    int rigid = -1, shapes = 0, bodyTriangles = 0, enabled = -1;
    float mass = 0.0f;
    ASSERT_TRUE(vtBodyGet(mat, &rigid, &shapes, &bodyTriangles, &mass, &enabled));
    EXPECT_EQ(rigid, 0);
    EXPECT_EQ(bodyTriangles, 2);
    ASSERT_TRUE(vtBodyGet(part, &rigid, &shapes, &bodyTriangles, &mass, &enabled));
    EXPECT_EQ(rigid, 1);
    EXPECT_FLOAT_EQ(mass, 2.5f);
    const uint32_t caster = iMeshBodyShadowCasterCreate((dir + "/mesh.x").c_str(), static_cast<int>(part), 50.0f);
    ASSERT_TRUE(vtMeshGet(caster, &shadow[0], &vertices[0], &triangles[0], &textureId[0], &body[0], &length[0]));
    EXPECT_EQ(shadow[0], 1);
    EXPECT_EQ(body[0], part);
    EXPECT_FLOAT_EQ(length[0], 50.0f);

    // Missing files: 0 and one line each.
    const size_t linesBefore = win32::logLines().size();
    EXPECT_EQ(iSpriteCreate((dir + "/pics/none.x").c_str(), 0), 0u);
    EXPECT_EQ(iMeshCreate((dir + "/none.x").c_str()), 0u);
    EXPECT_EQ(iSkinMeshCreate(nullptr), 0u);
    EXPECT_EQ(iBodySGCreate((dir + "/none.spg").c_str(), 1.0f), 0u);
    fs::remove(dir + "/mat.pol");
    EXPECT_EQ(iBodyCreate((dir + "/mat.ply").c_str()), 0u);
    EXPECT_EQ(win32::logLines().size() - linesBefore, 5u);
    // Pictures are shared by path while a user lives, and read again after the last one went.
    fs::remove(dir + "/pics/arrow.png");
    const uint32_t shared = iSpriteCreate(arrow.c_str(), 0);
    EXPECT_NE(shared, 0u);
    for (uint32_t sprite : {byPath, again, shared}) iSpriteDestroy(sprite);
    EXPECT_EQ(iSpriteCreate(arrow.c_str(), 0), 0u);

    EXPECT_EQ(iFileExists((dir + "/mesh.x").c_str()), 1);
    EXPECT_EQ(iFileExists((dir + "/pics").c_str()), 0) << "a folder is not a file";
    EXPECT_EQ(iFileExists((dir + "/none").c_str()), 0);
    EXPECT_EQ(iFileExists(nullptr), 0);
}

TEST_F(EngineTest, FramesPerSecondIsTheInverseFrameTimeRounded) {
    openHeadless();
    vtSetFixedFrameTime(1.0f / 60.0f);
    iVortaneMain();
    EXPECT_EQ(iFps(), 60);
    vtSetFixedFrameTime(0.15f);
    iVortaneMain();
    EXPECT_EQ(iFps(), 7);  // 6.67 rounded
}
