#include "game/ShinyScreen.h"

#include "gui/GuiManager.h"
#include "gui/GuiProcessState.h"
#include "resources/StartupTables.h"

namespace {
constexpr int AnimationCount = 30;  // counts 30 down to 0: 31 ticks
}  // namespace

ShinyScreen::ShinyScreen(GuiManager* manager, GuiBlocks* skin)
    : GuiScreen(manager, skin, menuScreenSprites.data(), static_cast<int>(menuScreenSprites.size())),
      manager(manager) {
    setTransition(&transition);
    hideBackground();
    setPartOffset(0, Vector2(0.0f, 0.0f));
    setPartSize(0, Vector2(32.0f, 24.0f));
    setPartOffset(1, Vector2(-16.0f, 0.0f));
    setPartSize(1, Vector2(16.0f, 24.0f));
}

ShinyScreen::~ShinyScreen() { setTransition(nullptr); }

bool ShinyScreen::isBackgroundShown() const { return isPartVisible(0); }

void ShinyScreen::deactivate() {
    setAcceptsInput(false);
    closing = true;
    closingCount = AnimationCount;
    if (TransitionStrategy* slide = getTransition()) slide->startOut();
}

void ShinyScreen::activate() {
    setAcceptsInput(false);
    opening = true;
    openingCount = AnimationCount;
    if (TransitionStrategy* slide = getTransition()) slide->startIn();
}

void ShinyScreen::tick() {
    GuiScreen::tick();
    if (opening) {
        stepOpening();
    } else if (closing) {
        stepClosing();
    } else {
        return;
    }
    extraRenderRequested = true;
}

void ShinyScreen::placeAnimatedParts(float share) {
    setPartSize(2, Vector2(logoSize.x * share, logoSize.y * share));
    const float width = getPartSize(2).x;
    setPartOffset(2, Vector2(logoCentre.x - 0.5f * width, logoCentre.y));
}

void ShinyScreen::stepOpening() {
    const int n = openingCount;
    if (n == AnimationCount) GuiComponent::activate();
    const float left = static_cast<float>(n) / AnimationCount;
    setPartColour(0, 1.0f, 1.0f, 1.0f, 1.0f - left);
    setPartOffset(1, Vector2(0.0f, -static_cast<float>(n)));
    placeAnimatedParts(1.0f - left);
    openingCount = n - 1;
    if (openingCount != -1) return;
    opening = false;
    setPartOffset(0, Vector2(0.0f, 0.0f));
    setPartOffset(1, Vector2(0.0f, 0.0f));
    // A closing already asked for keeps the next screen deaf until its own opening has ended.
    if (!closing && manager) manager->enableScreenInput();
}

void ShinyScreen::stepClosing() {
    const int m = closingCount;
    const float share = static_cast<float>(m) / AnimationCount;
    setPartColour(0, 1.0f, 1.0f, 1.0f, share);
    setPartOffset(1, Vector2(0.0f, static_cast<float>(m - AnimationCount)));
    placeAnimatedParts(share);
    closingCount = m - 1;
    if (closingCount != -1) return;
    GuiComponent::deactivate();
    closing = false;
    if (manager) manager->finishScreenChange();
}
