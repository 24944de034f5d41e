// The engine functions FileArchive creates and destroys its objects with. The game always uses
// the engine's own (vuzirovariResourceEngine); tests can substitute recording functions to
// check exactly what reaches the engine.
#pragma once

#include <cstdint>

struct ResourceEngine {
    uint32_t (*spriteCreate)(const void* x, uint32_t xSize, const void* texture, uint32_t textureSize,
                             int textureId, int owner);
    void (*spriteDestroy)(uint32_t sprite);
    uint32_t (*meshCreate)(const void* x, uint32_t xSize, const void* texture, uint32_t textureSize,
                           int textureId);
    uint32_t (*shadowCasterCreate)(const void* x, uint32_t xSize, int body, float size);
    void (*meshDestroy)(uint32_t mesh);
    uint32_t (*skinMeshCreate)(const void* x, uint32_t xSize, const void* const* files,
                               const uint32_t* fileSizes);
    void (*skinMeshDestroy)(uint32_t skinMesh);
    uint32_t (*bodyCreate)(const void* ply, uint32_t plySize, const void* pol, uint32_t polSize);
    uint32_t (*bodySGCreate)(const void* spg, uint32_t spgSize, float mass);
    void (*bodyDestroy)(uint32_t body);
    uint32_t (*fontCreate)(const void* wid, uint32_t widSize, const void* const* glyphs,
                           const uint32_t* glyphSizes, const void* texture, uint32_t textureSize,
                           int textureId, int owner);
    void (*fontDestroy)(uint32_t font);
};

const ResourceEngine& vuzirovariResourceEngine();
