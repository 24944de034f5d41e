#include "resource_files.h"

#include <cstring>
#include <fstream>
#include <sstream>

#define STB_IMAGE_WRITE_IMPLEMENTATION
#define STB_IMAGE_WRITE_STATIC
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wunused-function"
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"
#include <stb/stb_image_write.h>
#pragma GCC diagnostic pop

namespace fixtures {

namespace {

std::string number(float v) {
    std::ostringstream out;
    out.precision(6);
    out << std::fixed << v;
    return out.str();
}

void appendToString(void* context, void* data, int size) {
    static_cast<std::string*>(context)->append(static_cast<const char*>(data), static_cast<size_t>(size));
}

void put32(std::string* out, uint32_t v) {
    for (int i = 0; i < 4; ++i) out->push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
}

}  // namespace

std::string quadX(float u0, float v0, float u1, float v1, const char* texture) {
    std::string x = "xof 0302txt 0032\n";
    if (texture)
        x += std::string("Material Picture {\n 1.0;1.0;1.0;1.0;;\n 0.0;\n 0.0;0.0;0.0;;\n 0.0;0.0;0.0;;\n"
                         " TextureFilename { \"") + texture + "\"; }\n}\n";
    x += "Mesh Quad {\n 4;\n 0.0;-0.5;0.0;,\n 1.0;-0.5;0.0;,\n 1.0;0.5;0.0;,\n 0.0;0.5;0.0;;\n"
         " 2;\n 3;0,2,1;,\n 3;0,3,2;;\n";
    if (texture) x += " MeshMaterialList { 1; 2; 0,0;; {Picture} }\n";
    x += " MeshTextureCoords {\n  4;\n  " + number(u0) + ";" + number(v1) + ";,\n  " + number(u1) + ";" +
         number(v1) + ";,\n  " + number(u1) + ";" + number(v0) + ";,\n  " + number(u0) + ";" + number(v0) +
         ";;\n }\n}\n";
    return x;
}

std::string meshX() {
    return "xof 0302txt 0032\n"
           "Frame Scenery {\n"
           " FrameTransformMatrix { 1.0,0.0,0.0,0.0, 0.0,1.0,0.0,0.0, 0.0,0.0,1.0,0.0, 0.0,2.0,0.0,1.0;; }\n"
           " Mesh Floor {\n  4;\n  -1.0;0.0;-1.0;, 1.0;0.0;-1.0;, 1.0;0.0;1.0;, -1.0;0.0;1.0;;\n"
           "  2;\n  3;0,1,2;, 3;0,2,3;;\n"
           "  MeshNormals { 1; 0.0;1.0;0.0;; 2; 3;0,0,0;, 3;0,0,0;; }\n"
           "  MeshTextureCoords { 4; 0.0;0.0;, 1.0;0.0;, 1.0;1.0;, 0.0;1.0;; }\n"
           " }\n}\n";
}

std::string skinX() {
    return "xof 0302txt 0032\n"
           "AnimTicksPerSecond { 25; }\n"
           "Material Clothes { 1.0;1.0;1.0;1.0;; 0.0; 0.0;0.0;0.0;; 0.0;0.0;0.0;; TextureFilename { \"c.png\"; } }\n"
           "Material Skin { 1.0;1.0;1.0;1.0;; 0.0; 0.0;0.0;0.0;; 0.0;0.0;0.0;; TextureFilename { \"s.png\"; } }\n"
           "Frame Bip01 {\n"
           " FrameTransformMatrix { 1.0,0.0,0.0,0.0, 0.0,1.0,0.0,0.0, 0.0,0.0,1.0,0.0, 0.0,1.0,0.0,1.0;; }\n"
           " Frame Bip01_Spine {\n"
           "  FrameTransformMatrix { 1.0,0.0,0.0,0.0, 0.0,1.0,0.0,0.0, 0.0,0.0,1.0,0.0, 0.0,0.5,0.0,1.0;; }\n"
           "  Frame Bip01_Head {\n"
           "   FrameTransformMatrix { 1.0,0.0,0.0,0.0, 0.0,1.0,0.0,0.0, 0.0,0.0,1.0,0.0, 0.0,0.5,0.0,1.0;; }\n"
           "  }\n"
           " }\n"
           "}\n"
           "Frame Body {\n"
           " FrameTransformMatrix { 1.0,0.0,0.0,0.0, 0.0,1.0,0.0,0.0, 0.0,0.0,1.0,0.0, 0.0,0.0,0.0,1.0;; }\n"
           " Mesh BodyMesh {\n"
           "  4;\n  0.0;0.0;0.0;, 1.0;0.0;0.0;, 1.0;2.0;0.0;, 0.0;2.0;0.0;;\n"
           "  2;\n  3;0,1,2;, 3;0,2,3;;\n"
           "  MeshMaterialList { 2; 2; 0,1;; {Clothes} {Skin} }\n"
           "  MeshTextureCoords { 4; 0.0;1.0;, 1.0;1.0;, 1.0;0.0;, 0.0;0.0;; }\n"
           "  XSkinMeshHeader { 2; 2; 2; }\n"
           "  SkinWeights { \"Bip01\"; 2; 0,1; 1.0,1.0;"
           " 1.0,0.0,0.0,0.0, 0.0,1.0,0.0,0.0, 0.0,0.0,1.0,0.0, 0.0,-1.0,0.0,1.0;; }\n"
           "  SkinWeights { \"Bip01_Spine\"; 2; 2,3; 1.0,1.0;"
           " 1.0,0.0,0.0,0.0, 0.0,1.0,0.0,0.0, 0.0,0.0,1.0,0.0, 0.0,-1.5,0.0,1.0;; }\n"
           " }\n"
           "}\n"
           "AnimationSet Walk {\n"
           " Animation { {Bip01_Spine}\n"
           "  AnimationKey { 0; 2; 0;4;1.0,0.0,0.0,0.0;;, 40;4;0.7071,0.0,0.7071,0.0;;; }\n"
           " }\n"
           " Animation { {Bip01}\n"
           "  AnimationKey { 2; 2; 0;3;0.0,1.0,0.0;;, 40;3;0.0,1.2,0.0;;; }\n"
           " }\n"
           "}\n"
           "AnimationSet Idle {\n"
           " Animation { {Bip01}\n"
           "  AnimationKey { 2; 1; 0;3;0.0,1.0,0.0;;; }\n"
           " }\n"
           "}\n";
}

std::string png(int width, int height, Rgba colour) {
    std::vector<uint8_t> pixels;
    for (int i = 0; i < width * height; ++i) pixels.insert(pixels.end(), {colour.r, colour.g, colour.b, colour.a});
    std::string out;
    stbi_write_png_to_func(appendToString, &out, width, height, 4, pixels.data(), width * 4);
    return out;
}

std::string dds(int width, int height, Rgba colour) {
    std::string out = "DDS ";
    put32(&out, 124);
    put32(&out, 0x1 | 0x2 | 0x4 | 0x1000 | 0x8);  // caps, height, width, pixel format, pitch
    put32(&out, static_cast<uint32_t>(height));
    put32(&out, static_cast<uint32_t>(width));
    put32(&out, static_cast<uint32_t>(width * 4));
    put32(&out, 0);
    put32(&out, 1);
    for (int i = 0; i < 11; ++i) put32(&out, 0);
    put32(&out, 32);
    put32(&out, 0x40 | 0x1);  // colour with alpha
    put32(&out, 0);
    put32(&out, 32);
    put32(&out, 0x00FF0000);
    put32(&out, 0x0000FF00);
    put32(&out, 0x000000FF);
    put32(&out, 0xFF000000);
    put32(&out, 0x1000);
    for (int i = 0; i < 4; ++i) put32(&out, 0);
    for (int i = 0; i < width * height; ++i) {
        out.push_back(static_cast<char>(colour.b));
        out.push_back(static_cast<char>(colour.g));
        out.push_back(static_cast<char>(colour.r));
        out.push_back(static_cast<char>(colour.a));
    }
    return out;
}

std::string wid(const std::map<int, float>& widths) {
    std::string out;
    for (int code = 0; code < 256; ++code) {
        auto it = widths.find(code);
        if (it != widths.end()) out += number(it->second) + " //";
        out += "\n";
    }
    return out;
}

std::string plyAscii() {
    return "ply\nformat ascii 1.0\ncomment mat\nelement vertex 4\nproperty float x\nproperty float y\n"
           "property float z\nelement face 2\nproperty list uchar int vertex_indices\nend_header\n"
           "-1 0 -1\n1 0 -1\n1 0 1\n-1 0 1\n3 0 1 2\n3 0 2 3\n";
}

std::string plyBinary() {
    std::string out = "ply\nformat binary_little_endian 1.0\nelement vertex 4\nproperty float x\n"
                      "property float y\nproperty float z\nelement face 1\n"
                      "property list uchar int vertex_indices\nend_header\n";
    const float corners[4][3] = {{-1, 0, -1}, {1, 0, -1}, {1, 0, 1}, {-1, 0, 1}};
    for (const auto& c : corners)
        for (float v : c) out.append(reinterpret_cast<const char*>(&v), sizeof v);
    out.push_back(4);
    for (int32_t i = 0; i < 4; ++i) out.append(reinterpret_cast<const char*>(&i), sizeof i);
    return out;
}

HeapCopy::HeapCopy(const std::string& bytes)
    : data_(static_cast<char*>(std::malloc(bytes.size() + 1))), size_(static_cast<uint32_t>(bytes.size())) {
    std::memcpy(data_, bytes.data(), bytes.size());
}

void HeapCopy::release() {
    if (!data_) return;
    std::memset(data_, 0x5A, size_);
    std::free(data_);
    data_ = nullptr;
}

void writeFile(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary);
    out << bytes;
}

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream all;
    all << in.rdbuf();
    return all.str();
}

}  // namespace fixtures
