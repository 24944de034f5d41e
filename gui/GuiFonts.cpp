#include "gui/GuiFonts.h"

GuiFont* fontBlack = nullptr;
GuiFont* fontBlack30 = nullptr;
GuiFont* fontWhite30 = nullptr;
GuiFont* fontBlue30 = nullptr;
GuiFont* fontWhite = nullptr;
