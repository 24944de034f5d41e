// A small stand-in scene for the engine's tests, benchmarks and example program: a fighter
// figure (38 named bones, a box per bone, four materials, a kick clip, 16 ragdoll parts and
// their shadow boxes), a floor with its collision set and a light map, a textured box and a
// wall mirror. The files are written into a folder; the loaders make the engine objects the
// way the fight does.
#pragma once

#include <cstdint>
#include <string>

#include "vuzirovari.h"

namespace standin {

struct PartInfo {
    const char* stem;  // file stem: parts/<stem>_.spg, shadow/<stem>_shadow.x, debug/<stem>.x
    const char* bone;
    float mass;
};
extern const PartInfo Parts[16];
extern const char* const DetailBones[22];

struct JointInfo {
    int parent, child;
    float stops[3][2];  // X, Y, Z: low, high (degrees)
    float motors[3];    // X, Y, Z strengths
};
extern const JointInfo Joints[15];

// A ragdoll part's box in the figure's model space (the .spg file's one shape).
void partBox(int part, iVector3* centre, iVector3* half);

// Writes every file of the scene into folder (created when missing); false when it cannot.
// fighter.x and fighter_<slot>.png, parts/, shadow/, debug/, floor.x/.png/.ply/.pol,
// lightmap.x/.png, box.x/.png, mirror.x/.png, mirror_alpha.png.
bool writeScene(const std::string& folder);

// Scenery for speed checks: a box of cells x cells squares per face (12 cells^2 triangles),
// textured by the material's file name, and a plain picture as .png bytes.
std::string tessellatedBoxX(const iVector3& centre, const iVector3& half, int cells, const char* texture);
std::string picturePng(int size, unsigned char r, unsigned char g, unsigned char b, unsigned char a);
// A flat quad for a sprite: x 0..1, y -0.5..0.5.
std::string quadX();

// A file's bytes, "" when it cannot be read.
std::string readFile(const std::string& path);

// The figure as the fight builds it: a display mesh and a clip mesh, their bones, 16 bodies
// with damping, shadow casters, 15 joints with the fight's stops and motors.
struct Fighter {
    uint32_t display = 0, clip = 0;
    uint32_t mainBones[16] = {}, detailBones[22] = {};
    uint32_t clipMainBones[16] = {}, clipDetailBones[22] = {};
    iVector3 restLocation[16];
    iQuaternion restOrientation[16];
    uint32_t bodies[16] = {}, shadows[16] = {}, joints[15] = {};
    iVector3 location{0.0f, 0.0f, 0.0f};
    iQuaternion orientation{0.0f, 0.0f, 0.0f, 1.0f};
};

// Loads the meshes, bones and bodies (no joints yet); false when a file is missing.
bool loadFighter(const std::string& folder, Fighter* f);
// Places the bodies at the rest pose at location, joins them and sets the fight's limits.
void buildRagdoll(Fighter* f, const iVector3& location);
// The bodies follow the clip mesh's pose placed at the fighter's location and orientation.
void placeBodiesAtPose(Fighter* f);
// The display mesh follows the bodies; detail bones copy the clip.
void applyBodiesToPose(Fighter* f);
void destroyFighter(Fighter* f);

// The scenery: floor (shown, with its collision set enabled), light map, box and mirror.
struct Scenery {
    uint32_t floor = 0, floorBody = 0, lightMap = 0, box = 0, mirror = 0;
};
bool loadScenery(const std::string& folder, Scenery* s);

}  // namespace standin
