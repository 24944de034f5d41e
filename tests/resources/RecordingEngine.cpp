#include "RecordingEngine.h"

namespace {

enum Table { Sprites, Meshes, Skins, Bodies, Fonts };

std::string bytes(const void* data, uint32_t size) {
    return data ? std::string(static_cast<const char*>(data), size) : "<null>";
}

uint32_t issue(RecordedCreate call, Table table) {
    RecordingEngine& engine = RecordingEngine::get();
    call.handle = engine.failCreates ? 0 : engine.nextHandle[table]++;
    engine.creates.push_back(call);
    return call.handle;
}

void destroyed(const char* kind, uint32_t handle) { RecordingEngine::get().destroys.push_back({kind, handle}); }

uint32_t spriteCreate(const void* x, uint32_t xSize, const void* tex, uint32_t texSize, int id, int owner) {
    RecordedCreate call;
    call.kind = "sprite";
    call.file = bytes(x, xSize);
    call.companion = bytes(tex, texSize);
    call.textureId = id;
    call.owner = owner;
    return issue(call, Sprites);
}

uint32_t meshCreate(const void* x, uint32_t xSize, const void* tex, uint32_t texSize, int id) {
    RecordedCreate call;
    call.kind = "mesh";
    call.file = bytes(x, xSize);
    call.companion = bytes(tex, texSize);
    call.textureId = id;
    return issue(call, Meshes);
}

uint32_t shadowCreate(const void* x, uint32_t xSize, int body, float size) {
    RecordedCreate call;
    call.kind = "shadow";
    call.file = bytes(x, xSize);
    call.owner = body;
    call.value = size;
    return issue(call, Meshes);
}

uint32_t skinCreate(const void* x, uint32_t xSize, const void* const* files, const uint32_t* sizes) {
    RecordedCreate call;
    call.kind = "skin";
    call.file = bytes(x, xSize);
    call.arraysNull = files == nullptr && sizes == nullptr;
    if (files && sizes) {
        for (size_t i = 0; i < RecordingEngine::get().skinFileCount; ++i) call.extras.push_back(bytes(files[i], sizes[i]));
    }
    return issue(call, Skins);
}

uint32_t bodyCreate(const void* ply, uint32_t plySize, const void* pol, uint32_t polSize) {
    RecordedCreate call;
    call.kind = "body";
    call.file = bytes(ply, plySize);
    call.companion = bytes(pol, polSize);
    return issue(call, Bodies);
}

uint32_t bodySGCreate(const void* spg, uint32_t spgSize, float mass) {
    RecordedCreate call;
    call.kind = "bodySG";
    call.file = bytes(spg, spgSize);
    call.value = mass;
    return issue(call, Bodies);
}

uint32_t fontCreate(const void* wid, uint32_t widSize, const void* const* glyphs, const uint32_t* glyphSizes,
                    const void* tex, uint32_t texSize, int id, int owner) {
    RecordedCreate call;
    call.kind = "font";
    call.file = bytes(wid, widSize);
    call.companion = bytes(tex, texSize);
    call.textureId = id;
    call.owner = owner;
    for (int code = 0; code < 256; ++code) {
        call.extras.push_back(glyphs[code] || glyphSizes[code] ? bytes(glyphs[code], glyphSizes[code]) : "<null>");
    }
    return issue(call, Fonts);
}

void spriteDestroy(uint32_t handle) { destroyed("sprite", handle); }
void meshDestroy(uint32_t handle) { destroyed("mesh", handle); }
void skinDestroy(uint32_t handle) { destroyed("skin", handle); }
void bodyDestroy(uint32_t handle) { destroyed("body", handle); }
void fontDestroy(uint32_t handle) { destroyed("font", handle); }

}  // namespace

RecordingEngine& RecordingEngine::get() {
    static RecordingEngine engine;
    return engine;
}

const ResourceEngine& RecordingEngine::functions() {
    static const ResourceEngine table = {
        spriteCreate, spriteDestroy, meshCreate,  shadowCreate, meshDestroy, skinCreate,
        skinDestroy,  bodyCreate,    bodySGCreate, bodyDestroy, fontCreate,  fontDestroy,
    };
    return table;
}

void RecordingEngine::reset() { *this = RecordingEngine(); }
