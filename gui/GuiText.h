// A label (not editable: no frame, no background, no caret) or a one-line input field.
#pragma once

#include "gui/GuiTextBase.h"

class GuiText : public GuiTextBase {
public:
    // maxLength: the longest text typing may produce, -1 for no limit.
    GuiText(GuiBlocks* skin, int borderStyle, const std::string* partPaths, int partCount, int maxLength,
            ObserveAbleString* text);

    virtual void setMaxLength(int length) { maxLength = static_cast<unsigned>(length); }
    virtual int getMaxLength() const { return static_cast<int>(maxLength); }

    static char lastTyped;  // the last character the engine reported to a GuiText

protected:
    char& lastTypedChar() override { return lastTyped; }
};
