// A frame of four lines centred on the rectangle's edges: top (left to right), right (upwards),
// bottom (right to left), left (downwards). Without an artist it has no lines at all.
#pragma once

#include "gui/GuiBorderI.h"

class ILine;

class GuiBorder : public virtual GuiBorderI {
public:
    explicit GuiBorder(GuiBorderArtist* artist);
    ~GuiBorder() override;
    GuiBorder(const GuiBorder&) = delete;
    GuiBorder& operator=(const GuiBorder&) = delete;

    GuiBorderArtist* getArtist() const override { return artist; }
    void setLineWidth(float width) override;
    float getLineWidth() const override { return lineWidth; }
    const Vector2& getLocation() const override { return location; }
    void setLocation(const Vector2& location) override;
    const Vector2& getSize() const override { return size; }
    void setSize(const Vector2& size) override;
    bool isShown() const override { return shown; }
    void hide() override;
    void show() override;
    void refresh() override;

    ILine* getLine(int index) const { return index >= 0 && index < 4 ? lines[index] : nullptr; }

private:
    GuiBorderArtist* artist;
    float lineWidth = 0.1f;
    Vector2 location;
    Vector2 size{1.0f, 1.0f};
    bool shown = true;
    ILine* lines[4] = {nullptr, nullptr, nullptr, nullptr};
};
