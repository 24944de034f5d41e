// Writing the stand-in scene's files.
#include "standin_scene.h"

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <algorithm>
#include <sstream>
#include <vector>

#define STB_IMAGE_WRITE_IMPLEMENTATION
#define STB_IMAGE_WRITE_STATIC
#include <stb/stb_image_write.h>

namespace standin {

const PartInfo Parts[16] = {
    {"fighterHip", "Bip01_Spine", 10.0f},          {"fighterChest", "Bip01_Spine1", 5.0f},
    {"fighterChest2j", "Bip01_Spine2", 7.0f},      {"fighterHead", "Bip01_Head", 3.0f},
    {"fighterUpperArmLeft", "Bip01_L_UpperArm", 2.5f}, {"fighterForearmLeft", "Bip01_L_Forearm", 2.0f},
    {"fighterHandLeft", "Bip01_L_Hand", 0.5f},     {"fighterUpperArmRight", "Bip01_R_UpperArm", 2.5f},
    {"fighterForearmRight", "Bip01_R_Forearm", 2.0f}, {"fighterHandRight", "Bip01_R_Hand", 0.5f},
    {"fighterThighLeft", "Bip01_L_Thigh", 8.0f},   {"fighterShinLeft", "Bip01_L_Calf", 4.0f},
    {"fighterFootLeft", "Bip01_L_Foot", 1.0f},     {"fighterThighRight", "Bip01_R_Thigh", 8.0f},
    {"fighterShinRight", "Bip01_R_Calf", 4.0f},    {"fighterFootRight", "Bip01_R_Foot", 1.0f},
};

const char* const DetailBones[22] = {
    "Bip01_L_Finger0", "Bip01_L_Finger01", "Bip01_L_Finger1", "Bip01_L_Finger11", "Bip01_L_Finger2",
    "Bip01_L_Finger21", "Bip01_L_Finger3", "Bip01_L_Finger31", "Bip01_L_Finger4", "Bip01_L_Finger41",
    "Bip01_R_Finger0", "Bip01_R_Finger01", "Bip01_R_Finger1", "Bip01_R_Finger11", "Bip01_R_Finger2",
    "Bip01_R_Finger21", "Bip01_R_Finger3", "Bip01_R_Finger31", "Bip01_R_Finger4", "Bip01_R_Finger41",
    "Bip01_L_Toe0", "Bip01_R_Toe0"};

const JointInfo Joints[15] = {
    {0, 1, {{0, 0}, {-15, 15}, {0, 0}}, {0.1f, 0.1f, 0.1f}},
    {1, 2, {{0, 0}, {-10, 10}, {0, 0}}, {0.1f, 0.1f, 0.1f}},
    {2, 3, {{0, 0}, {-5, 5}, {-5, 5}}, {0.02f, 0.08f, 0.02f}},
    {2, 4, {{0, 0}, {-30, 30}, {-80, 10}}, {0.02f, 15.0f, 10.0f}},
    {4, 5, {{0, 0}, {-160, 0}, {0, 0}}, {0.1f, 1.0f, 0.1f}},
    {5, 6, {{0, 0}, {-50, 50}, {0, 0}}, {0.01f, 0.1f, 0.01f}},
    {2, 7, {{0, 0}, {-30, 30}, {-10, 80}}, {0.02f, 15.0f, 10.0f}},
    {7, 8, {{0, 0}, {-160, 0}, {0, 0}}, {0.1f, 1.0f, 0.1f}},
    {8, 9, {{0, 0}, {-50, 50}, {0, 0}}, {0.01f, 0.1f, 0.01f}},
    {0, 10, {{0, 0}, {-5, 80}, {0, 0}}, {0.01f, 20.0f, 0.01f}},
    {10, 11, {{0, 0}, {-105, 0}, {0, 0}}, {0.1f, 20.0f, 0.1f}},
    {11, 12, {{0, 0}, {-50, 0}, {0, 0}}, {0.01f, 0.01f, 0.01f}},
    {0, 13, {{0, 0}, {-5, 80}, {0, 0}}, {0.01f, 20.0f, 0.01f}},
    {13, 14, {{0, 0}, {-105, 0}, {0, 0}}, {0.1f, 20.0f, 0.1f}},
    {14, 15, {{0, 0}, {-50, 0}, {0, 0}}, {0.01f, 0.01f, 0.01f}},
};

namespace {

struct V {
    float x, y, z;
};
V operator+(V a, V b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
V operator-(V a, V b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
V operator*(V a, float s) { return {a.x * s, a.y * s, a.z * s}; }

struct Q {
    float x, y, z, w;
};
Q mul(Q a, Q b) {
    return {a.w * b.x + a.x * b.w + a.y * b.z - a.z * b.y, a.w * b.y - a.x * b.z + a.y * b.w + a.z * b.x,
            a.w * b.z + a.x * b.y - a.y * b.x + a.z * b.w, a.w * b.w - a.x * b.x - a.y * b.y - a.z * b.z};
}
Q conj(Q q) { return {-q.x, -q.y, -q.z, q.w}; }
Q axisAngle(V a, float degrees) {
    float h = degrees * 3.14159265f / 360.0f, s = std::sin(h);
    return {a.x * s, a.y * s, a.z * s, std::cos(h)};
}
V rotate(Q q, V v) {
    Q p = mul(mul(q, Q{v.x, v.y, v.z, 0}), conj(q));
    return {p.x, p.y, p.z};
}

V crossV(V a, V b) { return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x}; }

// The turn whose local x and z axes lie along x and z in model space (y completes them).
Q basis(V x, V z) {
    V y = crossV(z, x);
    float m[9] = {x.x, y.x, z.x, x.y, y.y, z.y, x.z, y.z, z.z};
    float trace = m[0] + m[4] + m[8];
    Q q;
    if (trace > 0.0f) {
        float t = std::sqrt(trace + 1.0f) * 2.0f;
        q = {(m[7] - m[5]) / t, (m[2] - m[6]) / t, (m[3] - m[1]) / t, 0.25f * t};
    } else if (m[0] > m[4] && m[0] > m[8]) {
        float t = std::sqrt(1.0f + m[0] - m[4] - m[8]) * 2.0f;
        q = {0.25f * t, (m[1] + m[3]) / t, (m[2] + m[6]) / t, (m[7] - m[5]) / t};
    } else if (m[4] > m[8]) {
        float t = std::sqrt(1.0f + m[4] - m[0] - m[8]) * 2.0f;
        q = {(m[1] + m[3]) / t, 0.25f * t, (m[5] + m[7]) / t, (m[2] - m[6]) / t};
    } else {
        float t = std::sqrt(1.0f + m[8] - m[0] - m[4]) * 2.0f;
        q = {(m[2] + m[6]) / t, (m[5] + m[7]) / t, 0.25f * t, (m[3] - m[1]) / t};
    }
    return q;
}

std::string num(float v) {
    char text[32];
    std::snprintf(text, sizeof text, "%.6f", static_cast<double>(v));
    return text;
}

// A transform written the .x way: rows, row vectors, translation in the last row.
std::string matrixX(Q q, V t) {
    V x = rotate(q, {1, 0, 0}), y = rotate(q, {0, 1, 0}), z = rotate(q, {0, 0, 1});
    return num(x.x) + "," + num(x.y) + "," + num(x.z) + ",0.0," + num(y.x) + "," + num(y.y) + "," + num(y.z) + ",0.0," +
           num(z.x) + "," + num(z.y) + "," + num(z.z) + ",0.0," + num(t.x) + "," + num(t.y) + "," + num(t.z) + ",1.0;;";
}

// Triangles with normals, picture coordinates and a material per face.
struct Geometry {
    std::vector<V> positions, normals;
    std::vector<float> uv;
    std::vector<int> indices, materials;
    std::vector<int> bone;  // per vertex, for skinning

    // A box, its faces clockwise as seen from outside.
    void box(V centre, V half, Q turn, int material, int boneIndex = -1) {
        struct Face {
            V n, u, v;
        };
        const Face faces[6] = {{{1, 0, 0}, {0, 0, 1}, {0, 1, 0}},   {{-1, 0, 0}, {0, 0, -1}, {0, 1, 0}},
                               {{0, 1, 0}, {1, 0, 0}, {0, 0, 1}},   {{0, -1, 0}, {1, 0, 0}, {0, 0, -1}},
                               {{0, 0, 1}, {-1, 0, 0}, {0, 1, 0}},  {{0, 0, -1}, {1, 0, 0}, {0, 1, 0}}};
        for (const Face& f : faces) {
            auto scaled = [&](V d) { return V{d.x * half.x, d.y * half.y, d.z * half.z}; };
            V n = scaled(f.n), u = scaled(f.u), v = scaled(f.v);
            V corners[4] = {n - u + v, n + u + v, n + u - v, n - u - v};
            int base = static_cast<int>(positions.size());
            const float uvs[8] = {0, 0, 1, 0, 1, 1, 0, 1};
            for (int k = 0; k < 4; ++k) {
                positions.push_back(centre + rotate(turn, corners[k]));
                normals.push_back(rotate(turn, f.n));
                uv.insert(uv.end(), {uvs[2 * k], uvs[2 * k + 1]});
                bone.push_back(boneIndex);
            }
            indices.insert(indices.end(), {base, base + 1, base + 2, base, base + 2, base + 3});
            materials.insert(materials.end(), {material, material});
        }
    }

    // A flat grid facing +y at height y, cells x cells, picture repeated `repeat` times.
    void floorGrid(float half, float y, int cells, float repeat, int material) {
        int base = static_cast<int>(positions.size());
        for (int j = 0; j <= cells; ++j)
            for (int i = 0; i <= cells; ++i) {
                float s = static_cast<float>(i) / cells, t = static_cast<float>(j) / cells;
                positions.push_back({-half + 2 * half * s, y, half - 2 * half * t});
                normals.push_back({0, 1, 0});
                uv.insert(uv.end(), {s * repeat, t * repeat});
                bone.push_back(-1);
            }
        for (int j = 0; j < cells; ++j)
            for (int i = 0; i < cells; ++i) {
                int a = base + j * (cells + 1) + i, b = a + 1, c = a + cells + 1, d = c + 1;
                // Seen from above: a far-left, b far-right, c and d nearer.
                indices.insert(indices.end(), {c, a, b, c, b, d});
                materials.insert(materials.end(), {material, material});
            }
    }

    // A wall quad facing +z at depth z.
    void wall(float left, float right, float bottom, float top, float z, int material) {
        int base = static_cast<int>(positions.size());
        V corners[4] = {{right, top, z}, {left, top, z}, {left, bottom, z}, {right, bottom, z}};
        const float uvs[8] = {0, 0, 1, 0, 1, 1, 0, 1};
        for (int k = 0; k < 4; ++k) {
            positions.push_back(corners[k]);
            normals.push_back({0, 0, 1});
            uv.insert(uv.end(), {uvs[2 * k], uvs[2 * k + 1]});
            bone.push_back(-1);
        }
        indices.insert(indices.end(), {base, base + 1, base + 2, base, base + 2, base + 3});
        materials.insert(materials.end(), {material, material});
    }

    std::string meshX(const std::string& name, const std::vector<std::string>& materialNames) const {
        std::ostringstream x;
        size_t nv = positions.size(), nf = indices.size() / 3;
        x << " Mesh " << name << " {\n  " << nv << ";\n";
        for (size_t i = 0; i < nv; ++i)
            x << "  " << num(positions[i].x) << ";" << num(positions[i].y) << ";" << num(positions[i].z) << ";" << (i + 1 < nv ? "," : ";") << "\n";
        x << "  " << nf << ";\n";
        for (size_t f = 0; f < nf; ++f)
            x << "  3;" << indices[3 * f] << "," << indices[3 * f + 1] << "," << indices[3 * f + 2] << ";" << (f + 1 < nf ? "," : ";") << "\n";
        x << "  MeshNormals {\n   " << nv << ";\n";
        for (size_t i = 0; i < nv; ++i)
            x << "   " << num(normals[i].x) << ";" << num(normals[i].y) << ";" << num(normals[i].z) << ";" << (i + 1 < nv ? "," : ";") << "\n";
        x << "   " << nf << ";\n";
        for (size_t f = 0; f < nf; ++f)
            x << "   3;" << indices[3 * f] << "," << indices[3 * f + 1] << "," << indices[3 * f + 2] << ";" << (f + 1 < nf ? "," : ";") << "\n";
        x << "  }\n  MeshTextureCoords {\n   " << nv << ";\n";
        for (size_t i = 0; i < nv; ++i) x << "   " << num(uv[2 * i]) << ";" << num(uv[2 * i + 1]) << ";" << (i + 1 < nv ? "," : ";") << "\n";
        x << "  }\n";
        if (!materialNames.empty()) {
            x << "  MeshMaterialList {\n   " << materialNames.size() << ";\n   " << nf << ";\n";
            for (size_t f = 0; f < nf; ++f) x << "   " << materials[f] << (f + 1 < nf ? ",\n" : ";;\n");
            for (const std::string& m : materialNames) x << "   {" << m << "}\n";
            x << "  }\n";
        }
        return x.str();
    }
};

std::string materialX(const std::string& name, const std::string& texture) {
    std::string x = "Material " + name + " {\n 1.0;1.0;1.0;1.0;;\n 0.0;\n 0.0;0.0;0.0;;\n 0.0;0.0;0.0;;\n";
    if (!texture.empty()) x += " TextureFilename { \"" + texture + "\"; }\n";
    return x + "}\n";
}

const char* const Header = "xof 0302txt 0032\n";

// A static mesh file: one frame at the origin holding the geometry.
std::string staticX(const Geometry& g, const std::string& texture) {
    std::string x = Header;
    std::vector<std::string> names;
    if (!texture.empty()) {
        x += materialX("Picture", texture);
        names.push_back("Picture");
    }
    x += "Frame Scenery {\n FrameTransformMatrix { " + matrixX({0, 0, 0, 1}, {0, 0, 0}) + " }\n";
    return x + g.meshX("Shape", names) + " }\n}\n";
}

// The figure's skeleton: model-space rest poses, built from the pelvis at the origin.
struct BoneSpec {
    std::string name;
    int parent;
    V at;        // model-space location
    Q turn;      // model-space rest orientation
    V boxFrom, boxTo;  // the bone's box runs between these (model space)
    float halfWidth;
    int material;  // 0 clothes, 1 protector, 2 skin, 3 belt
};

std::vector<BoneSpec> skeleton() {
    std::vector<BoneSpec> b;
    auto add = [&](const std::string& name, int parent, V at, Q turn, V to, float w, int material) {
        b.push_back({name, parent, at, turn, at, to, w, material});
        return static_cast<int>(b.size()) - 1;
    };
    const float h = -0.97f;  // the pelvis is the model's origin; the soles are at h
    // Each bone's x runs along it towards its child; its y is the axis it mainly bends about.
    const Q none{0, 0, 0, 1};
    const Q spine = basis({0, 1, 0}, {0, 0, 1});
    const Q arm = basis({0, -1, 0}, {0, 0, 1});
    const Q leg = basis({0, -1, 0}, {0, 0, -1});
    const Q foot = basis({0, 0, 1}, {0, 1, 0});
    int root = add("Bip01", -1, {0, 0, 0}, none, {0, 0, 0}, 0.0f, 0);
    int hip = add("Bip01_Spine", root, {0, 0, 0}, spine, {0, 0.14f, 0}, 0.15f, 3);
    int chest = add("Bip01_Spine1", hip, {0, 0.14f, 0}, spine, {0, 0.33f, 0}, 0.15f, 0);
    int chest2 = add("Bip01_Spine2", chest, {0, 0.33f, 0}, spine, {0, 0.53f, 0}, 0.17f, 1);
    add("Bip01_Head", chest2, {0, 0.58f, 0}, spine, {0, 0.82f, 0}, 0.1f, 2);
    for (int side = 0; side < 2; ++side) {
        float sx = side == 0 ? 1.0f : -1.0f;
        std::string s = side == 0 ? "Bip01_L_" : "Bip01_R_";
        int upper = add(s + "UpperArm", chest2, {0.24f * sx, 0.5f, 0}, arm, {0.24f * sx, 0.2f, 0}, 0.05f, 0);
        int fore = add(s + "Forearm", upper, {0.24f * sx, 0.2f, 0}, arm, {0.24f * sx, -0.06f, 0}, 0.045f, 2);
        int hand = add(s + "Hand", fore, {0.24f * sx, -0.06f, 0}, arm, {0.24f * sx, -0.14f, 0}, 0.04f, 2);
        for (int k = 0; k < 5; ++k) {
            float z = -0.03f + 0.015f * static_cast<float>(k);
            std::string n = s + "Finger" + std::to_string(k);
            int f = add(n, hand, {0.24f * sx, -0.14f, z}, arm, {0.24f * sx, -0.17f, z}, 0.007f, 2);
            add(n + "1", f, {0.24f * sx, -0.17f, z}, arm, {0.24f * sx, -0.2f, z}, 0.006f, 2);
        }
    }
    for (int side = 0; side < 2; ++side) {
        float sx = side == 0 ? 1.0f : -1.0f;
        std::string s = side == 0 ? "Bip01_L_" : "Bip01_R_";
        int thigh = add(s + "Thigh", hip, {0.1f * sx, -0.05f, 0}, leg, {0.1f * sx, h + 0.5f, 0}, 0.07f, 0);
        int calf = add(s + "Calf", thigh, {0.1f * sx, h + 0.5f, 0}, leg, {0.1f * sx, h + 0.1f, 0}, 0.055f, 0);
        int ankle = add(s + "Foot", calf, {0.1f * sx, h + 0.1f, 0}, foot, {0.1f * sx, h + 0.1f, 0.12f}, 0.045f, 2);
        add(s + "Toe0", ankle, {0.1f * sx, h + 0.03f, 0.14f}, foot, {0.1f * sx, h + 0.03f, 0.19f}, 0.03f, 2);
    }
    return b;
}

// The box of a bone, in model space: along its segment, halfWidth around it.
void boneBox(const BoneSpec& b, V* centre, V* half) {
    V from = b.boxFrom, to = b.boxTo;
    if (b.name.find("Foot") != std::string::npos) {
        *centre = {from.x, from.y - 0.045f, from.z + 0.04f};
        *half = {0.045f, 0.05f, 0.1f};
        return;
    }
    *centre = (from + to) * 0.5f;
    V d = to - from;
    *half = {std::max(std::fabs(d.x) * 0.5f, b.halfWidth), std::max(std::fabs(d.y) * 0.5f, b.halfWidth),
             std::max(std::fabs(d.z) * 0.5f, b.halfWidth)};
}

std::string fighterX(const std::vector<BoneSpec>& bones) {
    std::ostringstream x;
    x << Header << "AnimTicksPerSecond { 25; }\n";
    const char* names[4] = {"Clothes", "Protector", "Skin", "Belt"};
    for (int m = 0; m < 4; ++m) x << materialX(names[m], std::string("fighter_") + names[m] + ".png");
    // Frames, nested as the skeleton is.
    std::vector<std::vector<int>> children(bones.size());
    for (size_t i = 1; i < bones.size(); ++i) children[bones[i].parent].push_back(static_cast<int>(i));
    auto localOf = [&](int i, Q* q, V* t) {
        const BoneSpec& b = bones[i];
        if (b.parent < 0) {
            *q = b.turn;
            *t = b.at;
            return;
        }
        const BoneSpec& p = bones[b.parent];
        *q = mul(conj(p.turn), b.turn);
        *t = rotate(conj(p.turn), b.at - p.at);
    };
    std::function<void(int, int)> frame = [&](int i, int depth) {
        std::string pad(static_cast<size_t>(depth), ' ');
        Q q;
        V t;
        localOf(i, &q, &t);
        x << pad << "Frame " << bones[i].name << " {\n" << pad << " FrameTransformMatrix { " << matrixX(q, t) << " }\n";
        for (int c : children[i]) frame(c, depth + 1);
        x << pad << "}\n";
    };
    frame(0, 0);
    // The skin: a box per bone, in model space, every vertex on its own bone.
    Geometry g;
    for (size_t i = 1; i < bones.size(); ++i) {
        V centre, half;
        boneBox(bones[i], &centre, &half);
        g.box(centre, half, {0, 0, 0, 1}, bones[i].material, static_cast<int>(i));
    }
    x << "Frame Body {\n FrameTransformMatrix { " << matrixX({0, 0, 0, 1}, {0, 0, 0}) << " }\n";
    std::string mesh = g.meshX("BodyMesh", {"Clothes", "Protector", "Skin", "Belt"});
    x << mesh;
    x << "  XSkinMeshHeader { 1; 1; " << bones.size() - 1 << "; }\n";
    for (size_t i = 1; i < bones.size(); ++i) {
        std::vector<int> own;
        for (size_t v = 0; v < g.bone.size(); ++v)
            if (g.bone[v] == static_cast<int>(i)) own.push_back(static_cast<int>(v));
        x << "  SkinWeights { \"" << bones[i].name << "\"; " << own.size() << "; ";
        for (size_t k = 0; k < own.size(); ++k) x << own[k] << (k + 1 < own.size() ? "," : "; ");
        for (size_t k = 0; k < own.size(); ++k) x << "1.0" << (k + 1 < own.size() ? "," : "; ");
        // Offset: model space into the bone's space (the inverse of its rest transform).
        Q inv = conj(bones[i].turn);
        x << matrixX(inv, rotate(inv, bones[i].at * -1.0f)) << " }\n";
    }
    x << " }\n}\n";
    // The kick: rest, the right leg up and the body leaning back, rest again (so it loops).
    x << "AnimationSet Kick {\n";
    for (size_t i = 0; i < bones.size(); ++i) {
        Q rest;
        V t;
        localOf(static_cast<int>(i), &rest, &t);
        Q kick = rest;
        V kickT = t;
        const std::string& n = bones[i].name;
        const BoneSpec& b = bones[i];
        Q parentTurn = b.parent >= 0 ? bones[b.parent].turn : Q{0, 0, 0, 1};
        auto modelTurn = [&](Q turn) { kick = mul(conj(parentTurn), mul(turn, b.turn)); };
        if (n == "Bip01_R_Thigh") modelTurn(axisAngle({1, 0, 0}, -85));
        if (n == "Bip01_Spine1") modelTurn(axisAngle({1, 0, 0}, 12));
        if (n == "Bip01_L_UpperArm") modelTurn(axisAngle({0, 0, 1}, 60));
        if (n == "Bip01") kickT = {0, -0.05f, 0};
        x << " Animation {\n  {" << n << "}\n  AnimationKey { 0; 3;\n";
        for (int k = 0; k < 3; ++k) {
            Q q = k == 1 ? kick : rest;
            x << "   " << k * 10 << ";4;" << num(q.w) << "," << num(q.x) << "," << num(q.y) << "," << num(q.z) << ";;" << (k < 2 ? "," : ";") << "\n";
        }
        x << "  }\n  AnimationKey { 2; 3;\n";
        for (int k = 0; k < 3; ++k) {
            V p = k == 1 ? kickT : t;
            x << "   " << k * 10 << ";3;" << num(p.x) << "," << num(p.y) << "," << num(p.z) << ";;" << (k < 2 ? "," : ";") << "\n";
        }
        x << "  }\n }\n";
    }
    x << "}\n";
    return x.str();
}

bool writeText(const std::string& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary);
    out << text;
    return static_cast<bool>(out);
}

using Shader = void (*)(int x, int y, int size, unsigned char* rgba);

bool writePicture(const std::string& path, int size, Shader shade) {
    std::vector<unsigned char> pixels(static_cast<size_t>(size) * size * 4);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) shade(x, y, size, &pixels[(static_cast<size_t>(y) * size + x) * 4]);
    return stbi_write_png(path.c_str(), size, size, 4, pixels.data(), size * 4) != 0;
}

void fill(unsigned char* p, int r, int g, int b, int a = 255) {
    p[0] = static_cast<unsigned char>(r), p[1] = static_cast<unsigned char>(g), p[2] = static_cast<unsigned char>(b),
    p[3] = static_cast<unsigned char>(a);
}

}  // namespace

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return "";
    std::ostringstream all;
    all << in.rdbuf();
    return all.str();
}

std::string tessellatedBoxX(const iVector3& centre, const iVector3& half, int cells, const char* texture) {
    Geometry g;
    float step = 1.0f / static_cast<float>(cells);
    for (int i = 0; i < cells; ++i)
        for (int j = 0; j < cells; ++j)
            for (int k = 0; k < cells; ++k) {
                bool surface = i == 0 || j == 0 || k == 0 || i == cells - 1 || j == cells - 1 || k == cells - 1;
                if (!surface) continue;
                // A small box per surface cell: its outer face shows, the others lie inside.
                V c{centre.x + half.x * (-1 + step * (2 * i + 1)), centre.y + half.y * (-1 + step * (2 * j + 1)),
                    centre.z + half.z * (-1 + step * (2 * k + 1))};
                V h{half.x * step, half.y * step, half.z * step};
                Geometry cell;
                cell.box(c, h, {0, 0, 0, 1}, 0);
                // Keep only the faces on the big box's surface.
                for (size_t f = 0; f < 6; ++f) {
                    V n = cell.normals[4 * f];
                    bool out = (n.x > 0 && i == cells - 1) || (n.x < 0 && i == 0) || (n.y > 0 && j == cells - 1) ||
                               (n.y < 0 && j == 0) || (n.z > 0 && k == cells - 1) || (n.z < 0 && k == 0);
                    if (!out) continue;
                    int base = static_cast<int>(g.positions.size());
                    for (int q = 0; q < 4; ++q) {
                        g.positions.push_back(cell.positions[4 * f + q]);
                        g.normals.push_back(cell.normals[4 * f + q]);
                        g.uv.insert(g.uv.end(), {cell.uv[8 * f + 2 * q], cell.uv[8 * f + 2 * q + 1]});
                        g.bone.push_back(-1);
                    }
                    g.indices.insert(g.indices.end(), {base, base + 1, base + 2, base, base + 2, base + 3});
                    g.materials.insert(g.materials.end(), {0, 0});
                }
            }
    return staticX(g, texture ? texture : "");
}

std::string picturePng(int size, unsigned char r, unsigned char g, unsigned char b, unsigned char a) {
    std::vector<unsigned char> pixels(static_cast<size_t>(size) * size * 4);
    for (size_t i = 0; i < pixels.size(); i += 4) pixels[i] = r, pixels[i + 1] = g, pixels[i + 2] = b, pixels[i + 3] = a;
    std::string out;
    stbi_write_png_to_func([](void* context, void* data, int n) { static_cast<std::string*>(context)->append(static_cast<char*>(data), static_cast<size_t>(n)); },
                           &out, size, size, 4, pixels.data(), size * 4);
    return out;
}

std::string quadX() {
    return std::string(Header) +
           "Mesh Quad {\n 4;\n 0.0;-0.5;0.0;,\n 1.0;-0.5;0.0;,\n 1.0;0.5;0.0;,\n 0.0;0.5;0.0;;\n 2;\n 3;0,2,1;,\n 3;0,3,2;;\n"
           " MeshTextureCoords { 4; 0.0;1.0;, 1.0;1.0;, 1.0;0.0;, 0.0;0.0;; }\n}\n";
}

void partBox(int part, iVector3* centre, iVector3* half) {
    std::vector<BoneSpec> bones = skeleton();
    for (const BoneSpec& b : bones)
        if (b.name == Parts[part].bone) {
            V c, h;
            boneBox(b, &c, &h);
            *centre = {c.x, c.y, c.z};
            *half = {h.x, h.y, h.z};
        }
}

bool writeScene(const std::string& folder) {
    namespace fs = std::filesystem;
    std::error_code ec;
    for (const char* sub : {"", "/parts", "/shadow", "/debug"}) fs::create_directories(folder + sub, ec);
    bool ok = true;
    std::vector<BoneSpec> bones = skeleton();
    ok = ok && writeText(folder + "/fighter.x", fighterX(bones));
    ok = ok && writePicture(folder + "/fighter_Clothes.png", 16, [](int, int y, int, unsigned char* p) { fill(p, 40, 70, 200 - y * 4); });
    ok = ok && writePicture(folder + "/fighter_Protector.png", 16, [](int, int, int, unsigned char* p) { fill(p, 230, 230, 235); });
    ok = ok && writePicture(folder + "/fighter_Skin.png", 16, [](int, int, int, unsigned char* p) { fill(p, 225, 180, 140); });
    ok = ok && writePicture(folder + "/fighter_Belt.png", 16, [](int, int, int, unsigned char* p) { fill(p, 30, 30, 30); });
    for (int i = 0; i < 16; ++i) {
        int index = -1;
        for (size_t b = 0; b < bones.size(); ++b)
            if (bones[b].name == Parts[i].bone) index = static_cast<int>(b);
        V centre, half;
        boneBox(bones[index], &centre, &half);
        // The hip's part also covers the belly, the head's the neck.
        std::string stem = Parts[i].stem;
        std::ostringstream spg;
        spg << "spg 1\nfriction 1.0\nbounce 0.0\nbox " << num(2 * half.x) << " " << num(2 * half.y) << " " << num(2 * half.z)
            << " at " << num(centre.x) << " " << num(centre.y) << " " << num(centre.z) << "\n";
        ok = ok && writeText(folder + "/parts/" + stem + "_.spg", spg.str());
        Geometry shadow;
        shadow.box(centre, half * 0.95f, {0, 0, 0, 1}, 0);
        ok = ok && writeText(folder + "/shadow/" + stem + "_shadow.x", staticX(shadow, ""));
        ok = ok && writeText(folder + "/debug/" + stem + ".x", staticX(shadow, ""));
    }
    Geometry floor, lightMap, box, mirror;
    floor.floorGrid(6.0f, 0.0f, 8, 6.0f, 0);
    ok = ok && writeText(folder + "/floor.x", staticX(floor, "floor.png"));
    ok = ok && writePicture(folder + "/floor.png", 32, [](int x, int y, int, unsigned char* p) {
        bool line = x < 1 || y < 1;
        fill(p, line ? 110 : 150, line ? 120 : 160, line ? 100 : 130);
    });
    ok = ok && writeText(folder + "/floor.ply",
                         "ply\nformat ascii 1.0\nelement vertex 4\nproperty float x\nproperty float y\nproperty float z\n"
                         "element face 2\nproperty list uchar int vertex_indices\nend_header\n"
                         "-10 0 -10\n-10 0 10\n10 0 10\n10 0 -10\n3 0 1 2\n3 0 2 3\n");
    ok = ok && writeText(folder + "/floor.pol", "pol 1\nfriction 1.0\nbounce 0.0\nplane 0 1 0 0\n");
    lightMap.floorGrid(3.0f, 0.0f, 1, 1.0f, 0);
    ok = ok && writeText(folder + "/lightmap.x", staticX(lightMap, "lightmap.png"));
    ok = ok && writePicture(folder + "/lightmap.png", 64, [](int x, int y, int size, unsigned char* p) {
        float dx = (x + 0.5f) / size - 0.5f, dy = (y + 0.5f) / size - 0.5f;
        float r = std::min(1.0f, std::sqrt(dx * dx + dy * dy) * 2.0f);
        int v = static_cast<int>(255.0f * (1.0f - 0.5f * r * r));
        fill(p, v, v, std::min(255, v + 10));
    });
    box.box({-2.5f, 0.5f, -1.5f}, {0.5f, 0.5f, 0.5f}, {0, 0, 0, 1}, 0);
    ok = ok && writeText(folder + "/box.x", staticX(box, "box.png"));
    ok = ok && writePicture(folder + "/box.png", 16, [](int x, int y, int, unsigned char* p) {
        bool edge = x < 2 || y < 2 || x > 13 || y > 13;
        fill(p, edge ? 150 : 230, edge ? 70 : 120, edge ? 20 : 40);
    });
    mirror.wall(-5.0f, 5.0f, 0.0f, 3.0f, -5.0f, 0);
    ok = ok && writeText(folder + "/mirror.x", staticX(mirror, "mirror.png"));
    ok = ok && writePicture(folder + "/mirror.png", 16, [](int, int, int, unsigned char* p) { fill(p, 200, 210, 225); });
    ok = ok && writePicture(folder + "/mirror_alpha.png", 16, [](int x, int y, int, unsigned char* p) {
        bool frame = x < 1 || y < 1 || x > 14 || y > 14;
        int a = frame ? 255 : 40;
        fill(p, a, a, a);
    });
    return ok;
}

}  // namespace standin
