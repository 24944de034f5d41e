// Making one fighter's engine objects the way the fighter does the first time (its display mesh
// with four textures, the clips of actions 0..49 on both sides, 16 bodies and their shadow
// casters) and arena 1 (its scene meshes, light maps and the mat body), from the loose files and
// from graphics.qmx, out of the built pack.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "fight/ActionIds.h"
#include "platform/vuzirovari/vuzirovari.h"
#include "platform/vuzirovari/vuzirovari_test.h"
#include "resources/FileArchive.h"

namespace {

const std::string gameDir = GAME_DIR;
const std::string T = "Tavek_res\\skinmeshes\\textures\\male\\";
const char* const Parts[16] = {
    "fighterHip", "fighterChest", "fighterChest2j", "fighterHead", "fighterUpperArmLeft", "fighterForearmLeft",
    "fighterHandLeft", "fighterUpperArmRight", "fighterForearmRight", "fighterHandRight", "fighterThighLeft",
    "fighterShinLeft", "fighterFootLeft", "fighterThighRight", "fighterShinRight", "fighterFootRight"};
const char* const Arena1[] = {
    "audience", "black", "black_beam", "blue", "blue_beam", "blue_light", "bottle", "box1", "box2", "camera",
    "camera_attach", "catwalk_tile", "chair", "flag_au", "flag_ca", "flag_cn", "flag_cu", "flag_eg", "flag_fr",
    "flag_gb", "flag_gr", "flag_ir", "flag_kr", "flag_large_tavek2", "flag_large_tavek", "flag_mx", "flag_se",
    "flag_th", "flag_tr", "flag_tw", "flag_us", "flag_ve", "gate", "grate", "green2", "light", "light_blue", "mat",
    "metal_beam", "metal_light", "red", "scoreboard_led", "seats", "side2", "side", "small_scoreboard", "spotlight",
    "stairs", "table", "wall_tile", "white_beam", "characters\\coach-male", "characters\\judge-male",
    "characters\\judge-female", "characters\\referee-male", "characters\\referee-female",
    "characters\\spectator_male_long-sleevegreen-blackpants", "lightmap1", "lightmap2", "lightmap3", "lightmap4"};

bool enter(benchmark::State& state) {
    if (chdir(gameDir.c_str()) != 0) {
        state.SkipWithError("no game folder: build the respack target first");
        return false;
    }
    vtReset();
    vtSetDrawing(0);
    iVortaneOpen(nullptr, nullptr);
    return true;
}

void fighter(benchmark::State& state, const std::string& archive) {
    if (!enter(state)) return;
    for (auto _ : state) {
        FileArchive files(archive);
        std::vector<uint32_t> skins, meshes, bodies;
        skins.push_back(files.createSkinMesh(
            T + "male_middle.x", {T + "clothes.png", T + "protection_blue.png", T + "w_b_skin.png", T + "belt_black.png"}));
        for (int action = 0; action < 50; ++action) {
            const int owner = actionClipOwner(action);
            skins.push_back(files.createSkinMesh(std::string(ActionClipFolder) + "\\" + actionAnimationFile(owner), {}));
            skins.push_back(
                files.createSkinMesh(std::string(ActionMirroredClipFolder) + "\\" + actionMirroredAnimationFile(owner), {}));
        }
        for (const char* part : Parts) {
            const uint32_t body = files.createBodySG(std::string("Tavek_res\\ragdoll\\") + part + "_.spg", 1.0f);
            bodies.push_back(body);
            meshes.push_back(files.createShadowCasterMesh(std::string("Tavek_res\\shadow\\") + part + "_shadow.x",
                                                          static_cast<int>(body), 50.0f));
        }
        for (uint32_t s : skins)
            if (!s) state.SkipWithError("a fighter file did not load");
        state.PauseTiming();
        for (uint32_t s : skins) files.destroySkinMesh(s);
        for (uint32_t m : meshes) files.destroyMesh(m);
        for (uint32_t b : bodies) files.destroyBody(b);
        state.ResumeTiming();
    }
}

void arena(benchmark::State& state, const std::string& archive) {
    if (!enter(state)) return;
    for (auto _ : state) {
        FileArchive files(archive);
        std::vector<uint32_t> meshes;
        const uint32_t mat = files.createBody("Tavek_res\\arenas\\mat_0.93.ply");
        for (const char* name : Arena1)
            meshes.push_back(files.createMesh(std::string("Tavek_res\\arenas\\arena1\\") + name + ".x", ""));
        for (uint32_t m : meshes)
            if (!m) state.SkipWithError("an arena file did not load");
        state.PauseTiming();
        for (uint32_t m : meshes) files.destroyMesh(m);
        files.destroyBody(mat);
        state.ResumeTiming();
    }
}

void FighterLoose(benchmark::State& state) { fighter(state, "no-archive.qmx"); }
void FighterArchive(benchmark::State& state) { fighter(state, "graphics.qmx"); }
void Arena1Loose(benchmark::State& state) { arena(state, "no-archive.qmx"); }
void Arena1Archive(benchmark::State& state) { arena(state, "graphics.qmx"); }

BENCHMARK(FighterLoose)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(FighterArchive)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(Arena1Loose)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(Arena1Archive)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
