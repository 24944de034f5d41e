// Writes, under the game's names, every file a fighter opens: one small 38-bone skeleton for the
// nine body meshes, every clip in both folders, the sixteen ragdoll parts and shadow meshes, the
// textures and a flat mat. The rest pose stands with the left foot in front (both feet on
// x = 0, at z = +0.30 and -0.30); the clip of action 22 swings the rear (right) thigh forward to
// 90 degrees and back over 40 frames; the kip-up lasts 40 frames, every other clip 25.
#pragma once

#include <string>

namespace FighterTestFiles {

// Writes everything into folder (created when missing).
void write(const std::string& folder);

// The mat's collision set files.
constexpr const char* MatPly = "Tavek_res\\arenas\\testmat.ply";
constexpr const char* MatPol = "Tavek_res\\arenas\\testmat.pol";

}  // namespace FighterTestFiles
