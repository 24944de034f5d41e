#include "gui/GuiManager.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "gui/GuiComponent.h"
#include "gui/GuiDLG.h"
#include "gui/GuiFont.h"
#include "gui/GuiFonts.h"
#include "gui/GuiMessageBox.h"
#include "gui/GuiScreen.h"
#include "platform/vuzirovari/vuzirovari.h"
#include "platform/win32/crt.h"

namespace {

bool mouseWasDown[3] = {};
bool keyWasDown[256] = {};

constexpr int TabKey = 15;
constexpr int LeftShift = 0x2A;
constexpr int RightShift = 0x36;

uint32_t printFont() {
    return fontWhite ? fontWhite->getEngineFont() : 0;
}

}  // namespace

void GuiManager::finishScreenChange() {
    if (previousScreen) {
        previousScreen->setAcceptsInput(false);
        previousScreen->show();  // a screen the box hid goes with its captions' flag back
        previousScreen = nullptr;
    }
    if (screen) screen->activate();
}

void GuiManager::enableScreenInput() {
    if (screen) screen->setAcceptsInput(true);
}

void GuiManager::finishDialogChange() {
    if (previousDialog) {
        previousDialog->setAcceptsInput(false);
        previousDialog->show();
        previousDialog = nullptr;
    }
    if (dialog) dialog->activate();
}

void GuiManager::enableDialogInput() {
    if (dialog) dialog->setAcceptsInput(true);
}

void GuiManager::setScreen(GuiScreen* newScreen) {
    // While the message box is open a new screen stays hidden; the answer shows it.
    const bool boxOpen = getMessageBoxResult() == -1;
    if (!screen) {
        screen = newScreen;
        if (screen) {
            screen->activate();
            if (boxOpen) screen->hide();
            else screen->show();
        }
        return;
    }
    screen->setAcceptsInput(false);
    // A screen still closing when the next change comes is put away whole.
    if (previousScreen && previousScreen != screen) {
        previousScreen->setAcceptsInput(false);
        previousScreen->GuiComponent::deactivate();
        previousScreen->show();
    }
    previousScreen = screen;
    screen = newScreen;
    if (screen && boxOpen) screen->hide();
    previousScreen->deactivate();
}

void GuiManager::setDialog(GuiDLG* newDialog) {
    const bool boxOpen = getMessageBoxResult() == -1;
    if (!dialog) {
        dialog = newDialog;
        if (dialog) {
            if (screen) screen->hide();
            dialog->activate();
            if (boxOpen) dialog->hide();
        }
        return;
    }
    dialog->setAcceptsInput(false);
    if (previousDialog && previousDialog != dialog) {
        previousDialog->setAcceptsInput(false);
        previousDialog->GuiComponent::deactivate();
        previousDialog->show();
    }
    previousDialog = dialog;
    dialog = newDialog;
    if (dialog && boxOpen) dialog->hide();
    previousDialog->deactivate();
    if (screen && !dialog && !boxOpen) screen->show();
}

void GuiManager::pollInput() {
    if (previousScreen) static_cast<TickAble*>(previousScreen)->tick();
    else if (screen) static_cast<TickAble*>(screen)->tick();
    if (messageBox) static_cast<TickAble*>(messageBox)->tick();
    if (previousDialog) static_cast<TickAble*>(previousDialog)->tick();
    else if (dialog) static_cast<TickAble*>(dialog)->tick();

    auto mouseReceiver = [this]() -> GuiComponent* {
        if (messageBox && messageBox->isActive()) return messageBox;
        if (dialog && dialog->acceptsInput()) return dialog;
        if (screen && screen->acceptsInput()) return screen;
        return nullptr;
    };
    auto keyReceiver = [this]() -> GuiComponent* {
        if (dialog) return dialog->acceptsInput() ? dialog : nullptr;
        if (screen && screen->acceptsInput()) return screen;
        return nullptr;
    };
    for (int b = 0; b < 3; ++b) {
        if (iMouseButtonDown(b)) {
            if (!mouseWasDown[b]) {
                mouseWasDown[b] = true;
                if (GuiComponent* to = mouseReceiver()) to->onMousePressed(b);
            }
            if (GuiComponent* to = mouseReceiver()) to->onMouseHeld(b);
        } else {
            if (mouseWasDown[b]) {
                mouseWasDown[b] = false;
                if (GuiComponent* to = mouseReceiver()) to->onMouseReleased(b);
            }
            if (GuiComponent* to = mouseReceiver()) to->onMouseUp(b);
        }
    }
    for (int k = 0; k < 256; ++k) {
        if (iKeyDown(k)) {
            if (!keyWasDown[k]) {
                keyWasDown[k] = true;
                if (k == TabKey) {
                    GuiPanel* panel = dialog ? static_cast<GuiPanel*>(dialog) : static_cast<GuiPanel*>(screen);
                    if (panel) {
                        if (iKeyDown(RightShift) || iKeyDown(LeftShift)) panel->focusPrevious();
                        else panel->focusNext();
                    }
                }
                if (GuiComponent* to = keyReceiver()) to->onKeyPressed(k);
            }
            if (GuiComponent* to = keyReceiver()) to->onKeyHeld(k);
        } else {
            if (keyWasDown[k]) {
                keyWasDown[k] = false;
                if (GuiComponent* to = keyReceiver()) to->onKeyReleased(k);
            }
            if (GuiComponent* to = keyReceiver()) to->onKeyUp(k);
        }
    }
}

void GuiManager::showMessageBox(int mode, const std::string& textA, const std::string& textB,
                                MessageBoxListener* listener) {
    if (!messageBox) return;
    messageBox->show(mode, textA, textB, listener);
    if (dialog) dialog->hide();
    if (screen) screen->hide();
}

int GuiManager::getMessageBoxResult() const { return messageBox ? messageBox->getResult() : 0; }

void GuiManager::showCurrent(int) {
    if (dialog) dialog->show();
    else if (screen) screen->show();
}

std::string GuiManager::numberText(float value, int decimals) {
    if (decimals > 10) decimals = 10;  // "iQuickPrint can't use more than 10 decimal places."
    if (decimals < 0) decimals = 0;    // "iQuickPrint can't use less than 0 decimal places."
    // Fixed notation, so a tiny or huge number is never cut inside an exponent.
    char buffer[400];
    std::snprintf(buffer, sizeof buffer, "%.20f", static_cast<double>(value));
    std::string text(buffer);
    const size_t scan = std::min<size_t>(text.size(), 20);
    for (size_t i = 0; i < scan; ++i) {
        if (text[i] != '.') continue;
        if (static_cast<int>(i) < 19 - decimals) {
            text.resize(decimals == 0 ? i : i + 1 + static_cast<size_t>(decimals));
            return text;
        }
        break;
    }
    // Left whole: the digits the number has, without the padding of the fixed form.
    const size_t point = text.find('.');
    if (point != std::string::npos) text.erase(std::max(text.find_last_not_of('0') + 1, point + 1));
    return text;
}

std::string GuiManager::timeText(float seconds) {
    const double total = static_cast<double>(seconds);
    const double minutesExact = std::trunc(total / 60.0);
    // A time that is not a number or too long for the clock reads as zero.
    if (!std::isfinite(total) || std::fabs(minutesExact) > 2147483647.0) return "0:00:00";
    const int minutes = static_cast<int>(minutesExact);
    const double rest = total - 60.0 * minutes;
    const int whole = static_cast<int>(std::trunc(rest));
    const int hundredths = static_cast<int>(std::trunc((rest - whole) * 100.0));
    auto twoDigits = [](int n) {
        std::string text = crt::itoa(n);
        return text.size() == 1 ? "0" + text : text;
    };
    return crt::itoa(minutes) + ":" + twoDigits(whole) + ":" + twoDigits(hundredths);
}

void GuiManager::quickPrint(float value, float x, float y, int decimals, float size) {
    if (printFont() == 0) return;
    quickPrintText(numberText(value, decimals), x, y, size);
}

void GuiManager::quickPrintText(const std::string& text, float x, float y, float size) {
    const uint32_t font = printFont();
    if (font == 0) return;
    const iVector2 at{x, y}, cell{size, size};
    iPrint(text.c_str(), &at, &cell, 0.0f, font);
}

void GuiManager::quickPrintCentered(const std::string& text, float x, float y, float size) {
    const uint32_t font = printFont();
    if (font == 0) return;
    const iVector2 at{x, y}, cell{size, size};
    iPrintCentered(text.c_str(), &at, &cell, 0.0f, font, 0.0f);
}

void GuiManager::quickPrintTime(float seconds, float x, float y) { quickPrintText(timeText(seconds), x, y, 0.35f); }

void GuiManager::forgetPanels() {
    screen = previousScreen = nullptr;
    dialog = previousDialog = nullptr;
    messageBox = nullptr;
}

void GuiManager::releaseLatches() {
    for (bool& down : mouseWasDown) down = false;
    for (bool& down : keyWasDown) down = false;
}
