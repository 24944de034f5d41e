#include "gui/GuiGrid.h"

GuiGrid::GuiGrid(GuiBlocks* skin, unsigned rows, unsigned columns)
    : GuiPanel(skin, 1, nullptr, 0, false), rows(rows == 0 ? 1 : rows), columns(columns == 0 ? 1 : columns) {}

void GuiGrid::refresh() {
    GuiPanel::refresh();
    layoutChildren();
}

void GuiGrid::addChild(GuiComponent* child) {
    GuiPanel::addChild(child);
    layoutChildren();
}

void GuiGrid::setColumnCount(unsigned count) {
    if (count == columns) return;
    columns = count == 0 ? 1 : count;
    layoutChildren();
}

void GuiGrid::setRowCount(unsigned count) {
    if (count == rows) return;
    rows = count == 0 ? 1 : count;
    layoutChildren();
}

void GuiGrid::layoutChildren() {
    const Vector2 size = getSize();
    const float cellWidth = size.x / static_cast<float>(columns);
    const float cellHeight = size.y / static_cast<float>(rows);
    for (GuiComponent* child : getChildren()) {
        const float row = static_cast<float>(static_cast<unsigned>(child->getIntA()));
        const float column = static_cast<float>(static_cast<unsigned>(child->getIntB()));
        child->setLocation(Vector2(column * cellWidth, row * cellHeight - size.y * 0.5f + cellHeight * 0.5f));
        child->setSize(Vector2(cellWidth, cellHeight));
    }
}
