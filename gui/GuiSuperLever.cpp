#include "gui/GuiSuperLever.h"

#include <cmath>
#include <string>

#include "gui/GuiButton.h"
#include "gui/GuiLever.h"

namespace {

const std::string ArrowPictures[4][2] = {
    {"Tavek_res\\gui\\general\\Arrow-Up-2.x", "Tavek_res\\gui\\general\\Arrow-Up-1.x"},
    {"Tavek_res\\gui\\general\\Arrow-Down-2.x", "Tavek_res\\gui\\general\\Arrow-Down-1.x"},
    {"Tavek_res\\gui\\general\\Select-Arrow-L2.x", "Tavek_res\\gui\\general\\Select-Arrow-L1.x"},
    {"Tavek_res\\gui\\general\\Select-Arrow-R2.x", "Tavek_res\\gui\\general\\Select-Arrow-R1.x"},
};

}  // namespace

GuiSuperLever::GuiSuperLever(GuiBlocks* skin, int borderStyle, const std::string* partPaths, int partCount,
                             ObserveAbleNumber* value, const std::string (*arrowPictures)[2])
    : GuiPanel(skin, borderStyle, partPaths, partCount, false) {
    const std::string(*pictures)[2] = arrowPictures ? arrowPictures : ArrowPictures;
    lever = new GuiLever(skin, -1, nullptr, 0, value);
    lever->setTextAlignment(1);
    addChild(lever);
    GuiButton** arrows[4] = {&up, &down, &selectLeft, &selectRight};
    for (int i = 0; i < 4; ++i) {
        *arrows[i] = new GuiButton(skin, -1, &pictures[i][0], &pictures[i][1], nullptr, 0);
        addChild(*arrows[i]);
        (*arrows[i])->hideBackground();
    }
    arrange();
    setTextAlignment(1);
    setText("0");
}

void GuiSuperLever::refresh() {
    GuiPanel::refresh();
    arrange();
}

void GuiSuperLever::deactivateLever(int) { lever->deactivate(); }

bool GuiSuperLever::isLeverActive() const { return lever->isActive(); }

void GuiSuperLever::setLeverValue(float fraction) {
    const float steps = range();
    float n = 0.0f;
    if (steps != 0.0f && std::isfinite(fraction)) {
        n = std::round(steps * fraction);
        lever->setValue(n / steps);
    } else {
        lever->setValue(0.0f);
    }
    if (showingValue) setText(std::to_string(minimum + static_cast<int>(n)));
}

float GuiSuperLever::getLeverValue() const { return lever->getValue(); }

void GuiSuperLever::setIntValue(int value) {
    if (value < minimum) value = minimum;
    if (value > maximum) value = maximum;
    const float steps = range();
    setLeverValue(steps != 0.0f ? static_cast<float>(value - minimum) / steps : 0.0f);
}

int GuiSuperLever::getIntValue() const {
    const float steps = range();
    const float fraction = lever->getValue();
    if (steps == 0.0f || !std::isfinite(fraction)) return minimum;
    // A whole step stored as a float fraction can come back a hair short of itself.
    float product = fraction * steps;
    const float nearest = std::round(product);
    if (std::fabs(product - nearest) < 1e-4f) product = nearest;
    return minimum + static_cast<int>(std::trunc(product));
}

void GuiSuperLever::setMinimum(int value) {
    if (value > maximum || value == minimum) return;
    minimum = value;
    if (getIntValue() < value) setIntValue(value);
    arrange();
}

void GuiSuperLever::setMaximum(int value) {
    if (value < minimum || value == maximum) return;
    maximum = value;
    if (getIntValue() > value) setIntValue(value);
    arrange();
}

void GuiSuperLever::setHorizontal(bool horizontal) {
    lever->setHorizontal(horizontal);
    arrange();
}

bool GuiSuperLever::isHorizontal() const { return lever->isHorizontal(); }

void GuiSuperLever::setKnobLength(float length) { lever->setKnobLength(length); }

float GuiSuperLever::getKnobLength() const { return lever->getKnobLength(); }

void GuiSuperLever::handleHighLevelEvent(HighLevelEvent& event) {
    GuiPanel::handleHighLevelEvent(event);
    if (isInTransition()) return;
    bool changed = false;
    if (event.actionPerformed) {
        if (stepByArrow(event.source)) {
            event.actionPerformed = false;
            event.valueChanged = true;
            changed = true;
        }
    } else if (event.valueChanged) {
        const int n = getIntValue();
        if (n >= minimum && n <= maximum) {
            const float steps = range();
            setLeverValue(steps != 0.0f ? static_cast<float>(n - minimum) / steps : 0.0f);
        }
        changed = true;
    }
    if (changed) event.value = lever->getValue();
    event.source = this;
    passHighLevelEvent(event);
}

bool GuiSuperLever::stepByArrow(const GuiComponent* arrow) {
    const bool countsDown = reversed ? (arrow == up || arrow == selectRight) : (arrow == down || arrow == selectLeft);
    const bool countsUp = reversed ? (arrow == down || arrow == selectLeft) : (arrow == up || arrow == selectRight);
    if (!countsDown && !countsUp) return false;
    const int n = getIntValue() + (countsUp ? 1 : -1);
    if (n < minimum || n > maximum) return false;
    setIntValue(n);
    return true;
}

void GuiSuperLever::arrange() {
    if (!lever || !selectRight) return;
    const Vector2 size = getSize();
    const float w = size.x, h = size.y;
    if (lever->isHorizontal()) {
        up->deactivate();
        down->deactivate();
        selectLeft->activate();
        selectRight->activate();
        selectLeft->setLocation(Vector2(0.0f, 0.0f));
        selectLeft->setSize(Vector2(1.0f, h));
        lever->setLocation(Vector2(1.0f, 0.0f));
        lever->setSize(Vector2(w - 2.0f, h));
        selectRight->setLocation(Vector2(w - 1.0f, 0.0f));
        selectRight->setSize(Vector2(1.0f, h));
    } else {
        up->activate();
        down->activate();
        selectLeft->deactivate();
        selectRight->deactivate();
        up->setLocation(Vector2(0.0f, h * 0.5f - 0.5f));
        up->setSize(Vector2(w, 1.0f));
        lever->setLocation(Vector2(0.0f, 0.0f));
        lever->setSize(Vector2(w, h - 2.0f));
        down->setLocation(Vector2(0.0f, -h * 0.5f + 0.5f));
        down->setSize(Vector2(w, 1.0f));
    }
}
