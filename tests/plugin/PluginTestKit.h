// The plug-in as its host drives it, inside the test process: the real engine (headless, fixed
// frames of 1/60 s), the real libVortane.so (or the probe made of the same objects) loaded with
// the host's PluginLibrary and given the engine's table, and the player's hand (pointer on plane
// points, clicks, keys and typed characters). Each test works in a scratch folder whose
// default_res and Tavek_res are the generated pack's, so drive_c/ never touches the pack.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "platform/host/PluginLibrary.h"
#include "platform/vuzirovari/vuzirovari.h"
#include "platform/vuzirovari/vuzirovari_test.h"

namespace plugintest {

// What the engine holds; compared before and after a run.
struct EngineCounts {
    int sprites, textures, meshes, skinMeshes, bodies, bones, joints, pairs, live;
    bool operator==(const EngineCounts&) const = default;
};
EngineCounts engineCounts();
std::ostream& operator<<(std::ostream& out, const EngineCounts& counts);

class PluginFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Loads the library (the plug-in by default) and hands it the table; then PreInit and
    // the init phase with Init, as the host does.
    void start(const std::string& library = VORTANE_PATH);
    // One frame: iVortaneMain, then Run inside the run phase.
    void frame(int count = 1);
    // Exit, PostExit and unloading.
    void finish();

    // The pointer on a plane point (x -16..16, y -12..12), sampled by the next frame.
    void pointAt(float x, float y);
    // Pointer there, a frame; button down, a frame; up, a frame.
    void click(float x, float y);
    // A key held for a frame (with its character typed, when given), then released.
    void press(int scanCode, char typed = 0);
    void type(const std::string& text);

    // The texts printed in the last frame.
    std::vector<std::string> texts() const;
    bool shows(const std::string& text) const;
    // Visible sprites whose texture name contains part.
    int visibleSprites(const std::string& part) const;
    // How many lines of the platform log contain part.
    static int logLines(const std::string& part);
    bool exitCalled() const;

    PluginLibrary plugin;
    std::filesystem::path scratch;
    std::filesystem::path previousFolder;
    EngineCounts before{};
};

// Scan codes the tests press.
constexpr int Esc = 1, Tab = 15, KeyK = 37, KeyI = 23, KeyM = 50;

// Plane centres of the screens' buttons.
constexpr float LeftButtonX = -11.75f, RightButtonX = -4.25f, TopRowY = 10.0f;
constexpr float BackOptionsX = -6.75f, NextOptionsX = 7.25f, BottomRowY = -10.0f;

}  // namespace plugintest
