// Reading a resource from graphics.qmx against reading the same file loose, from the built pack.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <string>

#include "resources/FileArchive.h"
#include "resources/FileMemory.h"

namespace {

const std::string gameDir = GAME_DIR;
const std::string resource = "Tavek_res\\gui\\matchScreen\\Ready.png";

void readRepeatedly(benchmark::State& state, const std::string& archive) {
    if (chdir(gameDir.c_str()) != 0) {
        state.SkipWithError("no game folder: build the respack target first");
        return;
    }
    FileArchive files(archive);
    for (auto _ : state) {
        // Giving back the only reference frees the block, so every read loads afresh.
        FileMemory* memory = files.getFile(resource);
        if (!memory) {
            state.SkipWithError("resource missing from the pack");
            return;
        }
        benchmark::DoNotOptimize(memory);
        files.releaseFile(resource);
    }
}

void ArchiveRead(benchmark::State& state) { readRepeatedly(state, "graphics.qmx"); }
void LooseRead(benchmark::State& state) { readRepeatedly(state, "no-archive.qmx"); }

BENCHMARK(ArchiveRead)->Unit(benchmark::kMicrosecond);
BENCHMARK(LooseRead)->Unit(benchmark::kMicrosecond);

}  // namespace
