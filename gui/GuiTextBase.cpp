#include "gui/GuiTextBase.h"

#include <algorithm>

#include "gui/GuiArtist.h"
#include "gui/GuiFont.h"
#include "gui/GuiTextBlock.h"
#include "gui/IPrimitiveFactory.h"
#include "gui/IRect.h"
#include "platform/vuzirovari/vuzirovari.h"

namespace {

bool isCharacterKey(int key) {
    return (key >= 2 && key <= 13) || (key >= 16 && key <= 27) || (key >= 30 && key <= 41) ||
           (key >= 43 && key <= 53) || key == 55;
}

bool printable(unsigned char c) { return (c >= 32 && c <= 126) || c >= 160; }

constexpr int SpaceKey = 57, BackspaceKey = 14, DeleteKey = 211, LeftKey = 203, RightKey = 205, HomeKey = 199,
              EndKey = 207;

}  // namespace

GuiTextBase::GuiTextBase(GuiBlocks* skin, int borderStyle, const std::string* partPaths, int partCount, int maxLength,
                         ObserveAbleString* text)
    : GuiComponent(skin, borderStyle, partPaths, partCount, text, false), maxLength(static_cast<unsigned>(maxLength)) {
    GuiArtist* artist = getArtist();
    if (IPrimitiveFactory* factory = getPrimitiveFactory(); factory && artist) {
        caret = factory->createRectPrimitive(artist->textCursorPath, false);
    }
    updateCaret();
}

GuiTextBase::~GuiTextBase() {
    if (IPrimitiveFactory* factory = getPrimitiveFactory()) factory->destroyRect(caret);
}

void GuiTextBase::setFocus() {
    GuiComponent::setFocus();
    blinkCounter = 0;
    caretVisible = true;
    caretIndex = static_cast<int>(textLength());
    updateCaret();
}

void GuiTextBase::clearFocus() {
    GuiComponent::clearFocus();
    blinkCounter = 0;
    caretVisible = false;
    updateCaret();
}

void GuiTextBase::refresh() {
    GuiComponent::refresh();
    updateCaret();
}

void GuiTextBase::setText(const std::string& text) {
    GuiComponent::setText(text);
    caretIndex = 0;
    updateCaret();
}

void GuiTextBase::onKeyHeld(int key) {
    if (!acceptsInput() || !editable || key < 0 || key > 255) return;
    blinkCounter = 0;
    caretVisible = true;
    int& held = keyRepeat[key];
    ++held;
    if (held == 40) held = 35;
    else if (held != 1) return;
    clampCaret();
    std::string shown = getCaption()->getText();
    if (editByKey(key, shown)) GuiComponent::setText(shown);
    updateCaret();
}

void GuiTextBase::onKeyUp(int key) {
    if (acceptsInput() && editable && key >= 0 && key <= 255) keyRepeat[key] = 0;
}

void GuiTextBase::setAcceptsInput(bool accepts) {
    GuiComponent::setAcceptsInput(accepts);
    if (editable && hasFocus()) std::fill(std::begin(keyRepeat), std::end(keyRepeat), 0);
}

void GuiTextBase::tick() {
    if (!editable || !hasFocus()) return;
    if (blinkCounter == 30) {
        blinkCounter = 0;
        caretVisible = !caretVisible;
        updateCaret();
    }
    ++blinkCounter;
}

void GuiTextBase::setEditable(bool newEditable) {
    if (newEditable == editable) return;
    editable = newEditable;
    if (editable) {
        if (caret) caret->show();
        showBorder();
        showBackground();
    } else {
        std::fill(std::begin(keyRepeat), std::end(keyRepeat), 0);
        if (caret) caret->hide();
        hideBorder();
        hideBackground();
    }
    updateCaret();
}

float GuiTextBase::measureText() const { return getCaption()->measure(getCaption()->getText()); }

float GuiTextBase::getCharHeight() const { return getCaption()->getCharHeight(); }

bool GuiTextBase::editByKey(int key, std::string& shown) {
    const int length = static_cast<int>(shown.size());
    if (isCharacterKey(key)) {
        if (atLimit()) return false;
        const char c = takeTypedChar();
        return c != 0 && insertAt(shown, c);
    }
    switch (key) {
    case SpaceKey:
        iTypedChar(1);
        return insertAt(shown, ' ');
    case BackspaceKey:
        if (caretIndex == 0) return false;
        --caretIndex;
        return removeAt(shown, static_cast<size_t>(caretIndex));
    case DeleteKey:
        return caretIndex < length && removeAt(shown, static_cast<size_t>(caretIndex));
    case LeftKey:
        if (caretIndex > 0) --caretIndex;
        return false;
    case RightKey:
        if (caretIndex < length) ++caretIndex;
        return false;
    case HomeKey:
        caretIndex = 0;
        return false;
    case EndKey:
        caretIndex = length;
        return false;
    default:
        return false;
    }
}

bool GuiTextBase::atLimit() const { return textLength() >= maxLength; }

bool GuiTextBase::insertAt(std::string& shown, char c) {
    if (atLimit()) return false;
    shown.insert(static_cast<size_t>(caretIndex), 1, c);
    ++caretIndex;
    return true;
}

bool GuiTextBase::removeAt(std::string& shown, size_t index) {
    shown.erase(index, 1);
    return true;
}

std::string GuiTextBase::caretPrefix(int& linesAbove) const {
    linesAbove = 0;
    const std::string& text = getCaption()->getText();
    return text.substr(0, std::min(static_cast<size_t>(std::max(caretIndex, 0)), text.size()));
}

char GuiTextBase::takeTypedChar() {
    char& last = lastTypedChar();
    const int typed = iTypedChar(1);
    if (typed != 0) last = static_cast<char>(typed);
    return printable(static_cast<unsigned char>(last)) ? last : 0;
}

void GuiTextBase::updateCaret() {
    if (!caret) return;
    clampCaret();
    if (isActiveInHierarchy() && editable && caretVisible) caret->show();
    else caret->hide();
    int linesAbove = 0;
    const std::string prefix = caretPrefix(linesAbove);
    const GuiTextBlock* caption = getCaption();
    const Vector2 cell = caption->getCharSize();
    GuiFont* font = getFont();
    const float prefixWidth = font ? font->textWidth(prefix, cell, caption->getSpacing()) : 0.0f;
    const Vector2 at = getAbsoluteLocation();
    const float x = at.x + prefixWidth - caret->getSize().x * 0.5f + getTextOffset().x;
    caret->setLocation(Vector2(x, at.y - cell.y * static_cast<float>(linesAbove)));
    caret->setSize(cell * 2.5f);
}

void GuiTextBase::clampCaret() { caretIndex = std::clamp(caretIndex, 0, static_cast<int>(getCaption()->getText().size())); }

unsigned GuiTextBase::textLength() const { return static_cast<unsigned>(getCaption()->getText().size()); }
