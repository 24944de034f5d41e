#include "gui/GuiArtist.h"

#include "platform/vuzirovari/vuzirovari.h"

uint32_t GuiArtist::keySound = 0;
uint32_t GuiArtist::sweepSound = 0;

GuiArtist::GuiArtist(IPrimitiveFactory* factory)
    : factory(factory), mouseArtist(factory), firstBorderArtist(factory), secondBorderArtist(factory) {
    if (keySound == 0) keySound = iSoundOggCreate(keySoundPath.c_str(), 0, 0);
    if (sweepSound == 0) sweepSound = iSoundOggCreate(sweepSoundPath.c_str(), 0, 0);
}
