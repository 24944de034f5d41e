// The camera's projection without drawing, and the stand-in scene drawn under SDL's off-screen
// driver: lit faces, the light map, shadows, the posed figure and the wall mirror where the
// projection says they are.
#include <cmath>
#include <string>

#include "engine_fixture.h"
#include "resource_files.h"
#include "standin_scene.h"

namespace {

struct Colour {
    int r, g, b;
    int sum() const { return r + g + b; }
};

// A unit box centred on the origin, faces clockwise from outside, textured by a material.
std::string boxX(const char* texture) {
    std::string x = "xof 0302txt 0032\nMaterial Picture { 1.0;1.0;1.0;1.0;; 0.0; 0.0;0.0;0.0;; 0.0;0.0;0.0;; TextureFilename { \"";
    x += texture;
    x += "\"; } }\nMesh Box {\n 8;\n";
    const char* corners[8] = {"-0.5;-0.5;-0.5;", "0.5;-0.5;-0.5;", "0.5;0.5;-0.5;", "-0.5;0.5;-0.5;",
                              "-0.5;-0.5;0.5;",  "0.5;-0.5;0.5;",  "0.5;0.5;0.5;",  "-0.5;0.5;0.5;"};
    for (int i = 0; i < 8; ++i) x += std::string(" ") + corners[i] + (i < 7 ? ",\n" : ";\n");
    x += " 12;\n 3;0,3,2;, 3;0,2,1;, 3;4,5,6;, 3;4,6,7;, 3;0,1,5;, 3;0,5,4;, 3;3,7,6;, 3;3,6,2;, 3;0,4,7;, 3;0,7,3;, "
         "3;1,2,6;, 3;1,6,5;;\n MeshMaterialList { 1; 12; 0,0,0,0,0,0,0,0,0,0,0,0;; {Picture} }\n"
         " MeshTextureCoords { 8; 0.0;0.0;, 1.0;0.0;, 1.0;1.0;, 0.0;1.0;, 0.0;0.0;, 1.0;0.0;, 1.0;1.0;, 0.0;1.0;; }\n}\n";
    return x;
}

class EngineProjection : public EngineTest {
protected:
    void SetUp() override {
        EngineTest::SetUp();
        openHeadless();
    }
};

TEST_F(EngineProjection, ScreenPointsRaysAndPickingShareOneProjection) {
    uint32_t camera = iCameraCreate(0.0f, 0.0f, 1.0f, 1.0f);
    iCameraFovSet(camera, 60.0f);
    iVector2 out;
    iVector3 ahead{0.0f, 0.0f, 5.0f}, top{0.0f, 5.0f * std::tan(30.0f * 3.14159265f / 180.0f), 5.0f},
        right{1.0f, 0.0f, 5.0f}, behind{0.0f, 0.0f, -1.0f};
    i3DLocationToScreen(&out, &ahead, camera);
    EXPECT_NEAR(out.x, 0.0f, 1e-4f);
    EXPECT_NEAR(out.y, 0.0f, 1e-4f);
    i3DLocationToScreen(&out, &top, camera);
    EXPECT_NEAR(out.y, 12.0f, 1e-3f);
    i3DLocationToScreen(&out, &right, camera);
    EXPECT_GT(out.x, 0.5f);
    i3DLocationToScreen(&out, &behind, camera);
    EXPECT_EQ(out.x, -1000.0f);
    EXPECT_EQ(out.y, -1000.0f);
    i3DLocationToScreen(&out, &ahead, 9999);
    EXPECT_EQ(out.x, 0.0f);

    // A turned and moved camera: its view matrix takes its own location to the origin.
    iVector3 eye{0.0f, 7.5f, 7.5f}, target{0.0f, 0.0f, 0.0f};
    iCameraLocationSet(camera, &eye);
    iCameraLookAt(camera, &target, 1.0f);
    i3DLocationToScreen(&out, &target, camera);
    EXPECT_NEAR(out.x, 0.0f, 1e-3f);
    EXPECT_NEAR(out.y, 0.0f, 1e-3f);
    iVector3 fighterA{2.0f, 0.0f, 0.0f};
    i3DLocationToScreen(&out, &fighterA, camera);
    EXPECT_LT(out.x, -1.0f);  // looking towards -z, +x is on the left of the screen
    float view[16], projection[16];
    ASSERT_EQ(vtCameraMatrices(camera, view, projection), 1);
    EXPECT_NEAR(view[12] * 0 + view[0] * eye.x + view[4] * eye.y + view[8] * eye.z + view[12], 0.0f, 1e-4f);

    // The mouse at the middle of the window looks straight ahead.
    vtMouseSet(0.5f, 0.5f);
    iVortaneMain();  // the pointer is read once a frame
    iVector3 origin, nearPoint, direction;
    iScreenRay(camera, &origin, &nearPoint, &direction);
    EXPECT_NEAR(direction.y, -std::sqrt(0.5f), 1e-4f);
    EXPECT_NEAR(direction.z, -std::sqrt(0.5f), 1e-4f);
    EXPECT_NEAR(origin.y, 7.5f, 1e-5f);
    EXPECT_NEAR(nearPoint.y - origin.y, direction.y * 0.1f, 1e-4f);

    // Picking a box under the pointer, and missing it once the pointer moves off.
    fixtures::HeapCopy x(boxX("b.png")), picture(fixtures::png(2, 2, {200, 100, 50, 255}));
    uint32_t box = iMeshCreateFromMemory(x.data(), x.size(), picture.data(), picture.size(), 77);
    ASSERT_NE(box, 0u);
    EXPECT_EQ(iMeshPicked(camera, box), 1);
    vtMouseSet(0.9f, 0.1f);
    iVortaneMain();
    EXPECT_EQ(iMeshPicked(camera, box), 0);
    vtMouseSet(0.5f, 0.5f);
    iVortaneMain();
    EXPECT_EQ(iMeshPicked(camera, box), 1);
    iMeshHide(box);
    EXPECT_EQ(iMeshPicked(camera, box), 0);
}

class EngineSceneScreen : public EngineTest {
protected:
    void SetUp() override {
        EngineTest::SetUp();
        vtSetFixedFrameTime(1.0f / 60.0f);
        ASSERT_NO_FATAL_FAILURE(openDrawn());
    }
    Colour at(uint32_t camera, iVector3 world) {
        iVector2 p;
        i3DLocationToScreen(&p, &world, camera);
        uint8_t rgba[4] = {0, 0, 0, 0};
        EXPECT_EQ(vtReadPixel((p.x + 16.0f) / 32.0f, (12.0f - p.y) / 24.0f, rgba), 1);
        return {rgba[0], rgba[1], rgba[2]};
    }
};

TEST_F(EngineSceneScreen, TheStandInSceneLooksLikeALitGameScene) {
    std::string folder = scratchDir();
    ASSERT_TRUE(standin::writeScene(folder));
    standin::Scenery scenery;
    ASSERT_TRUE(standin::loadScenery(folder, &scenery));
    standin::Fighter f;
    ASSERT_TRUE(standin::loadFighter(folder, &f));
    fixtures::HeapCopy x(boxX("h.png")), picture(fixtures::png(2, 2, {0, 255, 0, 255}));
    uint32_t hidden = iMeshCreateFromMemory(x.data(), x.size(), picture.data(), picture.size(), 78);
    iVector3 hiddenAt{2.5f, 0.5f, 1.5f};
    iMeshLocationSet(hidden, &hiddenAt);
    iMeshHide(hidden);

    uint32_t camera = iCameraCreate(0.0f, 0.0f, 1.0f, 1.0f);
    iVector3 eye{0.0f, 3.2f, 5.5f}, target{0.0f, 0.8f, -0.8f};
    iCameraLocationSet(camera, &eye);
    iCameraLookAt(camera, &target, 1.0f);
    iCameraFovSet(camera, 50.0f);
    iVector3 light{0.45f, -1.0f, -0.35f};
    iVector4 colour{1.0f, 1.0f, 1.0f, 0.35f};
    iLightDirectionalSet(&light, &colour);

    // The figure in its kick, bodies following the clip, the display mesh the bodies, and
    // its left arm raised straight up by a world override.
    standin::buildRagdoll(&f, iVector3{-0.5f, 1.0f, 0.0f});
    iSkinMeshAnimationTimeSet(f.clip, 10.0f);
    standin::placeBodiesAtPose(&f);
    standin::applyBodiesToPose(&f);
    iVector3 handAtRest;
    iSkinMeshBoneLocation(f.mainBones[6], &handAtRest, 0);
    iQuaternion up, raised;
    const iVector3 zAxis{0.0f, 0.0f, 1.0f};
    iQuaternionFromAxisAngle(&up, &zAxis, 180.0f);
    iQuaternionMultiply(&raised, &up, &f.restOrientation[4]);
    iSkinMeshBoneOrientationSet(f.mainBones[4], &raised, 0);
    iSkinMeshBoneOrientationSet(f.mainBones[5], &raised, 0);
    iSkinMeshBoneOrientationSet(f.mainBones[6], &raised, 0);
    iSkinMeshShow(f.display);
    iVector3 hand;
    iSkinMeshBoneLocation(f.mainBones[6], &hand, 0);
    EXPECT_GT(hand.y, 2.0f);  // above the head
    iVortaneMain();
    iVortaneRender();
    ASSERT_EQ(vtScreenshot((folder + "/scene.png").c_str()), 1);
    std::string keep = std::string(std::getenv("ENGINE_SCENE_PNG") ? std::getenv("ENGINE_SCENE_PNG") : "");
    if (!keep.empty()) vtScreenshot(keep.c_str());

    // The box: its lit top brighter than its side turned from the light, both orange.
    Colour topFace = at(camera, iVector3{-2.5f, 1.0f, -1.5f});
    Colour side = at(camera, iVector3{-2.0f, 0.5f, -1.4f});
    EXPECT_GT(topFace.sum(), side.sum() + 60);
    EXPECT_GT(topFace.r, topFace.g);
    EXPECT_GT(topFace.g, topFace.b);
    EXPECT_GT(side.r, side.b + 20);
    // The floor under the light map's rim is darker than the open floor just beyond it, by
    // the light map's value there (about 0.6).
    Colour rim = at(camera, iVector3{2.75f, 0.0f, 0.0f}), open = at(camera, iVector3{3.3f, 0.0f, 0.0f});
    EXPECT_NEAR(static_cast<float>(rim.g) / static_cast<float>(open.g), 0.6f, 0.12f);
    // The shadow of the hip on the floor, along the light.
    iVector3 hip;
    iBodyLocationCM(f.bodies[0], &hip);
    float t = -hip.y / (light.y);
    iVector3 shadowed{hip.x + light.x * t, 0.0f, hip.z + light.z * t};
    iVector3 lit{hip.x - 0.8f, 0.0f, hip.z + 1.2f};
    EXPECT_LT(at(camera, shadowed).sum() + 40, at(camera, lit).sum());
    // The raised hand is drawn where the override put it, skin-coloured; not at rest.
    Colour raisedHand = at(camera, hand);
    EXPECT_GT(raisedHand.r, raisedHand.b + 40);
    Colour restPlace = at(camera, handAtRest);
    EXPECT_LT(std::abs(restPlace.r - restPlace.g), 40);  // floor grey-green, no skin
    // The mirror shows the box at its mirrored place.
    Colour mirrored = at(camera, iVector3{-2.5f, 0.8f, -8.5f});
    EXPECT_GT(mirrored.r, mirrored.b + 30);
    // The hidden green box draws nothing; above the far wall the background is black.
    Colour hiddenPlace = at(camera, hiddenAt);
    EXPECT_LT(hiddenPlace.g, hiddenPlace.r + 40);
    uint8_t sky[4];
    vtReadPixel(0.02f, 0.02f, sky);
    EXPECT_EQ(sky[0] + sky[1] + sky[2], 0);
    standin::destroyFighter(&f);
}

}  // namespace
