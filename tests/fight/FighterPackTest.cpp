// A fighter built from the generated game folder, standing on the pack's mat as the battle
// places fighter A: every engine object made, the idle stance on its feet, and the rear
// roundhouse reaching out in front of the hip.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "RecordingBattle.h"
#include "fight/FighterInstance.h"
#include "platform/vuzirovari/vuzirovari.h"
#include "platform/vuzirovari/vuzirovari_test.h"
#include "resources/FileArchive.h"

namespace {

constexpr float kFrame = 1.0f / 60.0f;

Vector3 centreOf(uint32_t body) {
    iVector3 p;
    iBodyLocationCM(body, &p);
    return p;
}

class FighterFromPack : public ::testing::Test {
protected:
    void SetUp() override {
        previousFolder = std::filesystem::current_path();
        std::filesystem::current_path(GAME_DIR);
        vtReset();
        vtSetDrawing(0);
        vtSetFixedFrameTime(kFrame);
        ASSERT_EQ(iVortaneOpen(nullptr, nullptr), 1);
        mat = FileArchive::instance().createBody("Tavek_res\\arenas\\mat_0.93.ply");
        ASSERT_NE(mat, 0u);
        iBodyEnable(mat);
        fighter.setUp(mat, &battle, true, nullptr, 0.0f, 1.0f);
        fighter.location = Vector3(2.0f, 0.65f, 0.0f);
        iQuaternionFromEulerAngles(&fighter.orientation, 0.0f, -90.0f, 0.0f, "xyz");
        fighter.resetPose();
        fighter.startAction(0, -1);
    }
    void TearDown() override {
        fighter.destroy();
        FileArchive::instance().destroyBody(mat);
        EXPECT_EQ(vtSkinMeshCount(), 0);
        EXPECT_EQ(vtBodyCount(), 0);
        vtReset();
        std::filesystem::current_path(previousFolder);
    }

    void frame(int control = 0) {
        iVortaneMain();
        if (control) fighter.requestedControl = control;
        fighter.updatePendingKnockDown();
        fighter.regenerate(iFrq(0));
        fighter.update();
        fighter.requestedControl = 0;
    }

    std::filesystem::path previousFolder;
    uint32_t mat = 0;
    RecordingBattle battle;
    FighterInstance fighter;
};

}  // namespace

TEST_F(FighterFromPack, ItStandsInItsStanceAndKicksOutInFrontOfItsHip) {
    ASSERT_NE(fighter.skinMesh, 0u);
    for (int i = 0; i < FighterInstance::PartCount; ++i) {
        EXPECT_NE(fighter.bodies[i], 0u) << "part " << i;
        EXPECT_NE(fighter.shadowMeshes[i], 0u) << "part " << i;
        EXPECT_NE(fighter.mainBones[i], 0u) << "part " << i;
    }
    for (uint32_t joint : fighter.joints) EXPECT_NE(joint, 0u);
    for (uint32_t bone : fighter.detailBones) EXPECT_NE(bone, 0u);
    for (int a = 0; a < FighterInstance::ClipCount; ++a)
        for (int s = 0; s < 2; ++s) {
            EXPECT_NE(fighter.clipMeshes[a][s], 0u) << "clip " << a << "/" << s;
            for (uint32_t bone : fighter.clipMainBones[a][s]) EXPECT_NE(bone, 0u) << "clip " << a << "/" << s;
        }

    for (int f = 0; f < 30; ++f) frame();
    EXPECT_GT(centreOf(fighter.bodies[0]).y, 0.8f);
    for (int foot : {12, 15}) {
        EXPECT_GE(centreOf(fighter.bodies[foot]).y, 0.0f) << "part " << foot;
        EXPECT_LE(centreOf(fighter.bodies[foot]).y, 0.1f) << "part " << foot;
    }

    fighter.balance() = fighter.maxBalance();
    frame(9);
    ASSERT_EQ(fighter.currentAction, 22);
    const Vector3 forward(0, 0, 1);
    Vector3 ahead;
    iVectorRotate(&ahead, &forward, &fighter.orientation);
    const int foot = fighter.side == 0 ? 15 : 12;   // the rear leg's foot
    float farthest = -1.0f;
    for (int f = 0; f < 120 && fighter.currentAction == 22; ++f) {
        frame();
        const Vector3 d = centreOf(fighter.bodies[foot]) - centreOf(fighter.bodies[0]);
        farthest = std::max(farthest, d.x * ahead.x + d.z * ahead.z);
    }
    EXPECT_GE(farthest, 0.9f);
}
