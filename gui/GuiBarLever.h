// A lever drawn over a bar picture that cannot be dragged: its knob is hidden and held input
// does nothing; presses and releases behave as a lever's.
#pragma once

#include "gui/GuiLever.h"

class GuiBarLever : public GuiLever {
public:
    GuiBarLever(GuiBlocks* skin, int borderStyle, const std::string& barPath, const std::string* partPaths,
                int partCount, ObserveAbleNumber* value);
    ~GuiBarLever() override;

    void setLocation(const Vector2& location) override;
    void setSize(const Vector2& size) override;
    void refresh() override;
    void onMouseHeld(int) override {}

private:
    void showBar();  // also keeps the bar on the lever's drawn place

    IRect* bar = nullptr;
};
