#include "gui/GuiTextPassword.h"

char GuiTextPassword::lastTyped = 0;

GuiTextPassword::GuiTextPassword(GuiBlocks* skin, int borderStyle, const std::string* partPaths, int partCount,
                                 int maxLength, ObserveAbleString* text)
    : GuiTextBase(skin, borderStyle, partPaths, partCount, maxLength, text) {}

void GuiTextPassword::setText(const std::string& text) {
    realText = text;
    GuiTextBase::setText(std::string(text.size(), '*'));
}

bool GuiTextPassword::editByKey(int key, std::string& shown) {
    constexpr int BackspaceKey = 14, DeleteKey = 211;
    const bool characterKey = (key >= 2 && key <= 13) || (key >= 16 && key <= 27) || (key >= 30 && key <= 41) ||
                              (key >= 43 && key <= 53) || key == 55;
    if (characterKey || key == BackspaceKey || key == DeleteKey) return GuiTextBase::editByKey(key, shown);
    return false;  // space, Enter, arrows, Home and End do nothing here
}

bool GuiTextPassword::atLimit() const { return realText.size() >= maxLength; }

bool GuiTextPassword::insertAt(std::string& shown, char c) {
    if (atLimit() || static_cast<size_t>(caretIndex) > realText.size()) return false;
    realText.insert(static_cast<size_t>(caretIndex), 1, c);
    shown.insert(static_cast<size_t>(caretIndex), 1, '*');
    ++caretIndex;
    return true;
}

bool GuiTextPassword::removeAt(std::string& shown, size_t index) {
    if (index >= realText.size() || index >= shown.size()) return false;
    realText.erase(index, 1);
    shown.erase(index, 1);
    return true;
}
