// Objects made from files by game path: the engine reads the files itself (companions by name),
// shares textures by path and hands the bytes to the create-from-memory code.
#include <sys/stat.h>

#include <cmath>
#include <memory>

#include "../win32/hostpath.h"
#include "../win32/win32_host.h"
#include "engine_state.h"

using namespace vuz;

namespace {

void refuse(const std::string& what, const std::string& reason) {
    win32::log("engine: " + what + " not made: " + reason);
}

// name minus its last `count` characters, plus `ending`; empty when the name is too short.
std::string companion(const std::string& name, size_t count, const char* ending) {
    if (name.size() <= count) return "";
    return name.substr(0, name.size() - count) + ending;
}

// The whole file, or false with one log line naming what was not made.
bool readFor(const char* what, const char* path, std::string* bytes) {
    if (path && *path && readGameFile(path, bytes)) return true;
    refuse(what, std::string("cannot read \"") + (path ? path : "") + "\"");
    return false;
}

// The picture beside a quad or mesh (name.x with name.png), shared with every user of its path.
std::shared_ptr<Texture> companionPicture(const char* what, const std::string& path) {
    std::string error;
    const std::string picturePath = companion(path, 1, "png");
    std::shared_ptr<Texture> picture = engine().textures.fromFile(picturePath, session().mipLevels, &error);
    if (!picture) refuse(what, "its picture: " + error);
    return picture;
}

uint32_t size32(const std::string& bytes) { return static_cast<uint32_t>(bytes.size()); }

}  // namespace

extern "C" {

uint32_t iSpriteCreate(const char* path, int owner) {
    std::string x, error;
    if (!readFor("sprite", path, &x)) return 0;
    QuadShape shape;
    if (!readQuadShape(x.data(), x.size(), &shape, &error)) {
        refuse("sprite", std::string("\"") + path + "\": " + error);
        return 0;
    }
    std::shared_ptr<Texture> picture = companionPicture("sprite", path);
    if (!picture) return 0;
    return engine().sprites.add(std::make_unique<Sprite>(std::move(shape), std::move(picture), -1, owner));
}

uint32_t iMeshCreate(const char* path) {
    std::string x, error;
    if (!readFor("mesh", path, &x)) return 0;
    auto mesh = std::make_unique<Mesh>();
    if (!readMeshData(x.data(), x.size(), &mesh->data, &error)) {
        refuse("mesh", std::string("\"") + path + "\": " + error);
        return 0;
    }
    mesh->texture = companionPicture("mesh", path);
    if (!mesh->texture) return 0;
    prepareMesh(*mesh);
    return engine().meshes.add(std::move(mesh));
}

uint32_t iSkinMeshCreate(const char* path) {
    std::string x;
    if (!readFor("skinned mesh", path, &x)) return 0;
    return iSkinMeshCreateFromMemory(x.data(), size32(x), nullptr, nullptr);
}

uint32_t iBodyCreate(const char* plyPath) {
    std::string ply, pol;
    if (!readFor("collision set", plyPath, &ply)) return 0;
    const std::string polPath = companion(plyPath, 3, "pol");
    if (!readFor("collision set", polPath.c_str(), &pol)) return 0;
    return iBodyCreateFromMemory(ply.data(), size32(ply), pol.data(), size32(pol));
}

uint32_t iBodySGCreate(const char* spgPath, float mass) {
    std::string spg;
    if (!readFor("body", spgPath, &spg)) return 0;
    return iBodySGCreateFromMemory(spg.data(), size32(spg), mass);
}

uint32_t iMeshBodyShadowCasterCreate(const char* path, int body, float size) {
    std::string x;
    if (!readFor("shadow caster", path, &x)) return 0;
    return iMeshBodyShadowCasterCreateFromMemory(x.data(), size32(x), body, size);
}

int iFileExists(const char* path) {
    if (!path || !*path) return 0;
    struct stat status{};
    return stat(hostPath(path).c_str(), &status) == 0 && S_ISREG(status.st_mode) ? 1 : 0;
}

int iFps(void) { return static_cast<int>(std::lround(1.0f / iFrq(0))); }

}  // extern "C"
