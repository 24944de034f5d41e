// The print list: every text block of a skin enters it when made and leaves it when destroyed;
// printAll prints them once a frame in the order they entered. It borrows the blocks.
#pragma once

#include "gui/SafeList.h"

class GuiTextBlock;

class GuiTextBlockTicker {
public:
    GuiTextBlockTicker() = default;
    GuiTextBlockTicker(const GuiTextBlockTicker&) = delete;
    GuiTextBlockTicker& operator=(const GuiTextBlockTicker&) = delete;
    virtual ~GuiTextBlockTicker() = default;

    virtual void add(GuiTextBlock* block) { blocks.add(block); }
    virtual void remove(GuiTextBlock* block) { blocks.remove(block); }
    // A block deleted while the list prints is not printed after its deletion.
    virtual void printAll();
    size_t size() const { return blocks.size(); }

private:
    SafeList<GuiTextBlock> blocks;
};
