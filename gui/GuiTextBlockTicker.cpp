#include "gui/GuiTextBlockTicker.h"

#include "gui/GuiTextBlock.h"

void GuiTextBlockTicker::printAll() {
    blocks.forEach([](GuiTextBlock* block) { block->print(); });
}
