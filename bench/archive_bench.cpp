// Reading a resource from graphics.qmx against reading the same file loose, from the built pack,
// for an entry near the start of the archive, one in the middle and the last one: a read from
// the archive seeks to its entry, so its cost must not grow with the entry's place. DecodeOnly
// is the entry's own decoding alone, from memory: LZMA over its packed bytes and the check of
// its checksum.
#include <benchmark/benchmark.h>
#include <lzma.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "resources/ArchiveFile.h"
#include "resources/FileArchive.h"
#include "resources/FileMemory.h"
#include "resources/NormalizePath.h"
#include "resources/SevenZipIndex.h"

namespace {

const std::string gameDir = GAME_DIR;

// The archive's first, middle and last entries with data, named as the game names them.
const std::vector<std::string>& probes() {
    static std::vector<std::string> names;
    if (!names.empty() || chdir(gameDir.c_str()) != 0) return names;
    ArchiveFile file("graphics.qmx");
    if (!file.opened()) return names;
    const SevenZipIndex index = readSevenZipIndex(file);
    std::vector<std::string> withData;
    for (const SevenZipEntry& e : index.entries) {
        if (e.hasData && e.name && e.size > 4096) withData.push_back(*e.name);
    }
    if (withData.empty()) return names;
    for (size_t at : {size_t(1), withData.size() / 2, withData.size() - 1}) {
        std::string name = withData[at];
        for (char& c : name) c = c == '/' ? '\\' : c;
        names.push_back(name);
    }
    return names;
}

void readRepeatedly(benchmark::State& state, const std::string& archive) {
    if (probes().size() != 3) {
        state.SkipWithError("no game folder: build the respack target first");
        return;
    }
    const std::string& resource = probes()[static_cast<size_t>(state.range(0))];
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
    state.SetLabel(resource);
}

void ArchiveRead(benchmark::State& state) { readRepeatedly(state, "graphics.qmx"); }
void LooseRead(benchmark::State& state) { readRepeatedly(state, "no-archive.qmx"); }

void DecodeOnly(benchmark::State& state) {
    if (probes().size() != 3) {
        state.SkipWithError("no game folder: build the respack target first");
        return;
    }
    ArchiveFile file("graphics.qmx");
    const SevenZipIndex index = readSevenZipIndex(file);
    std::string wanted = probes()[static_cast<size_t>(state.range(0))];
    normalizePath(wanted);
    for (const SevenZipEntry& e : index.entries) {
        std::string name = e.name.value_or("");
        normalizePath(name);
        if (name != wanted) continue;
        const SevenZipBlock& block = index.blocks[e.block];
        std::vector<uint8_t> packed(block.packSize), out(block.unpackSize);
        file.readAt(block.packOffset, packed.data(), packed.size());
        const uint8_t* p = block.lzmaProperties;
        lzma_options_lzma options{};
        options.lc = p[0] % 9;
        options.lp = p[0] / 9 % 5;
        options.pb = p[0] / 45;
        options.dict_size = std::max<uint32_t>(4096, std::min<uint64_t>(p[1] | p[2] << 8 | p[3] << 16 | uint32_t(p[4]) << 24, block.unpackSize));
        options.ext_flags = LZMA_LZMA1EXT_ALLOW_EOPM;
        options.ext_size_low = static_cast<uint32_t>(block.unpackSize);
        const lzma_filter filters[2] = {{LZMA_FILTER_LZMA1EXT, &options}, {LZMA_VLI_UNKNOWN, nullptr}};
        for (auto _ : state) {
            size_t in = 0, made = 0;
            lzma_raw_buffer_decode(filters, nullptr, packed.data(), &in, packed.size(), out.data(), &made, out.size());
            benchmark::DoNotOptimize(lzma_crc32(out.data(), made, 0));
        }
        state.SetLabel(probes()[static_cast<size_t>(state.range(0))] + ", " + std::to_string(block.packSize) + " -> " +
                       std::to_string(block.unpackSize) + " bytes");
        return;
    }
    state.SkipWithError("entry not found");
}

// 0: near the start of the archive, 1: the middle, 2: the last entry.
BENCHMARK(ArchiveRead)->DenseRange(0, 2)->Unit(benchmark::kMicrosecond);
BENCHMARK(LooseRead)->DenseRange(0, 2)->Unit(benchmark::kMicrosecond);
BENCHMARK(DecodeOnly)->DenseRange(0, 2)->Unit(benchmark::kMicrosecond);

}  // namespace
