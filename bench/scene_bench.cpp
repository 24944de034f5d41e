// The 3D scene's cost: a headless fight frame with two fighters' worth of objects and the calls
// the fight makes every frame, and a drawn arena frame with two posed fighters and their shadows,
// with and without the wall mirror.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/vuzirovari/vuzirovari_test.h"
#include "platform/win32/win32_host.h"
#include "standin_scene.h"

namespace {

void openEngine(bool drawing) {
    setenv("SDL_VIDEODRIVER", "offscreen", 0);
    win32::resetForTests();
    vtReset();
    vtSetDrawing(drawing ? 1 : 0);
    vtSetFixedFrameTime(1.0f / 60.0f);
    iVortaneOpen(nullptr, nullptr);
    const uint32_t settings[6] = {0, 0, 0x004B0000, 0, 0, 0};
    iVortaneSettings(settings);
}

std::string sceneFolder() {
    static std::string folder;
    if (folder.empty()) {
        folder = (std::filesystem::temp_directory_path() / "engine-scene-bench").string();
        standin::writeScene(folder);
    }
    return folder;
}

// A fighter as the match holds it: the display mesh, 100 hidden clips with their bones, the
// ragdoll with its joints.
struct MatchFighter {
    standin::Fighter f;
    std::vector<uint32_t> clips;
    std::vector<std::vector<uint32_t>> clipBones;  // 38 per clip
};

void loadMatchFighter(const std::string& folder, MatchFighter* m, float x) {
    standin::loadFighter(folder, &m->f);
    std::string file = standin::readFile(folder + "/fighter.x");
    m->clips.push_back(m->f.clip);
    for (int i = 1; i < 100; ++i)
        m->clips.push_back(iSkinMeshCreateFromMemory(file.data(), static_cast<uint32_t>(file.size()), nullptr, nullptr));
    for (uint32_t clip : m->clips) {
        std::vector<uint32_t> bones;
        for (const standin::PartInfo& p : standin::Parts) bones.push_back(iSkinMeshBoneCreateByName(clip, p.bone));
        for (const char* name : standin::DetailBones) bones.push_back(iSkinMeshBoneCreateByName(clip, name));
        m->clipBones.push_back(bones);
    }
    standin::buildRagdoll(&m->f, iVector3{x, 1.0f, 0.0f});
    m->f.location = iVector3{x, 1.0f, 0.0f};
    for (uint32_t b : m->f.bodies) iBodyEnable(b);
    iSkinMeshShow(m->f.display);
    iSkinMeshAnimationSpeedSet(m->clips[0], 62.5f);
    iSkinMeshAnimationSpeedSet(m->clips[1], 62.5f);
}

uint32_t feedbackPair(uint32_t a, uint32_t b) {
    uint32_t p = iBodyBodyCreate(a, b);
    iBodyBodyRestitutionSet(p, 0.5f);
    iBodyBodyFrictionSet(p, 100.0f);
    iBodyBodyFeedbackEnable(p, -1, -1, 1);
    iBodyBodyEnable(p, 1);
    return p;
}

// What the fight asks of the engine for one fighter in one frame.
void fightCalls(MatchFighter& m, uint32_t camera, const std::vector<uint32_t>& strikes, const std::vector<uint32_t>& sensors) {
    standin::Fighter& f = m.f;
    standin::placeBodiesAtPose(&f);
    for (int i = 0; i < 16; ++i) {  // blending in from the previous clip: its bones too
        iQuaternion q;
        iVector3 p;
        iSkinMeshBoneOrientation(m.clipBones[1][i], &q, 1);
        iSkinMeshBoneLocation(m.clipBones[1][i], &p, 1);
        iBodyLocationCM(f.bodies[i], &p);
        iBodyOrientation(f.bodies[i], &q);
    }
    standin::applyBodiesToPose(&f);
    iVector3 point, direction;
    for (uint32_t s : strikes) iBodyBodyFeedback(s, -1, -1, &point, &direction, 0, 0, 0, 0);
    for (uint32_t s : sensors) iBodyBodyFeedback(s, -1, -1, nullptr, nullptr, 0, 0, 0, 0);
    iVector3 head;
    iVector2 screen;
    iSkinMeshBoneLocation(f.mainBones[3], &head, 0);
    i3DLocationToScreen(&screen, &head, camera);
}

uint32_t matchCamera() {
    uint32_t camera = iCameraCreate(0.0f, 0.0f, 1.0f, 1.0f);
    iVector3 eye{0.0f, 3.2f, 5.5f}, target{0.0f, 0.8f, -0.8f};
    iCameraLocationSet(camera, &eye);
    iCameraLookAt(camera, &target, 1.0f);
    iCameraFovSet(camera, 50.0f);
    iVector3 light{0.45f, -1.0f, -0.35f};
    iVector4 colour{1.0f, 1.0f, 1.0f, 0.35f};
    iLightDirectionalSet(&light, &colour);
    return camera;
}

void SceneFightFrame(benchmark::State& state) {
    openEngine(false);
    std::string folder = sceneFolder();
    standin::Scenery scenery;
    standin::loadScenery(folder, &scenery);
    uint32_t camera = matchCamera();
    MatchFighter a, b;
    loadMatchFighter(folder, &a, 1.0f);
    loadMatchFighter(folder, &b, -1.0f);
    std::vector<uint32_t> strikes, sensorsA, sensorsB;
    for (int i = 0; i < 16 && strikes.size() < 80; ++i)  // 48 strike pairs and 32 more
        for (int j : {3, 1, 2, 0, 9})
            if (strikes.size() < 80) strikes.push_back(feedbackPair(a.f.bodies[i], b.f.bodies[j]));
    for (int i : {0, 1, 2, 3, 6, 9, 11, 12, 14, 15}) {
        sensorsA.push_back(feedbackPair(a.f.bodies[i], scenery.floorBody));
        sensorsB.push_back(feedbackPair(b.f.bodies[i], scenery.floorBody));
    }
    std::vector<uint32_t> strikesA(strikes.begin(), strikes.begin() + 48);
    std::vector<uint32_t> sixA(sensorsA.begin(), sensorsA.begin() + 6), sixB(sensorsB.begin(), sensorsB.begin() + 6);
    for (auto _ : state) {
        iVortaneMain();
        fightCalls(a, camera, strikesA, sixA);
        fightCalls(b, camera, {}, sixB);
        iVortaneRender();
    }
    state.counters["pose evaluations/frame"] = benchmark::Counter(static_cast<double>(vtPoseEvaluations()), benchmark::Counter::kAvgIterations);
    vtReset();
}
BENCHMARK(SceneFightFrame)->Unit(benchmark::kMicrosecond);

void SceneArenaFrame(benchmark::State& state, bool mirror) {
    openEngine(true);
    std::string folder = sceneFolder();
    standin::Scenery scenery;
    standin::loadScenery(folder, &scenery);
    if (!mirror) iMeshHide(scenery.mirror);
    matchCamera();
    // About 60 textured meshes of 300 triangles around the mat, three more light maps.
    std::string picture = standin::picturePng(32, 180, 170, 150, 255);
    int triangles = 0;
    for (int i = 0; i < 60; ++i) {
        float angle = 6.2831853f * static_cast<float>(i) / 60.0f;
        iVector3 centre{7.0f * std::cos(angle), 0.6f + 0.4f * static_cast<float>(i % 3), -2.0f + 5.0f * std::sin(angle)};
        std::string x = standin::tessellatedBoxX(centre, iVector3{0.4f, 0.6f, 0.4f}, 5, "wall.png");
        iMeshCreateFromMemory(x.data(), static_cast<uint32_t>(x.size()), picture.data(), static_cast<uint32_t>(picture.size()), 500 + i % 8);
        triangles += 300;
    }
    std::string lightMapX = standin::readFile(folder + "/lightmap.x"), lightMapPng = standin::readFile(folder + "/lightmap.png");
    for (int i = 0; i < 3; ++i) {
        uint32_t m = iMeshCreateFromMemory(lightMapX.data(), static_cast<uint32_t>(lightMapX.size()), lightMapPng.data(),
                                           static_cast<uint32_t>(lightMapPng.size()), 9002);
        iVector3 at{-4.0f + 4.0f * static_cast<float>(i), 0.0f, 3.5f};
        iMeshLocationSet(m, &at);
        iMeshRenderModeSet(m, 1, 3, 1, 0);
        iMeshZBiasSet(m, 1);
        iMeshEmissiveSet(m, 1, 1, 1, 1);
    }
    standin::Fighter a, b;
    standin::loadFighter(folder, &a);
    standin::loadFighter(folder, &b);
    for (standin::Fighter* f : {&a, &b}) {
        standin::buildRagdoll(f, iVector3{f == &a ? 1.0f : -1.0f, 1.0f, 0.0f});
        iSkinMeshAnimationTimeSet(f->clip, 8.0f);
        standin::placeBodiesAtPose(f);
        standin::applyBodiesToPose(f);
        iSkinMeshShow(f->display);
    }
    // A HUD's worth of sprites.
    std::string quad = standin::quadX(), hud = standin::picturePng(16, 255, 255, 255, 200);
    for (int i = 0; i < 20; ++i) {
        uint32_t s = iSpriteCreateFromMemory(quad.data(), static_cast<uint32_t>(quad.size()), hud.data(),
                                             static_cast<uint32_t>(hud.size()), 700 + i % 4, 1);
        iVector2 at{-15.0f + 1.4f * static_cast<float>(i), 10.5f}, size{1.2f, 1.0f};
        iSpriteSet(s, &at, 0.0f, &size);
        iSpriteShow(s);
    }
    for (auto _ : state) {
        iVortaneMain();
        for (standin::Fighter* f : {&a, &b}) {
            standin::placeBodiesAtPose(f);
            standin::applyBodiesToPose(f);
        }
        iVortaneRender();
    }
    state.counters["arena triangles"] = triangles;
    vtReset();
}
BENCHMARK_CAPTURE(SceneArenaFrame, plain, false)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(SceneArenaFrame, mirror, true)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
