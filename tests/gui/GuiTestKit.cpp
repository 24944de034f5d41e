#include "GuiTestKit.h"

#include "gui/GuiComponent.h"
#include "gui/GuiProcessState.h"
#include "gui/Primitive2D.h"
#include "platform/win32/win32_host.h"

namespace guitest {

namespace {

LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CLOSE) return 0;
    return DefWindowProcA(window, message, wParam, lParam);
}

HWND gameWindow() {
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = windowProc;
    windowClass.lpszClassName = "Brennock";
    RegisterClassExA(&windowClass);
    return CreateWindowExA(0, "Brennock", "Brennock", WS_POPUP | WS_CAPTION, 0, 0, 639, 479, nullptr, nullptr, nullptr,
                           nullptr);
}

}  // namespace

void GuiFixture::openEngine(bool drawing) {
    win32::resetForTests();
    resetGuiProcessState();
    vtReset();
    vtSetDrawing(drawing ? 1 : 0);
    vtSetFixedFrameTime(1.0f / 60.0f);
    inside = std::make_unique<pack::WorkingFolder>(pack::gameFolder());
    ASSERT_TRUE(inside->entered()) << pack::gameFolder();
    ASSERT_NE(iVortaneOpen(drawing ? gameWindow() : nullptr, nullptr), 0);
    if (drawing) {
        ASSERT_EQ(vtWindowOpen(), 1) << "no drawing window";
    }
    factory = std::make_unique<PrimitiveFactory2D>(Camera);
    artist = std::make_unique<GuiArtist>(factory.get());
    borders = std::make_unique<GuiBorderFactory>();
    font = std::make_unique<GuiFont>(WhiteFont, Camera, true);
    ASSERT_NE(font->getEngineFont(), 0u);
    sound = std::make_unique<GuiSound>();
    ticker = std::make_unique<GuiTextBlockTicker>();
    skin = std::make_unique<GuiBlocks>(artist.get(), borders.get(), font.get(), sound.get(), ticker.get());
}

void GuiFixture::TearDown() {
    skin.reset();
    ticker.reset();
    sound.reset();
    font.reset();
    borders.reset();
    artist.reset();
    factory.reset();
    vtReset();
    win32::resetForTests();
    inside.reset();
}

void GuiFixture::pointAt(float x, float y) {
    vtMouseSet((x + 16.0f) / 32.0f, (12.0f - y) / 24.0f);
    iVortaneMain();
}

void GuiFixture::press(GuiComponent& target, int button) {
    vtMouseButtonSet(button, 1);
    iVortaneMain();
    target.onMousePressed(button);
    target.onMouseHeld(button);
}

void GuiFixture::release(GuiComponent& target, int button) {
    vtMouseButtonSet(button, 0);
    iVortaneMain();
    target.onMouseReleased(button);
    target.onMouseUp(button);
}

void GuiFixture::click(GuiComponent& target, float x, float y, int button) {
    pointAt(x, y);
    press(target, button);
    release(target, button);
}

std::vector<PrintedText> GuiFixture::printed() {
    std::vector<PrintedText> texts;
    for (int i = 0; i < vtTextCount(); ++i) {
        vtText text{};
        if (!vtTextGet(i, &text) || !text.text || !*text.text) continue;
        texts.push_back({text.text, text.location, text.cell, text.spacing, text.font});
    }
    return texts;
}

std::vector<PrintedText> GuiFixture::printFrame() {
    iVortaneMain();
    if (ticker) ticker->printAll();
    return printed();
}

void ManagerFixture::TearDown() {
    manager.forgetPanels();
    GuiFixture::TearDown();
}

void ManagerFixture::frame() {
    iVortaneMain();
    manager.pollInput();
    ticker->printAll();
}

void ManagerFixture::tapKey(int key) {
    vtKeySet(key, 1);
    frame();
    vtKeySet(key, 0);
    frame();
}

void ManagerFixture::tapButton() {
    vtMouseButtonSet(0, 1);
    frame();
    vtMouseButtonSet(0, 0);
    frame();
}

::testing::AssertionResult at(const iVector2& v, float x, float y) {
    using Float = ::testing::internal::FloatingPoint<float>;
    if (Float(v.x).AlmostEquals(Float(x)) && Float(v.y).AlmostEquals(Float(y))) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "(" << v.x << ", " << v.y << ") is not (" << x << ", " << y << ")";
}

Rgb pixel(float x, float y) {
    uint8_t rgba[4] = {0, 0, 0, 0};
    EXPECT_EQ(vtReadPixel((x + 16.0f) / 32.0f, (12.0f - y) / 24.0f, rgba), 1);
    return {rgba[0], rgba[1], rgba[2]};
}

bool soundPlaying(uint32_t sound) {
    int playing = 0, looping = 0, positional = 0;
    float volume = 0.0f, length = 0.0f;
    vtSoundGet(sound, &playing, &looping, &volume, &length, &positional);
    return playing != 0;
}

int visibleSprites() {
    int visible = 0;
    for (int i = 0; i < vtSpriteCount(); ++i) visible += spriteOf(vtSpriteAt(i)).visible ? 1 : 0;
    return visible;
}

vtSprite spriteOf(uint32_t sprite) {
    vtSprite out{};
    EXPECT_TRUE(vtSpriteGet(sprite, &out)) << "sprite " << sprite;
    return out;
}

vtSprite spriteOf(IPrimitive* primitive) {
    auto* sprite = dynamic_cast<Primitive2D*>(primitive);
    EXPECT_NE(sprite, nullptr);
    return spriteOf(sprite ? sprite->getSprite() : 0u);
}

std::vector<vtSprite> spritesNamed(const std::string& part) {
    std::vector<vtSprite> found;
    for (int i = 0; i < vtSpriteCount(); ++i) {
        vtSprite sprite{};
        if (vtSpriteGet(vtSpriteAt(i), &sprite) && sprite.textureName &&
            std::string(sprite.textureName).find(part) != std::string::npos) {
            found.push_back(sprite);
        }
    }
    return found;
}

}  // namespace guitest
