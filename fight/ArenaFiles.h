// The files of the five arenas: the scenery in load order (the people of the hall lie in the
// arena's "characters" folder) and the light maps drawn over it.
#pragma once

#include <string>
#include <vector>

namespace ArenaFiles {

constexpr int ArenaCount = 5;

// The arena's folder, "Tavek_res\arenas\arena1\" ... "arena5\".
std::string folder(int index);
// Scenery file names relative to the folder, in load order.
const std::vector<std::string>& sceneFiles(int index);
// Light-map file names relative to the folder.
const std::vector<std::string>& lightMapFiles(int index);

// Arena 2's mirror, its alpha picture and its plane.
constexpr const char* MirrorFile = "Tavek_res\\arenas\\arena2\\mirror.x";
constexpr const char* MirrorAlphaFile = "Tavek_res\\arenas\\arena2\\mirror_alpha.png";
constexpr int MirrorArena = 1;

}  // namespace ArenaFiles
