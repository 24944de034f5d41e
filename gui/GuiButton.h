// A clickable button: an "up" picture, swapped for a "down" picture while the left button is
// held on it. A click counts when the left button is released over it outside a transition;
// then each high-level listener hears an action event and the key sound plays.
#pragma once

#include "gui/GuiComponent.h"

class GuiButton : public GuiComponent {
public:
    // upPath / downPath: null takes the skin's button pictures.
    GuiButton(GuiBlocks* skin, int borderStyle, const std::string* upPath, const std::string* downPath,
              const std::string* partPaths, int partCount);
    ~GuiButton() override;

    void refresh() override;
    void onMousePressed(int button) override;
    void onMouseReleased(int button) override;

    // Square: both pictures drawn as squares of the smaller side (applied at the next refresh).
    virtual void setSquare(bool square) { this->square = square; }
    virtual bool isSquare() const { return square; }

    bool isPressed() const { return pressed; }
    // The two pictures: the up one (the first made) and the down one.
    IRect* getUpSprite() const { return upSprite; }
    IRect* getDownSprite() const { return downSprite; }

private:
    void updateSprites();

    bool square = false;
    bool pressed = false;
    IRect* downSprite = nullptr;
    IRect* upSprite = nullptr;
};
