// How long one engine frame takes: sampling input, stepping time and presenting a frame.
#include <benchmark/benchmark.h>

#include <cstdlib>

#include "platform/vuzirovari/vuzirovari_test.h"
#include "platform/win32/win32_host.h"

namespace {

void openEngine(bool drawing) {
    setenv("SDL_VIDEODRIVER", "offscreen", 0);
    win32::resetForTests();
    vtReset();
    vtSetDrawing(drawing ? 1 : 0);
    vtSetFixedFrameTime(1.0f / 60.0f);
    iVortaneOpen(nullptr, nullptr);
    const uint32_t settings[6] = {0, 0, 0x004B0000, 0, 0, 0};
    iVortaneSettings(settings);
}

void EngineFrame(benchmark::State& state, bool drawing) {
    openEngine(drawing);
    for (auto _ : state) {
        iVortaneMain();
        iVortaneRender();
    }
    vtReset();
}
BENCHMARK_CAPTURE(EngineFrame, headless, false);
BENCHMARK_CAPTURE(EngineFrame, drawn, true)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
