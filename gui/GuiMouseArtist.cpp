#include "gui/GuiMouseArtist.h"

GuiMouseArtist::GuiMouseArtist(IPrimitiveFactory* factory) : factory(factory) {}
