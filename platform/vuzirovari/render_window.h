// The engine's real window and its OpenGL 3.3 core context. Each frame is drawn into an
// off-screen frame buffer and copied to the window, so the last presented frame can always be
// read back (pixel tests, screenshots). Without a usable GL context the window stays open and
// nothing is drawn.
#pragma once

#include <SDL.h>

#include <cstdint>
#include <string>

namespace vuz {

class RenderWindow {
public:
    RenderWindow() = default;
    RenderWindow(const RenderWindow&) = delete;
    RenderWindow& operator=(const RenderWindow&) = delete;

    // Starts SDL video (the off-screen driver when there is no display) and opens a hidden
    // window with a client area of width x height, then shows it. False without a window.
    bool open(const std::string& title, int width, int height);
    // keepTextures: textures only the GPU holds are read back first, for a later context
    // (not worth it when everything is about to go, as in a reset or at the game's end).
    void close(bool keepTextures = true);

    bool isOpen() const { return window_ != nullptr; }
    bool canDraw() const { return context_ != nullptr; }
    // Counts the GL contexts made so far (0 before the first); GL objects made under an older
    // number died with their context.
    unsigned contextSerial() const { return context_ ? contextSerial_ : 0; }
    bool shown() const;
    bool minimised() const;
    // A real desktop: a video driver other than the off-screen and dummy ones.
    bool onDesktop() const { return desktop_; }
    SDL_Window* sdlWindow() const { return window_; }
    uint32_t windowId() const { return window_ ? SDL_GetWindowID(window_) : 0; }
    void clientSize(int* width, int* height) const;

    // A frame: clear to the colour (0..1), the caller draws, present() shows it.
    void beginFrame(float r, float g, float b);
    // waitForRefresh false: swapped at once, without waiting for the display's refresh.
    void present(bool waitForRefresh = true);
    void finish();  // waits until the GPU has done everything asked of it

    // Reads the last presented frame; u, v from the top-left.
    bool readPixel(float u, float v, uint8_t rgba[4]);
    bool savePng(const std::string& hostFile);

private:
    bool makeContext();
    bool ensureFrameBuffer(int width, int height);
    void releaseFrameBuffer();
    bool readFrame(int* width, int* height, std::string* pixels);

    SDL_Window* window_ = nullptr;
    SDL_GLContext context_ = nullptr;
    bool videoStarted_ = false;
    bool desktop_ = false;
    unsigned frameBuffer_ = 0, colour_ = 0, depth_ = 0;
    int bufferWidth_ = 0, bufferHeight_ = 0;
    bool framePresented_ = false;
    unsigned contextSerial_ = 0;
};

}  // namespace vuz
