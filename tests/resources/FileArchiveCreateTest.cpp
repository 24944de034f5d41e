#include <algorithm>
#include <cstdio>

#include "FileArchiveFixture.h"

namespace {

using FileArchiveCreate = FileArchiveTest;

std::string hex2(int code) {
    char digits[3];
    std::snprintf(digits, sizeof digits, "%02x", code);
    return digits;
}

}  // namespace

TEST_F(FileArchiveCreate, TwoSpritesOfOneFileShareItsBlocksAndTextureId) {
    workspace.write("packed/gui/cursor.x", "cursor quad");
    workspace.write("packed/gui/cursor.png", "cursor pixels");
    packStage({"gui"});
    FileArchive& files = open();
    const uint32_t first = files.createSprite("gui\\cursor.x", 3, false);
    const uint32_t second = files.createSprite("gui\\cursor.x", 4, false);
    ASSERT_NE(first, 0u);
    ASSERT_NE(second, 0u);
    ASSERT_EQ(creates().size(), 2u);
    EXPECT_EQ(creates()[0].file, "cursor quad");
    EXPECT_EQ(creates()[0].companion, "cursor pixels");
    EXPECT_EQ(creates()[0].owner, 3);
    EXPECT_EQ(creates()[1].owner, 4);
    EXPECT_EQ(creates()[0].textureId, creates()[1].textureId);
    EXPECT_EQ(cachedFiles(), 2u);
    EXPECT_EQ(references("gui\\cursor.x"), 2u);
    EXPECT_EQ(references("gui\\cursor.png"), 2u);

    files.destroySprite(first);
    EXPECT_EQ(references("gui\\cursor.x"), 1u);
    EXPECT_EQ(references("gui\\cursor.png"), 1u);
    files.destroySprite(second);
    EXPECT_EQ(cachedFiles(), 0u);
    ASSERT_EQ(destroys().size(), 2u);
    EXPECT_EQ(destroys()[0].kind, "sprite");
    EXPECT_EQ(destroys()[0].handle, first);
    // The id outlives every sprite that used it.
    EXPECT_EQ(files.textureId("gui\\cursor.png"), creates()[0].textureId);
}

TEST_F(FileArchiveCreate, AGlyphSpriteTakesItsFoldersFontAtlas) {
    workspace.write("font/font_41.x", "glyph A");
    workspace.write("font/fonts.dds", "atlas");
    workspace.write("font/font_41.png", "not this");
    FileArchive& files = open();
    const uint32_t sprite = files.createSprite("font\\font_41.x", 0, true);
    ASSERT_NE(sprite, 0u);
    EXPECT_EQ(creates()[0].companion, "atlas");
    EXPECT_EQ(files.heldFiles(ResourceKind::Sprite, sprite), (std::vector<std::string>{"font\\font_41.x", "font\\fonts.dds"}));
    files.destroySprite(sprite);
    EXPECT_EQ(cachedFiles(), 0u);
}

TEST_F(FileArchiveCreate, AMissingCompanionReleasesTheMainFileAndReachesNoEngine) {
    workspace.write("gui/lonely.x", "quad");
    workspace.write("arena/mat.ply", "shape");
    workspace.write("default_res/Plain.wid", "widths");
    FileArchive& files = open();
    EXPECT_EQ(files.createSprite("gui\\lonely.x", 0, false), 0u);
    EXPECT_EQ(files.createSprite("gui\\lonely.x", 0, true), 0u);
    EXPECT_EQ(files.createMesh("gui\\lonely.x", ""), 0u);
    EXPECT_EQ(files.createMesh("gui\\lonely.x", "gui\\missing.png"), 0u);
    EXPECT_EQ(files.createBody("arena\\mat.ply"), 0u);
    EXPECT_EQ(files.createFont("default_res\\Plain.wid", 0), 0u);
    EXPECT_EQ(files.createSprite("gui\\absent.x", 0, false), 0u);
    EXPECT_TRUE(creates().empty());
    EXPECT_EQ(cachedFiles(), 0u);
    // No texture id was handed out for a texture that never reached the engine.
    EXPECT_EQ(files.textureId("first.png"), 0);
}

TEST_F(FileArchiveCreate, AFailedEngineCreateReleasesEveryFileOfEveryKind) {
    workspace.write("m.x", "mesh");
    workspace.write("m.png", "texture");
    workspace.write("b.ply", "shape");
    workspace.write("b.pol", "collision");
    workspace.write("r.spg", "part");
    workspace.write("s.x", "skin");
    workspace.write("t0.png", "slot 0");
    workspace.write("f.wid", "widths");
    workspace.write("f.dds", "atlas");
    workspace.write("f_41.x", "glyph");
    FileArchive& files = open();
    RecordingEngine::get().failCreates = true;
    EXPECT_EQ(files.createSprite("m.x", 0, false), 0u);
    EXPECT_EQ(files.createMesh("m.x", ""), 0u);
    EXPECT_EQ(files.createShadowCasterMesh("m.x", 1, 50.0f), 0u);
    EXPECT_EQ(files.createBody("b.ply"), 0u);
    EXPECT_EQ(files.createBodySG("r.spg", 2.0f), 0u);
    EXPECT_EQ(files.createSkinMesh("s.x", {"t0.png"}), 0u);
    EXPECT_EQ(files.createFont("f.wid", 0), 0u);
    EXPECT_EQ(creates().size(), 7u);
    EXPECT_EQ(cachedFiles(), 0u);
}

TEST_F(FileArchiveCreate, AFailedCreateLeavesOtherObjectsReferencesAlone) {
    workspace.write("m.x", "mesh");
    workspace.write("m.png", "texture");
    FileArchive& files = open();
    const uint32_t sprite = files.createSprite("m.x", 0, false);
    ASSERT_NE(sprite, 0u);
    RecordingEngine::get().failCreates = true;
    EXPECT_EQ(files.createMesh("m.x", ""), 0u);
    EXPECT_EQ(references("m.x"), 1u);
    EXPECT_EQ(references("m.png"), 1u);
    files.destroySprite(sprite);
    EXPECT_EQ(cachedFiles(), 0u);
}

TEST_F(FileArchiveCreate, AMeshUsesAnExplicitTextureNameUnchanged) {
    workspace.write("arena/wall.x", "wall");
    workspace.write("arena/wall.png", "own texture");
    workspace.write("arena/Light/LM.PNG", "light map");
    FileArchive& files = open();
    const uint32_t own = files.createMesh("arena\\wall.x", "");
    const uint32_t lit = files.createMesh("arena\\wall.x", "arena\\Light\\LM.PNG");
    ASSERT_NE(own, 0u);
    ASSERT_NE(lit, 0u);
    EXPECT_EQ(creates()[0].companion, "own texture");
    EXPECT_EQ(creates()[1].companion, "light map");
    EXPECT_NE(creates()[0].textureId, creates()[1].textureId);
    EXPECT_EQ(files.heldFiles(ResourceKind::Mesh, lit), (std::vector<std::string>{"arena\\wall.x", "arena\\Light\\LM.PNG"}));
    EXPECT_EQ(files.textureId("arena\\Light\\LM.PNG"), creates()[1].textureId);
    files.destroyMesh(own);
    files.destroyMesh(lit);
    EXPECT_EQ(cachedFiles(), 0u);
}

TEST_F(FileArchiveCreate, ShadowCastersAndBodyGroupsPassTheCallersValuesThrough) {
    workspace.write("shadow/head_shadow.x", "shadow");
    workspace.write("ragdoll/fighterHead_.spg", "head");
    FileArchive& files = open();
    const uint32_t shadow = files.createShadowCasterMesh("shadow\\head_shadow.x", 12, 50.0f);
    const uint32_t body = files.createBodySG("ragdoll\\fighterHead_.spg", 4.5f);
    ASSERT_NE(shadow, 0u);
    ASSERT_NE(body, 0u);
    EXPECT_EQ(creates()[0].owner, 12);
    EXPECT_EQ(creates()[0].value, 50.0f);
    EXPECT_EQ(creates()[1].file, "head");
    EXPECT_EQ(creates()[1].value, 4.5f);
    EXPECT_EQ(files.heldFiles(ResourceKind::Mesh, shadow), std::vector<std::string>{"shadow\\head_shadow.x"});
    files.destroyMesh(shadow);
    files.destroyBody(body);
    EXPECT_EQ(cachedFiles(), 0u);
    EXPECT_EQ(destroys()[0].kind, "mesh");
    EXPECT_EQ(destroys()[1].kind, "body");
}

TEST_F(FileArchiveCreate, ABodyIsMadeFromItsShapeAndCollisionData) {
    workspace.write("packed/arenas/mat_0.93.ply", "ply shape");
    workspace.write("packed/arenas/mat_0.93.pol", "pol data");
    packStage({"arenas"});
    FileArchive& files = open();
    const uint32_t body = files.createBody("Arenas\\MAT_0.93.ply");
    ASSERT_NE(body, 0u);
    EXPECT_EQ(creates()[0].file, "ply shape");
    EXPECT_EQ(creates()[0].companion, "pol data");
    files.destroyBody(body);
    EXPECT_EQ(cachedFiles(), 0u);
}

TEST_F(FileArchiveCreate, ASkinnedMeshWithoutFurtherFilesPassesTwoNullArrays) {
    workspace.write("clips/001_idle.X", "clip");
    FileArchive& files = open();
    const uint32_t clip = files.createSkinMesh("clips\\001_idle.X", {});
    ASSERT_NE(clip, 0u);
    EXPECT_TRUE(creates()[0].arraysNull);
    EXPECT_EQ(files.heldFiles(ResourceKind::SkinMesh, clip), std::vector<std::string>{"clips\\001_idle.X"});
    files.destroySkinMesh(clip);
    EXPECT_EQ(cachedFiles(), 0u);
}

TEST_F(FileArchiveCreate, ASkinnedMeshReceivesItsFurtherFilesInListOrder) {
    workspace.write("male/body.x", "skin");
    const std::vector<std::string> slots = {"tex\\clothes.png", "tex\\protector.png", "tex\\skin.png", "tex\\belt.png"};
    for (const std::string& slot : slots) workspace.write("tex/" + slot.substr(4), "pixels of " + slot.substr(4));
    FileArchive& files = open();
    RecordingEngine::get().skinFileCount = slots.size();
    const uint32_t fighter = files.createSkinMesh("male\\body.x", slots);
    ASSERT_NE(fighter, 0u);
    EXPECT_EQ(creates()[0].extras, (std::vector<std::string>{"pixels of clothes.png", "pixels of protector.png",
                                                             "pixels of skin.png", "pixels of belt.png"}));
    std::vector<std::string> held = {"male\\body.x"};
    held.insert(held.end(), slots.begin(), slots.end());
    EXPECT_EQ(files.heldFiles(ResourceKind::SkinMesh, fighter), held);
    files.destroySkinMesh(fighter);
    EXPECT_EQ(cachedFiles(), 0u);
}

TEST_F(FileArchiveCreate, AMissingFurtherFileReleasesEverythingResolved) {
    workspace.write("male/body.x", "skin");
    workspace.write("tex/clothes.png", "clothes");
    workspace.write("tex/protector.png", "protector");
    FileArchive& files = open();
    ASSERT_NE(files.getFile("tex\\clothes.png"), nullptr);  // held elsewhere: must stay held
    EXPECT_EQ(files.createSkinMesh("male\\body.x", {"tex\\clothes.png", "tex\\protector.png", "tex\\belt.png"}), 0u);
    EXPECT_TRUE(creates().empty());
    EXPECT_EQ(cachedFiles(), 1u);
    EXPECT_EQ(references("tex\\clothes.png"), 1u);
    files.releaseFile("tex\\clothes.png");
    EXPECT_EQ(files.createSkinMesh("male\\missing.x", {"tex\\clothes.png"}), 0u);
    EXPECT_EQ(cachedFiles(), 0u);
}

TEST_F(FileArchiveCreate, AFontHoldsItsWidthsTextureAndExactlyTheGlyphsFound) {
    workspace.write("default_res/Blair TT.wid", "widths");
    workspace.write("default_res/Blair TT.dds", "atlas");
    const std::vector<int> present = {0x00, 0x20, 0x41, 0x61, 0xff};
    for (int code : present) workspace.write("default_res/Blair TT_" + hex2(code) + ".x", "glyph " + hex2(code));
    FileArchive& files = open();
    const uint32_t font = files.createFont("default_res\\Blair TT.wid", 9);
    ASSERT_NE(font, 0u);
    const RecordedCreate& call = creates()[0];
    EXPECT_EQ(call.file, "widths");
    EXPECT_EQ(call.companion, "atlas");
    EXPECT_EQ(call.owner, 9);
    for (int code = 0; code < 256; ++code) {
        const bool found = std::find(present.begin(), present.end(), code) != present.end();
        EXPECT_EQ(call.extras[code], found ? "glyph " + hex2(code) : "<null>") << "code " << code;
    }
    std::vector<std::string> held = {"default_res\\Blair TT.wid", "default_res\\Blair TT.dds"};
    for (int code : present) held.push_back("default_res\\Blair TT_" + hex2(code) + ".x");
    EXPECT_EQ(files.heldFiles(ResourceKind::Font, font), held);
    EXPECT_EQ(files.textureId("default_res\\Blair TT.dds"), call.textureId);
    files.destroyFont(font);
    EXPECT_EQ(cachedFiles(), 0u);
}

TEST_F(FileArchiveCreate, FontGlyphNamesHaveNoLengthLimit) {
    // A font name far beyond 258 characters still finds its glyphs.
    const std::string folder = std::string(120, 'f') + "/" + std::string(120, 'g') + "/";
    const std::string stem = folder + std::string(100, 'n');
    workspace.write(stem + ".wid", "widths");
    workspace.write(stem + ".dds", "atlas");
    workspace.write(stem + "_41.x", "glyph A");
    FileArchive& files = open();
    const uint32_t font = files.createFont(stem + ".wid", 0);
    ASSERT_NE(font, 0u);
    EXPECT_EQ(creates()[0].extras[0x41], "glyph A");
    EXPECT_EQ(files.heldFiles(ResourceKind::Font, font).size(), 3u);
    files.destroyFont(font);
    EXPECT_EQ(cachedFiles(), 0u);
}

TEST_F(FileArchiveCreate, HandlesOfDifferentKindsWithTheSameNumberAreKeptApart) {
    // The engine numbers sprites and fonts separately, so both can be handle 1.
    workspace.write("a.x", "quad");
    workspace.write("a.png", "pixels");
    workspace.write("f.wid", "widths");
    workspace.write("f.dds", "atlas");
    FileArchive& files = open();
    const uint32_t sprite = files.createSprite("a.x", 0, false);
    const uint32_t font = files.createFont("f.wid", 0);
    ASSERT_EQ(sprite, font);
    files.destroySprite(sprite);
    EXPECT_EQ(references("f.wid"), 1u);
    EXPECT_EQ(references("f.dds"), 1u);
    EXPECT_EQ(references("a.x"), 0u);
    files.destroyFont(font);
    EXPECT_EQ(cachedFiles(), 0u);
}

TEST_F(FileArchiveCreate, DestroyingAnUnknownHandleStillReachesTheEngine) {
    workspace.write("a.x", "quad");
    workspace.write("a.png", "pixels");
    FileArchive& files = open();
    const uint32_t sprite = files.createSprite("a.x", 0, false);
    files.destroySprite(sprite);
    files.destroySprite(sprite);
    files.destroySprite(0);
    files.destroySkinMesh(5);
    files.destroyFont(6);
    ASSERT_EQ(destroys().size(), 5u);
    EXPECT_EQ(destroys()[1].handle, sprite);
    EXPECT_EQ(destroys()[2].handle, 0u);
    EXPECT_EQ(destroys()[3].kind, "skin");
    EXPECT_EQ(destroys()[4].kind, "font");
    EXPECT_EQ(cachedFiles(), 0u);
}

TEST_F(FileArchiveCreate, ObjectsComeFromLooseFilesWhenTheArchiveIsCorrupt) {
    workspace.write("packed/gui/a.x", "packed quad");
    workspace.write("packed/gui/a.png", "packed pixels");
    packStage({"gui"});
    std::string bytes = workspace.read("graphics.qmx");
    for (size_t i = bytes.size() - 30; i < bytes.size(); ++i) bytes[i] = static_cast<char>(~bytes[i]);
    workspace.write("graphics.qmx", bytes);
    workspace.write("gui/a.x", "loose quad");
    workspace.write("gui/a.png", "loose pixels");
    FileArchive& files = open();
    const uint32_t sprite = files.createSprite("gui\\a.x", 0, false);
    ASSERT_NE(sprite, 0u);
    EXPECT_EQ(creates()[0].file, "loose quad");
    EXPECT_EQ(creates()[0].companion, "loose pixels");
    files.destroySprite(sprite);
    EXPECT_EQ(cachedFiles(), 0u);
}
