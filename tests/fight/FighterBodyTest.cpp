// A fighter built from its files on a mat, driven frame by frame as the battle will drive it:
// its engine objects, the idle stance, a kick that the bodies follow, a knock-down into a
// lying ragdoll, getting up again, and a teardown that leaves nothing behind.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cmath>
#include <filesystem>
#include <set>
#include <vector>

#include "RecordingBattle.h"
#include "fight/FighterInstance.h"
#include "fight/LoadingProgress.h"
#include "platform/vuzirovari/vuzirovari.h"
#include "platform/vuzirovari/vuzirovari_test.h"
#include "platform/win32/win32_host.h"
#include "resources/FileArchive.h"
#include "state/EnemyFighterState.h"
#include "support/FighterTestFiles.h"

namespace {

constexpr float kFrame = 1.0f / 60.0f;

class RecordingProgress : public LoadingProgress {
public:
    void setProgress(float value) override { values.push_back(value); }
    std::vector<float> values;
};

Vector3 bodyLocation(uint32_t body) {
    iVector3 p;
    iBodyLocation(body, &p);
    return p;
}

Vector3 bodyCentre(uint32_t body) {
    iVector3 p;
    iBodyLocationCM(body, &p);
    return p;
}

float distance(const Vector3& a, const Vector3& b) {
    Vector3 d = a - b;
    return iVectorLength(&d);
}

// The engine objects a fighter holds, by kind, each handle counted once.
struct HeldObjects {
    std::set<uint32_t> skinMeshes, bones, meshes, bodies, joints, pairs;

    explicit HeldObjects(const FighterInstance& f) {
        auto keep = [](std::set<uint32_t>& into, uint32_t handle) {
            if (handle != 0) into.insert(handle);
        };
        keep(skinMeshes, f.skinMesh);
        for (int a = 0; a < FighterInstance::ClipCount; ++a)
            for (int s = 0; s < 2; ++s) {
                keep(skinMeshes, f.clipMeshes[a][s]);
                for (uint32_t bone : f.clipMainBones[a][s]) keep(bones, bone);
                for (uint32_t bone : f.clipDetailBones[a][s]) keep(bones, bone);
            }
        for (uint32_t bone : f.mainBones) keep(bones, bone);
        for (uint32_t bone : f.detailBones) keep(bones, bone);
        for (uint32_t mesh : f.shadowMeshes) keep(meshes, mesh);
        for (uint32_t mesh : f.debugMeshes) keep(meshes, mesh);
        for (uint32_t body : f.bodies) keep(bodies, body);
        for (uint32_t joint : f.joints) keep(joints, joint);
        for (uint32_t pair : f.contactSensors) keep(pairs, pair);
    }
};

// The engine holds exactly the fighter's objects and the mat, nothing more and nothing less.
void expectEngineHoldsOnly(const FighterInstance& fighter) {
    const HeldObjects held(fighter);
    EXPECT_EQ(vtSkinMeshCount(), static_cast<int>(held.skinMeshes.size()));
    EXPECT_EQ(vtBoneCount(), static_cast<int>(held.bones.size()));
    EXPECT_EQ(vtMeshCount(), static_cast<int>(held.meshes.size()));
    EXPECT_EQ(vtBodyCount(), static_cast<int>(held.bodies.size()) + 1);
    EXPECT_EQ(vtJointCount(), static_cast<int>(held.joints.size()));
    EXPECT_EQ(vtContactPairCount(), static_cast<int>(held.pairs.size()));
}

class FighterBody : public ::testing::Test {
protected:
    void SetUp() override {
        folder = std::filesystem::temp_directory_path() / ("brennock-fighter-" + std::to_string(getpid()));
        FighterTestFiles::write(folder.string());
        previousFolder = std::filesystem::current_path();
        std::filesystem::current_path(folder);
        vtReset();
        vtSetDrawing(0);
        vtSetFixedFrameTime(kFrame);
        ASSERT_EQ(iVortaneOpen(nullptr, nullptr), 1);
        filesBefore = FileArchive::instance().files().size();
        mat = FileArchive::instance().createBody(FighterTestFiles::MatPly);
        ASSERT_NE(mat, 0u);
        iBodyEnable(mat);
        fighter.setUp(mat, &battle, true, &progress, 0.0f, 1.0f);
        // Placed as the battle places fighter A.
        fighter.location = Vector3(2.0f, 0.65f, 0.0f);
        iQuaternionFromEulerAngles(&fighter.orientation, 0.0f, -90.0f, 0.0f, "xyz");
        fighter.resetPose();
        fighter.startAction(0, -1);
    }
    void TearDown() override {
        fighter.destroy();
        FileArchive::instance().destroyBody(mat);
        // Whatever the test did to the fighter, its teardown leaves the engine empty.
        EXPECT_EQ(vtSkinMeshCount(), 0);
        EXPECT_EQ(vtBoneCount(), 0);
        EXPECT_EQ(vtMeshCount(), 0);
        EXPECT_EQ(vtBodyCount(), 0);
        EXPECT_EQ(vtJointCount(), 0);
        EXPECT_EQ(vtContactPairCount(), 0);
        vtReset();
        std::filesystem::current_path(previousFolder);
        std::filesystem::remove_all(folder);
    }

    // One frame as the battle runs it, with the control asked for in it.
    void frame(int control = 0) {
        iVortaneMain();
        if (control) fighter.requestedControl = control;
        fighter.updatePendingKnockDown();
        fighter.regenerate(iFrq(0));
        fighter.update();
        fighter.requestedControl = 0;
    }

    // The largest gap between a joint's anchor carried by its parent and by its child body.
    float worstJointGap() const {
        float worst = 0.0f;
        for (int j = 0; j < FighterInstance::JointCount; ++j) {
            const auto& joint = FighterTables::joints[j];
            const Vector3 rest = fighter.restBoneLocation[joint.child];
            Vector3 ends[2];
            const int parts[2] = {joint.parent, joint.child};
            for (int e = 0; e < 2; ++e) {
                iQuaternion q;
                iBodyOrientation(fighter.bodies[parts[e]], &q);
                iVector3 turned;
                iVectorRotate(&turned, &rest, &q);
                ends[e] = bodyLocation(fighter.bodies[parts[e]]) + Vector3(turned);
            }
            worst = std::max(worst, distance(ends[0], ends[1]));
        }
        return worst;
    }

    std::filesystem::path folder, previousFolder;
    size_t filesBefore = 0;
    uint32_t mat = 0;
    RecordingBattle battle;
    RecordingProgress progress;
    FighterInstance fighter;
};

}  // namespace

TEST_F(FighterBody, SetUpMakesEveryPartAndTeardownReleasesIt) {
    for (int i = 0; i < FighterInstance::PartCount; ++i) {
        vtBodyState state;
        ASSERT_EQ(vtBodyStateGet(fighter.bodies[i], &state), 1) << "part " << i;
        float mass = 0.0f;
        vtBodyGet(fighter.bodies[i], nullptr, nullptr, nullptr, &mass, nullptr);
        EXPECT_FLOAT_EQ(mass, FighterTables::parts[i].mass) << "part " << i;
        EXPECT_NE(fighter.shadowMeshes[i], 0u);
        EXPECT_NE(fighter.mainBones[i], 0u);
        EXPECT_EQ(fighter.contactSensors[i] != 0, FighterTables::parts[i].sensor) << "part " << i;
    }
    for (uint32_t sensor : fighter.contactSensors) {
        if (sensor == 0) continue;
        vtContactState contact;
        ASSERT_EQ(vtContactGet(sensor, &contact), 1);
        EXPECT_EQ(contact.second, mat);
        EXPECT_EQ(contact.enabled, 0);
        EXPECT_FLOAT_EQ(contact.restitution, 0.5f);
        EXPECT_FLOAT_EQ(contact.friction, 100.0f);
    }
    for (uint32_t joint : fighter.joints) EXPECT_EQ(vtJointGet(joint, nullptr), 1);
    vtJointState knee;
    ASSERT_EQ(vtJointGet(fighter.joints[13], &knee), 1);
    EXPECT_FLOAT_EQ(knee.stops[1][0], -105.0f);
    EXPECT_FLOAT_EQ(knee.motors[1][1], 20.0f);
    for (uint32_t bone : fighter.detailBones) EXPECT_NE(bone, 0u);
    for (int a = 0; a < FighterInstance::ClipCount; ++a)
        for (int s = 0; s < 2; ++s) {
            ASSERT_NE(fighter.clipMeshes[a][s], 0u) << "clip " << a << "/" << s;
            EXPECT_NE(fighter.clipMainBones[a][s][15], 0u);
            EXPECT_NE(fighter.clipDetailBones[a][s][21], 0u);
        }
    EXPECT_NE(fighter.clipMeshes[1][0], fighter.clipMeshes[0][0]);   // a pair of its own
    EXPECT_EQ(fighter.getMainBone(3), fighter.mainBones[3]);
    EXPECT_EQ(fighter.getMainBone(-1), 0u);
    EXPECT_EQ(fighter.getMainBone(16), 0u);
    EXPECT_FLOAT_EQ(fighter.clipLength[22][0], 40.0f);
    {
        const HeldObjects held(fighter);
        EXPECT_EQ(held.skinMeshes.size(), 1u + 2u * FighterInstance::ClipCount);
        EXPECT_EQ(held.bodies.size(), static_cast<size_t>(FighterInstance::PartCount));
        EXPECT_EQ(held.joints.size(), static_cast<size_t>(FighterInstance::JointCount));
    }
    expectEngineHoldsOnly(fighter);

    ASSERT_EQ(progress.values.size(), 56u);
    for (size_t i = 1; i < progress.values.size(); ++i) EXPECT_GT(progress.values[i], progress.values[i - 1]);
    EXPECT_NEAR(progress.values.back(), 1.0f, 1e-5f);

    // Another build: six steps, and the engine holds as many objects as before.
    const int bodies = vtBodyCount();
    const size_t files = FileArchive::instance().files().size();
    const uint32_t oldMesh = fighter.skinMesh;
    progress.values.clear();
    fighter.setUpBodyMeshes(5, &progress, 0.0f, 1.0f);
    EXPECT_EQ(progress.values.size(), 6u);
    EXPECT_EQ(vtBodyCount(), bodies);
    EXPECT_EQ(vtSkinMeshGet(oldMesh, nullptr, nullptr, nullptr, nullptr), 0);
    EXPECT_EQ(FileArchive::instance().files().size(), files);   // the old mesh's files released
    EXPECT_EQ(fighter.getSkinIndex(), 23);
    expectEngineHoldsOnly(fighter);
    fighter.setUpBodyMeshes(42, &progress, 0.0f, 1.0f);   // no such body
    EXPECT_EQ(fighter.getBodyType(), 5);
    expectEngineHoldsOnly(fighter);

    // A second set-up rebuilds the fighter from scratch, without leaving the first one behind.
    fighter.setUp(mat, &battle, false, nullptr, 0.0f, 1.0f);
    EXPECT_EQ(vtBodyCount(), bodies);
    EXPECT_EQ(fighter.getBodyType(), 2);
    EXPECT_FLOAT_EQ(fighter.startLocation.x, -2.0f);
    expectEngineHoldsOnly(fighter);

    // Teardown leaves no fighter object and no file of the fighter in the cache.
    const uint32_t joint = fighter.joints[0];
    const uint32_t clip = fighter.clipMeshes[22][0];
    fighter.destroy();
    EXPECT_EQ(vtBodyCount(), 1);   // the mat
    EXPECT_EQ(vtJointGet(joint, nullptr), 0);
    EXPECT_EQ(vtSkinMeshGet(clip, nullptr, nullptr, nullptr, nullptr), 0);
    EXPECT_EQ(FileArchive::instance().files().size(), filesBefore + 2);   // the mat's two files
    EXPECT_EQ(fighter.getBodyType(), -1);
    EXPECT_FALSE(fighter.firstSetUpDone);
}

TEST_F(FighterBody, TheIdleStanceStandsOnTheMat) {
    for (int f = 0; f < 30; ++f) {
        frame();
        for (int i = 0; i < FighterInstance::PartCount; ++i) {
            Vector3 p = bodyLocation(fighter.bodies[i]);
            EXPECT_LT(distance(p, fighter.location), 1e-4f) << "part " << i << " frame " << f;
            iQuaternion q;
            iBodyOrientation(fighter.bodies[i], &q);
            const float dot = q.x * fighter.orientation.x + q.y * fighter.orientation.y +
                              q.z * fighter.orientation.z + q.w * fighter.orientation.w;
            EXPECT_NEAR(std::fabs(dot), 1.0f, 1e-4f) << "part " << i << " frame " << f;
        }
    }
    EXPECT_NEAR(bodyCentre(fighter.bodies[12]).y, 0.05f, 1e-3f);   // the feet rest on the mat
}

TEST_F(FighterBody, AKickIsFollowedByTheBodiesAndEndsOnTime) {
    const Vector3 stood = fighter.location;
    frame();
    fighter.balance() = fighter.maxBalance();   // the idle start cost its own share
    frame(9);
    ASSERT_EQ(fighter.currentAction, 22);
    EXPECT_NEAR(fighter.balance(), 1.0f - 0.12f, 1e-4f);
    ASSERT_FALSE(battle.sounds.empty());
    EXPECT_EQ(battle.sounds.back().event, "kickThrownNormal");
    EXPECT_EQ(battle.sounds.back().key, "");   // heard without a voice group
    EXPECT_EQ(battle.contactSwitches.back(), true);
    ASSERT_EQ(fighter.trackedActions.records().size(), 1u);
    EXPECT_EQ(fighter.trackedActions.records()[0].action, 22);
    EXPECT_EQ(fighter.trackedActions.records()[0].sourceId, 1);   // the battle's round
    EXPECT_FALSE(fighter.trackedActions.records()[0].flag4);      // 4.0 from the opponent
    // It faces the opponent exactly and stands where it stood.
    const Vector3 forward(0, 0, 1);
    Vector3 ahead;
    iVectorRotate(&ahead, &forward, &fighter.orientation);
    EXPECT_NEAR(ahead.x, -1.0f, 1e-4f);
    // where it stood, give or take the kick's own advance in that frame
    EXPECT_LT(distance(fighter.location, stood), fighter.actionParams[22].advanceSpeed * kFrame + 1e-4f);

    const float expected = (40.0f / 25.0f - 0.05f) / 2.5f;
    float elapsed = 0.0f, highest = 0.0f, mostAhead = -1.0f, worstGap = 0.0f;
    while (fighter.currentAction == 22 && elapsed < 2.0f) {
        // The bodies take the pose of the timer as the frame begins.
        const float posedAt = fighter.actionTimer;
        frame();
        elapsed += kFrame;
        if (posedAt > fighter.windowStart && posedAt < fighter.windowEnd) {
            Vector3 foot = bodyCentre(fighter.bodies[15]);
            Vector3 hip = bodyCentre(fighter.bodies[0]);
            highest = std::max(highest, foot.y);
            mostAhead = std::max(mostAhead, (foot - hip).x * ahead.x + (foot - hip).z * ahead.z);
            worstGap = std::max(worstGap, worstJointGap());
        }
    }
    EXPECT_GE(highest, 0.4f);
    EXPECT_GT(mostAhead, 0.0f);
    EXPECT_LT(worstGap, 1e-3f);
    EXPECT_NEAR(elapsed, expected, kFrame);   // noticed on the first frame after the timer ran out
    EXPECT_EQ(fighter.currentAction, 0);
    EXPECT_EQ(fighter.side, 1);

    // Closer than 1.9 the kick counts as a close-range start.
    battle.opponent.location = fighter.location + Vector3(-1.5f, 0.0f, 0.0f);
    frame(9);
    ASSERT_EQ(fighter.trackedActions.records().size(), 2u);
    EXPECT_TRUE(fighter.trackedActions.records()[1].flag4);
}

TEST_F(FighterBody, KnockedDownItLiesAsARagdollAndGetsUpAgain) {
    frame();
    fighter.enableBodyFeedback(true);
    frame();
    EXPECT_FALSE(fighter.getBodyFeedback());   // standing: only the feet touch
    EXPECT_GT(iBodyBodyFeedback(fighter.contactSensors[12], -1, -1, nullptr, nullptr, 0, 0, 0, 0), 0);
    fighter.enableBodyFeedback(false);

    const Vector3 push(0, 0, -400.0f);
    Vector3 force;
    iVectorRotate(&force, &push, &fighter.orientation);
    fighter.knockDown(force, 3);
    frame();
    fighter.setMovementMode(5);
    fighter.enableBodyFeedback(true);
    for (int f = 0; f < 180; ++f) frame();
    EXPECT_LT(bodyCentre(fighter.bodies[0]).y, 0.35f);
    for (uint32_t body : fighter.bodies) {
        iVector3 v;
        iBodyVelocity(body, &v);
        EXPECT_LT(iVectorLength(&v), 0.1f);
    }
    EXPECT_TRUE(fighter.getBodyFeedback());
    EXPECT_LT(worstJointGap(), 0.05f);
    for (int i = 0; i < FighterInstance::PartCount; ++i)
        EXPECT_TRUE(std::isfinite(bodyLocation(fighter.bodies[i]).y));

    // The display mesh shows the bodies: its hip bone sits on the hip body.
    iVector3 hipBone;
    iSkinMeshBoneLocation(fighter.mainBones[0], &hipBone, 0);
    iQuaternion hipTurn;
    iBodyOrientation(fighter.bodies[0], &hipTurn);
    iVector3 offset;
    iVectorRotate(&offset, &fighter.restBoneLocation[0], &hipTurn);
    EXPECT_LT(distance(hipBone, bodyLocation(fighter.bodies[0]) + Vector3(offset)), 1e-3f);

    fighter.enableBodyFeedback(false);
    EXPECT_FALSE(fighter.getBodyFeedback());

    // Getting up: the kip-up poses the bodies again, then idle follows.
    fighter.balance() = fighter.maxBalance();
    fighter.setMovementMode(0);
    fighter.startAction(14, 0);
    fighter.captureBodyState();
    float worst = 0.0f;
    for (int f = 0; f < 20; ++f) {
        frame();
        worst = std::max(worst, worstJointGap());
    }
    EXPECT_LT(worst, 1e-3f);
    for (int f = 0; f < 60 && fighter.currentAction == 14; ++f) frame();
    EXPECT_EQ(fighter.currentAction, 0);
}

TEST_F(FighterBody, ARecordDressesTheFighter) {
    Tavek::EnemyFighterState record;
    record.BodyType = 0;
    record.Look = 3;
    record.applyToInstance(fighter, 0, nullptr, 0.0f, 1.0f);
    const std::string tex = "Tavek_res\\skinmeshes\\textures\\";
    EXPECT_EQ(std::string(vtSkinMeshTexturePath(fighter.skinMesh, 2)), tex + "male\\b_skin_goatee.png");
    EXPECT_EQ(std::string(vtSkinMeshTexturePath(fighter.skinMesh, 1)), tex + "protection_blue.png");
    EXPECT_EQ(std::string(vtSkinMeshTexturePath(fighter.skinMesh, 3)), tex + "belt_black.png");

    // Another build with the same look: the new mesh still shows the record's skin.
    record.BodyType = 2;
    record.Rank = 1;
    record.applyToInstance(fighter, 1, nullptr, 0.0f, 1.0f);
    EXPECT_EQ(std::string(vtSkinMeshTexturePath(fighter.skinMesh, 2)), tex + "male\\b_skin_goatee.png");
    EXPECT_EQ(std::string(vtSkinMeshTexturePath(fighter.skinMesh, 1)), tex + "protection_red.png");
    EXPECT_EQ(std::string(vtSkinMeshTexturePath(fighter.skinMesh, 3)), tex + "belt_green.png");
    EXPECT_EQ(fighter.getBeltColour(), 2);

    fighter.isMale = false;
    fighter.applyClothesTexture(3);
    EXPECT_EQ(std::string(vtSkinMeshTexturePath(fighter.skinMesh, 0)), tex + "female\\clothes4.png");
    fighter.applySkinTexture(30);   // remembered, nothing to show
    EXPECT_EQ(fighter.getSkinIndex(), 30);
    EXPECT_EQ(std::string(vtSkinMeshTexturePath(fighter.skinMesh, 2)), tex + "male\\b_skin_goatee.png");
}

TEST_F(FighterBody, AMissingClipIsPlayedByAStandInAndLeavesTheFighterStanding) {
    std::string log;
    win32::setDebugSink([&log](const char* text) { log += text; });
    fighter.destroy();
    std::filesystem::remove(folder / "Tavek_res/skinmeshes/06_FrontLegFrontHookKick.X");
    std::filesystem::remove(folder / "Tavek_res/skinmeshes/Mirrored/06_FrontLegFrontHookKick.X");
    fighter.setUp(mat, &battle, true, nullptr, 0.0f, 1.0f);
    fighter.location = Vector3(2.0f, 0.65f, 0.0f);
    fighter.resetPose();
    fighter.startAction(0, -1);
    win32::setDebugSink(nullptr);
    // The kick plays a stand-in clip (the idle one), so the fighter keeps a pose.
    EXPECT_NE(fighter.clipMeshes[26][0], 0u);
    EXPECT_NE(log.find("skinmeshes\\06_FrontLegFrontHookKick.X could not be made; "), std::string::npos) << log;
    EXPECT_NE(log.find("stands in"), std::string::npos) << log;
    EXPECT_NE(log.find("Mirrored\\06_FrontLegFrontHookKick.X"), std::string::npos) << log;
    expectEngineHoldsOnly(fighter);   // the missing clip left no half-made object behind
    fighter.startAction(26, -1);
    EXPECT_EQ(fighter.currentAction, 26);
    // ... and ends with its stand-in, back to the guard.
    for (int i = 0; i < 1200 && fighter.currentAction != 0; ++i) frame();
    EXPECT_EQ(fighter.currentAction, 0);
    for (uint32_t body : fighter.bodies) EXPECT_TRUE(std::isfinite(bodyLocation(body).x));
    EXPECT_TRUE(std::isfinite(fighter.location.x) && std::isfinite(fighter.orientation.w));
}
