// Starting and clearing the engine's resources and the 2D layer.
#include <algorithm>
#include <utility>

#include "engine_state.h"

namespace vuz {

void startFrameText() { engine().texts.clear(); }

void clearResources() {
    EngineState& e = engine();
    e.sprites.clear();
    e.fonts.clear();
    e.bones.clear();
    e.pairs.clear();
    e.joints.clear();
    e.meshes.clear();
    e.skinMeshes.clear();
    e.bodies.clear();
    e.physics.reseed();
    e.textures.clear();
    e.texts.reset();
}

std::vector<uint32_t> spritesInDrawingOrder() {
    std::vector<std::pair<uint32_t, int>> all;
    // The table runs in handle order, which is creation order; the stable sort keeps it per priority.
    engine().sprites.forEach([&](uint32_t handle, Sprite& s) { all.emplace_back(handle, s.priority); });
    std::stable_sort(all.begin(), all.end(), [](const auto& a, const auto& b) { return a.second < b.second; });
    std::vector<uint32_t> order;
    order.reserve(all.size());
    for (const auto& [handle, priority] : all) order.push_back(handle);
    return order;
}

}  // namespace vuz
