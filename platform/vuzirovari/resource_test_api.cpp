// The test interface's view of resources and the 2D layer.
#include <algorithm>
#include <vector>

#include "engine_state.h"
#include "vuzirovari_test.h"

using namespace vuz;

namespace {

template <typename T>
void put(T* out, T value) {
    if (out) *out = value;
}

}  // namespace

extern "C" {

int vtSpriteCount(void) { return static_cast<int>(engine().sprites.size()); }

uint32_t vtSpriteAt(int index) {
    std::vector<uint32_t> order = spritesInDrawingOrder();
    return index >= 0 && index < static_cast<int>(order.size()) ? order[index] : 0;
}

int vtSpriteGet(uint32_t sprite, vtSprite* out) {
    const Sprite* s = engine().sprites.get(sprite);
    if (!s || !out) return 0;
    *out = vtSprite{s->visible ? 1 : 0, s->location, s->scale, s->angle, s->colour, s->priority,
                    s->blendSource, s->blendTarget, s->mipFilterMode, s->textureMode, s->textureId,
                    s->texture ? s->texture->name().c_str() : "", s->texture ? s->texture->width() : 0,
                    s->texture ? s->texture->height() : 0, s->owner};
    return 1;
}

int vtTextCount(void) { return static_cast<int>(engine().texts.lines().size()); }

int vtTextGet(int index, vtText* out) {
    const std::vector<PrintedText>& lines = engine().texts.lines();
    if (!out || index < 0 || index >= static_cast<int>(lines.size())) return 0;
    const PrintedText& t = lines[index];
    *out = vtText{t.text.c_str(), t.location, t.cell, t.spacing, t.font, t.colour, t.centred ? 1 : 0, t.left, t.width};
    return 1;
}

int vtFontGet(uint32_t font, int* glyphs, int* textureId, int* owner) {
    const Font* f = engine().fonts.get(font);
    if (!f) return 0;
    put(glyphs, f->glyphCount());
    put(textureId, f->textureId());
    put(owner, f->owner());
    return 1;
}

float vtFontWidth(uint32_t font, int code) {
    const Font* f = engine().fonts.get(font);
    return f && code >= 0 && code < 256 ? f->width(static_cast<unsigned char>(code)) : 0.0f;
}

int vtMeshGet(uint32_t mesh, int* shadowCaster, int* vertices, int* triangles, int* textureId, uint32_t* body,
              float* shadowLength) {
    const Mesh* m = engine().meshes.get(mesh);
    if (!m) return 0;
    put(shadowCaster, m->kind == Mesh::Kind::ShadowCaster ? 1 : 0);
    put(vertices, static_cast<int>(m->data.vertices.size()));
    put(triangles, static_cast<int>(m->data.triangleCount()));
    put(textureId, m->textureId);
    put(body, m->body);
    put(shadowLength, m->shadowLength);
    return 1;
}

int vtSkinMeshGet(uint32_t skinMesh, int* bones, int* animations, int* textureSlots, int* triangles) {
    const SkinMesh* m = engine().skinMeshes.get(skinMesh);
    if (!m) return 0;
    put(bones, static_cast<int>(m->data.bones.size()));
    put(animations, static_cast<int>(m->data.animations.size()));
    put(textureSlots, static_cast<int>(m->textures.size()));
    put(triangles, static_cast<int>(m->data.geometry.mesh.triangleCount()));
    return 1;
}

const char* vtSkinMeshBoneName(uint32_t skinMesh, int bone, int* parent) {
    const SkinMesh* m = engine().skinMeshes.get(skinMesh);
    if (!m || bone < 0 || bone >= static_cast<int>(m->data.bones.size())) return nullptr;
    put(parent, m->data.bones[bone].parent);
    return m->data.bones[bone].name.c_str();
}

const char* vtSkinMeshAnimation(uint32_t skinMesh, int index, float* duration, float* ticksPerSecond, int* channels) {
    const SkinMesh* m = engine().skinMeshes.get(skinMesh);
    if (!m || index < 0 || index >= static_cast<int>(m->data.animations.size())) return nullptr;
    const AnimationSet& a = m->data.animations[index];
    put(duration, a.duration);
    put(ticksPerSecond, a.ticksPerSecond);
    put(channels, static_cast<int>(a.channels.size()));
    return a.name.c_str();
}

int vtSkinMeshTextureSlot(uint32_t skinMesh, int slot, int* width, int* height) {
    const SkinMesh* m = engine().skinMeshes.get(skinMesh);
    if (!m || slot < 0 || slot >= static_cast<int>(m->textures.size()) || !m->textures[slot]) return 0;
    put(width, m->textures[slot]->width());
    put(height, m->textures[slot]->height());
    return 1;
}

int vtBodyCount(void) { return static_cast<int>(engine().bodies.size()); }

int vtBodyGet(uint32_t body, int* rigid, int* shapes, int* triangles, float* mass, int* enabled) {
    const Body* b = engine().bodies.get(body);
    if (!b) return 0;
    put(rigid, b->kind() == Body::Kind::Rigid ? 1 : 0);
    put(shapes, b->shapeCount());
    put(triangles, b->triangleCount());
    put(mass, b->mass());
    put(enabled, b->enabled() ? 1 : 0);
    return 1;
}

int vtPhysicsShapeCount(void) { return engine().physics.geomCount(); }

int vtTextureCount(void) { return Texture::liveCount(); }

}  // extern "C"
