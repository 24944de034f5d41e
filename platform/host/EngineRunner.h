// Runs the engine for a program other than the game (the plug-in's host, the font-width editor):
// the main window and its child, the engine's start, the message pump and the frame phases, and
// the end. The program's own work comes in as the init and run callbacks.
#pragma once

#include <functional>
#include <string>

#include "platform/win32/win32.h"

class EngineRunner {
public:
    // title: the window's title and class name; the window's outer size is 639 x 479.
    explicit EngineRunner(std::string title);
    ~EngineRunner();  // closes the windows
    EngineRunner(const EngineRunner&) = delete;
    EngineRunner& operator=(const EngineRunner&) = delete;

    // Makes the windows and opens the engine (as the game does: its settings, Esc not ending
    // the program). False when the engine cannot open; error() says so.
    bool open();
    // The frame loop: pump the messages, iVortaneMain, then the init phase once (init), each
    // run phase (tick) and the render phase, until the engine stops rendering (iExit, the
    // window closed, the autopilot's frame limit). An exception out of a callback is logged
    // and ends the loop. Returns 0 after a normal end, else 1.
    int run(const std::function<void()>& init, const std::function<void()>& tick);
    // Asks the loop to end after this frame (a tool's quit).
    static void requestQuit();
    // One pass of the frame phases after iVortaneMain: the init phase once (init), the run
    // phase (tick) and the render phase, then afterRender when the frame was rendered. False
    // when the loop is to end: the error flag is raised or the engine stops rendering. The
    // game's own frame loop runs its phases through it too.
    static bool runPhases(const std::function<void()>& init, const std::function<void()>& tick,
                          const std::function<void()>& afterRender = nullptr);

    const std::string& error() const { return error_; }

private:
    std::string title_;
    std::string error_;
    HWND mainWindow_ = nullptr;
    HWND childWindow_ = nullptr;
};
