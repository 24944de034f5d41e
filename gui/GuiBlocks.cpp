#include "gui/GuiBlocks.h"

GuiBlocks* sharedGuiBlocks = nullptr;

GuiBlocks& GuiBlocks::assign(const GuiBlocks& other) {
    artist = other.artist;
    borderFactory = other.borderFactory;
    font = other.font;
    sound = other.sound;
    ticker = other.ticker;
    return *this;
}
