// The skin bundle every component keeps: artist, border factory, font, click sound and print
// list, all borrowed. Components keep a pointer to the bundle, so a member replaced here is
// seen by all of them; a screen that wants another font copies the bundle first.
#pragma once

class GuiArtist;
class GuiBorderFactory;
class GuiFont;
class GuiSound;
class GuiTextBlockTicker;

class GuiBlocks {
public:
    GuiBlocks(GuiArtist* artist, GuiBorderFactory* borderFactory, GuiFont* font, GuiSound* sound,
              GuiTextBlockTicker* ticker)
        : artist(artist), borderFactory(borderFactory), font(font), sound(sound), ticker(ticker) {}
    virtual ~GuiBlocks() = default;

    virtual GuiBlocks& assign(const GuiBlocks& other);

    GuiArtist* artist;
    GuiBorderFactory* borderFactory;
    GuiFont* font;
    GuiSound* sound;
    GuiTextBlockTicker* ticker;
};

// The game's bundle, published by the menu master; null until then.
extern GuiBlocks* sharedGuiBlocks;
