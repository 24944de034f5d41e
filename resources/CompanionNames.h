// The names of the files that travel with a resource file. Each returns a new name, or ""
// when the name is too short to have that companion.
#pragma once

#include <string>

// "cursor.x" -> "cursor.png": the last character replaced by "png". "" for "".
std::string pngCompanionName(const std::string& name);
// "mat.ply" -> "mat.pol": the last three characters replaced. "" below three characters.
std::string polCompanionName(const std::string& name);
// "Blair.wid" -> "Blair.dds": the last three characters replaced. "" below three characters.
std::string ddsCompanionName(const std::string& name);
// "gui\font\font_41.x" -> "gui\font\fonts.dds": the glyph atlas of the name's folder, or
// "fonts.dds" for a name without a folder. "" for "".
std::string fontsDdsCompanionName(const std::string& name);
