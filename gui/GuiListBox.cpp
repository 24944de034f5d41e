#include "gui/GuiListBox.h"

#include <algorithm>
#include <cmath>

#include "gui/GuiArtist.h"
#include "gui/GuiSuperLever.h"
#include "gui/GuiTextBlock.h"
#include "gui/IPrimitiveFactory.h"
#include "gui/IRect.h"
#include "platform/vuzirovari/vuzirovari.h"

GuiListBox::GuiListBox(GuiBlocks* skin, const std::string* partPaths, int partCount)
    : GuiPanel(skin, -1, partPaths, partCount, true) {
    scrollLever = new GuiSuperLever(skin, -1, nullptr, 0, nullptr);
    addChild(scrollLever);
    scrollLever->setHorizontal(false);
    scrollLever->deactivateLever(0);
    scrollLever->hide();
    scrollLever->hideBackground();
    scrollLever->setReversed(true);
    GuiArtist* artist = getArtist();
    if (IPrimitiveFactory* factory = getPrimitiveFactory(); factory && artist) {
        highlight = factory->createRectPrimitive(artist->firstFillPath, false);
    }
    hideBorder();
    updateScrollLever();
    layout();
}

GuiListBox::~GuiListBox() {
    clear();
    if (IPrimitiveFactory* factory = getPrimitiveFactory()) factory->destroyRect(highlight);
}

void GuiListBox::setSize(const Vector2& size) {
    const float rows = std::floor(size.y);
    GuiPanel::setSize(Vector2(size.x, rows));
    visibleCount = rows > 0.0f ? static_cast<int>(rows) : 0;
    keepWindow();
    updateScrollLever();
    layout();
}

void GuiListBox::refresh() {
    GuiPanel::refresh();
    layout();
}

void GuiListBox::setTextCharSize(const Vector2& cell) {
    GuiPanel::setTextCharSize(cell);
    for (GuiTextBlock* item : items) item->setCharSize(cell);
    layout();
}

void GuiListBox::onMousePressed(int button) {
    if (!acceptsInput()) return;
    GuiPanel::onMousePressed(button);
    if (button != 0 || items.empty()) return;
    // Rows are drawn 2h apart from the top, h the items' cell height; the pointer's own point
    // (half a unit above the plane reading) picks the row drawn under it.
    const Vector2 at = getAbsoluteLocation(), size = getSize();
    const float px = 32.0f * iMouseX() - 16.0f;
    const float pointerY = 12.0f - 24.0f * iMouseY() + 0.5f;
    if (!(px >= at.x && px <= at.x + size.x)) return;
    const float pitch = 2.0f * items.front()->getCharHeight();
    if (!(pitch > 0.0f)) return;
    const float top = at.y + size.y * 0.5f;
    const float row = std::floor((top - pointerY) / pitch);
    if (!(row >= 0.0f && row < static_cast<float>(visibleCount))) return;
    const int index = static_cast<int>(row) + firstVisible;
    if (index >= getItemCount()) return;
    selected = index;
    layout();
}

void GuiListBox::handleHighLevelEvent(HighLevelEvent& event) {
    GuiPanel::handleHighLevelEvent(event);
    if (!event.valueChanged || event.source != scrollLever || getItemCount() <= visibleCount) return;
    firstVisible = scrollLever->getIntValue();
    keepWindow();
    layout();
}

bool GuiListBox::scrollUp() {
    if (firstVisible <= 0) return false;
    moveWindowTo(firstVisible - 1);
    return true;
}

bool GuiListBox::scrollDown() {
    if (firstVisible + visibleCount >= getItemCount()) return false;
    moveWindowTo(firstVisible + 1);
    return true;
}

void GuiListBox::setSelectedIndex(int index) {
    if (index < 0 || index >= getItemCount()) return;
    selected = index;
    int first = firstVisible;
    if (index < first) first = index;
    else if (index >= first + visibleCount) first = index - visibleCount + 1;
    moveWindowTo(first);
}

std::string GuiListBox::getSelectedText() const {
    if (selected < 0 || selected >= getItemCount()) return std::string();
    return items[static_cast<size_t>(selected)]->getText();
}

void GuiListBox::addItem(const std::string& text) {
    auto* item = new GuiTextBlock(getArtist(), getFont(), getTicker(), true);
    item->setCharSize(getTextCharSize());
    item->setText(text);
    items.push_back(item);
    updateScrollLever();
    layout();
}

void GuiListBox::removeItem(int index) {
    if (index < 0 || index >= getItemCount()) return;
    delete items[static_cast<size_t>(index)];
    items.erase(items.begin() + index);
    if (selected >= getItemCount()) selected = -1;
    keepWindow();
    updateScrollLever();
    layout();
}

void GuiListBox::clear() {
    for (GuiTextBlock* item : items) delete item;
    items.clear();
    selected = -1;
    firstVisible = 0;
    updateScrollLever();
    layout();
}

void GuiListBox::layout() {
    const bool drawn = isActiveInHierarchy() && isShown();
    if (!drawn) {
        if (highlight) highlight->hide();
        for (GuiTextBlock* item : items) item->hide();
        return;
    }
    const Vector2 at = getAbsoluteLocation(), size = getSize();
    const float top = at.y + size.y * 0.5f;
    for (int i = 0; i < getItemCount(); ++i) {
        GuiTextBlock* item = items[static_cast<size_t>(i)];
        const int row = i - firstVisible;
        if (row < 0 || row >= visibleCount) {
            item->hide();
            continue;
        }
        const float h = item->getCharHeight();
        item->setLocation(Vector2(at.x + h * 0.25f, top - h - 2.0f * h * static_cast<float>(row)));
        item->show();
    }
    if (!highlight) return;
    const int row = selected - firstVisible;
    if (selected < 0 || selected >= getItemCount() || row < 0 || row >= visibleCount || !highlightShown) {
        highlight->hide();
        return;
    }
    const float h = items[static_cast<size_t>(selected)]->getCharHeight();
    highlight->setSize(Vector2(size.x, 2.0f * h));
    highlight->setLocation(Vector2(at.x, top - 2.0f * h * static_cast<float>(row) - h));
    highlight->show();
}

void GuiListBox::updateScrollLever() {
    if (!scrollLever) return;
    const int extra = getItemCount() - visibleCount;
    if (extra < 1) {
        scrollLever->deactivate();
        return;
    }
    const Vector2 size = getSize();
    const float rows = static_cast<float>(visibleCount);
    scrollLever->setSize(Vector2(1.0f, rows - (size.y - rows) * 0.25f));
    scrollLever->setLocation(Vector2(size.x, (size.y - rows) * 0.25f));
    scrollLever->setMinimum(0);
    scrollLever->setMaximum(extra);
    scrollLever->activate();
    scrollLever->setIntValue(firstVisible);
}

void GuiListBox::keepWindow() {
    const int last = std::max(0, getItemCount() - visibleCount);
    firstVisible = std::clamp(firstVisible, 0, last);
}

void GuiListBox::moveWindowTo(int first) {
    firstVisible = first;
    keepWindow();
    if (scrollLever && scrollLever->isActive()) scrollLever->setIntValue(firstVisible);
    layout();
}
