// The skin: the resource paths every widget makes its sprites from, and the factory that makes
// them. The paths are public so that a screen can make a second artist with another colour.
// The first artist made in the process also makes the two GUI click sounds, which every
// component copies and nobody ever destroys.
#pragma once

#include <cstdint>
#include <string>

#include "gui/GuiBorderArtist.h"
#include "gui/GuiMouseArtist.h"

class GuiArtist {
public:
    explicit GuiArtist(IPrimitiveFactory* factory);
    virtual ~GuiArtist() = default;
    virtual IPrimitiveFactory* getPrimitiveFactory() const { return factory; }

    // The process-wide click sounds (0 until an artist made them or when the files are missing).
    static uint32_t keySound;
    static uint32_t sweepSound;

    IPrimitiveFactory* factory;
    GuiMouseArtist mouseArtist;
    std::string pickPath = "default_res\\fontwhite\\font_00.x";
    std::string backgroundPath = "Tavek_res\\gui\\general\\black.x";
    GuiBorderArtist firstBorderArtist;  // border style 0
    std::string buttonDownPath = "default_res\\sprites\\buttonOn.x";
    std::string buttonUpPath = "default_res\\sprites\\buttonOff.x";
    GuiBorderArtist secondBorderArtist;  // border styles 1 and above
    std::string textCursorPath = "default_res\\sprites\\textCursor.x";
    std::string firstFillPath = "Tavek_res\\gui\\general\\blue.x";   // the list box's highlight
    std::string secondFillPath = "Tavek_res\\gui\\general\\blue.x";  // the fill of fill bars
    std::string sliderArrowPath = "default_res\\sprites\\VAV_004_Arrow_Slider.x";
    std::string glyphPaths[5] = {"default_res\\fontwhite\\font_68.x", "default_res\\fontwhite\\font_69.x",
                                 "default_res\\fontwhite\\font_6a.x", "default_res\\fontwhite\\font_6b.x",
                                 "default_res\\fontwhite\\font_6c.x"};
    std::string checkBoxOnPath = "default_res\\sprites\\checkBoxOn.x";
    std::string checkBoxOffPath = "default_res\\sprites\\checkBoxOff.x";
    std::string keySoundPath = "default_res\\sounds\\key.ogg";
    std::string sweepSoundPath = "default_res\\sounds\\sweep.ogg";
};
