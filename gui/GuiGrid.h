// A panel that divides its area into rows x columns equal cells and sizes and places each child
// in the cell it names: its integer A is the row (counted upwards from the bottom row), B the
// column. Children may share a cell; one outside the grid is placed outside its area.
#pragma once

#include "gui/GuiPanel.h"

class GuiGrid : public GuiPanel {
public:
    GuiGrid(GuiBlocks* skin, unsigned rows, unsigned columns);  // 0 counts as 1

    void refresh() override;
    void addChild(GuiComponent* child) override;

    virtual unsigned getColumnCount() const { return columns; }
    virtual void setColumnCount(unsigned count);
    virtual unsigned getRowCount() const { return rows; }
    virtual void setRowCount(unsigned count);

private:
    void layoutChildren();

    unsigned rows;
    unsigned columns;
};
