#include "gui/Picture.h"

#include "gui/IPrimitiveFactory.h"
#include "gui/IRect.h"
#include "gui/Primitive2D.h"

Picture::Picture(IPrimitiveFactory* factory, const std::string& path) : factory(factory) {
    if (factory) sprite = factory->createRectPrimitive(path, false);
}

Picture::~Picture() {
    if (factory) factory->destroyRect(sprite);
}

void Picture::setSize(const Vector2& size) {
    if (sprite) sprite->setSize(size);
}

Vector2 Picture::getSize() const { return sprite ? sprite->getSize() : Vector2(); }

void Picture::setLocation(const Vector2& location) {
    if (sprite) sprite->setLocation(location);
}

Vector2 Picture::getLocation() const { return sprite ? sprite->getLocation() : Vector2(); }

void Picture::hide() {
    if (sprite) sprite->hide();
}

void Picture::applyVisibility() {
    if (!sprite) return;
    if (visible) sprite->show();
    else sprite->hide();
}

void Picture::setColour(float r, float g, float b, float a) {
    if (auto* sprite2D = dynamic_cast<Primitive2D*>(sprite)) sprite2D->setColour(r, g, b, a);
}

void Picture::setPriority(int priority) {
    if (auto* sprite2D = dynamic_cast<Primitive2D*>(sprite)) sprite2D->setPriority(priority);
}
