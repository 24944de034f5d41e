// The font-width editor: one font's samples, a character field with a width marker, a width
// lever (0 to 100, in 25ths of a cell) and four apply buttons. Each apply writes the widths to
// the font's width file (.wid, rewritten whole through a safe save) and reloads the font by
// path, so the samples show the new widths at once. The game and the plug-in read the file on
// their next start.
//
// The editor fills the process-wide fontBlack, fontWhite and sharedGuiBlocks and clears them
// again when it is destroyed; only one editor exists at a time.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "gui/HighLevelEventListener.h"
#include "gui/Observer.h"
#include "gui/TickAble.h"

class GuiArtist;
class GuiBlocks;
class GuiBorderFactory;
class GuiButton;
class GuiFont;
class GuiManager;
class GuiMouse;
class GuiSound;
class GuiSuperLever;
class GuiText;
class GuiTextBlockTicker;
class PrimitiveFactory2D;
class WidScreen;

namespace WidEdit {

class GameMaster : public virtual TickAble, public virtual HighLevelEventListener, public virtual Observer {
public:
    static constexpr const char* StartPath = "default_res\\fontimpactwhite\\Impact.wid";
    static constexpr float LeverUnitsPerCell = 25.0f;

    // Builds the screen and loads the width file at StartPath (relative to the working folder).
    GameMaster();
    ~GameMaster() override;
    GameMaster(const GameMaster&) = delete;
    GameMaster& operator=(const GameMaster&) = delete;

    // Once a frame: the GUI's input, the factory, the cursor, the printed texts.
    void tick() override;
    virtual void idle() {}
    virtual void requestQuit();
    virtual uint32_t getCamera() { return camera_; }
    virtual GuiManager* getGuiManager() { return guiManager_.get(); }
    // Reads the file at the current path into the table and makes its font anew by path. Only a
    // regular file is read; when it cannot be read, or its font cannot be made, the table and
    // the font stay as they were. True when loaded.
    virtual bool loadWidthFile();
    // Writes the table over the existing file at the current path (256 lines, safe save). A
    // missing file is not created; a failure is logged and the file left as it was.
    virtual bool saveWidthFile();
    // width[code] := the lever's value / 25.
    virtual void applyWidth(unsigned char code);
    virtual void saveAndReload();

    void handleHighLevelEvent(HighLevelEvent& event) override;
    // charField's text changed: the lever and the marker follow its first character.
    void notify(ObserveAble* changed, void* origin) override;

    // The 33 characters from 32 to 126 that are neither letters nor digits, ascending.
    static std::string symbolLine();
    // One line of a width file as the editor writes it, line feed included.
    static std::string widthLine(int code, float width);

    const std::string& getPath() const { return path_; }
    float getWidth(int code) const { return widths_.at(static_cast<size_t>(code & 0xff)); }
    GuiFont* getEditedFont() const { return editedFont_.get(); }
    WidScreen* getScreen() const { return screen_.get(); }
    GuiText* getPathField() const { return pathField_; }
    GuiButton* getLoadButton() const { return loadButton_; }
    GuiText* getSample(int index) const { return samples_.at(static_cast<size_t>(index)); }
    GuiText* getCharField() const { return charField_; }
    GuiSuperLever* getWidthLever() const { return widthLever_; }
    GuiButton* getApplyButton(int index) const { return applyButtons_.at(static_cast<size_t>(index)); }

private:
    void buildWidgets();
    GuiButton* addButton(const char* text, float width, float x, float y);
    void showMarker();
    void applyFirstCharacter();

    uint32_t camera_ = 0;
    std::unique_ptr<GuiManager> guiManager_;
    std::unique_ptr<GuiFont> editedFont_;
    bool fontFromArchive_ = true;  // the first engine font came through the archive
    std::unique_ptr<PrimitiveFactory2D> factory_;
    std::unique_ptr<GuiArtist> artist_;
    std::unique_ptr<GuiBorderFactory> borderFactory_;
    std::unique_ptr<GuiSound> sound_;
    std::unique_ptr<GuiTextBlockTicker> printList_;
    std::unique_ptr<GuiMouse> mouse_;
    std::unique_ptr<GuiBlocks> skin_;
    std::unique_ptr<GuiBlocks> editSkin_;
    std::unique_ptr<WidScreen> screen_;
    GuiText* pathField_ = nullptr;
    GuiButton* loadButton_ = nullptr;
    std::array<GuiText*, 4> samples_{};
    GuiText* charField_ = nullptr;
    GuiSuperLever* widthLever_ = nullptr;
    std::array<GuiButton*, 4> applyButtons_{};
    std::string path_ = StartPath;
    std::array<float, 256> widths_{};
};

}  // namespace WidEdit
