// What the structural check of .x files costs next to the load it guards: the pack's largest
// .x file, an arena-sized static mesh and a skinned fighter-sized mesh with its skeleton and
// clips. XFile/check is the check alone, XFile/import the importer alone (without the check),
// XFile/create the engine's whole create (check, import and conversion). The check must add
// at most a tenth: check / (create - check) <= 0.1.
#include <benchmark/benchmark.h>

#include <assimp/cimport.h>
#include <assimp/postprocess.h>
#include <assimp/scene.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "platform/vuzirovari/vuzirovari.h"
#include "platform/vuzirovari/vuzirovari_test.h"
#include "platform/vuzirovari/xfile_check.h"
#include "platform/win32/win32_host.h"

namespace {

const char* const Identity = "1.0,0.0,0.0,0.0,0.0,1.0,0.0,0.0,0.0,0.0,1.0,0.0,0.0,0.0,0.0,1.0;;";

// A grid of side x side squares with normals, texture coordinates and two materials.
std::string arena(int side) {
    const int n = side + 1;
    std::string x = "xof 0302txt 0032\nFrame Arena {\n FrameTransformMatrix { " + std::string(Identity) +
                    " }\n Mesh Floor {\n  " + std::to_string(n * n) + ";\n";
    for (int i = 0; i < n * n; ++i)
        x += "  " + std::to_string(i % n * 0.5) + ";0.000000;" + std::to_string(i / n * 0.5) + ";" +
             (i + 1 < n * n ? ",\n" : ";\n");
    const int faces = side * side;
    x += "  " + std::to_string(faces) + ";\n";
    for (int f = 0; f < faces; ++f) {
        int a = f / side * n + f % side;
        x += "  4;" + std::to_string(a) + "," + std::to_string(a + n) + "," + std::to_string(a + n + 1) + "," +
             std::to_string(a + 1) + (f + 1 < faces ? ";,\n" : ";;\n");
    }
    x += "  MeshNormals {\n   1;\n   0.0;1.0;0.0;;\n   " + std::to_string(faces) + ";\n";
    for (int f = 0; f < faces; ++f) x += std::string("   4;0,0,0,0;") + (f + 1 < faces ? ",\n" : ";\n");
    x += "  }\n  MeshTextureCoords {\n   " + std::to_string(n * n) + ";\n";
    for (int i = 0; i < n * n; ++i)
        x += "   " + std::to_string(i % n / double(side)) + ";" + std::to_string(i / n / double(side)) +
             (i + 1 < n * n ? ";,\n" : ";;\n");
    x += "  }\n  MeshMaterialList {\n   2;\n   " + std::to_string(faces) + ";\n";
    for (int f = 0; f < faces; ++f) x += "   " + std::to_string(f % 2) + (f + 1 < faces ? ",\n" : ";\n");
    for (int m = 0; m < 2; ++m)
        x += "   Material {\n    1.0;1.0;1.0;1.0;;\n    0.0;\n    0.0;0.0;0.0;;\n    0.0;0.0;0.0;;\n"
             "    TextureFilename { \"floor.png\"; }\n   }\n";
    return x + "  }\n }\n}\n";
}

// A chain of bones, a skinned tube around it and one clip with a key per bone and tick.
std::string fighter(int bones, int ringsPerBone, int keys) {
    const int ring = 8, rings = bones * ringsPerBone, vertices = rings * ring;
    std::string x = "xof 0302txt 0032\nAnimTicksPerSecond { 25; }\n";
    for (int b = 0; b < bones; ++b)
        x += "Frame Bip01_" + std::to_string(b) + " {\n FrameTransformMatrix { 1.0,0.0,0.0,0.0,0.0,1.0,0.0,0.0,"
             "0.0,0.0,1.0,0.0,0.0," + (b ? "0.1" : "0.0") + ",0.0,1.0;; }\n";
    x += " Mesh Body {\n  " + std::to_string(vertices) + ";\n";
    for (int v = 0; v < vertices; ++v)
        x += "  " + std::to_string(v % ring * 0.01) + ";" + std::to_string(v / ring * 0.02) + ";0.05;" +
             (v + 1 < vertices ? ",\n" : ";\n");
    const int faces = (rings - 1) * ring;
    x += "  " + std::to_string(faces * 2) + ";\n";
    for (int f = 0; f < faces; ++f) {
        int a = f, b = f / ring * ring + (f + 1) % ring;
        x += "  3;" + std::to_string(a) + "," + std::to_string(a + ring) + "," + std::to_string(b) + ";,\n";
        x += "  3;" + std::to_string(b) + "," + std::to_string(a + ring) + "," + std::to_string(b + ring) +
             (f + 1 < faces ? ";,\n" : ";;\n");
    }
    x += "  MeshMaterialList {\n   1;\n   1;\n   0;;\n   Material {\n    1.0;1.0;1.0;1.0;;\n    0.0;\n"
         "    0.0;0.0;0.0;;\n    0.0;0.0;0.0;;\n   }\n  }\n  XSkinMeshHeader { 1; 1; " + std::to_string(bones) + "; }\n";
    const int perBone = ring * ringsPerBone;
    for (int b = 0; b < bones; ++b) {
        x += "  SkinWeights {\n   \"Bip01_" + std::to_string(b) + "\";\n   " + std::to_string(perBone) + ";\n";
        for (int v = 0; v < perBone; ++v) x += "   " + std::to_string(b * perBone + v) + (v + 1 < perBone ? ",\n" : ";\n");
        for (int v = 0; v < perBone; ++v) x += std::string("   1.000000") + (v + 1 < perBone ? ",\n" : ";\n");
        x += "   " + std::string(Identity) + "\n  }\n";
    }
    x += " }\n";
    for (int b = 0; b < bones; ++b) x += "}\n";
    x += "AnimationSet Clip {\n";
    for (int b = 0; b < bones; ++b) {
        x += " Animation {\n  { Bip01_" + std::to_string(b) + " }\n  AnimationKey {\n   0;\n   " + std::to_string(keys) +
             ";\n";
        for (int k = 0; k < keys; ++k)
            x += "   " + std::to_string(k) + ";4;1.000000,0.000000,0.000000,0.000000;;" + (k + 1 < keys ? ",\n" : ";\n");
        x += "  }\n }\n";
    }
    return x + "}\n";
}

std::string largestPackX() {
    std::string best;
    std::error_code error;
    for (auto it = std::filesystem::recursive_directory_iterator(GAME_DIR, error);
         it != std::filesystem::recursive_directory_iterator(); it.increment(error)) {
        if (it->path().extension() != ".x" || !it->is_regular_file()) continue;
        std::ifstream in(it->path(), std::ios::binary);
        std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        if (bytes.size() > best.size()) best = std::move(bytes);
    }
    return best;
}

const std::string& model(int which) {
    static const std::string models[] = {largestPackX(), arena(100), fighter(38, 4, 60)};
    return models[which];
}
const char* const ModelNames[] = {"pack_largest", "arena", "fighter"};

void Check(benchmark::State& state) {
    const std::string& x = model(static_cast<int>(state.range(0)));
    std::string error;
    for (auto _ : state) {
        if (!vuz::checkXFile(x.data(), x.size(), &error)) state.SkipWithError(error.c_str());
    }
    state.SetLabel(std::string(ModelNames[state.range(0)]) + ", " + std::to_string(x.size() / 1024) + " KB");
}

void Import(benchmark::State& state) {
    const std::string& x = model(static_cast<int>(state.range(0)));
    const unsigned flags = aiProcess_Triangulate | aiProcess_ValidateDataStructure | aiProcess_ConvertToLeftHanded;
    for (auto _ : state) {
        const aiScene* scene = aiImportFileFromMemory(x.data(), static_cast<unsigned>(x.size()), flags, "x");
        if (!scene) {
            state.SkipWithError(aiGetErrorString());
            break;
        }
        aiReleaseImport(scene);
    }
    state.SetLabel(ModelNames[state.range(0)]);
}

void Create(benchmark::State& state) {
    const int which = static_cast<int>(state.range(0));
    const std::string& x = model(which);
    win32::resetForTests();
    vtReset();
    vtSetDrawing(0);
    iVortaneOpen(nullptr, nullptr);
    const uint32_t settings[6] = {0, 0, 0x004B0000, 0, 0, 0};
    iVortaneSettings(settings);
    // The 1 x 1 picture the static meshes need, made once.
    static const unsigned char png[] = {
        0x89, 0x50, 0x4e, 0x47, 0x0d, 0x0a, 0x1a, 0x0a, 0x00, 0x00, 0x00, 0x0d, 0x49, 0x48, 0x44, 0x52, 0x00,
        0x00, 0x00, 0x01, 0x00, 0x00, 0x00, 0x01, 0x08, 0x06, 0x00, 0x00, 0x00, 0x1f, 0x15, 0xc4, 0x89, 0x00,
        0x00, 0x00, 0x0b, 0x49, 0x44, 0x41, 0x54, 0x78, 0x9c, 0x63, 0xf8, 0x0f, 0x04, 0x00, 0x09, 0xfb, 0x03,
        0xfd, 0xfb, 0x5e, 0x6b, 0x2b, 0x00, 0x00, 0x00, 0x00, 0x49, 0x45, 0x4e, 0x44, 0xae, 0x42, 0x60, 0x82};
    const uint32_t keep = iMeshCreateFromMemory(model(0).data(), static_cast<uint32_t>(model(0).size()), png,
                                                sizeof png, 99);  // keeps the texture decoded
    for (auto _ : state) {
        const auto size = static_cast<uint32_t>(x.size());
        if (which == 2) {
            uint32_t skin = iSkinMeshCreateFromMemory(x.data(), size, nullptr, nullptr);
            if (!skin) state.SkipWithError("not made");
            iSkinMeshDestroy(skin);
        } else {
            uint32_t mesh = iMeshCreateFromMemory(x.data(), size, png, sizeof png, 99);
            if (!mesh) state.SkipWithError("not made");
            iMeshDestroy(mesh);
        }
    }
    iMeshDestroy(keep);
    vtReset();
    state.SetLabel(ModelNames[which]);
}

BENCHMARK(Check)->Name("XFile/check")->DenseRange(0, 2)->Unit(benchmark::kMillisecond);
BENCHMARK(Import)->Name("XFile/import")->DenseRange(0, 2)->Unit(benchmark::kMillisecond);
BENCHMARK(Create)->Name("XFile/create")->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

}  // namespace
