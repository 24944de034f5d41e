// The one object through which the game shows its GUI: the current screen, the screen being
// replaced while it closes, the modal dialog and the one it replaces, and the message box (none
// owned). Once a frame pollInput ticks them and turns the engine's buttons and keys into the
// components' low-level input on the panel in front. Screen and dialog changes are a
// handshake: the outgoing panel reports when it has closed, the incoming one when it has
// opened, and only then takes input.
#pragma once

#include <string>

class GuiDLG;
class GuiMessageBox;
class GuiScreen;
class MessageBoxListener;

class GuiManager {
public:
    GuiManager() = default;
    GuiManager(const GuiManager&) = delete;
    GuiManager& operator=(const GuiManager&) = delete;
    virtual ~GuiManager() = default;

    // The panels' callbacks.
    virtual void finishScreenChange();
    virtual void enableScreenInput();
    virtual void finishDialogChange();
    virtual void enableDialogInput();

    virtual GuiScreen* getScreen() const { return screen; }
    virtual void setScreen(GuiScreen* screen);
    virtual GuiDLG* getDialog() const { return dialog; }
    // Null closes the dialog and shows the screen again.
    virtual void setDialog(GuiDLG* dialog);
    virtual void pollInput();
    virtual void setMessageBox(GuiMessageBox* box) { messageBox = box; }
    virtual GuiMessageBox* getMessageBox() const { return messageBox; }
    // Opens the box over the dialog and the screen (their captions hidden); nothing without a box.
    virtual void showMessageBox(int mode, const std::string& textA, const std::string& textB,
                                MessageBoxListener* listener);
    // -1 while the box is open, else its last answer; 0 without a box.
    virtual int getMessageBoxResult() const;
    virtual void showCurrent(int result);

    GuiScreen* getPreviousScreen() const { return previousScreen; }
    GuiDLG* getPreviousDialog() const { return previousDialog; }

    // Text straight into this frame, in the white GUI font (nothing without it); x is the middle
    // of the first character cell, size the cell. A number keeps its first decimals (0 to 10),
    // cut, never rounded.
    static void quickPrint(float value, float x, float y, int decimals, float size);
    static void quickPrintText(const std::string& text, float x, float y, float size);
    static void quickPrintCentered(const std::string& text, float x, float y, float size);
    // Seconds as minutes:seconds:hundredths ("1:23:25") at size 0.35.
    static void quickPrintTime(float seconds, float x, float y);
    // The text quickPrint and quickPrintTime print.
    static std::string numberText(float value, int decimals);
    static std::string timeText(float seconds);

    // Lets go of every panel without calling any (for the owner of the panels, when they go).
    void forgetPanels();

    // The process-wide button and key latches, all up (for tests).
    static void releaseLatches();

private:
    GuiScreen* screen = nullptr;
    GuiScreen* previousScreen = nullptr;
    GuiDLG* dialog = nullptr;
    GuiDLG* previousDialog = nullptr;
    GuiMessageBox* messageBox = nullptr;
};
