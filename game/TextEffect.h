// A line of engine text drawn centred on its location, in its colour, every tick; an alpha of
// exactly 0 draws nothing. It holds no timer: its owner moves the alpha from frame to frame.
// Subclasses draw the alpha as print opacity (TextEffectFade) or spread the letters as the
// alpha rises past 0.8 (TextEffectUnravel). The print colour is white and opaque after a tick.
#pragma once

#include <cstdint>
#include <string>

#include "gui/TickAble.h"
#include "math/Vector2.h"

class TextEffect : public virtual TickAble {
public:
    explicit TextEffect(uint32_t font);
    ~TextEffect() override = default;

    // Alpha 0, no text, location (0, 0), cell (1, 1), white; the font stays.
    virtual void reset();
    virtual void draw();
    virtual void setLocation(const Vector2& location) { location_ = location; }
    virtual const Vector2& getLocation() const { return location_; }
    // The character cell in screen units.
    virtual void setSize(const Vector2& size) { size_ = size; }
    virtual const Vector2& getSize() const { return size_; }
    // Clamped to 0..1; a value that is not a number stores 0.
    virtual void setAlpha(float alpha);
    virtual float getAlpha() const { return alpha_; }
    virtual void setText(const std::string& text) { text_ = text; }
    virtual const std::string& getText() const { return text_; }
    virtual void setColour(float r, float g, float b);
    // Red, green and blue, 0..1.
    virtual const float* getColour() const { return colour_; }
    virtual void setFont(uint32_t font) { font_ = font; }
    virtual uint32_t getFont() const { return font_; }
    virtual void applyColour();
    virtual void restoreColour();

    // The print colour, the line, then white again.
    void tick() override;

protected:
    float alpha_ = 0.0f;
    std::string text_;
    Vector2 location_{0.0f, 0.0f};
    Vector2 size_{1.0f, 1.0f};
    float colour_[3] = {1.0f, 1.0f, 1.0f};
    uint32_t font_;
};
