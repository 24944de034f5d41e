// The base of every widget, panel, screen and dialog: a rectangle drawn from engine sprites (a
// background, an invisible pick area, a border and any extra pictures), a caption printed every
// frame, a place relative to its parent, six state flags and two listener lists.
//
// Geometry: the location is the left edge and the vertical middle, relative to the parent, in
// plane units (y up). Setters compare before they act; a change re-applies everything to the
// engine (refresh). Deactivating a component hides it whole; hiding it hides only its caption.
// The skin bundle, its members and the listeners are borrowed; the sprites, the border, the
// caption and (when none was given) the text observable are owned.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "gui/HighLevelEvent.h"
#include "gui/Observer.h"
#include "gui/SafeList.h"
#include "gui/TickAble.h"
#include "math/Vector2.h"

class GuiArtist;
class GuiBlocks;
class GuiBorderFactory;
class GuiBorderI;
class GuiFont;
class GuiTextBlock;
class GuiTextBlockTicker;
class HighLevelEventListener;
class IPrimitiveFactory;
class IRect;
class LowLevelEventListener;
class ObserveAble;
class ObserveAbleString;
class Picture;

class GuiComponent : public virtual Observer, public virtual TickAble {
public:
    // partPaths: partCount extra pictures, drawn over the border. text: the caption's value,
    // or null for one of its own. widenedPick: the mouse test reaches one unit further right.
    GuiComponent(GuiBlocks* skin, int borderStyle, const std::string* partPaths, int partCount,
                 ObserveAbleString* text, bool widenedPick);
    ~GuiComponent() override;
    GuiComponent(const GuiComponent&) = delete;
    GuiComponent& operator=(const GuiComponent&) = delete;

    // The caption's place relative to the absolute location (used as set with alignment 3).
    virtual void setTextOffset(const Vector2& offset);
    virtual Vector2 getTextOffset() const { return textOffset; }

    // Pictures, by index in constructor order; a bad index does nothing or answers 0 / false.
    virtual void setPartVisible(int index, bool visible);
    virtual bool isPartVisible(int index) const;
    virtual void setPartOffset(int index, const Vector2& offset);
    virtual Vector2 getPartOffset(int index) const;
    virtual void setPartSize(int index, const Vector2& size);  // keeps that size from now on
    virtual Vector2 getPartSize(int index) const;
    virtual void setPartColour(int index, float r, float g, float b, float a);
    virtual void setPartPriority(int index, int priority);

    virtual void setBorderLineWidth(float width);
    virtual float getBorderLineWidth() const;
    virtual bool isBackgroundShown() const { return backgroundShown; }
    virtual void hideBackground();
    virtual void showBackground();
    virtual bool isBorderShown() const { return borderShown; }
    virtual void hideBorder();
    virtual void showBorder();
    virtual bool hasFocus() const { return focus; }
    virtual void setFocus() { focus = true; }
    virtual void clearFocus() { focus = false; }
    virtual bool isShownInHierarchy() const;
    virtual bool isShown() const { return shown; }
    virtual void hide();
    virtual void show();
    virtual GuiComponent* getParent() const { return parent; }
    virtual void setParent(GuiComponent* parent);
    virtual int getFactoryOwner() const { return factoryOwner; }
    // The sum of this location and every ancestor's.
    virtual Vector2 getAbsoluteLocation() const;
    virtual Vector2 getLocation() const { return location; }
    virtual void setLocation(const Vector2& location);
    virtual Vector2 getSize() const { return size; }
    virtual void setSize(const Vector2& size);
    virtual int getIntA() const { return intA; }
    virtual void setIntA(int value) { intA = value; }
    virtual int getIntB() const { return intB; }
    virtual void setIntB(int value) { intB = value; }
    virtual GuiArtist* getArtist() const;
    virtual void refresh();  // re-applies the whole state to the engine
    virtual GuiBlocks* getBlocks() const { return skin; }
    virtual void setBlocks(GuiBlocks* blocks) { skin = blocks; }
    virtual GuiFont* getFont() const;
    // Puts the font into the shared skin bundle (every component of the skin measures with it)
    // and remakes this caption with it.
    virtual void setFont(GuiFont* font);
    virtual std::string getText() const;
    // Tells the text observable's observers, whose own string stays as it was.
    virtual void setText(const std::string& text);
    virtual Vector2 getTextCharSize() const;
    virtual void setTextCharSize(const Vector2& cell);
    virtual float getTextSpacing() const;
    virtual void setTextSpacing(float spacing);
    virtual int getTextAlignment() const { return textAlignment; }
    // 0 left, 1 centred, 2 right, anything else: the text offset as set.
    virtual void setTextAlignment(int alignment);

    // Low-level input from the GUI manager or the parent panel: held and up every frame, pressed
    // and released on the edge. Buttons 0 left, 1 right, 2 middle; keys are scan codes.
    virtual void onMouseHeld(int) {}
    virtual void onMousePressed(int) {}
    virtual void onMouseUp(int) {}
    virtual void onMouseReleased(int) {}
    virtual void onKeyHeld(int) {}
    virtual void onKeyPressed(int) {}
    virtual void onKeyUp(int) {}
    virtual void onKeyReleased(int) {}

    // A listener added twice is held twice; removing it removes every entry.
    virtual void addLowLevelEventListener(LowLevelEventListener* listener);
    virtual void removeLowLevelEventListener(LowLevelEventListener* listener);
    virtual void addHighLevelEventListener(HighLevelEventListener* listener);
    virtual void removeHighLevelEventListener(HighLevelEventListener* listener);

    virtual bool isActiveInHierarchy() const;
    virtual bool isActive() const { return active; }
    virtual void deactivate();
    virtual void activate();
    virtual bool acceptsInput() const { return acceptingInput; }
    virtual void setAcceptsInput(bool accepts) { acceptingInput = accepts; }
    virtual int getBorderStyle() const { return borderStyle; }
    virtual void setBorderStyle(int style);  // a new border, placed at the next refresh
    virtual GuiTextBlockTicker* getTicker() const;
    virtual GuiBorderFactory* getBorderFactory() const;
    virtual float getTextWidth() const;  // the caption's first line
    virtual void playKeySound();
    virtual void playSweepSound();
    virtual ObserveAbleString* getTextObservable() const { return text; }
    virtual bool containsMouse();
    virtual bool isFocusable() const { return false; }

    void notify(ObserveAble*, void*) override {}
    void tick() override {}

    size_t highLevelListenerCount() const { return highLevelListeners.size(); }
    size_t lowLevelListenerCount() const { return lowLevelListeners.size(); }
    GuiTextBlock* getCaption() const { return caption.get(); }

protected:
    // Sends each high-level listener, in registration order, its own copy of the event, with
    // this component as source and second pointer.
    void raiseHighLevelEvent(HighLevelEvent event);
    // Sends each high-level listener its own copy of the event as it is.
    void passHighLevelEvent(const HighLevelEvent& event);
    // Whether the parent panel is running a transition (false without one).
    bool parentInTransition() const;
    IPrimitiveFactory* getPrimitiveFactory() const { return factory; }

private:
    void placeCaption(const Vector2& absolute);
    void makeCaption(GuiFont* font);

    int factoryOwner = 0;
    GuiBlocks* skin;
    IPrimitiveFactory* factory = nullptr;  // the one that made this component's sprites
    IRect* background = nullptr;
    GuiComponent* parent = nullptr;
    IRect* pickArea = nullptr;
    Vector2 location;
    Vector2 size{1.0f, 1.0f};
    Vector2 textOffset{0.25f, 0.0f};
    std::vector<std::unique_ptr<Picture>> parts;
    std::unique_ptr<GuiBorderI> border;
    int borderStyle;
    int intA = 0;
    int intB = 0;
    bool active = true;
    bool backgroundShown = true;
    bool borderShown = true;
    bool focus = true;
    bool acceptingInput = true;
    bool shown = true;
    int textAlignment = 3;
    bool widenedPick;
    std::unique_ptr<ObserveAbleString> ownText;
    ObserveAbleString* text;
    uint32_t keySound = 0;
    uint32_t sweepSound = 0;
    std::unique_ptr<GuiTextBlock> caption;
    SafeList<LowLevelEventListener> lowLevelListeners;
    SafeList<HighLevelEventListener> highLevelListeners;
};
