#include "gui/GuiComponent.h"

#include "gui/GuiArtist.h"
#include "gui/GuiBlocks.h"
#include "gui/GuiBorderFactory.h"
#include "gui/GuiBorderI.h"
#include "gui/GuiFont.h"
#include "gui/GuiPanel.h"
#include "gui/GuiSound.h"
#include "gui/GuiTextBlock.h"
#include "gui/HighLevelEventListener.h"
#include "gui/IPrimitiveFactory.h"
#include "gui/IRect.h"
#include "gui/LowLevelEventListener.h"
#include "gui/ObserveAbleString.h"
#include "gui/Picture.h"
#include "gui/PointerPlane.h"
#include "platform/vuzirovari/vuzirovari.h"

namespace {

const Vector2 CaptionCell(0.35f, 0.35f);

}  // namespace

GuiComponent::GuiComponent(GuiBlocks* skin, int borderStyle, const std::string* partPaths, int partCount,
                           ObserveAbleString* text, bool widenedPick)
    : skin(skin), borderStyle(borderStyle), widenedPick(widenedPick), text(text) {
    GuiArtist* artist = getArtist();
    factory = artist ? artist->getPrimitiveFactory() : nullptr;
    if (factory) {
        factoryOwner = factory->getOwner();
        background = factory->createRectPrimitive(artist->backgroundPath, false);
        pickArea = factory->createRectPrimitive(artist->pickPath, true);
    }
    makeCaption(getFont());
    GuiBorderFactory* borders = getBorderFactory();
    if (borders) border = borders->createBorder(artist, borderStyle);
    iTextureMipLevelsSet(1);
    for (int i = 0; partPaths && i < partCount; ++i) parts.push_back(std::make_unique<Picture>(factory, partPaths[i]));
    iTextureMipLevelsSet(0);
    if (!this->text) {
        ownText = std::make_unique<ObserveAbleString>();
        this->text = ownText.get();
    }
    this->text->addObserver(this);
    caption->setText(this->text->value);
    caption->setCharSize(CaptionCell);
    keySound = GuiArtist::keySound;
    sweepSound = GuiArtist::sweepSound;
    GuiComponent::refresh();
}

GuiComponent::~GuiComponent() {
    if (factory) factory->destroyRect(background);
    parts.clear();
    if (factory) factory->destroyRect(pickArea);
    border.reset();
    text->removeObserver(this);
    ownText.reset();
    caption.reset();
}

void GuiComponent::setTextOffset(const Vector2& offset) {
    if (offset == textOffset) return;
    textOffset = offset;
    refresh();
}

void GuiComponent::setPartVisible(int index, bool visible) {
    if (index < 0 || index >= static_cast<int>(parts.size())) return;
    parts[index]->visible = visible;
    refresh();
}

bool GuiComponent::isPartVisible(int index) const {
    if (index < 0 || index >= static_cast<int>(parts.size()) || !active) return false;
    return parts[index]->visible;
}

void GuiComponent::setPartOffset(int index, const Vector2& offset) {
    if (index < 0 || index >= static_cast<int>(parts.size())) return;
    parts[index]->offset = offset;
    refresh();
}

Vector2 GuiComponent::getPartOffset(int index) const {
    if (index < 0 || index >= static_cast<int>(parts.size())) return Vector2();
    return parts[index]->offset;
}

void GuiComponent::setPartSize(int index, const Vector2& partSize) {
    if (index < 0 || index >= static_cast<int>(parts.size())) return;
    parts[index]->setSize(partSize);
    parts[index]->fit = false;
}

Vector2 GuiComponent::getPartSize(int index) const {
    if (index < 0 || index >= static_cast<int>(parts.size())) return Vector2();
    return parts[index]->getSize();
}

void GuiComponent::setPartColour(int index, float r, float g, float b, float a) {
    if (index < 0 || index >= static_cast<int>(parts.size())) return;
    parts[index]->setColour(r, g, b, a);
}

void GuiComponent::setPartPriority(int index, int priority) {
    if (index < 0 || index >= static_cast<int>(parts.size())) return;
    parts[index]->setPriority(priority);
}

void GuiComponent::setBorderLineWidth(float width) {
    if (border) border->setLineWidth(width);
}

float GuiComponent::getBorderLineWidth() const { return border ? border->getLineWidth() : 0.0f; }

void GuiComponent::hideBackground() {
    if (!backgroundShown) return;
    backgroundShown = false;
    refresh();
}

void GuiComponent::showBackground() {
    if (backgroundShown) return;
    backgroundShown = true;
    refresh();
}

void GuiComponent::hideBorder() {
    if (!borderShown) return;
    borderShown = false;
    refresh();
}

void GuiComponent::showBorder() {
    if (borderShown) return;
    borderShown = true;
    refresh();
}

bool GuiComponent::isShownInHierarchy() const {
    for (const GuiComponent* c = this; c; c = c->getParent()) {
        if (!c->isShown()) return false;
    }
    return true;
}

void GuiComponent::hide() {
    if (!shown) return;
    shown = false;
    refresh();
}

void GuiComponent::show() {
    if (shown) return;
    shown = true;
    refresh();
}

void GuiComponent::setParent(GuiComponent* newParent) {
    if (newParent == parent) return;
    parent = newParent;
    refresh();
}

Vector2 GuiComponent::getAbsoluteLocation() const {
    Vector2 sum;
    for (const GuiComponent* c = this; c; c = c->getParent()) sum += c->getLocation();
    return sum;
}

void GuiComponent::setLocation(const Vector2& newLocation) {
    if (newLocation == location) return;
    location = newLocation;
    refresh();
}

void GuiComponent::setSize(const Vector2& newSize) {
    if (newSize == size) return;
    size = newSize;
    refresh();
}

GuiArtist* GuiComponent::getArtist() const { return skin ? skin->artist : nullptr; }

void GuiComponent::refresh() {
    const bool activeHere = isActiveInHierarchy();
    if (!activeHere) {
        if (pickArea) pickArea->hide();
        caption->hide();
        if (background) background->hide();
        if (border) border->hide();
    } else {
        if (pickArea) pickArea->show();
        if (isShownInHierarchy() && shown) caption->show();
        else caption->hide();
        if (background) {
            if (backgroundShown) background->show();
            else background->hide();
        }
        if (border) {
            if (borderShown) border->show();
            else border->hide();
        }
    }
    const Vector2 absolute = getAbsoluteLocation();
    if (background) {
        background->setLocation(absolute);
        background->setSize(size);
    }
    if (pickArea) {
        pickArea->setLocation(absolute);
        pickArea->setSize(size);
    }
    for (const auto& part : parts) {
        part->setLocation(absolute + part->offset);
        if (part->fit) part->setSize(size);
        if (activeHere) part->applyVisibility();
        else part->hide();
    }
    if (border) {
        border->setLocation(absolute);
        border->setSize(size);
    }
    placeCaption(absolute);
}

void GuiComponent::placeCaption(const Vector2& absolute) {
    if (textAlignment >= 0 && textAlignment <= 2) {
        GuiFont* font = getFont();
        const float width = font ? font->textWidth(caption->getText(), caption->getCharSize(), caption->getSpacing()) : 0.0f;
        if (textAlignment == 0) textOffset = Vector2(0.25f, 0.0f);
        else if (textAlignment == 1) textOffset.x = size.x * 0.5f - width * 0.5f;
        else textOffset.x = size.x - width - 0.25f;
    }
    caption->setLocation(absolute + textOffset);
}

void GuiComponent::makeCaption(GuiFont* font) {
    caption = std::make_unique<GuiTextBlock>(getArtist(), font, getTicker(), true);
}

GuiFont* GuiComponent::getFont() const { return skin ? skin->font : nullptr; }

void GuiComponent::setFont(GuiFont* font) {
    if (!skin || font == skin->font) return;
    skin->font = font;
    makeCaption(font);
    caption->setText(text->value);
    refresh();
}

std::string GuiComponent::getText() const { return caption->getText(); }

void GuiComponent::setText(const std::string& newText) {
    if (newText == caption->getText()) return;
    caption->setText(newText);
    text->notifyObservers(this);
    refresh();
}

Vector2 GuiComponent::getTextCharSize() const { return caption->getCharSize(); }

void GuiComponent::setTextCharSize(const Vector2& cell) {
    if (cell == caption->getCharSize()) return;
    caption->setCharSize(cell);
    refresh();
}

float GuiComponent::getTextSpacing() const { return caption->getSpacing(); }

void GuiComponent::setTextSpacing(float spacing) {
    if (spacing == caption->getSpacing()) return;
    caption->setSpacing(spacing);
    refresh();
}

void GuiComponent::setTextAlignment(int alignment) {
    if (alignment == textAlignment) return;
    textAlignment = alignment;
    refresh();
}

void GuiComponent::addLowLevelEventListener(LowLevelEventListener* listener) { lowLevelListeners.add(listener); }

void GuiComponent::removeLowLevelEventListener(LowLevelEventListener* listener) { lowLevelListeners.remove(listener); }

void GuiComponent::addHighLevelEventListener(HighLevelEventListener* listener) { highLevelListeners.add(listener); }

void GuiComponent::removeHighLevelEventListener(HighLevelEventListener* listener) {
    highLevelListeners.remove(listener);
}

bool GuiComponent::isActiveInHierarchy() const {
    for (const GuiComponent* c = this; c; c = c->getParent()) {
        if (!c->isActive()) return false;
    }
    return true;
}

void GuiComponent::deactivate() {
    if (!active) return;
    active = false;
    refresh();
}

void GuiComponent::activate() {
    if (active) return;
    active = true;
    refresh();
}

void GuiComponent::setBorderStyle(int style) {
    if (style == borderStyle) return;
    borderStyle = style;
    border.reset();
    if (GuiBorderFactory* borders = getBorderFactory()) border = borders->createBorder(getArtist(), style);
}

GuiTextBlockTicker* GuiComponent::getTicker() const { return skin ? skin->ticker : nullptr; }

GuiBorderFactory* GuiComponent::getBorderFactory() const { return skin ? skin->borderFactory : nullptr; }

float GuiComponent::getTextWidth() const {
    bool end = false;
    return caption->measure(caption->lineText(0, end));
}

void GuiComponent::playKeySound() {
    if (skin && skin->sound) skin->sound->play(keySound, false, 1.0f);
}

void GuiComponent::playSweepSound() {
    if (skin && skin->sound) skin->sound->play(sweepSound, false, 1.0f);
}

bool GuiComponent::containsMouse() {
    // The widened test answers for the pick area one unit wider to the right, without moving it.
    if (widenedPick || !pickArea) {
        const Vector2 reach = widenedPick ? Vector2(size.x + 1.0f, size.y) : size;
        return rectanglePicked(getAbsoluteLocation(), reach, pointerPlane());
    }
    return pickArea->isPicked();
}

void GuiComponent::raiseHighLevelEvent(HighLevelEvent event) {
    event.source = this;
    event.second = this;
    passHighLevelEvent(event);
}

void GuiComponent::passHighLevelEvent(const HighLevelEvent& event) {
    highLevelListeners.forEach([&](HighLevelEventListener* listener) {
        HighLevelEvent copy = event;
        listener->handleHighLevelEvent(copy);
    });
}

bool GuiComponent::parentInTransition() const {
    const auto* panel = dynamic_cast<const GuiPanel*>(parent);
    return panel && panel->isInTransition();
}
