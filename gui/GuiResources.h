// Where the toolkit's pictures, meshes, fonts and files come from. The game defines these over
// its resource archive (GuiArchiveResources.cpp); a program that links the toolkit without it
// gives its own definitions. Every create returns 0 on failure (the engine's rule) and every
// destroy accepts 0.
#pragma once

#include <cstdint>
#include <string>

// A sprite from a quad file; glyph: the quad is a font glyph (its picture is the folder's atlas).
uint32_t guiCreateSprite(const std::string& file, int owner, bool glyph);
void guiDestroySprite(uint32_t sprite);
uint32_t guiCreateMesh(const std::string& file);
void guiDestroyMesh(uint32_t mesh);
// An engine font from its width file, for the camera owner.
uint32_t guiCreateFont(const std::string& widthFile, int owner);
void guiDestroyFont(uint32_t font);
// The whole file into *bytes; false (and *bytes untouched) when it cannot be read.
bool guiReadFile(const std::string& path, std::string* bytes);
bool guiFileExists(const std::string& path);
