#include "gui/GuiTextBlock.h"

#include "gui/GuiArtist.h"
#include "gui/GuiCharacter.h"
#include "gui/GuiFont.h"
#include "gui/GuiTextBlockTicker.h"
#include "gui/IPrimitiveFactory.h"
#include "platform/vuzirovari/vuzirovari.h"

GuiTextBlock::GuiTextBlock(GuiArtist* artist, GuiFont* font, GuiTextBlockTicker* ticker, bool printMode)
    : artist(artist), font(font), ticker(ticker), printMode(printMode) {
    if (artist && artist->getPrimitiveFactory()) owner = artist->getPrimitiveFactory()->getOwner();
    lines.emplace_back();
    if (ticker) ticker->add(this);
    update();
}

GuiTextBlock::~GuiTextBlock() {
    if (ticker) ticker->remove(this);
    deleteCharacters();
}

void GuiTextBlock::setFirstLine(unsigned line) { firstLine = line > lastLine ? lastLine : line; }

void GuiTextBlock::setLastLine(unsigned line) { lastLine = line < firstLine ? firstLine : line; }

void GuiTextBlock::setFlag(bool newPrintMode) {
    if (newPrintMode == printMode) return;
    printMode = newPrintMode;
    deleteCharacters();
}

void GuiTextBlock::setText(const std::string& newText) {
    text = newText;
    layout();
}

void GuiTextBlock::setLocation(const Vector2& newLocation) {
    location = newLocation;
    update();
}

void GuiTextBlock::setCharSize(const Vector2& newCell) {
    cell = newCell;
    update();
}

void GuiTextBlock::hide() {
    visible = false;
    update();
}

void GuiTextBlock::show() {
    visible = true;
    update();
}

void GuiTextBlock::layout() {
    lines.clear();
    std::string current;
    for (char c : text) {
        if (c == '\n') {
            lines.push_back(current);
            current.clear();
        } else {
            current += c;
        }
    }
    lines.push_back(current);
    if (printMode) return;

    deleteCharacters();
    for (char c : text) characters.push_back(new GuiCharacter(artist, font, c));
    update();
}

void GuiTextBlock::update() {
    if (printMode) return;
    // Blanks and line feeds draw nothing; every other character follows the block's visibility.
    for (size_t i = 0; i < characters.size(); ++i) {
        const char c = i < text.size() ? text[i] : ' ';
        if (visible && c != ' ' && c != '\n') characters[i]->show();
        else characters[i]->hide();
    }
    unsigned offset = 0, lineIndex = 0;
    bool end = false;
    // Skip to the first shown line, then place each line's characters one cell height lower.
    std::string line = nextLine(end, offset, lineIndex, firstLine);
    for (unsigned row = 0; !end; ++row) {
        const unsigned lineStart = offset - static_cast<unsigned>(line.size());
        float x = 0.0f;
        for (size_t k = 0; k < line.size(); ++k) {
            GuiCharacter* character = characters[lineStart + k];
            character->setSize(cell);
            character->setLocation(Vector2(location.x + x, location.y - static_cast<float>(row) * cell.y));
            x += character->getWidth() * cell.x + spacing;
        }
        if (firstLine + row >= lastLine) break;
        line = nextLine(end, offset, lineIndex, 0);
    }
}

void GuiTextBlock::print() {
    if (!printMode || !visible) return;
    const uint32_t engineFont = font ? font->getEngineFont() : 0;
    if (engineFont == 0) return;
    unsigned row = 0;
    for (unsigned i = firstLine;; ++i, ++row) {
        bool end = false;
        const std::string line = lineText(i, end);
        const Vector2 at(location.x + cell.x * 0.5f, location.y - cell.y * static_cast<float>(row));
        iPrint(line.c_str(), &at, &cell, spacing, engineFont);
        if (end || i >= lastLine) break;
    }
}

std::string GuiTextBlock::nextLine(bool& end, unsigned& offset, unsigned& lineIndex, unsigned skip) {
    end = true;
    for (unsigned skipped = 0; skipped < skip && offset < text.size(); ++skipped) {
        const size_t feed = text.find('\n', offset);
        offset = feed == std::string::npos ? static_cast<unsigned>(text.size()) : static_cast<unsigned>(feed + 1);
        ++lineIndex;
    }
    if (offset >= text.size()) return std::string();
    const size_t feed = text.find('\n', offset);
    const size_t stop = feed == std::string::npos ? text.size() : feed + 1;
    std::string line = text.substr(offset, stop - offset);
    offset = static_cast<unsigned>(stop);
    ++lineIndex;
    end = false;
    return line;
}

float GuiTextBlock::measure(const std::string& measured) const {
    return font ? font->textWidth(measured, cell, spacing) : 0.0f;
}

std::string GuiTextBlock::lineText(unsigned index, bool& end) const {
    if (lines.empty() || index >= lines.size()) {
        end = true;
        return std::string();
    }
    return lines[index];
}

void GuiTextBlock::deleteCharacters() {
    for (GuiCharacter* character : characters) delete character;
    characters.clear();
}
