#include "gui/GuiText.h"

char GuiText::lastTyped = 0;

GuiText::GuiText(GuiBlocks* skin, int borderStyle, const std::string* partPaths, int partCount, int maxLength,
                 ObserveAbleString* text)
    : GuiTextBase(skin, borderStyle, partPaths, partCount, maxLength, text) {}
