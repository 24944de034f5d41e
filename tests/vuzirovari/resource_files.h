// Small resource files made by the tests themselves: .x quads and meshes, .png and .dds
// pictures, .wid width tables, .ply, .pol and .spg collision files.
#pragma once

#include <cstdint>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

namespace fixtures {

struct Rgba {
    uint8_t r, g, b, a;
};

// A flat quad, x 0..1 and y -0.5..0.5, with picture coordinates u0..u1 left to right and
// v0..v1 top to bottom, and optionally a texture named by its material.
std::string quadX(float u0 = 0.0f, float v0 = 0.0f, float u1 = 1.0f, float v1 = 1.0f, const char* texture = nullptr);
// A static mesh of two triangles inside a frame moved up by 2.
std::string meshX();
// A skinned mesh: frames Bip01 > Bip01_Spine > Bip01_Head, two materials, two animation sets
// ("Walk" of 40 ticks at 25 per second, "Idle").
std::string skinX();

std::string png(int width, int height, Rgba colour);
// Uncompressed 32-bit .dds (blue, green, red, alpha in each pixel), every pixel one colour.
std::string dds(int width, int height, Rgba colour);
// A width table: the given widths by code, every other line empty.
std::string wid(const std::map<int, float>& widths);

std::string plyAscii();   // a 2 x 2 square at y = 0, two triangles
std::string plyBinary();  // the same square as one quadrilateral, little-endian

// A copy on the heap that the test frees right after handing it to the engine.
struct HeapCopy {
    explicit HeapCopy(const std::string& bytes);
    ~HeapCopy() { release(); }
    HeapCopy(const HeapCopy&) = delete;
    HeapCopy& operator=(const HeapCopy&) = delete;
    void release();  // frees (and scribbles over) the bytes at once
    const void* data() const { return data_; }
    uint32_t size() const { return size_; }

private:
    char* data_;
    uint32_t size_;
};

void writeFile(const std::string& path, const std::string& bytes);
std::string readFile(const std::string& path);

}  // namespace fixtures
