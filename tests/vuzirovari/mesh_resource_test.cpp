// Static meshes, shadow casters and skinned meshes made from memory.
#include <string>

#include "engine_fixture.h"
#include "resource_files.h"

namespace {

using fixtures::HeapCopy;

class EngineMeshes : public EngineTest {
protected:
    void SetUp() override {
        EngineTest::SetUp();
        openHeadless();
    }
};

TEST_F(EngineMeshes, StaticMeshKeepsItsTrianglesAndSharedTexture) {
    HeapCopy x(fixtures::meshX()), picture(fixtures::png(4, 4, {1, 2, 3, 255}));
    uint32_t a = iMeshCreateFromMemory(x.data(), x.size(), picture.data(), picture.size(), 6);
    uint32_t b = iMeshCreateFromMemory(x.data(), x.size(), picture.data(), picture.size(), 6);
    x.release();
    picture.release();
    ASSERT_NE(a, 0u);
    ASSERT_NE(b, 0u);
    int shadow = -1, vertices = 0, triangles = 0, textureId = -1;
    ASSERT_EQ(vtMeshGet(a, &shadow, &vertices, &triangles, &textureId, nullptr, nullptr), 1);
    EXPECT_EQ(shadow, 0);
    EXPECT_GE(vertices, 4);
    EXPECT_EQ(triangles, 2);
    EXPECT_EQ(textureId, 6);
    EXPECT_EQ(vtTextureCount(), 1);
    iMeshDestroy(a);
    iMeshDestroy(a);
    iMeshDestroy(b);
    EXPECT_EQ(vtTextureCount(), 0);
    EXPECT_EQ(vtMeshGet(b, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr), 0);
}

TEST_F(EngineMeshes, BrokenMeshOrTextureGivesZeroStaticOrSkinned) {
    HeapCopy good(fixtures::meshX()), picture(fixtures::png(4, 4, {1, 2, 3, 255}));
    std::string text = fixtures::meshX();
    HeapCopy cut(text.substr(0, text.size() / 2)), notX("ply\nformat ascii 1.0\n"), junk("nonsense");
    EXPECT_EQ(iMeshCreateFromMemory(cut.data(), cut.size(), picture.data(), picture.size(), 0), 0u);
    EXPECT_EQ(iMeshCreateFromMemory(notX.data(), notX.size(), picture.data(), picture.size(), 0), 0u);
    EXPECT_EQ(iMeshCreateFromMemory(good.data(), good.size(), junk.data(), junk.size(), 0), 0u);
    EXPECT_EQ(iMeshCreateFromMemory(nullptr, 0, picture.data(), picture.size(), 0), 0u);
    EXPECT_EQ(iMeshBodyShadowCasterCreateFromMemory(cut.data(), cut.size(), 1, 50.0f), 0u);
    EXPECT_EQ(vtTextureCount(), 0);

    // A skinned mesh with a broken texture or a cut file.
    HeapCopy skinX(fixtures::skinX()), bad("\x89PNG\r\n\x1a\n broken");
    const void* textures[2] = {picture.data(), bad.data()};
    const uint32_t sizes[2] = {picture.size(), bad.size()};
    EXPECT_EQ(iSkinMeshCreateFromMemory(skinX.data(), skinX.size(), textures, sizes), 0u);
    const std::string skinText = fixtures::skinX();
    HeapCopy skinCut(skinText.substr(0, skinText.size() - 40));
    EXPECT_EQ(iSkinMeshCreateFromMemory(skinCut.data(), skinCut.size(), nullptr, nullptr), 0u);
    EXPECT_EQ(vtTextureCount(), 0);
}

TEST_F(EngineMeshes, ShadowCasterRemembersItsBody) {
    HeapCopy x(fixtures::meshX());
    uint32_t m = iMeshBodyShadowCasterCreateFromMemory(x.data(), x.size(), 42, 50.0f);
    x.release();
    ASSERT_NE(m, 0u);
    int shadow = 0, triangles = 0;
    uint32_t body = 0;
    float length = 0.0f;
    ASSERT_EQ(vtMeshGet(m, &shadow, nullptr, &triangles, nullptr, &body, &length), 1);
    EXPECT_EQ(shadow, 1);
    EXPECT_EQ(triangles, 2);
    EXPECT_EQ(body, 42u);
    EXPECT_FLOAT_EQ(length, 50.0f);
    iMeshDestroy(m);
    EXPECT_EQ(vtMeshGet(m, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr), 0);
}

TEST_F(EngineMeshes, SkinnedMeshKeepsSkeletonAnimationsAndTextureSlots) {
    HeapCopy x(fixtures::skinX()), clothes(fixtures::png(8, 4, {1, 1, 1, 255})), skin(fixtures::png(2, 2, {2, 2, 2, 255}));
    const void* textures[2] = {clothes.data(), skin.data()};
    const uint32_t sizes[2] = {clothes.size(), skin.size()};
    uint32_t m = iSkinMeshCreateFromMemory(x.data(), x.size(), textures, sizes);
    x.release();
    clothes.release();
    skin.release();
    ASSERT_NE(m, 0u);
    int bones = 0, animations = 0, slots = 0, triangles = 0;
    ASSERT_EQ(vtSkinMeshGet(m, &bones, &animations, &slots, &triangles), 1);
    EXPECT_EQ(bones, 4);  // three skeleton frames and the frame holding the mesh
    EXPECT_EQ(animations, 2);
    EXPECT_EQ(slots, 2);  // one per material
    EXPECT_EQ(triangles, 2);
    int parent = -2;
    EXPECT_STREQ(vtSkinMeshBoneName(m, 0, &parent), "Bip01");
    EXPECT_EQ(parent, -1);
    EXPECT_STREQ(vtSkinMeshBoneName(m, 2, &parent), "Bip01_Head");
    EXPECT_EQ(parent, 1);
    EXPECT_EQ(vtSkinMeshBoneName(m, 4, &parent), nullptr);
    float duration = 0.0f, perSecond = 0.0f;
    int channels = 0;
    EXPECT_STREQ(vtSkinMeshAnimation(m, 0, &duration, &perSecond, &channels), "Walk");
    EXPECT_FLOAT_EQ(duration, 40.0f);
    EXPECT_FLOAT_EQ(perSecond, 25.0f);
    EXPECT_EQ(channels, 2);
    EXPECT_STREQ(vtSkinMeshAnimation(m, 1, nullptr, nullptr, nullptr), "Idle");
    EXPECT_EQ(vtSkinMeshAnimation(m, 2, nullptr, nullptr, nullptr), nullptr);
    int width = 0, height = 0;
    ASSERT_EQ(vtSkinMeshTextureSlot(m, 0, &width, &height), 1);
    EXPECT_EQ(width, 8);
    EXPECT_EQ(vtTextureCount(), 2);
    iSkinMeshDestroy(m);
    iSkinMeshDestroy(m);
    iSkinMeshDestroy(0);
    EXPECT_EQ(vtTextureCount(), 0);
}

TEST_F(EngineMeshes, AnimationClipWithoutTexturesHasEmptySlotsOrNoneWithoutMaterials) {
    HeapCopy x(fixtures::skinX());
    uint32_t m = iSkinMeshCreateFromMemory(x.data(), x.size(), nullptr, nullptr);
    ASSERT_NE(m, 0u);
    int slots = -1, animations = 0;
    ASSERT_EQ(vtSkinMeshGet(m, nullptr, &animations, &slots, nullptr), 1);
    EXPECT_EQ(slots, 2);
    EXPECT_EQ(animations, 2);
    EXPECT_EQ(vtSkinMeshTextureSlot(m, 0, nullptr, nullptr), 0);  // empty slots

    // No materials, no texture slots.
    std::string text = fixtures::skinX();
    for (const char* cut : {"Material Clothes", "Material Skin", "  MeshMaterialList"}) {
        size_t from = text.find(cut);
        text.erase(from, text.find('\n', from) + 1 - from);
    }
    HeapCopy bare(text);
    m = iSkinMeshCreateFromMemory(bare.data(), bare.size(), nullptr, nullptr);
    ASSERT_NE(m, 0u);
    int bones = 0;
    slots = -1;
    ASSERT_EQ(vtSkinMeshGet(m, &bones, nullptr, &slots, nullptr), 1);
    EXPECT_EQ(slots, 0);
    EXPECT_EQ(bones, 4);
}

}  // namespace
