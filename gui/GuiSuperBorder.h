// A frame of eight pictures (four edges, four corners) centred on the rectangle's edges, the
// thickness half outside. Its size is raised to at least 2 x 2, so a small component gets a
// frame 2 units tall around it.
#pragma once

#include "gui/GuiBorderI.h"

class IRect;

class GuiSuperBorder : public virtual GuiBorderI {
public:
    explicit GuiSuperBorder(GuiBorderArtist* artist);
    ~GuiSuperBorder() override;
    GuiSuperBorder(const GuiSuperBorder&) = delete;
    GuiSuperBorder& operator=(const GuiSuperBorder&) = delete;

    GuiBorderArtist* getArtist() const override { return artist; }
    void setLineWidth(float width) override;  // the thickness
    float getLineWidth() const override { return thickness; }
    const Vector2& getLocation() const override { return location; }
    void setLocation(const Vector2& location) override;
    const Vector2& getSize() const override { return size; }
    void setSize(const Vector2& size) override;
    bool isShown() const override { return shown; }
    void hide() override;
    void show() override;
    void refresh() override;

    IRect* getPiece(int index) const { return index >= 0 && index < 8 ? pieces[index] : nullptr; }

private:
    GuiBorderArtist* artist;
    float thickness = 0.25f;
    Vector2 location;
    Vector2 size{2.0f, 2.0f};
    bool shown = true;
    IRect* pieces[8] = {};  // Top, Top-Right, Right, Bot-Right, Bot, Bot-Left, Left, Top-Left
};
