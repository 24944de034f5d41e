// An input field that shows one "*" per character typed; getText gives what was typed. The
// caret only moves by typing and deleting.
#pragma once

#include "gui/GuiTextBase.h"

class GuiTextPassword : public GuiTextBase {
public:
    GuiTextPassword(GuiBlocks* skin, int borderStyle, const std::string* partPaths, int partCount, int maxLength,
                    ObserveAbleString* text);

    std::string getText() const override { return realText; }
    // The text becomes what was typed, shown masked; the caret to the start.
    void setText(const std::string& text) override;

    virtual void setMaxLength(int length) { maxLength = static_cast<unsigned>(length); }
    virtual int getMaxLength() const { return static_cast<int>(maxLength); }

    static char lastTyped;  // the last character the engine reported to a GuiTextPassword

protected:
    char& lastTypedChar() override { return lastTyped; }
    bool editByKey(int key, std::string& shown) override;
    bool atLimit() const override;
    bool insertAt(std::string& shown, char c) override;
    bool removeAt(std::string& shown, size_t index) override;

private:
    std::string realText;
};
