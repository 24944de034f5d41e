#include "gui/GuiPanel.h"

#include <algorithm>

GuiPanel::GuiPanel(GuiBlocks* skin, int borderStyle, const std::string* partPaths, int partCount, bool widenedPick)
    : GuiComponent(skin, borderStyle, partPaths, partCount, nullptr, widenedPick) {}

GuiPanel::~GuiPanel() {
    // Each child leaves first, so nothing it does while going reaches a half-gone panel.
    std::vector<GuiComponent*> held;
    held.swap(children);
    focusedChild = nullptr;
    for (GuiComponent* child : held) {
        child->removeLowLevelEventListener(this);
        child->removeHighLevelEventListener(this);
        delete child;
    }
}

void GuiPanel::refresh() {
    GuiComponent::refresh();
    for (GuiComponent* child : children) child->refresh();
}

void GuiPanel::onMouseHeld(int button) {
    if (!acceptsInput()) return;
    GuiComponent::onMouseHeld(button);
    if (GuiComponent* child = getChildUnderMouse()) child->onMouseHeld(button);
}

void GuiPanel::onMousePressed(int button) {
    if (!acceptsInput()) return;
    GuiComponent::onMousePressed(button);
    GuiComponent* child = getChildUnderMouse();
    if (!child) return;
    if (child != focusedChild) moveFocus(child);
    child->onMousePressed(button);
}

void GuiPanel::onMouseUp(int button) {
    if (!acceptsInput()) return;
    GuiComponent::onMouseUp(button);
    if (focusedChild) focusedChild->onMouseUp(button);
}

void GuiPanel::onMouseReleased(int button) {
    if (!acceptsInput()) return;
    GuiComponent::onMouseReleased(button);
    if (focusedChild) focusedChild->onMouseReleased(button);
}

void GuiPanel::onKeyHeld(int key) {
    if (!acceptsInput()) return;
    GuiComponent::onKeyHeld(key);
    if (focusedChild) focusedChild->onKeyHeld(key);
}

void GuiPanel::onKeyPressed(int key) {
    if (!acceptsInput()) return;
    GuiComponent::onKeyPressed(key);
    if (focusedChild) focusedChild->onKeyPressed(key);
}

void GuiPanel::onKeyUp(int key) {
    if (!acceptsInput()) return;
    GuiComponent::onKeyUp(key);
    if (focusedChild) focusedChild->onKeyUp(key);
}

void GuiPanel::onKeyReleased(int key) {
    if (!acceptsInput()) return;
    GuiComponent::onKeyReleased(key);
    if (focusedChild) focusedChild->onKeyReleased(key);
}

void GuiPanel::addChild(GuiComponent* child) {
    if (!child || child == this || std::find(children.begin(), children.end(), child) != children.end()) return;
    // A component belongs to one panel: it leaves the one it was in before.
    if (auto* previous = dynamic_cast<GuiPanel*>(child->getParent())) previous->removeChild(child);
    children.push_back(child);
    child->setParent(this);
    child->addLowLevelEventListener(this);
    child->addHighLevelEventListener(this);
}

void GuiPanel::removeChild(GuiComponent* child) {
    auto it = std::find(children.begin(), children.end(), child);
    if (it == children.end()) return;
    children.erase(it);
    child->setParent(nullptr);
    child->removeLowLevelEventListener(this);
    child->removeHighLevelEventListener(this);
    if (child == focusedChild) {
        child->clearFocus();
        focusedChild = nullptr;
    }
}

bool GuiPanel::isInTransition() const {
    const auto* panel = dynamic_cast<const GuiPanel*>(getParent());
    return panel && panel->isInTransition();
}

GuiComponent* GuiPanel::getChildUnderMouse() {
    for (auto it = children.rbegin(); it != children.rend(); ++it) {
        if ((*it)->containsMouse() && (*it)->isActive()) return *it;
    }
    return nullptr;
}

void GuiPanel::focusNext() {
    const std::vector<GuiComponent*> focusable = focusableChildren();
    if (focusable.empty()) return;
    auto at = std::find(focusable.begin(), focusable.end(), focusedChild);
    GuiComponent* next = (at != focusable.end() && at + 1 != focusable.end()) ? *(at + 1) : focusable.front();
    moveFocus(next);
}

void GuiPanel::focusPrevious() {
    const std::vector<GuiComponent*> focusable = focusableChildren();
    if (focusable.empty()) return;
    auto at = std::find(focusable.begin(), focusable.end(), focusedChild);
    GuiComponent* previous = (at != focusable.end() && at != focusable.begin()) ? *(at - 1) : focusable.back();
    moveFocus(previous);
}

void GuiPanel::tick() {
    if (focusedChild) static_cast<TickAble*>(focusedChild)->tick();
}

void GuiPanel::handleLowLevelEvent(Event& event) {
    if (auto* listener = dynamic_cast<LowLevelEventListener*>(getParent())) listener->handleLowLevelEvent(event);
}

void GuiPanel::handleHighLevelEvent(HighLevelEvent& event) {
    if (auto* listener = dynamic_cast<HighLevelEventListener*>(getParent())) listener->handleHighLevelEvent(event);
}

void GuiPanel::moveFocus(GuiComponent* child) {
    if (focusedChild) focusedChild->clearFocus();
    focusedChild = child;
    child->setFocus();
}

std::vector<GuiComponent*> GuiPanel::focusableChildren() const {
    std::vector<GuiComponent*> focusable;
    for (GuiComponent* child : children) {
        if (child->isFocusable()) focusable.push_back(child);
    }
    return focusable;
}
