// What the three text fields share: a caption that is a label when not editable, and an input
// field when editable, with a blinking caret, its own key repeat (a held key acts on its 1st,
// 40th, then every 5th frame) and a length limit. Keys reach a field as the focused child of a
// panel that accepts input. Only printable Latin-1 characters are ever inserted, never past the
// limit, and the caret never leaves the text.
#pragma once

#include <climits>

#include "gui/GuiComponent.h"

class GuiTextBase : public GuiComponent {
public:
    static constexpr unsigned NoLimit = UINT_MAX;

    ~GuiTextBase() override;

    void setFocus() override;    // the caret to the end, lit
    void clearFocus() override;  // the caret hidden
    void refresh() override;
    void setText(const std::string& text) override;  // the caret to the start
    void onKeyHeld(int key) override;
    void onKeyUp(int key) override;
    void setAcceptsInput(bool accepts) override;
    bool isFocusable() const override { return editable; }
    void tick() override;  // the caret's blink, every 30 ticks while focused

    virtual void setEditable(bool editable);
    virtual bool isEditable() const { return editable; }
    virtual float measureText() const;
    virtual float getCharHeight() const;

    int getCaretIndex() const { return caretIndex; }
    bool isCaretLit() const { return caretVisible; }
    IRect* getCaret() const { return caret; }

protected:
    GuiTextBase(GuiBlocks* skin, int borderStyle, const std::string* partPaths, int partCount, int maxLength,
                ObserveAbleString* text);

    // The class's own memory of the last character the engine reported.
    virtual char& lastTypedChar() = 0;
    // The key's edit of the text shown (and, for a password, the real text); true when the
    // text changed and goes to the caption.
    virtual bool editByKey(int key, std::string& shown);
    // Whether the text has reached the length limit.
    virtual bool atLimit() const;
    // Inserts c at the caret when the limit allows; true when inserted.
    virtual bool insertAt(std::string& shown, char c);
    virtual bool removeAt(std::string& shown, size_t index);
    // The text the caret is measured against: what is shown before the caret on its line, and
    // how many lines lie above it.
    virtual std::string caretPrefix(int& linesAbove) const;
    // A typed character for this key, or 0 when the engine and the memory have none.
    char takeTypedChar();
    void updateCaret();
    void clampCaret();
    unsigned textLength() const;

    int caretIndex = 0;
    unsigned maxLength;

private:
    int blinkCounter = 0;
    bool caretVisible = false;
    int keyRepeat[256] = {};
    bool editable = true;
    IRect* caret = nullptr;
};
