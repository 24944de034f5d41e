#include "gui/GuiScreen.h"

#include "gui/GuiManager.h"
#include "gui/TransitionStrategy.h"
#include "platform/vuzirovari/vuzirovari.h"

GuiScreen::GuiScreen(GuiManager* manager, GuiBlocks* skin, const std::string* partPaths, int partCount)
    : GuiPanel(skin, -1, partPaths, partCount, false), manager(manager) {
    GuiComponent::setLocation(Vector2(-16.0f, 0.0f));
    GuiComponent::setSize(Vector2(32.0f, 24.0f));
    GuiComponent::deactivate();
    if (manager) manager->finishScreenChange();
    GuiComponent::setAcceptsInput(false);
}

void GuiScreen::deactivate() {
    GuiComponent::deactivate();
    if (manager) manager->finishScreenChange();
}

void GuiScreen::activate() {
    GuiComponent::activate();
    if (manager) manager->enableScreenInput();
}

bool GuiScreen::isInTransition() const { return transition && transition->isRunning(); }

void GuiScreen::setTransition(TransitionStrategy* newTransition) {
    if (transition && transition != newTransition) transition->setTarget(nullptr);
    transition = newTransition;
    if (transition) transition->setTarget(&getChildren());
}

void GuiScreen::tick() {
    GuiPanel::tick();
    if (transition) static_cast<TickAble*>(transition)->tick();
    if (iKeyClick(1) && !isInTransition()) onLeave();
}
