// A list of one-line texts showing as many rows as its height has whole units, with a highlight
// behind the selected row and a vertical stepped lever right of the box as its scroll control
// (its arrows show while there is more to see than rows). A left press on a row selects the
// item drawn there. Items are drawn twice their cell height apart and printed every frame.
// The window, the selection and the scroll lever are kept consistent by every change.
#pragma once

#include <vector>

#include "gui/GuiPanel.h"
#include "gui/ScrollAble.h"

class GuiSuperLever;
class GuiTextBlock;

class GuiListBox : public GuiPanel, public virtual ScrollAble {
public:
    GuiListBox(GuiBlocks* skin, const std::string* partPaths, int partCount);
    ~GuiListBox() override;

    void setSize(const Vector2& size) override;  // the height is cut to whole rows
    void refresh() override;
    void setTextCharSize(const Vector2& cell) override;
    void onMousePressed(int button) override;
    void handleHighLevelEvent(HighLevelEvent& event) override;

    bool scrollsHorizontally() override { return false; }
    bool scrollsVertically() override { return true; }
    bool scrollUp() override;
    bool scrollDown() override;
    bool scrollLeft() override { return false; }
    bool scrollRight() override { return false; }

    virtual void setFlag(bool highlightShown) { this->highlightShown = highlightShown; }
    virtual bool getFlag() const { return highlightShown; }
    // Selects an item and brings it into view; an index outside the list is ignored. No event.
    virtual void setSelectedIndex(int index);
    virtual int getSelectedIndex() const { return selected; }
    virtual std::string getSelectedText() const;  // "" with nothing selected
    virtual int getItemCount() const { return static_cast<int>(items.size()); }
    virtual void addItem(const std::string& text);
    virtual void removeItem(int index);
    virtual void clear();

    int getFirstVisible() const { return firstVisible; }
    int getVisibleCount() const { return visibleCount; }
    GuiSuperLever* getScrollLever() const { return scrollLever; }
    GuiTextBlock* getItem(int index) const { return items.at(static_cast<size_t>(index)); }

private:
    void layout();
    void updateScrollLever();
    void keepWindow();  // first visible within 0 .. items - rows
    void moveWindowTo(int first);

    GuiSuperLever* scrollLever = nullptr;
    IRect* highlight = nullptr;
    std::vector<GuiTextBlock*> items;  // owned
    int visibleCount = 1;
    int firstVisible = 0;
    int selected = -1;
    bool highlightShown = true;
};
