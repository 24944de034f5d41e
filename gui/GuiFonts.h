// The game's five GUI fonts, made once by the game master (never deleted while the game runs).
// fontWhite is the skin's font and the font of the quick prints. Null until made.
#pragma once

class GuiFont;

extern GuiFont* fontBlack;
extern GuiFont* fontBlack30;
extern GuiFont* fontWhite30;
extern GuiFont* fontBlue30;
extern GuiFont* fontWhite;
