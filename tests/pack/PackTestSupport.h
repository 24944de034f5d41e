// What the pack tests share: the nine fighters' body types, the engine opened without drawing to
// load the pack's files with their problems gathered, a folder holding graphics.qmx alone, and
// the engine drawing into a game window with the presented colour read back.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "PackFolder.h"
#include "platform/vuzirovari/vuzirovari.h"
#include "platform/vuzirovari/vuzirovari_test.h"
#include "platform/win32/win32_host.h"
#include "resources/FileArchive.h"

namespace pack {

const std::string Textures = "Tavek_res\\skinmeshes\\textures\\";

struct BodyType {
    std::string mesh, folder, protector, skin;
    bool male;
};
inline const BodyType BodyTypes[] = {
    {"male_heavy.x", "male\\", "protection_blue.png", "w_d_skin.png", true},
    {"male_light.x", "male\\", "protection_blue.png", "w_d_skin.png", true},
    {"male_middle.x", "male\\", "protection_blue.png", "w_b_skin.png", true},
    {"female_heavy.x", "female\\", "female_protection_blue.png", "w_skin.png", false},
    {"female_light.x", "female\\", "female_protection_blue.png", "w_skin.png", false},
    {"female_middle.x", "female\\", "female_protection_blue.png", "w_skin.png", false},
    {"female_heavy_ponytail.x", "female\\", "female_protection_blue.png", "w_skin.png", false},
    {"female_light_ponytail.x", "female\\", "female_protection_blue.png", "w_skin.png", false},
    {"female_middle_ponytail.x", "female\\", "female_protection_blue.png", "w_skin.png", false},
};

// The textures a body type starts with: clothes, protector, skin, belt.
inline std::vector<std::string> startingList(const BodyType& type) {
    const std::string folder = Textures + type.folder;
    return {folder + "clothes.png", folder + type.protector, folder + type.skin, folder + "belt_black.png"};
}

// The last thing the engine logged, to say why a create gave 0.
inline std::string lastEngineLine() {
    const std::vector<std::string>& lines = win32::logLines();
    for (auto line = lines.rbegin(); line != lines.rend(); ++line) {
        if (line->find("engine:") != std::string::npos) return *line;
    }
    return "(the engine logged nothing)";
}

// The engine open without drawing; every file that fails is gathered and reported at once.
class LoadingTest : public ::testing::Test {
protected:
    void SetUp() override {
        win32::resetForTests();
        vtReset();
        vtSetDrawing(0);
        ASSERT_EQ(iVortaneOpen(nullptr, nullptr), 1);
    }
    void TearDown() override {
        vtReset();
        win32::resetForTests();
        if (!scratch.empty()) {
            std::error_code ignored;
            std::filesystem::remove_all(scratch, ignored);
        }
    }

    void fail(const std::string& what) { failures.push_back(what); }
    void report() {
        EXPECT_TRUE(failures.empty()) << failures.size() << " problems, the first:\n"
                                      << (failures.empty() ? "" : failures.front());
        for (size_t i = 1; i < failures.size() && i < 20; ++i) ADD_FAILURE() << failures[i];
    }

    // A fresh folder named name that holds graphics.qmx and nothing else, so no file can come
    // from the disk; removed after the test.
    void makeArchiveOnlyFolder(const std::string& name) {
        namespace fs = std::filesystem;
        scratch = (fs::current_path() / name).string();
        std::error_code error;
        fs::remove_all(scratch, error);
        fs::create_directories(scratch);
        fs::copy_file(fs::path(gameFolder()) / "graphics.qmx", fs::path(scratch) / "graphics.qmx", error);
        ASSERT_FALSE(error) << "no graphics.qmx in " << gameFolder() << ": " << error.message();
    }

    std::string scratch;
    std::vector<std::string> failures;
};

struct Rgb {
    int r, g, b;
};

inline std::string rgb(const Rgb& c) {
    return "(" + std::to_string(c.r) + ", " + std::to_string(c.g) + ", " + std::to_string(c.b) + ")";
}

// The presented colour at a point of the plane.
inline Rgb presentedAt(float x, float y) {
    uint8_t rgba[4] = {0, 0, 0, 0};
    EXPECT_EQ(vtReadPixel((x + 16.0f) / 32.0f, (12.0f - y) / 24.0f, rgba), 1);
    return {rgba[0], rgba[1], rgba[2]};
}

inline LRESULT CALLBACK drawingWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CLOSE) return 0;
    return DefWindowProcA(window, message, wParam, lParam);
}

// The engine drawing into a 640 x 480 game window, in the game folder, with the pack opened.
// Screenshots go to the folder the test started in.
class DrawingTest : public ::testing::Test {
protected:
    void SetUp() override {
        static const uint32_t GameSettings[6] = {0, 0, 0x004B0000, 0, 0, 0};
        outputFolder = std::filesystem::current_path().string();
        win32::resetForTests();
        win32::setShellOpenEnabled(false);
        vtReset();
        vtSetDrawing(1);
        inside = std::make_unique<WorkingFolder>(gameFolder());
        ASSERT_TRUE(inside->entered()) << gameFolder();
        WNDCLASSEXA windowClass{};
        windowClass.cbSize = sizeof windowClass;
        windowClass.lpfnWndProc = drawingWindowProc;
        windowClass.lpszClassName = "Brennock";
        RegisterClassExA(&windowClass);
        HWND window = CreateWindowExA(0, "Brennock", "Brennock", WS_POPUP | WS_CAPTION, 0, 0, 639, 479, nullptr,
                                      nullptr, nullptr, nullptr);
        ASSERT_EQ(iVortaneOpen(window, nullptr), 1);
        ASSERT_EQ(iVortaneSettings(GameSettings), 1);
        ASSERT_EQ(vtWindowOpen(), 1) << "no drawing window";
        // As the game reads its pack: graphics.qmx first, then the loose files.
        files = std::make_unique<FileArchive>("graphics.qmx");
        ASSERT_TRUE(files->packedArchive().opened());
    }
    // What the test made is released through files before this runs.
    void TearDown() override {
        files.reset();
        vtReset();
        win32::resetForTests();
        inside.reset();
    }

    // Takes a screenshot named name in the output folder, and another where the environment
    // variable keep names one.
    void keepScreenshot(const std::string& name, const char* keep) {
        const std::string shot = (std::filesystem::path(outputFolder) / name).string();
        EXPECT_EQ(vtScreenshot(shot.c_str()), 1) << shot;
        if (const char* path = std::getenv(keep); path && *path) {
            EXPECT_EQ(vtScreenshot(path), 1) << path;
        }
    }

    std::string outputFolder;
    std::unique_ptr<WorkingFolder> inside;
    std::unique_ptr<FileArchive> files;
};

}  // namespace pack
