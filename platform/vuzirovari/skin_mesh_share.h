// Both fighters load the same clip files: a skinned mesh made from bytes another live skinned
// mesh was made from copies that mesh's parsed data instead of parsing the .x text again.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "skin_mesh_data.h"

namespace vuz {

// What tells a file's bytes apart: their size and two independent hashes.
struct SkinBytesKey {
    uint64_t hashA = 0, hashB = 0;
    size_t size = 0;
};

// As readSkinMeshData, from a live mesh's copy when one was made from the same bytes; *key
// receives the bytes' key.
bool readSkinMeshDataShared(const void* bytes, size_t size, SkinMeshData* out, SkinBytesKey* key, std::string* error);
// The mesh just made (its handle) was read from the bytes of key: later reads may copy it.
void rememberSkinMeshBytes(const SkinBytesKey& key, uint32_t handle);

}  // namespace vuz
