// Starting and clearing the engine's resources and the 2D layer.
#include "engine_state.h"

namespace vuz {

void startFrameText() { engine().texts.clear(); }

void clearResources() {
    EngineState& e = engine();
    e.sprites.clear();
    e.fonts.clear();
    e.meshes.clear();
    e.skinMeshes.clear();
    e.bodies.clear();
    e.textures.clear();
    e.texts.reset();
}

}  // namespace vuz
