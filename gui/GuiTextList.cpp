#include "gui/GuiTextList.h"

#include <algorithm>

#include "gui/GuiTextBlock.h"

char GuiTextList::lastTyped = 0;

GuiTextList::GuiTextList(GuiBlocks* skin, int borderStyle, const std::string* partPaths, int partCount, int maxLength,
                         ObserveAbleString* text)
    : GuiTextBase(skin, borderStyle, partPaths, partCount, maxLength, text) {}

bool GuiTextList::editByKey(int key, std::string& shown) {
    constexpr int EnterKey = 28;
    if (key == EnterKey) return insertAt(shown, '\n');
    return GuiTextBase::editByKey(key, shown);
}

std::string GuiTextList::caretPrefix(int& linesAbove) const {
    const std::string& text = getCaption()->getText();
    const std::string before = text.substr(0, std::min(static_cast<size_t>(std::max(caretIndex, 0)), text.size()));
    linesAbove = static_cast<int>(std::count(before.begin(), before.end(), '\n'));
    const size_t feed = before.find_last_of('\n');
    return feed == std::string::npos ? before : before.substr(feed + 1);
}
