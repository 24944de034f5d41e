#include "gui/PrettyScreen.h"

#include <array>
#include <string>

namespace {

// The pictures in drawing order, with their offsets and sizes in screen units. A width of 0
// stands for the screen's own width.
struct Decoration {
    const char* path;
    Vector2 offset;
    Vector2 size;
};

const std::array<Decoration, 7> Decorations = {{
    {"default_res\\sprites\\VAV_007_2X2_Black.x", Vector2(0.0f, 10.0f), Vector2(0.0f, 4.0f)},
    {"default_res\\sprites\\DovraLogo128.x", Vector2(10.0f, 10.0f), Vector2(4.0f, 4.0f)},
    {"default_res\\sprites\\VAV_CreateFighter.x", Vector2(14.0f, 10.0f), Vector2(16.0f, 4.0f)},
    {"default_res\\sprites\\grayBand.x", Vector2(0.0f, 7.5f), Vector2(0.0f, 1.2f)},
    {"default_res\\sprites\\fillBar.x", Vector2(0.0f, 7.5f), Vector2(0.0f, 1.0f)},
    {"default_res\\sprites\\grayBand.x", Vector2(0.0f, -10.0f), Vector2(0.0f, 4.2f)},
    {"default_res\\sprites\\blueBand.x", Vector2(0.0f, -10.0f), Vector2(0.0f, 4.0f)},
}};

const std::array<std::string, 7> PicturePaths = [] {
    std::array<std::string, 7> paths;
    for (size_t i = 0; i < Decorations.size(); ++i) paths[i] = Decorations[i].path;
    return paths;
}();

}  // namespace

PrettyScreen::PrettyScreen(GuiManager* manager, GuiBlocks* skin)
    : GuiScreen(manager, skin, PicturePaths.data(), static_cast<int>(PicturePaths.size())) {
    hideBackground();
    const float width = getSize().x;
    for (size_t i = 0; i < Decorations.size(); ++i) {
        const Decoration& picture = Decorations[i];
        const int part = static_cast<int>(i);
        setPartOffset(part, picture.offset);
        setPartSize(part, Vector2(picture.size.x == 0.0f ? width : picture.size.x, picture.size.y));
    }
}
