// An input field of several lines: Enter starts a new line (within the length limit), and the
// caret stands on the line it is in.
#pragma once

#include "gui/GuiTextBase.h"

class GuiTextList : public GuiTextBase {
public:
    GuiTextList(GuiBlocks* skin, int borderStyle, const std::string* partPaths, int partCount, int maxLength,
                ObserveAbleString* text);

    static char lastTyped;  // the last character the engine reported to a GuiTextList

protected:
    char& lastTypedChar() override { return lastTyped; }
    bool editByKey(int key, std::string& shown) override;
    std::string caretPrefix(int& linesAbove) const override;
};
