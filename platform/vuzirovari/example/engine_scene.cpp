// engine-scene: the engine's 3D scene on its own. A stand-in fighter kicks in a loop while a
// second one, knocked down beside it, falls and comes to rest on the floor; shadows, a light
// map and a wall mirror, seen by a camera like the match's. Runs in a window with a display,
// off-screen without one, and under the autopilot (VUZ_FRAME_LIMIT, VUZ_SCREENSHOTS).
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "standin_scene.h"

namespace {

std::string sceneFolder() {
    std::error_code ec;
    std::filesystem::path folder = std::filesystem::temp_directory_path(ec) / "engine-scene-files";
    return folder.string();
}

}  // namespace

int main() {
    std::string folder = sceneFolder();
    if (!standin::writeScene(folder)) {
        std::fprintf(stderr, "engine-scene: cannot write the scene's files into %s\n", folder.c_str());
        return 1;
    }
    if (!iVortaneOpen(nullptr, nullptr)) {
        std::fprintf(stderr, "engine-scene: the engine does not open\n");
        return 1;
    }
    standin::Scenery scenery;
    standin::Fighter kicker, faller;
    if (!standin::loadScenery(folder, &scenery) || !standin::loadFighter(folder, &kicker) ||
        !standin::loadFighter(folder, &faller)) {
        std::fprintf(stderr, "engine-scene: the scene's files do not load\n");
        return 1;
    }
    uint32_t camera = iCameraCreate(0.0f, 0.0f, 1.0f, 1.0f);
    iVector3 eye{0.0f, 3.2f, 5.5f}, target{0.0f, 0.8f, -0.8f};
    iCameraLocationSet(camera, &eye);
    iCameraLookAt(camera, &target, 1.0f);
    iCameraFovSet(camera, 50.0f);
    iVector3 light{0.45f, -1.0f, -0.35f};
    iVector4 colour{1.0f, 0.97f, 0.92f, 0.35f};
    iLightDirectionalSet(&light, &colour);

    // The kicker: its clip plays, its bodies follow the clip, its display mesh the bodies.
    iQuaternion facing;
    iQuaternionFromEulerAngles(&facing, 0.0f, -20.0f, 0.0f, "xyz");
    standin::buildRagdoll(&kicker, iVector3{-1.0f, 1.0f, 0.0f});
    kicker.orientation = facing;
    iSkinMeshAnimationSpeedSet(kicker.clip, 25.0f);
    iSkinMeshShow(kicker.display);
    for (uint32_t b : kicker.bodies) iBodyEnable(b);

    // The faller: a ragdoll knocked backwards.
    standin::buildRagdoll(&faller, iVector3{1.3f, 1.0f, 0.3f});
    iSkinMeshShow(faller.display);
    for (uint32_t b : faller.bodies) iBodyEnable(b);

    int frame = 0;
    while (iVortaneIsRendering()) {
        iVortaneMain();
        if (!iVortaneIsRendering()) break;
        ++frame;
        standin::placeBodiesAtPose(&kicker);
        standin::applyBodiesToPose(&kicker);
        if (frame == 30) {
            for (uint32_t b : faller.bodies) {
                iVector3 v{0.0f, 0.0f, -1.5f};
                iBodyVelocitySet(b, &v);
            }
            iVector3 strike{0.0f, 0.0f, -700.0f};
            iBodyForceApply(faller.bodies[3], &strike, 0);
        }
        if (frame < 30) standin::placeBodiesAtPose(&faller);
        standin::applyBodiesToPose(&faller);
        iVortaneRender();
    }
    standin::destroyFighter(&kicker);
    standin::destroyFighter(&faller);
    iCameraDestroy(camera);
    return 0;
}
