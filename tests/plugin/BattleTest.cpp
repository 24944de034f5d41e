// The dormant test battle, built and ticked through the probe under a fixed frame time.
#include <cmath>

#include "PluginTestKit.h"
#include "platform/vuzirovari/vuzirovari_table.h"

using namespace plugintest;

namespace {

struct Fighter {
    int command, phase, hitState, clip, hits, actionsEnded;
    float value;
};

// The Part's masses, body by body in the game's part order.
constexpr float Masses[16] = {10.0f, 5.0f, 7.0f, 3.0f, 2.5f, 2.0f, 0.5f, 2.5f, 2.0f, 0.5f, 8.0f, 4.0f, 1.0f,
                              8.0f,  4.0f, 1.0f};

}  // namespace

class PluginBattle : public PluginFixture {
protected:
    void SetUp() override {
        PluginFixture::SetUp();
        ASSERT_TRUE(plugin.load(PROBE_PATH)) << plugin.error();
        plugin.libInit(vuzPluginTable());
        make = reinterpret_cast<void* (*)(uint32_t)>(plugin.symbol("probeBattleNew"));
        tickBattle = reinterpret_cast<void (*)(void*)>(plugin.symbol("probeBattleTick"));
        destroy = reinterpret_cast<void (*)(void*)>(plugin.symbol("probeBattleDelete"));
        handle = reinterpret_cast<uint32_t (*)(void*, int, int)>(plugin.symbol("probeBattleHandle"));
        fighterOf = reinterpret_cast<void (*)(void*, int, int*, int*, int*, float*, int*, int*, int*)>(
            plugin.symbol("probeBattleFighter"));
        setComputer = reinterpret_cast<void (*)(void*, int, int)>(plugin.symbol("probeBattleSetComputer"));
        setValue = reinterpret_cast<void (*)(void*, int, float)>(plugin.symbol("probeBattleSetValue"));
        hit = reinterpret_cast<void (*)(void*, int)>(plugin.symbol("probeBattleHit"));
        arenaShown = reinterpret_cast<int (*)(void*)>(plugin.symbol("probeBattleArenaShown"));
        ASSERT_TRUE(make && tickBattle && destroy && handle && fighterOf && setComputer && setValue && hit &&
                    arenaShown);
    }

    Fighter fighter(void* battle, int i) {
        Fighter f{};
        fighterOf(battle, i, &f.command, &f.phase, &f.hitState, &f.value, &f.clip, &f.hits, &f.actionsEnded);
        return f;
    }
    void tick(void* battle, int frames = 1) {
        for (int i = 0; i < frames; ++i) {
            iVortaneMain();
            tickBattle(battle);
        }
    }
    // A key clicked: down for one tick, then up.
    void clickKey(void* battle, int scanCode) {
        vtKeySet(scanCode, 1);
        tick(battle);
        vtKeySet(scanCode, 0);
    }

    void* (*make)(uint32_t) = nullptr;
    void (*tickBattle)(void*) = nullptr;
    void (*destroy)(void*) = nullptr;
    uint32_t (*handle)(void*, int, int) = nullptr;
    void (*fighterOf)(void*, int, int*, int*, int*, float*, int*, int*, int*) = nullptr;
    void (*setComputer)(void*, int, int) = nullptr;
    void (*setValue)(void*, int, float) = nullptr;
    void (*hit)(void*, int) = nullptr;
    int (*arenaShown)(void*) = nullptr;
};

TEST_F(PluginBattle, TheSceneIsBuiltTicksItsFightersAndLeavesNothingBehind) {
    const uint32_t camera = iCameraCreate(0.0f, 0.0f, 1.0f, 1.0f);
    const EngineCounts start = engineCounts();
    void* battle = make(camera);

    vtSprite loading{};
    ASSERT_TRUE(vtSpriteGet(handle(battle, 0, 0), &loading)) << "the loading picture";
    EXPECT_EQ(loading.visible, 0) << "hidden once the scene is built";
    int rigid = -1, shapes = 0, triangles = 0, enabled = 0;
    float mass = 0.0f;
    ASSERT_TRUE(vtBodyGet(handle(battle, 1, 0), &rigid, &shapes, &triangles, &mass, &enabled));
    EXPECT_EQ(rigid, 0);
    EXPECT_EQ(enabled, 1);
    for (int i = 0; i < 55; ++i) {
        vtMeshState mesh{};
        const bool lightMap = i >= 51;
        ASSERT_TRUE(vtMeshStateGet(handle(battle, lightMap ? 3 : 2, lightMap ? i - 51 : i), &mesh)) << "mesh " << i;
        EXPECT_EQ(mesh.visible, 1) << i;
        EXPECT_EQ(mesh.emissive.x, 1.0f) << i;
        if (lightMap) {
            EXPECT_EQ(mesh.blendSource, 1);
            EXPECT_EQ(mesh.blendTarget, 3);
            EXPECT_EQ(mesh.depthTest, 1);
            EXPECT_EQ(mesh.depthWrite, 0);
            EXPECT_EQ(mesh.zBias, 1);
        }
    }
    for (int b = 0; b < 32; ++b) {
        vtBodyState state{};
        ASSERT_TRUE(vtBodyGet(handle(battle, 6, b), &rigid, &shapes, &triangles, &mass, &enabled)) << "body " << b;
        EXPECT_FLOAT_EQ(mass, Masses[b % 16]) << "body " << b;
        ASSERT_TRUE(vtBodyStateGet(handle(battle, 6, b), &state));
        EXPECT_FLOAT_EQ(state.damping[1], 0.999f);
        EXPECT_FLOAT_EQ(state.damping[3], 0.97f);
        EXPECT_FLOAT_EQ(state.damping2[0], 100.0f);
        EXPECT_FLOAT_EQ(state.damping2[2], 3600.0f);
        EXPECT_FLOAT_EQ(state.damping2[3], 0.05f);
    }
    EXPECT_EQ(vtContactPairCount() - start.pairs, 256);
    EXPECT_EQ(vtJointCount() - start.joints, 30);
    const float half = std::sqrt(0.5f);
    for (int i = 0; i < 2; ++i) {
        vtSkinMeshState clip{};
        ASSERT_TRUE(vtSkinMeshStateGet(handle(battle, 5, i), &clip));
        EXPECT_EQ(clip.visible, 1);
        EXPECT_NEAR(clip.location.x, i == 0 ? 0.7f : -0.7f, 1e-5f);
        EXPECT_NEAR(clip.location.y, 0.6f, 1e-5f);
        EXPECT_NEAR(clip.orientation.y, i == 0 ? -half : half, 1e-4f) << "turned to face the other";
        EXPECT_NEAR(clip.orientation.w, half, 1e-4f);
    }

    // F1: the roundhouse clip and phase 2 for the clip's length, then idle again.
    clickKey(battle, 59);
    Fighter a = fighter(battle, 0);
    EXPECT_EQ(a.phase, 2);
    EXPECT_EQ(a.clip, 2);
    vtSkinMeshState kick{};
    ASSERT_TRUE(vtSkinMeshStateGet(handle(battle, 5, 0), &kick));
    ASSERT_GT(kick.length, 0.0f);
    const int kickFrames = static_cast<int>(std::ceil(kick.length / 25.0f * 60.0f));
    tick(battle, kickFrames - 2);
    EXPECT_EQ(fighter(battle, 0).phase, 2);
    tick(battle, 2);
    a = fighter(battle, 0);
    EXPECT_EQ(a.phase, 0);
    EXPECT_EQ(a.clip, 0);
    EXPECT_EQ(a.actionsEnded, 1);
    clickKey(battle, 60);  // F2: the head block
    EXPECT_EQ(fighter(battle, 0).phase, 1);
    tick(battle, 200);

    // A computer-controlled B blocks while A kicks.
    setComputer(battle, 1, 1);
    clickKey(battle, 59);
    tick(battle);
    const Fighter b = fighter(battle, 1);
    EXPECT_EQ(b.command, 5);
    EXPECT_EQ(b.phase, 1);
    tick(battle, 200);

    // Values: -10 when struck, +5 on a block, always within 0..100.
    setValue(battle, 1, 50.0f);
    hit(battle, 1);
    tick(battle);
    EXPECT_FLOAT_EQ(fighter(battle, 1).value, 40.0f);
    setValue(battle, 0, 98.0f);
    clickKey(battle, 60);
    hit(battle, 0);  // while blocking
    tick(battle);
    EXPECT_FLOAT_EQ(fighter(battle, 0).value, 100.0f);
    setValue(battle, 1, 4.0f);
    hit(battle, 1);
    tick(battle, 40);
    EXPECT_FLOAT_EQ(fighter(battle, 1).value, 0.0f);
    EXPECT_EQ(fighter(battle, 1).hits, 2);

    // The frame counter after 60 frames of 1/60 s, in a fresh battle.
    destroy(battle);
    battle = make(camera);
    tick(battle, 60);
    EXPECT_TRUE(shows("1.0 - 60"));
    EXPECT_TRUE(shows("Fighter A: 100.0 - Fighter B: 100.0"));
    EXPECT_TRUE(shows("Press: F1, F2, Arrow keys"));

    clickKey(battle, 38);
    EXPECT_EQ(arenaShown(battle), 0);
    vtMeshState mesh{};
    ASSERT_TRUE(vtMeshStateGet(handle(battle, 2, 0), &mesh));
    EXPECT_EQ(mesh.visible, 0);
    clickKey(battle, 38);
    ASSERT_TRUE(vtMeshStateGet(handle(battle, 2, 0), &mesh));
    EXPECT_EQ(mesh.visible, 1);

    destroy(battle);
    EXPECT_EQ(engineCounts(), start);
    iCameraDestroy(camera);
    plugin.unload();
}
