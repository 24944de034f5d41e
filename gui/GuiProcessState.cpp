#include "gui/GuiProcessState.h"

#include "gui/GuiArtist.h"
#include "gui/GuiManager.h"
#include "gui/GuiText.h"
#include "gui/GuiTextList.h"
#include "gui/GuiTextPassword.h"

bool extraRenderRequested = false;

void resetGuiProcessState() {
    extraRenderRequested = false;
    GuiArtist::keySound = 0;
    GuiArtist::sweepSound = 0;
    GuiManager::releaseLatches();
    GuiText::lastTyped = 0;
    GuiTextList::lastTyped = 0;
    GuiTextPassword::lastTyped = 0;
}
