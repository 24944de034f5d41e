// A component that owns child components and routes the input that reaches it: a mouse press
// goes to the topmost active child under the pointer (the last added is on top) and focuses
// it; releases, ups and keys go to the focused child. Events its children raise go up to its
// own parent. A panel that does not accept input passes nothing on.
#pragma once

#include <vector>

#include "gui/GuiComponent.h"
#include "gui/HighLevelEventListener.h"
#include "gui/LowLevelEventListener.h"

class GuiPanel : public GuiComponent, public virtual LowLevelEventListener, public virtual HighLevelEventListener {
public:
    GuiPanel(GuiBlocks* skin, int borderStyle, const std::string* partPaths, int partCount, bool widenedPick);
    // Deletes the children it still holds, in order.
    ~GuiPanel() override;

    void refresh() override;  // its own, then every child's
    void onMouseHeld(int button) override;
    void onMousePressed(int button) override;
    void onMouseUp(int button) override;
    void onMouseReleased(int button) override;
    void onKeyHeld(int key) override;
    void onKeyPressed(int key) override;
    void onKeyUp(int key) override;
    void onKeyReleased(int key) override;

    // Adopts the child (taking it from a panel that held it before); a child already here is ignored.
    virtual void addChild(GuiComponent* child);
    // Gives the child back to the caller; a stranger is ignored.
    virtual void removeChild(GuiComponent* child);
    // Whether this panel or one it stands in is sliding (screens answer; plain panels ask up).
    virtual bool isInTransition() const;
    virtual GuiComponent* getChildUnderMouse();
    virtual GuiComponent* getFocusedChild() const { return focusedChild; }
    // Moves the focus among the focusable children, wrapping round.
    virtual void focusNext();
    virtual void focusPrevious();

    void tick() override;  // the focused child only
    void handleLowLevelEvent(Event& event) override;
    void handleHighLevelEvent(HighLevelEvent& event) override;

    const std::vector<GuiComponent*>& getChildren() const { return children; }

private:
    void moveFocus(GuiComponent* child);
    std::vector<GuiComponent*> focusableChildren() const;

    GuiComponent* focusedChild = nullptr;
    std::vector<GuiComponent*> children;
};
