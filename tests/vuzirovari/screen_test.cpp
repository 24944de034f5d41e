// Drawing under SDL's off-screen driver: the window exists, frames are cleared and presented,
// and the last frame can be read back.
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

#include "engine_fixture.h"

namespace {

namespace fs = std::filesystem;

class EngineScreen : public EngineTest {
protected:
    // Opens like the game does, with drawing on. False when this machine cannot draw at all.
    bool openDrawing() {
        vtSetDrawing(1);
        main_ = createMainWindow();
        if (!main_ || iVortaneOpen(main_, nullptr) != 1 || iVortaneSettings(GameSettings) != 1) return false;
        return vtWindowOpen() == 1;
    }
    HWND main_ = nullptr;
};

uint32_t bigEndian32(const unsigned char* p) { return uint32_t(p[0]) << 24 | p[1] << 16 | p[2] << 8 | p[3]; }

TEST_F(EngineScreen, WindowIsShownFramesAreClearedToBlackAndItClosesWithTheMainWindow) {
    ASSERT_TRUE(openDrawing());
    EXPECT_EQ(vtWindowShown(), 1);
    uint8_t rgba[4] = {1, 2, 3, 4};
    EXPECT_EQ(vtReadPixel(0.5f, 0.5f, rgba), 0);  // nothing presented yet

    iScreenWipe(255, 0, 0);
    ASSERT_EQ(vtReadPixel(0.5f, 0.5f, rgba), 1);
    EXPECT_EQ(rgba[0], 255);
    EXPECT_EQ(rgba[1], 0);

    iVortaneMain();
    iVortaneRender();
    for (auto [u, v] : {std::pair{0.0f, 0.0f}, {0.5f, 0.5f}, {0.999f, 0.999f}}) {
        ASSERT_EQ(vtReadPixel(u, v, rgba), 1);
        EXPECT_EQ(rgba[0], 0);
        EXPECT_EQ(rgba[1], 0);
        EXPECT_EQ(rgba[2], 0);
        EXPECT_EQ(rgba[3], 255);
    }

    std::string png = (fs::path(scratchDir()) / "black.png").string();
    ASSERT_EQ(vtScreenshot(png.c_str()), 1);
    std::ifstream in(png, std::ios::binary);
    unsigned char header[24] = {};
    in.read(reinterpret_cast<char*>(header), sizeof header);
    ASSERT_TRUE(in);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(header) + 1, 3), "PNG");
    EXPECT_EQ(bigEndian32(header + 16), 639u);  // the client area of the game's window
    EXPECT_EQ(bigEndian32(header + 20), 479u);

    // Destroying the main window closes the real one.
    DestroyWindow(main_);
    EXPECT_EQ(vtWindowOpen(), 0);
    iVortaneMain();
    iVortaneRender();  // still harmless
    EXPECT_EQ(vtReadPixel(0.5f, 0.5f, rgba), 0);
}

TEST_F(EngineScreen, DrawingOffOpensNoWindow) {
    vtSetDrawing(0);
    HWND main = createMainWindow();
    ASSERT_EQ(iVortaneOpen(main, nullptr), 1);
    EXPECT_EQ(vtWindowOpen(), 0);
    std::string png = (fs::path(scratchDir()) / "none.png").string();
    EXPECT_EQ(vtScreenshot(png.c_str()), 0);
    EXPECT_FALSE(fs::exists(png));
}

}  // namespace
