#include "skin_mesh_share.h"

#include <cstring>
#include <vector>

#include "engine_state.h"

namespace vuz {

namespace {

struct Made {
    SkinBytesKey key;
    uint32_t handle;
};

std::vector<Made>& made() {
    static std::vector<Made> list;
    return list;
}

SkinBytesKey keyOf(const void* bytes, size_t size) {
    const unsigned char* p = static_cast<const unsigned char*>(bytes);
    uint64_t h1 = 1469598103934665603ull, h2 = 0x9E3779B97F4A7C15ull;
    size_t i = 0;
    for (; i + 8 <= size; i += 8) {
        uint64_t word;
        std::memcpy(&word, p + i, 8);
        h1 = (h1 ^ word) * 0x100000001B3ull;
        h2 = (h2 + word) * 0xC2B2AE3D27D4EB4Full;
        h2 ^= h2 >> 31;
    }
    for (; i < size; ++i) {
        h1 = (h1 ^ p[i]) * 0x100000001B3ull;
        h2 = (h2 + p[i] + 1) * 0xC2B2AE3D27D4EB4Full;
        h2 ^= h2 >> 31;
    }
    return {h1, h2, size};
}

bool same(const SkinBytesKey& a, const SkinBytesKey& b) {
    return a.hashA == b.hashA && a.hashB == b.hashB && a.size == b.size;
}

// The live mesh made from these bytes; entries of meshes gone are dropped on the way.
const SkinMesh* liveCopy(const SkinBytesKey& key) {
    std::vector<Made>& list = made();
    const SkinMesh* found = nullptr;
    for (size_t i = 0; i < list.size();) {
        const SkinMesh* mesh = engine().skinMeshes.get(list[i].handle);
        if (!mesh) {
            list[i] = list.back();
            list.pop_back();
            continue;
        }
        if (!found && same(list[i].key, key)) found = mesh;
        ++i;
    }
    return found;
}

}  // namespace

bool readSkinMeshDataShared(const void* bytes, size_t size, SkinMeshData* out, SkinBytesKey* key, std::string* error) {
    *key = SkinBytesKey();
    if (bytes && size > 0) {
        *key = keyOf(bytes, size);
        if (const SkinMesh* mesh = liveCopy(*key)) {
            *out = mesh->data;
            return true;
        }
    }
    return readSkinMeshData(bytes, size, out, error);
}

void rememberSkinMeshBytes(const SkinBytesKey& key, uint32_t handle) {
    if (key.size == 0 || handle == 0) return;
    if (!liveCopy(key)) made().push_back({key, handle});
}

}  // namespace vuz
