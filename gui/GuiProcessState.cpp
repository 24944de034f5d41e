#include "gui/GuiProcessState.h"

#include "gui/GuiArtist.h"

void resetGuiProcessState() {
    GuiArtist::keySound = 0;
    GuiArtist::sweepSound = 0;
}
