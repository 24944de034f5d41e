#include "gui/GuiDLG.h"

#include "gui/GuiManager.h"
#include "gui/TransitionStrategy.h"

GuiDLG::GuiDLG(GuiManager* manager, GuiBlocks* skin, const std::string* partPaths, int partCount)
    : GuiPanel(skin, 0, partPaths, partCount, false), manager(manager) {
    GuiComponent::setLocation(Vector2(-8.0f, 0.0f));
    GuiComponent::setSize(Vector2(16.0f, 12.0f));
    GuiComponent::deactivate();
    if (manager) manager->finishDialogChange();
    GuiComponent::setAcceptsInput(false);
}

void GuiDLG::deactivate() {
    GuiComponent::deactivate();
    if (manager) manager->finishDialogChange();
}

void GuiDLG::activate() {
    GuiComponent::activate();
    if (manager) manager->enableDialogInput();
}

void GuiDLG::setTransition(TransitionStrategy* newTransition) {
    if (transition && transition != newTransition) transition->setTarget(nullptr);
    transition = newTransition;
    if (transition) transition->setTarget(&getChildren());
}

void GuiDLG::tick() {
    GuiPanel::tick();
    if (transition) static_cast<TickAble*>(transition)->tick();
}
