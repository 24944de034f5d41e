// The pack's clips as the engine plays them: the idle stance and every kick's strike read back
// bone by bone in model space (so the clips' key conventions and the engine's agree), and the
// nine body types standing in arena 1 from the match camera, kept as a picture to look at.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "PackTestSupport.h"
#include "fight/ActionIds.h"

namespace {

using pack::BodyType;
using pack::BodyTypes;
using pack::Rgb;
using pack::Textures;
using pack::startingList;

const std::string Arena1 = "Tavek_res\\arenas\\arena1\\";
constexpr float Soles = -0.65f;     // model-space height of the soles
constexpr float FootRest = -0.61f;  // a foot's centre standing on the ground

// Every kick of the kick table: its impact frames (first and last), the leg it strikes with on
// side 0, its target, and whether both feet leave the ground. The clips drive the foot into the
// target over the impact frames, so that it arrives ahead of the shin: the full reach comes
// within them, not always on the first.
struct Kick {
    int action, firstImpact, lastImpact;
    bool rearLeg, head, jumps;
};
const Kick Kicks[] = {
    {22, 11, 14, true, false, false}, {23, 9, 12, false, false, false},  {24, 12, 14, true, true, false},
    {25, 17, 19, true, true, false},  {26, 11, 14, false, true, false},  {27, 12, 15, true, false, false},
    {28, 8, 11, false, false, false}, {29, 16, 19, true, false, false},  {30, 21, 24, true, true, false},
    {31, 15, 18, true, false, true},  {32, 15, 18, false, true, true},   {33, 24, 27, true, true, true},
    {34, 16, 19, true, false, true},  {45, 19, 22, true, false, true},
};

// Where a point of a bone's part lies, from the bone's rest pose (read off a display mesh) and
// its pose now: the point keeps its place in the bone's own frame.
struct BonePoint {
    iVector3 restAt, restPoint;
    iQuaternion restTurn;
};

iVector3 operator+(iVector3 a, iVector3 b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
iVector3 operator-(iVector3 a, iVector3 b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }

iVector3 posed(uint32_t bone, const BonePoint& point, int mode) {
    iVector3 at;
    iQuaternion turn;
    iSkinMeshBoneLocation(bone, &at, mode);
    iSkinMeshBoneOrientation(bone, &turn, mode);
    const iQuaternion undo{-point.restTurn.x, -point.restTurn.y, -point.restTurn.z, point.restTurn.w};
    iQuaternion change;
    iQuaternionMultiply(&change, &turn, &undo);
    const iVector3 offset = point.restPoint - point.restAt;
    iVector3 turned;
    iVectorRotate(&turned, &offset, &change);
    return at + turned;
}

// The points the checks read: the head's centre and the feet's centres (the ragdoll's shapes).
enum { Head, LeftFoot, RightFoot, PointCount };
const char* const PointBones[PointCount] = {"Bip01_Head", "Bip01_L_Foot", "Bip01_R_Foot"};
const iVector3 PointsAtRest[PointCount] = {{0.0f, 1.04f, 0.01f}, {-0.09f, FootRest, 0.05f}, {0.09f, FootRest, 0.05f}};

std::string where(const iVector3& p) {
    char text[64];
    std::snprintf(text, sizeof text, "(%.3f, %.3f, %.3f)", p.x, p.y, p.z);
    return text;
}

class PackPose : public pack::LoadingTest {
protected:
    void SetUp() override {
        LoadingTest::SetUp();
        if (HasFatalFailure()) return;
        inside = std::make_unique<pack::WorkingFolder>(pack::gameFolder());
        ASSERT_TRUE(inside->entered()) << pack::gameFolder();
        files = std::make_unique<FileArchive>("graphics.qmx");
        const BodyType& middle = BodyTypes[2];
        display = files->createSkinMesh(Textures + middle.folder + middle.mesh, startingList(middle));
        ASSERT_NE(display, 0u);
        for (int p = 0; p < PointCount; ++p) {
            const uint32_t bone = iSkinMeshBoneCreateByName(display, PointBones[p]);
            ASSERT_NE(bone, 0u) << PointBones[p];
            iSkinMeshBoneLocation(bone, &points[p].restAt, 1);
            iSkinMeshBoneOrientation(bone, &points[p].restTurn, 1);
            points[p].restPoint = PointsAtRest[p];
            iSkinMeshBoneDestroy(bone);
        }
    }
    void TearDown() override {
        for (uint32_t bone : bones) iSkinMeshBoneDestroy(bone);
        if (files) {
            for (uint32_t skin : clips) files->destroySkinMesh(skin);
            files->destroySkinMesh(display);
            files.reset();
        }
        EXPECT_EQ(vtSkinMeshCount(), 0);
        LoadingTest::TearDown();
        inside.reset();
    }

    // A clip with the bones of the three points.
    struct Clip {
        uint32_t mesh = 0, bones[PointCount] = {};
    };
    Clip openClip(const std::string& clipFile) {
        Clip clip;
        clip.mesh = files->createSkinMesh(clipFile, {});
        EXPECT_NE(clip.mesh, 0u) << clipFile;
        if (!clip.mesh) return clip;
        clips.push_back(clip.mesh);
        for (int p = 0; p < PointCount; ++p) {
            clip.bones[p] = iSkinMeshBoneCreateByName(clip.mesh, PointBones[p]);
            bones.push_back(clip.bones[p]);
        }
        return clip;
    }
    // The clip's three points at frame, in model space.
    std::vector<iVector3> pointsAt(const Clip& clip, float frame) {
        if (!clip.mesh) return {};
        iSkinMeshAnimationTimeSet(clip.mesh, frame);
        std::vector<iVector3> at;
        for (int p = 0; p < PointCount; ++p) at.push_back(posed(clip.bones[p], points[p], 1));
        return at;
    }

    std::unique_ptr<pack::WorkingFolder> inside;
    std::unique_ptr<FileArchive> files;
    uint32_t display = 0;
    BonePoint points[PointCount];
    std::vector<uint32_t> clips, bones;
};

std::string clipName(int action, int side) {
    const int owner = actionClipOwner(action);
    return side == 0 ? std::string(ActionClipFolder) + "\\" + actionAnimationFile(owner)
                     : std::string(ActionMirroredClipFolder) + "\\" + actionMirroredAnimationFile(owner);
}

TEST_F(PackPose, TheIdleStanceAndEveryKickStrikeAsTheTableSays) {
    for (int side = 0; side < 2; ++side) {
        const std::string idle = clipName(0, side);
        const std::vector<iVector3> at = pointsAt(openClip(idle), 0.0f);
        ASSERT_EQ(at.size(), static_cast<size_t>(PointCount));
        EXPECT_NEAR(at[Head].y - Soles, 1.7f, 0.1f) << idle << " head at " << where(at[Head]);
        const iVector3 front = side == 0 ? at[LeftFoot] : at[RightFoot];
        const iVector3 rear = side == 0 ? at[RightFoot] : at[LeftFoot];
        EXPECT_GT(front.z - rear.z, 0.4f) << idle << ": front foot " << where(front) << ", rear " << where(rear);
        EXPECT_NEAR(front.y, FootRest, 0.04f) << idle << " front foot " << where(front);
        EXPECT_NEAR(rear.y, FootRest, 0.04f) << idle << " rear foot " << where(rear);

        for (const Kick& kick : Kicks) {
            const std::string name = clipName(kick.action, side);
            const Clip clip = openClip(name);
            // Side 0 stands left foot forward: its rear leg is the right one; side 1 mirrors it.
            const bool right = kick.rearLeg == (side == 0);
            std::string seen;
            bool strikes = false;
            for (int frame = kick.firstImpact; frame <= kick.lastImpact && !strikes; ++frame) {
                const std::vector<iVector3> k = pointsAt(clip, static_cast<float>(frame));
                ASSERT_EQ(k.size(), static_cast<size_t>(PointCount));
                const iVector3 foot = right ? k[RightFoot] : k[LeftFoot];
                const iVector3 standing = right ? k[LeftFoot] : k[RightFoot];
                // The opponent's trunk spans 0.75..1.45 above the mat, its head and guard 1.4..1.85.
                const float height = foot.y - Soles;
                const bool atTarget = kick.head ? height > 1.4f && height < 1.85f : height > 0.7f && height < 1.45f;
                const bool stands = kick.jumps || std::fabs(standing.y - FootRest) < 0.05f;
                strikes = foot.z >= 0.8f && atTarget && stands;
                seen += "\n  frame " + std::to_string(frame) + ": kicking foot " + where(foot) + ", standing foot " +
                        where(standing);
            }
            EXPECT_TRUE(strikes) << name << " never strikes 0.8 ahead at its target's height:" << seen;
        }
    }
}

const char* const Arena1Scene[] = {
    "audience", "black", "black_beam", "blue", "blue_beam", "blue_light", "bottle", "box1", "box2", "camera",
    "camera_attach", "catwalk_tile", "chair", "flag_au", "flag_ca", "flag_cn", "flag_cu", "flag_eg", "flag_fr",
    "flag_gb", "flag_gr", "flag_ir", "flag_kr", "flag_large_tavek2", "flag_large_tavek", "flag_mx", "flag_se",
    "flag_th", "flag_tr", "flag_tw", "flag_us", "flag_ve", "gate", "grate", "green2", "light", "light_blue", "mat",
    "metal_beam", "metal_light", "red", "scoreboard_led", "seats", "side2", "side", "small_scoreboard", "spotlight",
    "stairs", "table", "wall_tile", "white_beam", "characters\\coach-male", "characters\\judge-male",
    "characters\\judge-female", "characters\\referee-male", "characters\\referee-female",
    "characters\\spectator_male_long-sleevegreen-blackpants"};

// The nine body types in a row across the mat, facing the match camera.
class PackFighterLineUp : public pack::DrawingTest {
protected:
    void TearDown() override {
        for (uint32_t bone : bones) iSkinMeshBoneDestroy(bone);
        if (files) {
            for (uint32_t skin : skins) files->destroySkinMesh(skin);
            for (uint32_t mesh : meshes) files->destroyMesh(mesh);
        }
        if (camera) iCameraDestroy(camera);
        DrawingTest::TearDown();
    }

    uint32_t bone(uint32_t skin, const char* name) {
        const uint32_t b = iSkinMeshBoneCreateByName(skin, name);
        if (b) bones.push_back(b);
        return b;
    }

    // The presented colour under a world point.
    Rgb colourAt(const iVector3& world) {
        iVector2 screen;
        i3DLocationToScreen(&screen, &world, camera);
        return pack::presentedAt(screen.x, screen.y);
    }

    uint32_t camera = 0;
    std::vector<uint32_t> skins, meshes, bones;
};

TEST_F(PackFighterLineUp, NineBodyTypesStandInArenaOneInTheirIdleStance) {
    for (const char* name : Arena1Scene) {
        const uint32_t mesh = files->createMesh(Arena1 + name + ".x", "");
        ASSERT_NE(mesh, 0u) << name;
        iMeshShow(mesh);
        meshes.push_back(mesh);
    }
    for (int map = 1; map <= 4; ++map) {
        const uint32_t mesh = files->createMesh(Arena1 + "lightmap" + std::to_string(map) + ".x", "");
        ASSERT_NE(mesh, 0u) << map;
        iMeshRenderModeSet(mesh, 1, 3, 1, 0);
        iMeshZBiasSet(mesh, 1);
        iMeshEmissiveSet(mesh, 1.0f, 1.0f, 1.0f, 1.0f);
        iMeshShow(mesh);
        meshes.push_back(mesh);
    }
    camera = iCameraCreate(0.0f, 0.0f, 1.0f, 1.0f);
    const iVector3 eye{0.0f, 7.5f, 7.5f}, target{0.0f, 2.0f, 0.0f};
    iCameraLocationSet(camera, &eye);
    iCameraLookAt(camera, &target, 1.0f);
    iCameraFovSet(camera, 30.0f);
    const iVector3 light{0.4f, -1.0f, -0.6f};
    const iVector4 white{1.0f, 1.0f, 1.0f, 1.0f};
    iLightDirectionalSet(&light, &white);

    // The idle clip's first frame, copied bone by bone onto each display mesh.
    const uint32_t idle = files->createSkinMesh(clipName(0, 0), {});
    ASSERT_NE(idle, 0u);
    skins.push_back(idle);
    iSkinMeshAnimationTimeSet(idle, 0.0f);
    std::vector<std::string> boneNames;
    for (int b = 0; const char* name = vtSkinMeshBoneName(idle, b, nullptr); ++b) boneNames.push_back(name);
    iVector3 pelvisRest{}, pelvisIdle{};
    iSkinMeshBoneLocation(bone(idle, "Bip01_Spine"), &pelvisIdle, 1);

    const int count = 9;
    std::vector<uint32_t> chests, heads, shins;
    for (int t = 0; t < count; ++t) {
        const BodyType& type = BodyTypes[t];
        const uint32_t skin = files->createSkinMesh(Textures + type.folder + type.mesh, startingList(type));
        ASSERT_NE(skin, 0u) << type.mesh;
        skins.push_back(skin);
        if (t % 2) {
            const std::string red = type.male ? Textures + "protection_red.png"
                                              : Textures + "female\\female_protection_red.png";
            iSkinMeshTextureChange(skin, red.c_str(), 1);
        }
        iSkinMeshBoneLocation(bone(skin, "Bip01_Spine"), &pelvisRest, 1);
        for (const std::string& name : boneNames) {
            if (name == "Bip01") continue;
            iQuaternion turn;
            iSkinMeshBoneOrientation(bone(idle, name.c_str()), &turn, 1);
            iSkinMeshBoneOrientationSet(bone(skin, name.c_str()), &turn, 1);
        }
        // The clip lowers the pelvis into the stance; the display mesh follows by its placement.
        const iVector3 at{-3.0f + 0.75f * static_cast<float>(t), 0.65f + pelvisIdle.y - pelvisRest.y, 0.0f};
        iSkinMeshLocationSet(skin, &at);
        iSkinMeshShow(skin);
        chests.push_back(bone(skin, "Bip01_Spine1"));
        heads.push_back(bone(skin, "Bip01_Head"));
        shins.push_back(bone(skin, "Bip01_L_Calf"));
    }
    iVortaneMain();
    iVortaneRender();
    keepScreenshot("pack_fighters.png", "VUZ_KEEP_FIGHTERS");

    // Each fighter shows its protector's colour on the trunk, skin on the face and white trousers.
    for (int t = 0; t < count; ++t) {
        iVector3 chest, head, shin;
        iSkinMeshBoneLocation(chests[t], &chest, 0);
        iSkinMeshBoneLocation(heads[t], &head, 0);
        iSkinMeshBoneLocation(shins[t], &shin, 0);
        // The protector and head guard: a grid over the trunk and head, partly hidden by the guard
        // and with the blue mat around; a red fighter shows red there, a blue one no red at all.
        int protector = 0, other = 0, samples = 0;
        for (float up = -0.05f; up < head.y - chest.y + 0.2f; up += 0.05f)
            for (float across = -0.15f; across <= 0.151f; across += 0.05f) {
                const Rgb c = colourAt(chest + iVector3{across, up, 0.15f});
                const bool red = c.r > c.b + 40 && c.r > c.g + 40;
                const bool blue = c.b > c.r + 40 && c.b > c.g + 20;
                protector += (t % 2 ? red : blue) ? 1 : 0;
                other += (t % 2 ? blue : red) ? 1 : 0;
                ++samples;
            }
        const std::string trunk = std::to_string(protector) + " of " + std::to_string(samples) + " in its colour, " +
                                  std::to_string(other) + " in the other";
        const Rgb face = colourAt(head + iVector3{0.0f, 0.08f, 0.12f});
        const Rgb leg = colourAt(shin + iVector3{0.0f, 0.1f, 0.08f});
        const std::string who =
            BodyTypes[t].mesh + ": trunk " + trunk + ", face " + pack::rgb(face) + ", leg " + pack::rgb(leg);
        EXPECT_GE(protector, samples / 6) << who;
        if (t % 2 == 0) {
            EXPECT_LE(other, 1) << who;
        }
        EXPECT_TRUE(face.r > face.b + 15 && face.r > 70) << who;
        EXPECT_TRUE(leg.r > 120 && leg.g > 120 && leg.b > 120 && std::abs(leg.r - leg.b) < 50) << who;
    }
}

}  // namespace
