#include "FighterTestFiles.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <set>
#include <iomanip>
#include <sstream>
#include <vector>
#include <cstdint>

#include "fight/ActionIds.h"
#include "fight/FighterTables.h"

namespace FighterTestFiles {
namespace {

struct Bone {
    const char* name;
    int parent;           // index into kBones, -1 for the top frame
    float x, y, z;        // offset from the parent
};

// The skeleton: Bip01 and the 38 bones of a fighter. Left is -x, the left foot leads (+z).
const Bone kBones[] = {
    {"Bip01", -1, 0, 0, 0},
    {"Bip01_Spine", 0, 0, 0, 0},                 // 1
    {"Bip01_Spine1", 1, 0, 0.2f, 0},             // 2
    {"Bip01_Spine2", 2, 0, 0.2f, 0},             // 3
    {"Bip01_Head", 3, 0, 0.25f, 0},              // 4
    {"Bip01_L_UpperArm", 3, -0.2f, 0.15f, 0},    // 5
    {"Bip01_L_Forearm", 5, 0, -0.25f, 0},        // 6
    {"Bip01_L_Hand", 6, 0, -0.22f, 0},           // 7
    {"Bip01_R_UpperArm", 3, 0.2f, 0.15f, 0},     // 8
    {"Bip01_R_Forearm", 8, 0, -0.25f, 0},        // 9
    {"Bip01_R_Hand", 9, 0, -0.22f, 0},           // 10
    {"Bip01_L_Thigh", 1, 0, -0.05f, 0.15f},       // 11
    {"Bip01_L_Calf", 11, 0, -0.4f, 0.075f},     // 12
    {"Bip01_L_Foot", 12, 0, -0.15f, 0.075f},     // 13
    {"Bip01_R_Thigh", 1, 0, -0.05f, -0.15f},      // 14
    {"Bip01_R_Calf", 14, 0, -0.4f, -0.075f},    // 15
    {"Bip01_R_Foot", 15, 0, -0.15f, -0.075f},    // 16
    {"Bip01_L_Toe0", 13, 0, -0.03f, 0.1f},
    {"Bip01_R_Toe0", 16, 0, -0.03f, 0.1f},
    {"Bip01_L_Finger0", 7, 0, -0.05f, 0}, {"Bip01_L_Finger01", 19, 0, -0.02f, 0},
    {"Bip01_L_Finger1", 7, 0, -0.05f, 0}, {"Bip01_L_Finger11", 21, 0, -0.02f, 0},
    {"Bip01_L_Finger2", 7, 0, -0.05f, 0}, {"Bip01_L_Finger21", 23, 0, -0.02f, 0},
    {"Bip01_L_Finger3", 7, 0, -0.05f, 0}, {"Bip01_L_Finger31", 25, 0, -0.02f, 0},
    {"Bip01_L_Finger4", 7, 0, -0.05f, 0}, {"Bip01_L_Finger41", 27, 0, -0.02f, 0},
    {"Bip01_R_Finger0", 10, 0, -0.05f, 0}, {"Bip01_R_Finger01", 29, 0, -0.02f, 0},
    {"Bip01_R_Finger1", 10, 0, -0.05f, 0}, {"Bip01_R_Finger11", 31, 0, -0.02f, 0},
    {"Bip01_R_Finger2", 10, 0, -0.05f, 0}, {"Bip01_R_Finger21", 33, 0, -0.02f, 0},
    {"Bip01_R_Finger3", 10, 0, -0.05f, 0}, {"Bip01_R_Finger31", 35, 0, -0.02f, 0},
    {"Bip01_R_Finger4", 10, 0, -0.05f, 0}, {"Bip01_R_Finger41", 37, 0, -0.02f, 0},
};
constexpr int kBoneCount = sizeof(kBones) / sizeof(kBones[0]);
constexpr int kLeftThigh = 11, kLeftCalf = 12, kLeftFoot = 13;
constexpr int kRightThigh = 14, kRightCalf = 15, kRightFoot = 16;

// Each ragdoll part's box: centre and sides, in model space at the rest pose.
struct Box {
    float cx, cy, cz, sx, sy, sz;
};
const Box kParts[FighterTables::PartCount] = {
    {0, -0.05f, 0, 0.3f, 0.2f, 0.2f},          {0, 0.3f, 0, 0.3f, 0.2f, 0.2f},
    {0, 0.5f, 0, 0.35f, 0.2f, 0.2f},           {0, 0.75f, 0, 0.2f, 0.2f, 0.2f},
    {-0.2f, 0.425f, 0, 0.08f, 0.25f, 0.08f},   {-0.2f, 0.19f, 0, 0.07f, 0.22f, 0.07f},
    {-0.2f, 0.03f, 0, 0.06f, 0.1f, 0.06f},     {0.2f, 0.425f, 0, 0.08f, 0.25f, 0.08f},
    {0.2f, 0.19f, 0, 0.07f, 0.22f, 0.07f},     {0.2f, 0.03f, 0, 0.06f, 0.1f, 0.06f},
    {0, -0.25f, 0.1875f, 0.12f, 0.4f, 0.12f}, {0, -0.525f, 0.2625f, 0.1f, 0.15f, 0.1f},
    {0, -0.6f, 0.3f, 0.1f, 0.1f, 0.2f},        {0, -0.25f, -0.1875f, 0.12f, 0.4f, 0.12f},
    {0, -0.525f, -0.2625f, 0.1f, 0.15f, 0.1f}, {0, -0.6f, -0.3f, 0.1f, 0.1f, 0.2f},
};

void absolute(int bone, float* x, float* y, float* z) {
    *x = *y = *z = 0;
    for (int b = bone; b >= 0; b = kBones[b].parent) {
        *x += kBones[b].x;
        *y += kBones[b].y;
        *z += kBones[b].z;
    }
}

std::string matrix(float x, float y, float z) {
    std::ostringstream out;
    out << std::fixed << std::setprecision(6);
    out << "1.0,0.0,0.0,0.0, 0.0,1.0,0.0,0.0, 0.0,0.0,1.0,0.0, " << x << "," << y << "," << z
        << ",1.0;;";
    return out.str();
}

void writeFrames(std::ostringstream& out, int parent) {
    for (int b = 0; b < kBoneCount; ++b) {
        if (kBones[b].parent != parent) continue;
        out << "Frame " << kBones[b].name << " {\n FrameTransformMatrix { "
            << matrix(kBones[b].x, kBones[b].y, kBones[b].z) << " }\n";
        writeFrames(out, b);
        out << "}\n";
    }
}

// The body mesh: one small triangle at each bone, skinned to it, four materials.
std::string bodyMesh() {
    std::ostringstream out;
    out << std::fixed << std::setprecision(6);
    out << "xof 0302txt 0032\nAnimTicksPerSecond { 25; }\n";
    const char* materials[4] = {"Clothes", "Protector", "Skin", "Belt"};
    for (const char* m : materials)
        out << "Material " << m << " { 1.0;1.0;1.0;1.0;; 0.0; 0.0;0.0;0.0;; 0.0;0.0;0.0;; "
            << "TextureFilename { \"" << m << ".png\"; } }\n";
    writeFrames(out, -1);
    const int bones = kBoneCount - 1;
    out << "Frame Body {\n FrameTransformMatrix { " << matrix(0, 0, 0) << " }\n Mesh BodyMesh {\n  "
        << bones * 3 << ";\n";
    for (int b = 1; b < kBoneCount; ++b) {
        float x, y, z;
        absolute(b, &x, &y, &z);
        out << "  " << x - 0.02f << ";" << y << ";" << z << ";, " << x + 0.02f << ";" << y << ";"
            << z << ";, " << x << ";" << y + 0.03f << ";" << z << (b + 1 < kBoneCount ? ";,\n" : ";;\n");
    }
    out << "  " << bones << ";\n";
    for (int t = 0; t < bones; ++t)
        out << "  3;" << 3 * t << "," << 3 * t + 1 << "," << 3 * t + 2 << (t + 1 < bones ? ";,\n" : ";;\n");
    out << "  MeshMaterialList { 4; " << bones << "; ";
    for (int t = 0; t < bones; ++t) out << t % 4 << (t + 1 < bones ? "," : ";;");
    out << " {Clothes} {Protector} {Skin} {Belt} }\n";
    out << "  MeshTextureCoords { " << bones * 3 << "; ";
    for (int v = 0; v < bones * 3; ++v) out << "0.5;0.5;" << (v + 1 < bones * 3 ? ", " : ";");
    out << " }\n  XSkinMeshHeader { 1; 1; " << bones << "; }\n";
    for (int b = 1; b < kBoneCount; ++b) {
        float x, y, z;
        absolute(b, &x, &y, &z);
        int t = b - 1;
        out << "  SkinWeights { \"" << kBones[b].name << "\"; 3; " << 3 * t << "," << 3 * t + 1 << ","
            << 3 * t + 2 << "; 1.0,1.0,1.0; " << matrix(-x, -y, -z) << " }\n";
    }
    out << " }\n}\n";
    return out.str();
}

// Position keys that hold the legs in the stance of a side for the whole clip.
void stanceKeys(std::ostringstream& out, bool mirrored, int length) {
    const float s = mirrored ? -1.0f : 1.0f;
    const struct { int bone; float sign; } legs[6] = {
        {kLeftThigh, s}, {kLeftCalf, s}, {kLeftFoot, s}, {kRightThigh, s}, {kRightCalf, s}, {kRightFoot, s}};
    for (const auto& leg : legs) {
        const Bone& b = kBones[leg.bone];
        out << " Animation { {" << b.name << "}\n  AnimationKey { 2; 2; 0;3;" << b.x << "," << b.y << ","
            << b.z * leg.sign << ";;, " << length << ";3;" << b.x << "," << b.y << "," << b.z * leg.sign
            << ";;; }\n }\n";
    }
}

std::string clip(bool mirrored, int length, bool kick) {
    std::ostringstream out;
    out << std::fixed << std::setprecision(6);
    // The engine reads no clip without geometry, so each clip carries the small body mesh.
    out << bodyMesh() << "AnimationSet Clip {\n";
    stanceKeys(out, mirrored, length);
    if (kick) {
        // The rear thigh swings forward and up to 90 degrees about x, and back.
        const char* thigh = kBones[mirrored ? kLeftThigh : kRightThigh].name;
        out << " Animation { {" << thigh << "}\n  AnimationKey { 0; 3; 0;4;1.0,0.0,0.0,0.0;;, "
            << length / 2 << ";4;0.70710678,-0.70710678,0.0,0.0;;, " << length
            << ";4;1.0,0.0,0.0,0.0;;; }\n }\n";
    }
    out << "}\n";
    return out.str();
}

std::string staticMesh() {
    return "xof 0302txt 0032\nFrame Shadow {\n FrameTransformMatrix { " + matrix(0, 0, 0) +
           " }\n Mesh ShadowMesh {\n  3;\n  0.0;0.0;0.0;, 0.1;0.0;0.0;, 0.0;0.1;0.0;;\n"
           "  1;\n  3;0,1,2;;\n }\n}\n";
}

std::string matPly() {
    return "ply\nformat ascii 1.0\nelement vertex 4\nproperty float x\nproperty float y\n"
           "property float z\nelement face 2\nproperty list uchar int vertex_indices\nend_header\n"
           "-10 0 -10\n10 0 -10\n10 0 10\n-10 0 10\n3 0 2 1\n3 0 3 2\n";
}

uint32_t crc32(const std::string& bytes) {
    uint32_t crc = 0xFFFFFFFFu;
    for (unsigned char c : bytes) {
        crc ^= c;
        for (int k = 0; k < 8; ++k) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return crc ^ 0xFFFFFFFFu;
}

void put32(std::string* out, uint32_t v) {
    for (int shift = 24; shift >= 0; shift -= 8) out->push_back(static_cast<char>((v >> shift) & 0xFF));
}

void chunk(std::string* out, const char* type, const std::string& data) {
    put32(out, static_cast<uint32_t>(data.size()));
    std::string body = std::string(type) + data;
    *out += body;
    put32(out, crc32(body));
}

// A 4 x 4 grey RGBA picture, its pixels in one stored (uncompressed) deflate block.
std::string png4x4() {
    std::string raw;
    for (int row = 0; row < 4; ++row) {
        raw.push_back(0);
        for (int i = 0; i < 4; ++i) raw += std::string("\x80\x80\x80\xff", 4);
    }
    uint32_t a = 1, b = 0;
    for (unsigned char c : raw) {
        a = (a + c) % 65521;
        b = (b + a) % 65521;
    }
    std::string z = "\x78\x01";
    z.push_back(1);
    z.push_back(static_cast<char>(raw.size() & 0xFF));
    z.push_back(static_cast<char>(raw.size() >> 8));
    z.push_back(static_cast<char>(~raw.size() & 0xFF));
    z.push_back(static_cast<char>((~raw.size() >> 8) & 0xFF));
    z += raw;
    put32(&z, (b << 16) | a);
    std::string header;
    put32(&header, 4);
    put32(&header, 4);
    header += std::string("\x08\x06\x00\x00\x00", 5);
    std::string out = "\x89PNG\r\n\x1a\n";
    chunk(&out, "IHDR", header);
    chunk(&out, "IDAT", z);
    chunk(&out, "IEND", "");
    return out;
}

void put(const std::string& folder, const std::string& gamePath, const std::string& bytes) {
    std::string relative = gamePath;
    for (char& c : relative)
        if (c == '\\') c = '/';
    std::filesystem::path path = std::filesystem::path(folder) / relative;
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
}

}  // namespace

void write(const std::string& folder) {
    const std::string tex = FighterTables::TextureFolder;
    const std::string mesh = bodyMesh();
    for (const auto& type : FighterTables::bodyTypes) put(folder, tex + type.mesh, mesh);

    const std::string picture = png4x4();
    std::set<std::string> textures;
    for (const char* skin : FighterTables::skins) textures.insert(skin);
    for (const char* gender : {"", "male\\", "female\\"}) {
        for (const char* belt : FighterTables::belts) textures.insert(std::string(gender) + belt);
        for (const char* cloth : FighterTables::clothes) textures.insert(std::string(gender) + cloth);
        textures.insert(std::string(gender) + "protection_blue.png");
        textures.insert(std::string(gender) + "protection_red.png");
    }
    textures.insert("female\\female_protection_blue.png");
    textures.insert("female\\female_protection_red.png");
    for (const std::string& t : textures) put(folder, tex + t, picture);

    for (int a = 0; a < FighterTables::ClipActionCount; ++a) {
        const char* files[2] = {actionAnimationFile(a), actionMirroredAnimationFile(a)};
        const char* folders[2] = {ActionClipFolder, ActionMirroredClipFolder};
        for (int s = 0; s < 2; ++s) {
            if (!files[s]) continue;
            // Actions that share a file (48 plays the clip of 22) share its length too.
            const std::string name = files[s];
            const bool kick = name == actionAnimationFile(22);
            const int length = (kick || name == actionAnimationFile(14)) ? 40 : 25;
            put(folder, std::string(folders[s]) + "\\" + name, clip(s == 1, length, kick));
        }
    }

    for (int i = 0; i < FighterTables::PartCount; ++i) {
        const Box& b = kParts[i];
        std::ostringstream spg;
        spg << std::fixed << std::setprecision(6);
        spg << "spg 1\nbox " << b.sx << " " << b.sy << " " << b.sz << " at " << b.cx << " " << b.cy
            << " " << b.cz << "\n";
        const std::string stem = FighterTables::parts[i].stem;
        put(folder, std::string(FighterTables::RagdollFolder) + stem + "_.spg", spg.str());
        put(folder, std::string(FighterTables::ShadowFolder) + stem + "_shadow.x", staticMesh());
    }
    put(folder, MatPly, matPly());
    put(folder, MatPol, "");
}

}  // namespace FighterTestFiles
