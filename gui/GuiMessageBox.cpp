#include "gui/GuiMessageBox.h"

#include "gui/GuiButton.h"
#include "gui/GuiManager.h"
#include "gui/GuiText.h"
#include "gui/MessageBoxListener.h"

GuiMessageBox::GuiMessageBox(GuiManager* manager, GuiBlocks* skin, const std::string* partPaths, int partCount)
    : GuiPanel(skin, 0, partPaths, partCount, false), manager(manager) {
    for (GuiButton** button : {&buttonA, &buttonB}) {
        *button = new GuiButton(skin, 0, nullptr, nullptr, nullptr, 0);
        addChild(*button);
        (*button)->setSize(Vector2(4.0f, 1.0f));
    }
    textA = new GuiText(skin, 1, nullptr, 0, -1, nullptr);
    addChild(textA);
    textA->setLocation(Vector2(1.0f, 2.0f));
    textA->setEditable(false);
    textB = new GuiText(skin, 1, nullptr, 0, -1, nullptr);
    addChild(textB);
    textB->setLocation(Vector2(2.0f, 1.0f));
    textB->setEditable(false);
    setLocation(Vector2(-8.0f, 0.0f));
    setSize(Vector2(18.0f, 6.0f));
    GuiComponent::deactivate();
    setAcceptsInput(false);
}

void GuiMessageBox::setMode(int newMode) {
    mode = newMode;
    if (newMode == 0) {
        buttonA->setText("OK");
        buttonA->activate();
        buttonA->setLocation(Vector2(7.0f, -1.0f));
        buttonB->deactivate();
    } else if (newMode == 1 || newMode == 2) {
        buttonA->setText(newMode == 1 ? "Confirm" : "Yes");
        buttonA->activate();
        buttonA->setLocation(Vector2(4.0f, -1.0f));
        buttonB->setText(newMode == 1 ? "Cancel" : "No");
        buttonB->activate();
        buttonB->setLocation(Vector2(10.0f, -1.0f));
    }
}

void GuiMessageBox::show(int newMode, const std::string& a, const std::string& b, MessageBoxListener* newListener) {
    setMode(newMode);
    textA->setText(a);
    textB->setText(b);
    listener = newListener;
    result = -1;
    setAcceptsInput(true);  // the open box takes its clicks
    GuiComponent::activate();
}

void GuiMessageBox::handleHighLevelEvent(HighLevelEvent& event) {
    result = event.source == buttonA ? 0 : 1;
    if (manager) manager->showCurrent(result);
    MessageBoxListener* told = listener;
    listener = nullptr;
    // Closed before the listener hears, so a listener may ask its next question at once.
    setAcceptsInput(false);
    GuiComponent::deactivate();
    if (told) told->onMessageBoxResult(result);
}
