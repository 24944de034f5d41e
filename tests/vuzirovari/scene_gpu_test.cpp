// The scene as the GPU keeps it: a static mesh uploaded once still draws where its placement
// says after it moves, grows, hides and goes; the skinned figure is drawn where its bones are;
// every vertex the GPU poses lies where the CPU pose of the bones puts it; its shadow lies on the
// floor under it and follows it; the same frame draws byte for byte alike.
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "engine_fixture.h"
#include "resource_files.h"
#include "standin_scene.h"

namespace {

struct Colour {
    int r, g, b;
    int sum() const { return r + g + b; }
};

class EngineGpuScene : public EngineTest {
protected:
    void SetUp() override {
        EngineTest::SetUp();
        vtSetFixedFrameTime(1.0f / 60.0f);
        ASSERT_NO_FATAL_FAILURE(openDrawn());
        folder_ = scratchDir();
        ASSERT_TRUE(standin::writeScene(folder_));
        ASSERT_TRUE(standin::loadScenery(folder_, &scenery_));
        ASSERT_TRUE(standin::loadFighter(folder_, &fighter_));
        camera_ = iCameraCreate(0.0f, 0.0f, 1.0f, 1.0f);
        iVector3 eye{0.0f, 3.2f, 5.5f}, target{0.0f, 0.8f, -0.8f};
        iCameraLocationSet(camera_, &eye);
        iCameraLookAt(camera_, &target, 1.0f);
        iCameraFovSet(camera_, 50.0f);
        iLightDirectionalSet(&light_, &lightColour_);
    }
    void TearDown() override {
        standin::destroyFighter(&fighter_);
        EngineTest::TearDown();
    }
    Colour at(iVector3 world) {
        iVector2 p;
        i3DLocationToScreen(&p, &world, camera_);
        uint8_t rgba[4] = {0, 0, 0, 0};
        EXPECT_EQ(vtReadPixel((p.x + 16.0f) / 32.0f, (12.0f - p.y) / 24.0f, rgba), 1);
        return {rgba[0], rgba[1], rgba[2]};
    }
    void draw() {
        iVortaneMain();
        iVortaneRender();
    }
    // The fighter in its kick at a place on the floor, bodies and display mesh following the clip.
    void placeFighter(iVector3 location) {
        fighter_.location = location;
        standin::placeBodiesAtPose(&fighter_);
        standin::applyBodiesToPose(&fighter_);
    }
    // Where the light carries a point onto the floor (y = 0).
    iVector3 onFloor(iVector3 p) const {
        float t = -p.y / light_.y;
        return {p.x + light_.x * t, 0.0f, p.z + light_.z * t};
    }

    std::string folder_;
    standin::Scenery scenery_;
    standin::Fighter fighter_;
    uint32_t camera_ = 0;
    iVector3 light_{0.45f, -1.0f, -0.35f};
    iVector4 lightColour_{1.0f, 1.0f, 1.0f, 0.35f};
};

std::string readAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

TEST_F(EngineGpuScene, AStaticMeshUploadedOnceFollowsItsPlacementHidesAndGoes) {
    fixtures::HeapCopy x(standin::tessellatedBoxX(iVector3{0.0f, 0.0f, 0.0f}, iVector3{0.25f, 0.25f, 0.25f}, 1, "m.png"));
    fixtures::HeapCopy picture(fixtures::png(2, 2, {40, 60, 230, 255}));
    uint32_t box = iMeshCreateFromMemory(x.data(), x.size(), picture.data(), picture.size(), 91);
    ASSERT_NE(box, 0u);
    iVector3 first{1.5f, 0.25f, 0.5f}, second{-1.5f, 0.25f, 0.5f};
    iMeshLocationSet(box, &first);
    draw();
    Colour top = at(iVector3{1.5f, 0.5f, 0.5f});
    EXPECT_GT(top.b, top.r + 80);  // blue where it was placed
    Colour away = at(iVector3{-1.5f, 0.5f, 0.5f});
    EXPECT_LT(away.b, away.r + 60);

    // Moved: drawn at its new place from the same uploaded triangles, not at the old one.
    iMeshLocationSet(box, &second);
    draw();
    top = at(iVector3{-1.5f, 0.5f, 0.5f});
    EXPECT_GT(top.b, top.r + 80);
    away = at(iVector3{1.5f, 0.5f, 0.5f});
    EXPECT_LT(away.b, away.r + 60);

    // Scaled three times as tall: its top is now at 1.0.
    Colour aboveBefore = at(iVector3{-1.5f, 0.9f, 0.5f});
    EXPECT_LT(aboveBefore.b, aboveBefore.r + 60);
    iMeshScaleSet(box, 1.0f, 3.0f, 1.0f);
    draw();
    Colour above = at(iVector3{-1.5f, 0.9f, 0.5f});
    EXPECT_GT(above.b, above.r + 80);

    // Hidden, shown again, then gone for good.
    iMeshHide(box);
    draw();
    above = at(iVector3{-1.5f, 0.9f, 0.5f});
    EXPECT_LT(above.b, above.r + 60);
    iMeshShow(box);
    draw();
    above = at(iVector3{-1.5f, 0.9f, 0.5f});
    EXPECT_GT(above.b, above.r + 80);
    iMeshDestroy(box);
    draw();
    above = at(iVector3{-1.5f, 0.9f, 0.5f});
    EXPECT_LT(above.b, above.r + 60);
}

TEST_F(EngineGpuScene, TheFigureIsDrawnAtItsBonesAndItsShadowFollowsItOnTheFloor) {
    standin::buildRagdoll(&fighter_, iVector3{-0.5f, 1.0f, 0.0f});
    iSkinMeshAnimationTimeSet(fighter_.clip, 10.0f);
    iSkinMeshShow(fighter_.display);
    iVector3 shadows[2];
    int step = 0;
    for (float x : {-0.5f, 0.9f}) {
        placeFighter(iVector3{x, 0.0f, 0.0f});
        draw();
        // The figure: where the CPU pose puts the chest and the head, the picture changes when
        // the figure is hidden.
        iVector3 chest, head;
        iSkinMeshBoneLocation(fighter_.mainBones[1], &chest, 0);
        iSkinMeshBoneLocation(fighter_.mainBones[3], &head, 0);
        Colour shownChest = at(chest), shownHead = at(head);
        iSkinMeshHide(fighter_.display);
        draw();
        Colour hiddenChest = at(chest), hiddenHead = at(head);
        EXPECT_GT(std::abs(shownChest.sum() - hiddenChest.sum()) + std::abs(shownChest.b - hiddenChest.b), 60) << x;
        EXPECT_GT(std::abs(shownHead.sum() - hiddenHead.sum()) + std::abs(shownHead.b - hiddenHead.b), 60) << x;
        iSkinMeshShow(fighter_.display);
        draw();
        // Every vertex as the GPU poses it for drawing is where the CPU pose of its bones puts it.
        int count = vtSkinMeshPosedVertices(fighter_.display, 0, nullptr, 0);
        ASSERT_GT(count, 100);
        std::vector<float> cpu(count * 3), gpu(count * 3);
        ASSERT_EQ(vtSkinMeshPosedVertices(fighter_.display, 0, cpu.data(), count), count);
        ASSERT_EQ(vtSkinMeshPosedVertices(fighter_.display, 1, gpu.data(), count), count);
        float worst = 0.0f;
        for (size_t i = 0; i < cpu.size(); ++i) worst = std::fmax(worst, std::fabs(cpu[i] - gpu[i]));
        EXPECT_LT(worst, 1e-4f) << x;
        // The shadow: the floor where the light carries the hip is darker than the floor beside it.
        iVector3 hip;
        iBodyLocationCM(fighter_.bodies[0], &hip);
        iVector3 shadowed = onFloor(hip), lit{shadowed.x, 0.0f, shadowed.z + 1.4f};
        EXPECT_LT(at(shadowed).sum() + 40, at(lit).sum()) << "at x " << x;
        shadows[step++] = shadowed;
    }
    // Where the hip's shadow lay before, the floor is lit again: the shadow went with it.
    EXPECT_GT(at(shadows[0]).sum(), at(shadows[1]).sum() + 40);

    // The same frame drawn twice is the same picture, byte for byte.
    std::string a = folder_ + "/a.png", b = folder_ + "/b.png";
    ASSERT_EQ(vtScreenshot(a.c_str()), 1);
    iVortaneRender();
    ASSERT_EQ(vtScreenshot(b.c_str()), 1);
    EXPECT_EQ(readAll(a), readAll(b));
    EXPECT_GT(readAll(a).size(), 1000u);
}

}  // namespace
