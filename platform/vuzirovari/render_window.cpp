#include "render_window.h"

#include <dlfcn.h>
#include <epoxy/gl.h>
#include <link.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>

#include "../win32/win32_host.h"
#include "png_writer.h"
#include "texture.h"

namespace vuz {

namespace {

bool hasDisplay() {
    const char* x11 = std::getenv("DISPLAY");
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    return (x11 && *x11) || (wayland && *wayland);
}

void chooseVideoDriver() {
    const char* chosen = std::getenv("SDL_VIDEODRIVER");
    if ((!chosen || !*chosen) && !hasDisplay()) SDL_SetHint(SDL_HINT_VIDEODRIVER, "offscreen");
    else SDL_ResetHint(SDL_HINT_VIDEODRIVER);
}

std::string sdlError() { return SDL_GetError(); }

// Forgets errors left by earlier calls, so a read reports only its own.
void clearGlErrors() {
    for (int i = 0; i < 16; ++i)
        if (glGetError() == GL_NO_ERROR) return;
}

// Mesa's drivers leave memory behind each time they are unloaded (the leak checker reports it
// at exit) and loading them again on every new window costs time, so once a context exists
// the driver modules stay loaded for the rest of the process.
void keepGraphicsDriverLoaded() {
    dl_iterate_phdr(
        [](dl_phdr_info* info, size_t, void*) {
            std::string name = info->dlpi_name ? info->dlpi_name : "";
            if (name.find("_dri.so") != std::string::npos || name.find("libgallium") != std::string::npos)
                dlopen(name.c_str(), RTLD_NOW | RTLD_NOLOAD | RTLD_NODELETE);
            return 0;
        },
        nullptr);
}

}  // namespace

bool RenderWindow::open(const std::string& title, int width, int height) {
    close();
    chooseVideoDriver();
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
        win32::log("engine: no video, running without a window: " + sdlError());
        return false;
    }
    videoStarted_ = true;
    const char* driver = SDL_GetCurrentVideoDriver();
    std::string driverName = driver ? driver : "";
    desktop_ = driverName != "offscreen" && driverName != "dummy";

    SDL_GL_ResetAttributes();
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_CORE);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MAJOR_VERSION, 3);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MINOR_VERSION, 3);
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    // Frames are drawn into the engine's own frame buffer (with its depth and stencil) and only
    // copied to the window, so the window needs no depth buffer of its own.
    SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 0);
    SDL_GL_SetAttribute(SDL_GL_STENCIL_SIZE, 0);

    width = std::max(width, 1);
    height = std::max(height, 1);
    Uint32 flags = SDL_WINDOW_HIDDEN;
    window_ = SDL_CreateWindow(title.c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, width, height,
                               flags | SDL_WINDOW_OPENGL);
    if (!window_) {
        win32::log("engine: no OpenGL window (" + sdlError() + "), opening a plain one");
        window_ = SDL_CreateWindow(title.c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, width, height, flags);
    }
    if (!window_) {
        win32::log("engine: the window could not be created: " + sdlError());
        close();
        return false;
    }
    if ((SDL_GetWindowFlags(window_) & SDL_WINDOW_OPENGL) && !makeContext()) {
        win32::log("engine: drawing is off for this run");
    }
    SDL_ShowWindow(window_);
    win32::log("engine: window \"" + title + "\" " + std::to_string(width) + "x" + std::to_string(height) +
               " on the " + driverName + " video driver" + (canDraw() ? "" : ", not drawing"));
    return true;
}

bool RenderWindow::makeContext() {
    context_ = SDL_GL_CreateContext(window_);
    if (!context_) {
        win32::log("engine: no OpenGL 3.3 core context: " + sdlError());
        return false;
    }
    SDL_GL_MakeCurrent(window_, context_);
    keepGraphicsDriverLoaded();
    ++contextSerial_;
    if (epoxy_gl_version() < 33) {
        win32::log("engine: OpenGL " + std::to_string(epoxy_gl_version()) + " is older than 3.3");
        SDL_GL_DeleteContext(context_);
        context_ = nullptr;
        return false;
    }
    SDL_GL_SetSwapInterval(desktop_ ? 1 : 0);
    int w = 0, h = 0;
    SDL_GL_GetDrawableSize(window_, &w, &h);
    if (!ensureFrameBuffer(w, h)) {
        SDL_GL_DeleteContext(context_);
        context_ = nullptr;
        return false;
    }
    const char* version = reinterpret_cast<const char*>(glGetString(GL_VERSION));
    const char* renderer = reinterpret_cast<const char*>(glGetString(GL_RENDERER));
    win32::log(std::string("engine: OpenGL ") + (version ? version : "?") + " on " + (renderer ? renderer : "?"));
    return true;
}

bool RenderWindow::ensureFrameBuffer(int width, int height) {
    width = std::max(width, 1);
    height = std::max(height, 1);
    if (frameBuffer_ && width == bufferWidth_ && height == bufferHeight_) return true;
    releaseFrameBuffer();
    glGenFramebuffers(1, &frameBuffer_);
    glGenRenderbuffers(1, &colour_);
    glGenRenderbuffers(1, &depth_);
    glBindRenderbuffer(GL_RENDERBUFFER, colour_);
    glRenderbufferStorage(GL_RENDERBUFFER, GL_RGBA8, width, height);
    glBindRenderbuffer(GL_RENDERBUFFER, depth_);
    glRenderbufferStorage(GL_RENDERBUFFER, GL_DEPTH24_STENCIL8, width, height);
    glBindFramebuffer(GL_FRAMEBUFFER, frameBuffer_);
    glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_RENDERBUFFER, colour_);
    glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_DEPTH_STENCIL_ATTACHMENT, GL_RENDERBUFFER, depth_);
    GLenum status = glCheckFramebufferStatus(GL_FRAMEBUFFER);
    glBindFramebuffer(GL_FRAMEBUFFER, 0);
    if (status != GL_FRAMEBUFFER_COMPLETE) {
        win32::log("engine: the frame buffer is incomplete (" + std::to_string(status) + ")");
        releaseFrameBuffer();
        return false;
    }
    bufferWidth_ = width;
    bufferHeight_ = height;
    framePresented_ = false;
    return true;
}

void RenderWindow::releaseFrameBuffer() {
    if (frameBuffer_) glDeleteFramebuffers(1, &frameBuffer_);
    if (colour_) glDeleteRenderbuffers(1, &colour_);
    if (depth_) glDeleteRenderbuffers(1, &depth_);
    frameBuffer_ = colour_ = depth_ = 0;
    bufferWidth_ = bufferHeight_ = 0;
    framePresented_ = false;
}

void RenderWindow::close(bool keepTextures) {
    if (context_) {
        SDL_GL_MakeCurrent(window_, context_);
        if (keepTextures) Texture::keepAllOffGpu();
        releaseFrameBuffer();
        SDL_GL_MakeCurrent(window_, nullptr);
        SDL_GL_DeleteContext(context_);
        context_ = nullptr;
    }
    if (window_) {
        SDL_DestroyWindow(window_);
        window_ = nullptr;
    }
    if (videoStarted_) {
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
        videoStarted_ = false;
    }
    desktop_ = false;
}

bool RenderWindow::shown() const { return window_ && (SDL_GetWindowFlags(window_) & SDL_WINDOW_SHOWN); }

bool RenderWindow::minimised() const { return window_ && (SDL_GetWindowFlags(window_) & SDL_WINDOW_MINIMIZED); }

void RenderWindow::clientSize(int* width, int* height) const {
    int w = 0, h = 0;
    if (window_) SDL_GetWindowSize(window_, &w, &h);
    if (width) *width = w;
    if (height) *height = h;
}

void RenderWindow::beginFrame(float r, float g, float b) {
    if (!context_) return;
    int w = 0, h = 0;
    SDL_GL_GetDrawableSize(window_, &w, &h);
    if (!ensureFrameBuffer(w, h)) {
        win32::log("engine: drawing stops, no frame buffer");
        SDL_GL_DeleteContext(context_);
        context_ = nullptr;
        return;
    }
    glBindFramebuffer(GL_FRAMEBUFFER, frameBuffer_);
    glViewport(0, 0, bufferWidth_, bufferHeight_);
    glClearColor(r, g, b, 1.0f);
    glClearDepth(1.0);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT | GL_STENCIL_BUFFER_BIT);
}

void RenderWindow::present(bool waitForRefresh) {
    if (!context_ || !frameBuffer_) return;
    int w = 0, h = 0;
    SDL_GL_GetDrawableSize(window_, &w, &h);
    glBindFramebuffer(GL_READ_FRAMEBUFFER, frameBuffer_);
    glBindFramebuffer(GL_DRAW_FRAMEBUFFER, 0);
    glBlitFramebuffer(0, 0, bufferWidth_, bufferHeight_, 0, 0, w, h, GL_COLOR_BUFFER_BIT, GL_NEAREST);
    glBindFramebuffer(GL_FRAMEBUFFER, 0);
    bool once = desktop_ && !waitForRefresh;  // off the desktop nothing waits anyway
    if (once) SDL_GL_SetSwapInterval(0);
    SDL_GL_SwapWindow(window_);
    if (once) SDL_GL_SetSwapInterval(1);
    framePresented_ = true;
}

void RenderWindow::finish() {
    if (context_) glFinish();
}

bool RenderWindow::readFrame(int* width, int* height, std::string* pixels) {
    if (!context_ || !frameBuffer_ || !framePresented_) return false;
    *width = bufferWidth_;
    *height = bufferHeight_;
    pixels->assign(static_cast<size_t>(bufferWidth_) * bufferHeight_ * 4, '\0');
    clearGlErrors();
    glBindFramebuffer(GL_READ_FRAMEBUFFER, frameBuffer_);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, bufferWidth_, bufferHeight_, GL_RGBA, GL_UNSIGNED_BYTE, pixels->data());
    glBindFramebuffer(GL_READ_FRAMEBUFFER, 0);
    return glGetError() == GL_NO_ERROR;
}

bool RenderWindow::readPixel(float u, float v, uint8_t rgba[4]) {
    if (!context_ || !frameBuffer_ || !framePresented_ || !rgba) return false;
    if (!std::isfinite(u) || !std::isfinite(v)) return false;
    int x = std::clamp(static_cast<int>(std::floor(u * bufferWidth_)), 0, bufferWidth_ - 1);
    int y = std::clamp(static_cast<int>(std::floor(v * bufferHeight_)), 0, bufferHeight_ - 1);
    clearGlErrors();
    glBindFramebuffer(GL_READ_FRAMEBUFFER, frameBuffer_);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(x, bufferHeight_ - 1 - y, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, rgba);
    glBindFramebuffer(GL_READ_FRAMEBUFFER, 0);
    rgba[3] = 255;  // the screen is opaque
    return glGetError() == GL_NO_ERROR;
}

bool RenderWindow::savePng(const std::string& hostFile) {
    int w = 0, h = 0;
    std::string pixels;
    if (!readFrame(&w, &h, &pixels)) return false;
    // GL rows run bottom-up; the picture's run top-down. Alpha is dropped: the screen is opaque.
    std::string rgb(static_cast<size_t>(w) * h * 3, '\0');
    for (int row = 0; row < h; ++row) {
        const char* from = pixels.data() + static_cast<size_t>(h - 1 - row) * w * 4;
        char* to = rgb.data() + static_cast<size_t>(row) * w * 3;
        for (int x = 0; x < w; ++x) std::memcpy(to + x * 3, from + x * 4, 3);
    }
    return writePng(hostFile, w, h, 3, reinterpret_cast<const uint8_t*>(rgb.data()));
}

}  // namespace vuz
