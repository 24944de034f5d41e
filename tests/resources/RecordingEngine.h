// Engine functions for FileArchive tests that record exactly what reaches the engine: the
// bytes of every buffer, texture ids and pass-through values. Each kind numbers its handles
// from 1, as the real engine does; a create can be made to fail.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "resources/ResourceEngine.h"

struct RecordedCreate {
    std::string kind;                // "sprite", "mesh", "shadow", "skin", "body", "bodySG", "font"
    std::string file;                // the main file's bytes
    std::string companion;           // texture or collision bytes
    bool companionNull = false;
    int textureId = -1;
    int owner = 0;                   // owner, or the shadow caster's body
    float value = 0;                 // shadow size or body mass
    bool arraysNull = false;         // skinned mesh: both arrays null
    std::vector<std::string> extras; // skinned mesh files, or the 256 glyphs ("<null>" when missing)
    uint32_t handle = 0;
};

struct RecordedDestroy {
    std::string kind;
    uint32_t handle;
};

struct RecordingEngine {
    static RecordingEngine& get();
    static const ResourceEngine& functions();
    void reset();

    std::vector<RecordedCreate> creates;
    std::vector<RecordedDestroy> destroys;
    bool failCreates = false;
    size_t skinFileCount = 0;  // how many further files the next skinned mesh receives
    uint32_t nextHandle[5] = {1, 1, 1, 1, 1};  // sprite, mesh, skin, body, font
};
