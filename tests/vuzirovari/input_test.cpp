// Input as the game reads it: held state, click edges, mouse, joysticks and typed characters.
#include <SDL.h>

#include <cstring>

#include "engine_fixture.h"

namespace {

class EngineInput : public EngineTest {};

// A key clicks only in the frame it went down; a press and release between two frames is not
// lost; keys out of range read up; Escape is left to the game.
TEST_F(EngineInput, KeysAsTheFramesSampleThem) {
    openHeadless();
    vtKeySet(57, 1);
    EXPECT_EQ(iKeyDown(57), 0);  // nothing before the frame samples it
    iVortaneMain();
    EXPECT_EQ(iKeyDown(57), 1);
    EXPECT_EQ(iKeyClick(57), 1);
    iVortaneMain();
    EXPECT_EQ(iKeyDown(57), 1);
    EXPECT_EQ(iKeyClick(57), 0);
    vtKeySet(57, 0);
    iVortaneMain();
    EXPECT_EQ(iKeyDown(57), 0);
    EXPECT_EQ(iKeyClick(57), 0);

    vtKeySet(28, 1);
    vtKeySet(28, 0);
    iVortaneMain();
    EXPECT_EQ(iKeyClick(28), 1);
    EXPECT_EQ(iKeyDown(28), 1);
    iVortaneMain();
    EXPECT_EQ(iKeyClick(28), 0);
    EXPECT_EQ(iKeyDown(28), 0);

    vtKeySet(-1, 1);
    vtKeySet(256, 1);
    iVortaneMain();
    EXPECT_EQ(iKeyDown(-1), 0);
    EXPECT_EQ(iKeyDown(256), 0);
    EXPECT_EQ(iKeyClick(1000), 0);

    iEscEnable(1);
    vtKeySet(1, 1);
    iVortaneMain();
    EXPECT_EQ(iKeyClick(1), 1);
    EXPECT_EQ(iVortaneIsRendering(), 1);
}

TEST_F(EngineInput, MouseAndButtons) {
    openHeadless();
    iVortaneMain();
    EXPECT_FLOAT_EQ(iMouseX(), 0.5f);
    vtMouseSet(0.25f, 0.75f);
    vtMouseButtonSet(1, 1);
    iVortaneMain();
    EXPECT_FLOAT_EQ(iMouseX(), 0.25f);
    EXPECT_FLOAT_EQ(iMouseY(), 0.75f + 1.0f / 48.0f);  // half a 2D unit below the pixel
    EXPECT_EQ(iMouseButtonDown(1), 1);
    EXPECT_EQ(iMouseButtonDown(0), 0);
    EXPECT_EQ(iMouseButtonDown(3), 0);
    vtMouseSet(2.0f, -1.0f);  // outside the window: kept at its edges
    iVortaneMain();
    EXPECT_FLOAT_EQ(iMouseX(), 1.0f);
    EXPECT_FLOAT_EQ(iMouseY(), 1.0f / 48.0f);
    iMouseReset();
    EXPECT_FLOAT_EQ(iMouseX(), 0.5f);
    EXPECT_FLOAT_EQ(iMouseY(), 0.5f + 1.0f / 48.0f);
}

TEST_F(EngineInput, InjectedJoysticks) {
    openHeadless();
    iVortaneMain();
    EXPECT_EQ(iJoyCount(), 0);  // no devices on the test machine
    vtJoyCountSet(2);
    vtJoyAxisSet(1, -0.75f, 3.0f);
    vtJoyButtonSet(1, 2, 1);
    iVortaneMain();
    EXPECT_EQ(iJoyCount(), 2);
    EXPECT_FLOAT_EQ(iJoyX(1), -0.75f);
    EXPECT_FLOAT_EQ(iJoyY(1), 1.0f);
    EXPECT_EQ(iJoyButtonDown(1, 2), 1);
    EXPECT_EQ(iJoyButtonClick(1, 2), 1);
    EXPECT_EQ(iJoyButtonDown(0, 2), 0);
    iVortaneMain();
    EXPECT_EQ(iJoyButtonDown(1, 2), 1);
    EXPECT_EQ(iJoyButtonClick(1, 2), 0);
    EXPECT_FLOAT_EQ(iJoyX(2), 0.0f);  // no such joystick
    EXPECT_EQ(iJoyButtonDown(5, 0), 0);
    EXPECT_EQ(iJoyButtonDown(1, 99), 0);
}

TEST_F(EngineInput, TypedCharactersComeOnePerCallWithinTheirFrame) {
    openHeadless();
    vtTypeChar('a');
    vtTypeChar(0xE9);
    iVortaneMain();
    EXPECT_EQ(iTypedChar(0), 'a');  // read, not taken
    EXPECT_EQ(iTypedChar(1), 'a');
    EXPECT_EQ(iTypedChar(1), 0xE9);
    EXPECT_EQ(iTypedChar(1), 0);
    vtTypeChar('b');
    vtTypeChar('c');
    iVortaneMain();
    EXPECT_EQ(iTypedChar(1), 'b');
    iVortaneMain();  // what a frame leaves untaken is dropped
    EXPECT_EQ(iTypedChar(1), 0);

    // Text events from SDL's queue become Latin-1; what has no Latin-1 form is left out.
    SDL_Event e{};
    e.type = SDL_TEXTINPUT;
    std::strcpy(e.text.text, "\xC3\xA9\xE2\x82\xACz");  // e-acute, euro sign, z
    ASSERT_EQ(SDL_PushEvent(&e), 1) << SDL_GetError();
    iVortaneMain();
    EXPECT_EQ(iTypedChar(1), 0xE9);
    EXPECT_EQ(iTypedChar(1), 'z');
}

// Real keyboard events go through SDL's queue: the scan-code map turns them into the keys
// the game knows.
TEST_F(EngineInput, KeyboardEventsUseTheClassicScanCodes) {
    openHeadless();
    struct Pair {
        SDL_Scancode sdl;
        int classic;
    };
    const Pair pairs[] = {
        {SDL_SCANCODE_ESCAPE, 1},     {SDL_SCANCODE_TAB, 15},      {SDL_SCANCODE_RETURN, 28},
        {SDL_SCANCODE_SPACE, 57},     {SDL_SCANCODE_A, 30},        {SDL_SCANCODE_L, 38},
        {SDL_SCANCODE_F1, 59},        {SDL_SCANCODE_F10, 68},      {SDL_SCANCODE_F11, 87},
        {SDL_SCANCODE_F12, 88},       {SDL_SCANCODE_UP, 0xC8},     {SDL_SCANCODE_LEFT, 0xCB},
        {SDL_SCANCODE_RIGHT, 0xCD},   {SDL_SCANCODE_DOWN, 0xD0},   {SDL_SCANCODE_HOME, 0xC7},
        {SDL_SCANCODE_END, 0xCF},     {SDL_SCANCODE_DELETE, 0xD3}, {SDL_SCANCODE_KP_ENTER, 0x9C},
        {SDL_SCANCODE_RALT, 0xB8},    {SDL_SCANCODE_RCTRL, 0x9D},  {SDL_SCANCODE_LSHIFT, 42},
        {SDL_SCANCODE_RSHIFT, 54},
    };
    for (const Pair& p : pairs) {
        SDL_Event e{};
        e.type = SDL_KEYDOWN;
        e.key.state = SDL_PRESSED;
        e.key.keysym.scancode = p.sdl;
        ASSERT_EQ(SDL_PushEvent(&e), 1) << SDL_GetError();
        iVortaneMain();
        EXPECT_EQ(iKeyClick(p.classic), 1) << SDL_GetScancodeName(p.sdl);
        e.type = SDL_KEYUP;
        e.key.state = SDL_RELEASED;
        SDL_PushEvent(&e);
        iVortaneMain();
        EXPECT_EQ(iKeyDown(p.classic), 0) << SDL_GetScancodeName(p.sdl);
    }
}

}  // namespace
