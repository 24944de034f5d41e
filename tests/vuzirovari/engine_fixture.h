// Every engine test starts from a freshly loaded engine without drawing, and leaves one.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "platform/vuzirovari/vuzirovari.h"
#include "platform/vuzirovari/vuzirovari_test.h"

class EngineTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Opens without windows and applies the settings record the game passes.
    void openHeadless();
    // Opens drawing into a window like the game's main window; `main` (optional) gets its record.
    void openDrawn(HWND* main = nullptr);
    // A window record like the game's main window, for tests that need one.
    HWND createMainWindow();
    // A fresh folder for files the test writes, removed afterwards.
    std::string scratchDir();

private:
    std::string scratch_;
};

// The settings record the program hands to iVortaneSettings.
extern const uint32_t GameSettings[6];
