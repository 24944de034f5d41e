// The fight's files of the generated pack through the game's resource layer and the engine: the
// nine body meshes with their starting textures and every texture a fighter changes to, the
// clips of every action on both sides, the ragdoll bodies with their shadows and debug shapes,
// the mat and every arena mesh, once from the loose files and once from graphics.qmx alone.
#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <string>
#include <vector>

#include "PackTestSupport.h"
#include "fight/ActionIds.h"

namespace {

using namespace pack;

// The skeleton every skinned file holds: frame, parent.
const std::map<std::string, std::string> Parents = {
    {"Bip01_Spine", "Bip01"}, {"Bip01_Spine1", "Bip01_Spine"}, {"Bip01_Spine2", "Bip01_Spine1"},
    {"Bip01_Head", "Bip01_Spine2"}, {"Bip01_L_UpperArm", "Bip01_Spine2"}, {"Bip01_R_UpperArm", "Bip01_Spine2"},
    {"Bip01_L_Forearm", "Bip01_L_UpperArm"}, {"Bip01_R_Forearm", "Bip01_R_UpperArm"},
    {"Bip01_L_Hand", "Bip01_L_Forearm"}, {"Bip01_R_Hand", "Bip01_R_Forearm"},
    {"Bip01_L_Thigh", "Bip01_Spine"}, {"Bip01_R_Thigh", "Bip01_Spine"}, {"Bip01_L_Calf", "Bip01_L_Thigh"},
    {"Bip01_R_Calf", "Bip01_R_Thigh"}, {"Bip01_L_Foot", "Bip01_L_Calf"}, {"Bip01_R_Foot", "Bip01_R_Calf"},
    {"Bip01_L_Toe0", "Bip01_L_Foot"}, {"Bip01_R_Toe0", "Bip01_R_Foot"},
};

// Clip lengths in frames (25 a second), by side-0 file.
const std::map<std::string, float> ClipLength = {
    {"29_IdleBouncing_Loop.X", 24}, {"31_IdleBouncingTired.X", 60}, {"32_AttentionToSparringStance.X", 30},
    {"35_Bowing.X", 60}, {"20_Jumping.X", 18}, {"34_Kipup.X", 50}, {"45_Fake.X", 20},
    {"14_Chujin.X", 20}, {"15_Fujin.X", 20}, {"16_SideStepToRightSide.X", 20}, {"17_SidestepToLeftSide.X", 20},
    {"18_RunningCharge.X", 25}, {"19_RunningRetreat.X", 25}, {"000_walkcycle_left-ft-fwd.X", 30},
    {"01_RearLegRoundHouseBodyTarget.X", 30}, {"02_FrontLegRoundhouseBodyTarget.X", 25},
    {"03_RearLegRoundhouseHeadTarget.X", 32}, {"05_RearLegAxeKick.X", 35}, {"06_FrontLegFrontHookKick.X", 30},
    {"10_RearLegPushKick.X", 28}, {"11_FrontLegPushCutKick.X", 22}, {"12_ReaLegBackKick_rt.X", 35},
    {"13_SpinningHookKick.X", 40}, {"21_JumpingRearLegRoundhouseKick.X", 36},
    {"22_JumpFrontLegRoundhouseKick.X", 36}, {"25_JumpingSpinHookKick.X", 45}, {"47_JumpingSideKick.X", 36},
    {"24_JumpingBackKick.X", 40}, {"26_DoublePunch.X", 26}, {"27_SinglePunchFront.X", 20},
    {"28_SinglePunchRear.X", 20}, {"08_TorsoBlock_RT.X", 24}, {"09_HeadBlock_RT.X", 24},
    {"09_HeadBlock_RT-B.X", 24}, {"33_SwitchFeet.X", 20}, {"33_SwitchFeet_Am_A.X", 20},
    {"33_SwitchFeet_Am_B.X", 20}, {"33_SwitchFeet_Am_C.X", 20}, {"33_SwitchFeet_Am_D.X", 20},
    {"33_SwitchFeet_WCS_A.X", 20}, {"33_SwitchFeet_WCS_B.X", 20}, {"33_SwitchFeet_WCS_C.X", 20},
    {"33_SwitchFeet_WCS_D.X", 20},
};

const char* const PartStems[16] = {
    "fighterHip", "fighterChest", "fighterChest2j", "fighterHead", "fighterUpperArmLeft", "fighterForearmLeft",
    "fighterHandLeft", "fighterUpperArmRight", "fighterForearmRight", "fighterHandRight", "fighterThighLeft",
    "fighterShinLeft", "fighterFootLeft", "fighterThighRight", "fighterShinRight", "fighterFootRight"};
const float PartMasses[16] = {10.0f, 5.0f, 7.0f, 3.0f, 2.5f, 2.0f, 0.5f, 2.5f, 2.0f, 0.5f, 8.0f, 4.0f, 1.0f, 8.0f, 4.0f, 1.0f};

class PackFight : public LoadingTest {
protected:
    void checkSkeleton(uint32_t skin, const std::string& name) {
        int parent = -2;
        const char* top = vtSkinMeshBoneName(skin, 0, &parent);
        if (!top || std::string(top) != "Bip01" || parent != -1) fail(name + ": the top frame is not Bip01");
        int count = 0;
        for (int bone = 0; vtSkinMeshBoneName(skin, bone, &parent); ++bone) {
            ++count;
            auto expected = Parents.find(vtSkinMeshBoneName(skin, bone, &parent));
            if (expected == Parents.end()) continue;
            const char* parentName = parent >= 0 ? vtSkinMeshBoneName(skin, parent, nullptr) : "";
            if (expected->second != parentName) fail(name + ": " + expected->first + " hangs from " + parentName);
        }
        if (count != 39) fail(name + ": " + std::to_string(count) + " frames");
    }

    uint32_t makeBody(FileArchive& files, const std::string& mesh, const std::vector<std::string>& textures) {
        const uint32_t skin = files.createSkinMesh(mesh, textures);
        if (!skin) {
            fail(mesh + ": not made: " + lastEngineLine());
            return 0;
        }
        skins.push_back(skin);
        int bones = 0, animations = -1, slots = 0, triangles = 0;
        vtSkinMeshGet(skin, &bones, &animations, &slots, &triangles);
        if (bones != 39 || animations != 0 || slots != 4 || triangles < 1500 || triangles > 4000)
            fail(mesh + ": " + std::to_string(bones) + " bones, " + std::to_string(animations) + " animations, " +
                 std::to_string(slots) + " slots, " + std::to_string(triangles) + " triangles");
        for (int slot = 0; slot < 4; ++slot) {
            int width = 0, height = 0;
            if (!vtSkinMeshTextureSlot(skin, slot, &width, &height) || width < 64)
                fail(mesh + ": slot " + std::to_string(slot) + " (" + textures[slot] + ") has no picture");
        }
        return skin;
    }

    void makeClip(FileArchive& files, const std::string& folder, const std::string& file, float length) {
        const std::string name = folder + "\\" + file;
        const uint32_t clip = files.createSkinMesh(name, {});
        if (!clip) {
            fail(name + ": not made: " + lastEngineLine());
            return;
        }
        skins.push_back(clip);
        int bones = 0, animations = 0, slots = -1, triangles = -1, channels = 0;
        vtSkinMeshGet(clip, &bones, &animations, &slots, &triangles);
        float duration = 0.0f, ticks = 0.0f;
        vtSkinMeshAnimation(clip, 0, &duration, &ticks, &channels);
        if (bones != 39 || animations != 1 || slots != 0 || triangles != 0 || channels != 38 || ticks != 25.0f ||
            std::fabs(duration - length) > 1e-3f)
            fail(name + ": " + std::to_string(bones) + " bones, " + std::to_string(animations) + " sets of " +
                 std::to_string(duration) + " ticks at " + std::to_string(ticks) + ", " + std::to_string(channels) +
                 " channels, " + std::to_string(slots) + " slots, " + std::to_string(triangles) + " triangles");
        checkSkeleton(clip, name);
    }

    void loadEverything(FileArchive& files, bool loose);

    std::vector<uint32_t> skins, meshes, bodies;
};

void PackFight::loadEverything(FileArchive& files, bool loose) {
    // The nine body meshes with their starting lists, then every texture a fighter changes to.
    for (const BodyType& type : BodyTypes) {
        const std::string mesh = Textures + type.folder + type.mesh;
        if (uint32_t skin = makeBody(files, mesh, startingList(type))) checkSkeleton(skin, mesh);
    }
    std::vector<std::pair<int, std::string>> changes = {
        {1, Textures + "protection_blue.png"}, {1, Textures + "protection_red.png"},
        {1, Textures + "female\\female_protection_blue.png"}, {1, Textures + "female\\female_protection_red.png"}};
    for (const char* belt : {"white", "yellow", "green", "blue", "red", "black"})
        changes.push_back({3, Textures + "belt_" + belt + ".png"});
    for (const char* folder : {"male\\", "female\\"})
        for (const char* clothes : {"clothes.png", "clothes2.png", "clothes3.png", "clothes4.png", "clothes5.png"})
            changes.push_back({0, Textures + folder + clothes});
    for (const char* skin : {"a_skin", "a_skin_goatee", "b_skin", "b_skin_goatee", "b_skin_mustache", "h_skin",
                             "h_skin_goatee", "h_skin_mustache", "w_b_skin", "w_b_skin_stubble", "w_d_skin",
                             "w_d_skin_goatee"})
        changes.push_back({2, Textures + "male\\" + skin + ".png"});
    for (const char* skin : {"a_b_skin", "a_p_skin", "a_skin", "b_skin", "b_skin_braids", "h_b_skin", "h_br_skin",
                             "h_skin", "w_b_skin", "w_br_skin", "w_r_skin", "w_skin"})
        changes.push_back({2, Textures + "female\\" + skin + ".png"});
    for (const auto& [slot, texture] : changes) {
        std::vector<std::string> list = startingList(BodyTypes[2]);
        list[slot] = texture;
        makeBody(files, Textures + "male\\male_middle.x", list);
    }

    // The clips of every action the fighters load, as the fighter names them, on both sides.
    for (int action = 0; action < 50; ++action) {
        const int owner = actionClipOwner(action);
        auto length = ClipLength.find(actionAnimationFile(owner));
        ASSERT_NE(length, ClipLength.end()) << actionAnimationFile(owner);
        makeClip(files, ActionClipFolder, actionAnimationFile(owner), length->second);
        makeClip(files, ActionMirroredClipFolder, actionMirroredAnimationFile(owner), length->second);
    }

    // Ragdoll bodies with their masses, their shadow casters and the debug shapes.
    for (int part = 0; part < 16; ++part) {
        const std::string stem = PartStems[part];
        const uint32_t body = files.createBodySG("Tavek_res\\ragdoll\\" + stem + "_.spg", PartMasses[part]);
        int rigid = 0, shapes = 0, triangles = 0, enabled = 0;
        float mass = 0.0f;
        if (!body || !vtBodyGet(body, &rigid, &shapes, &triangles, &mass, &enabled) || !rigid || shapes != 1 ||
            std::fabs(mass - PartMasses[part]) > 1e-4f) {
            fail(stem + ": body " + std::to_string(body) + " rigid " + std::to_string(rigid) + " shapes " +
                 std::to_string(shapes) + " mass " + std::to_string(mass) + " " + lastEngineLine());
            continue;
        }
        bodies.push_back(body);
        const uint32_t shadow = files.createShadowCasterMesh("Tavek_res\\shadow\\" + stem + "_shadow.x",
                                                             static_cast<int>(body), 50.0f);
        int caster = 0, vertices = 0, textureId = 0;
        uint32_t bound = 0;
        float shadowLength = 0.0f;
        if (!shadow || !vtMeshGet(shadow, &caster, &vertices, &triangles, &textureId, &bound, &shadowLength) ||
            !caster || bound != body || triangles < 8)
            fail(stem + ": shadow caster not made or not bound: " + lastEngineLine());
        if (shadow) meshes.push_back(shadow);
        if (loose) {  // the debug shapes are read by path, never from the archive
            const uint32_t debug = files.createMesh("Tavek_res\\debug\\" + stem + ".x", "");
            if (!debug) fail(stem + ": debug mesh not made: " + lastEngineLine());
            else meshes.push_back(debug);
        }
    }

    // The mat body and every arena mesh with its picture.
    const uint32_t mat = files.createBody("Tavek_res\\arenas\\mat_0.93.ply");
    int rigid = 1, shapes = 0, triangles = 0, enabled = 0;
    float mass = 0.0f;
    if (!mat || !vtBodyGet(mat, &rigid, &shapes, &triangles, &mass, &enabled) || rigid || triangles != 12 || shapes < 2)
        fail("mat_0.93.ply: " + std::to_string(triangles) + " triangles, " + std::to_string(shapes) + " shapes " +
             lastEngineLine());
    if (mat) bodies.push_back(mat);
    const std::vector<std::string> arenaMeshes = pack::gameNames({"Tavek_res\\arenas\\"}, ".x");
    ASSERT_EQ(arenaMeshes.size(), 250u);  // 230 scene files, 19 light maps and the mirror
    for (const std::string& name : arenaMeshes) {
        const uint32_t mesh = files.createMesh(name, "");
        int caster = 1, vertices = 0, textureId = -1;
        uint32_t bound = 0;
        float shadowLength = 0.0f;
        if (!mesh || !vtMeshGet(mesh, &caster, &vertices, &triangles, &textureId, &bound, &shadowLength) || caster ||
            triangles < 1 || textureId < 0) {
            fail(name + ": not made: " + lastEngineLine());
            continue;
        }
        meshes.push_back(mesh);
    }
    if (loose) {  // the mirror's alpha picture is read by path
        uint32_t sprite = files.createSprite("Tavek_res\\gui\\general\\white.x", 3, false);
        ASSERT_NE(sprite, 0u);
        size_t before = win32::logLines().size();
        iSpriteAlphaTextureChange(sprite, "Tavek_res\\arenas\\arena2\\mirror_alpha.png");
        if (win32::logLines().size() != before) fail("mirror_alpha.png: " + lastEngineLine());
        files.destroySprite(sprite);
    }
    report();

    for (uint32_t skin : skins) files.destroySkinMesh(skin);
    for (uint32_t mesh : meshes) files.destroyMesh(mesh);
    for (uint32_t body : bodies) files.destroyBody(body);
    EXPECT_EQ(vtBodyCount(), 0);
    EXPECT_EQ(vtTextureCount(), 0);
    EXPECT_EQ(vtLiveObjectCount(), 0);
    EXPECT_EQ(files.files().size(), 0u) << "files still held by the resource layer";
}

TEST_F(PackFight, EveryFighterAndArenaFileLoadsFromTheLooseFiles) {
    pack::WorkingFolder inside(pack::gameFolder());
    ASSERT_TRUE(inside.entered()) << pack::gameFolder();
    FileArchive files("no packed archive here.qmx");
    loadEverything(files, true);
}

TEST_F(PackFight, EveryFighterAndArenaFileLoadsFromTheArchiveAlone) {
    ASSERT_NO_FATAL_FAILURE(makeArchiveOnlyFolder("archive_only_fight"));
    pack::WorkingFolder inside(scratch);
    ASSERT_TRUE(inside.entered()) << scratch;
    FileArchive files("graphics.qmx");
    ASSERT_TRUE(files.packedArchive().opened());
    loadEverything(files, false);
}

}  // namespace
