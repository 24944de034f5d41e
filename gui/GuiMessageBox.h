// The toolkit's one modal question: two read-only lines and one or two buttons ("OK";
// "Confirm" / "Cancel"; "Yes" / "No" for modes 0, 1, 2), 18 x 6 at (-8, 0), framed. The GUI
// manager opens it over the screen and the dialog and sends it the mouse while it is active;
// it takes its clicks while open. The answer is 0 for the first button, 1 otherwise.
#pragma once

#include <string>

#include "gui/GuiPanel.h"

class GuiButton;
class GuiManager;
class GuiText;
class MessageBoxListener;

class GuiMessageBox : public GuiPanel {
public:
    GuiMessageBox(GuiManager* manager, GuiBlocks* skin, const std::string* partPaths, int partCount);

    // Opens the box: buttons for the mode, the two lines, the listener (borrowed until the answer).
    virtual void show(int mode, const std::string& textA, const std::string& textB, MessageBoxListener* listener);
    virtual int getMode() const { return mode; }
    // -1 while open, else the last answer (0 before the first question).
    virtual int getResult() const { return result; }
    virtual void setMode(int mode);

    void handleHighLevelEvent(HighLevelEvent& event) override;

    GuiButton* getButtonA() const { return buttonA; }
    GuiButton* getButtonB() const { return buttonB; }
    GuiText* getTextA() const { return textA; }
    GuiText* getTextB() const { return textB; }

private:
    GuiText* textA = nullptr;
    GuiText* textB = nullptr;
    GuiButton* buttonA = nullptr;
    GuiButton* buttonB = nullptr;
    int mode = 0;
    int result = 0;
    GuiManager* manager;
    MessageBoxListener* listener = nullptr;
};
