// A piece of text cut into lines at line feeds (no word wrap), with a location (the first line's
// left edge and vertical middle), a character cell and a spacing. In print mode the print list
// prints its lines through the engine every frame while it is visible, each line one cell
// height below the one before; in sprite mode it keeps one glyph sprite per character.
// The block enters its print list when made and leaves it when destroyed.
#pragma once

#include <climits>
#include <string>
#include <vector>

#include "math/Vector2.h"

class GuiArtist;
class GuiCharacter;
class GuiFont;
class GuiTextBlockTicker;

class GuiTextBlock {
public:
    GuiTextBlock(GuiArtist* artist, GuiFont* font, GuiTextBlockTicker* ticker, bool printMode);
    virtual ~GuiTextBlock();
    GuiTextBlock(const GuiTextBlock&) = delete;
    GuiTextBlock& operator=(const GuiTextBlock&) = delete;

    // The range of lines shown, both ends included; first never passes last.
    virtual unsigned getFirstLine() const { return firstLine; }
    virtual void setFirstLine(unsigned line);
    virtual unsigned getLastLine() const { return lastLine; }
    virtual void setLastLine(unsigned line);
    virtual bool getFlag() const { return printMode; }  // print mode
    virtual void setFlag(bool printMode);
    virtual const std::string& getText() const { return text; }
    virtual void setText(const std::string& text);
    virtual const Vector2& getLocation() const { return location; }
    virtual void setLocation(const Vector2& location);
    virtual const Vector2& getCharSize() const { return cell; }
    virtual void setCharSize(const Vector2& cell);
    virtual bool isVisible() const { return visible; }
    virtual void hide();
    virtual void show();
    virtual void layout();
    virtual void update();
    virtual void print();  // called by the print list once a frame
    virtual float getSpacing() const { return spacing; }
    virtual void setSpacing(float spacing) { this->spacing = spacing; }
    virtual int getOwner() const { return owner; }
    // Sprite mode's walk: from character offset, skips skip lines, gives the characters up to
    // and including the next line feed and moves past them; at the end gives "" with end set.
    virtual std::string nextLine(bool& end, unsigned& offset, unsigned& lineIndex, unsigned skip);
    // The width the engine prints the text at with this block's cell and spacing.
    virtual float measure(const std::string& text) const;
    virtual float getCharHeight() const { return cell.y; }

    // Line index's text, or "" with end set when there is no such line.
    std::string lineText(unsigned index, bool& end) const;
    size_t lineCount() const { return lines.size(); }
    GuiFont* getFont() const { return font; }

private:
    void deleteCharacters();

    int owner = 0;
    GuiArtist* artist;
    GuiFont* font;
    std::string text;
    Vector2 location;
    Vector2 cell{0.5f, 0.5f};
    GuiTextBlockTicker* ticker;
    bool printMode;
    float spacing = 0.0f;
    unsigned firstLine = 0;
    unsigned lastLine = UINT_MAX;
    bool visible = true;
    std::vector<GuiCharacter*> characters;  // owned; sprite mode only
    std::vector<std::string> lines;
};
