#include "gui/GuiCharacter.h"

#include "gui/GuiArtist.h"
#include "gui/GuiFont.h"
#include "gui/IPrimitiveFactory.h"
#include "gui/IRect.h"

GuiCharacter::GuiCharacter(GuiArtist* artist, GuiFont* font, char code) : artist(artist), font(font) {
    factory = artist ? artist->getPrimitiveFactory() : nullptr;
    if (factory) owner = factory->getOwner();
    std::string path = FallbackGlyph;
    if (font) {
        const GuiGlyph& glyph = font->getGlyph(code);
        if (!glyph.path.empty()) {
            path = glyph.path;
            width = glyph.width;
        }
    }
    if (factory) sprite = factory->createRectPrimitive(path, false);
    apply();
}

GuiCharacter::~GuiCharacter() {
    if (factory) factory->destroyRect(sprite);
}

void GuiCharacter::hide() {
    visible = false;
    apply();
}

void GuiCharacter::show() {
    visible = true;
    apply();
}

void GuiCharacter::setLocation(const Vector2& newLocation) {
    location = newLocation;
    apply();
}

void GuiCharacter::setSize(const Vector2& newSize) {
    size = newSize;
    apply();
}

void GuiCharacter::apply() {
    if (!sprite) return;
    sprite->setSize(size);
    sprite->setLocation(location);
    if (visible) sprite->show();
    else sprite->hide();
}
