// The fixed tables of a fighter's body: its sixteen parts (file stems, main bones, masses and
// contact sensors), the detail bones, the fifteen joints with their stops and motors, and the
// look files (meshes and textures). Pure data, read by FighterInstance.
#pragma once

namespace FighterTables {

constexpr int PartCount = 16;
constexpr int DetailBoneCount = 22;
constexpr int JointCount = 15;
constexpr int ClipActionCount = 50;
constexpr int BodyTypeCount = 9;
constexpr int SkinCount = 24;

struct Part {
    const char* stem;      // file stem of its body, shadow and debug meshes
    const char* mainBone;
    float mass;
    bool sensor;           // has a contact sensor against the mat
    bool countsAsDown;     // its contact means the fighter is down
};
extern const Part parts[PartCount];

extern const char* const detailBones[DetailBoneCount];
// The one detail bone (the right toe) written in parent-relative mode 2 instead of mode 3.
constexpr int DetailBoneWrittenInMode2 = 21;

struct AxisLimit {
    float low, high;
};
struct Joint {
    int parent, child;
    AxisLimit stops[3];    // X, Y, Z in degrees
    float motors[3];       // X, Y, Z strengths
};
extern const Joint joints[JointCount];
constexpr float StopStiffness = 500.0f;
constexpr float StopDamping = 50.0f;
constexpr float NeckStopDamping = 10.0f;   // joint 2 on Y and Z

// Body parts of the two feet, which decide the fighter's facing at a re-anchor.
constexpr int LeftFootPart = 12;
constexpr int RightFootPart = 15;
constexpr int HipPart = 0;

constexpr const char* RagdollFolder = "Tavek_res\\ragdoll\\";
constexpr const char* ShadowFolder = "Tavek_res\\shadow\\";
constexpr const char* DebugFolder = "Tavek_res\\debug\\";
constexpr const char* TextureFolder = "Tavek_res\\skinmeshes\\textures\\";

struct BodyType {
    const char* mesh;          // under TextureFolder
    const char* protector;     // under TextureFolder
    int startingSkin;          // index into skins
};
// The mesh of each body type and the starting texture list that comes with it.
extern const BodyType bodyTypes[BodyTypeCount];
// The starting clothes and belt of a body type, under TextureFolder.
const char* startingClothes(int type);
const char* startingBelt(int type);

extern const char* const skins[SkinCount];   // under TextureFolder
extern const char* const belts[6];           // white, yellow, green, blue, red, black
extern const char* const clothes[5];         // file names inside the gender folder

}  // namespace FighterTables
