// The plug-in's exports as the host calls them, and its tick list through the probe.
#include <filesystem>
#include <set>

#include "PluginTestKit.h"

using namespace plugintest;

namespace {

// The fonts of the texts printed in the last frame.
std::set<uint32_t> printedFonts() {
    std::set<uint32_t> fonts;
    for (int i = 0; i < vtTextCount(); ++i) {
        vtText text{};
        if (vtTextGet(i, &text) && text.font) fonts.insert(text.font);
    }
    return fonts;
}

}  // namespace

class PluginEntryPoints : public PluginFixture {};

TEST_F(PluginEntryPoints, ExitOnTheMainMenuEndsEveryLaterRunAndTwoWholeCyclesLeaveNothingBehind) {
    for (int cycle = 0; cycle < 2; ++cycle) {
        SCOPED_TRACE("cycle " + std::to_string(cycle));
        ASSERT_TRUE(plugin.load(VORTANE_PATH)) << plugin.error();
        plugin.libInit(vuzPluginTable());
        plugin.preInit();
        vtCallLogClear();
        frame(3);  // Run before Init ticks an empty list
        EXPECT_FALSE(exitCalled());
        EXPECT_EQ(vtSpriteCount(), 0);
        iVortaneMain();
        iVortaneInitBegin();
        plugin.init();
        iVortaneInitEnd();
        frame(2);
        EXPECT_TRUE(shows("Exit"));
        EXPECT_TRUE(shows("Game Setup"));
        const std::set<uint32_t> fonts = printedFonts();
        EXPECT_FALSE(fonts.empty());

        vtCallLogClear();
        click(LeftButtonX, TopRowY);
        EXPECT_TRUE(exitCalled()) << "\"Exit\" on the main menu ends the next Run with iExit";
        vtCallLogClear();
        frame();
        EXPECT_TRUE(exitCalled()) << "and every later one";

        plugin.exit();
        plugin.exit();
        plugin.postExit();
        plugin.unload();
        EXPECT_EQ(engineCounts(), before);
        for (uint32_t font : fonts) EXPECT_EQ(vtFontGet(font, nullptr, nullptr, nullptr), 0) << "font " << font;
        vtReset();
        ASSERT_EQ(iVortaneOpen(nullptr, nullptr), 1);
        vtSetFixedFrameTime(1.0f / 60.0f);
        before = engineCounts();
    }
    EXPECT_EQ(logLines("Vortane:"), 0);
}

TEST_F(PluginEntryPoints, ANullTableLeavesThePlugInInertWithOneLogLine) {
    ASSERT_TRUE(plugin.load(VORTANE_PATH)) << plugin.error();
    plugin.libInit(nullptr);
    plugin.preInit();
    iVortaneMain();
    plugin.init();
    frame(3);
    EXPECT_EQ(logLines("Vortane: LibInit: no engine table"), 1);
    EXPECT_EQ(logLines("Vortane:"), 1);
    EXPECT_EQ(engineCounts(), before);
    EXPECT_FALSE(exitCalled());
    EXPECT_FALSE(std::filesystem::exists("drive_c")) << "nothing written either";
    finish();
}

TEST_F(PluginEntryPoints, AnExceptionInsideInitIsLoggedAndThePlugInAsksToQuitAndEndsCleanly) {
    ASSERT_TRUE(plugin.load(PROBE_PATH)) << plugin.error();
    auto failNextInit = reinterpret_cast<void (*)()>(plugin.symbol("probeFailNextInit"));
    ASSERT_NE(failNextInit, nullptr);
    failNextInit();
    plugin.libInit(vuzPluginTable());
    plugin.preInit();
    iVortaneMain();
    plugin.init();
    EXPECT_EQ(logLines("Vortane: Init: the probe made Init fail"), 1);
    vtCallLogClear();
    frame();
    EXPECT_TRUE(exitCalled());
    plugin.exit();
    plugin.postExit();
    plugin.init();  // the XML library was ended: refused until the library is loaded again
    EXPECT_EQ(logLines("Vortane: Init: the XML library was ended by PostExit"), 1);
    plugin.exit();
    plugin.unload();
    EXPECT_EQ(engineCounts(), before);
}

TEST_F(PluginEntryPoints, TheTickListWalkStaysValidWhileObjectsLeaveAndJoin) {
    ASSERT_TRUE(plugin.load(PROBE_PATH)) << plugin.error();
    auto newTicker = reinterpret_cast<void* (*)()>(plugin.symbol("probeTickerNew"));
    auto deleteTicker = reinterpret_cast<void (*)(void*)>(plugin.symbol("probeTickerDelete"));
    auto setTicking = reinterpret_cast<void (*)(void*, int)>(plugin.symbol("probeTickerSetTicking"));
    auto ticks = reinterpret_cast<int (*)(void*)>(plugin.symbol("probeTickerTicks"));
    auto onNextTick = reinterpret_cast<void (*)(void*, int, void*)>(plugin.symbol("probeTickerOnNextTick"));
    auto tickAll = reinterpret_cast<void (*)()>(plugin.symbol("probeTickAll"));
    auto listSize = reinterpret_cast<int (*)()>(plugin.symbol("probeTickListSize"));
    ASSERT_TRUE(newTicker && deleteTicker && setTicking && ticks && onNextTick && tickAll && listSize);

    void* a = newTicker();
    void* b = newTicker();
    void* c = newTicker();
    void* d = newTicker();
    setTicking(a, 1);
    setTicking(a, 1);
    EXPECT_EQ(listSize(), 1) << "true twice registers once";
    setTicking(d, 0);
    EXPECT_EQ(listSize(), 1) << "false on an unregistered object does nothing";
    setTicking(b, 1);
    setTicking(c, 1);
    tickAll();
    EXPECT_EQ(ticks(a) + ticks(b) + ticks(c), 3);

    onNextTick(a, 1, b);  // a deletes b, which comes later in the same walk
    onNextTick(c, 3, d);  // c makes d join during the walk
    tickAll();
    EXPECT_EQ(ticks(a), 2);
    EXPECT_EQ(ticks(c), 2);
    EXPECT_EQ(ticks(d), 0) << "a newcomer waits for the next walk";
    EXPECT_EQ(listSize(), 3);
    tickAll();
    EXPECT_EQ(ticks(d), 1);

    onNextTick(a, 2, nullptr);  // a leaves
    onNextTick(c, 4, nullptr);  // c deletes itself
    tickAll();
    EXPECT_EQ(listSize(), 1);
    tickAll();
    EXPECT_EQ(ticks(a), 4) << "ticked in the walk it left during, not after";
    EXPECT_EQ(ticks(d), 3);
    deleteTicker(d);
    deleteTicker(a);
    EXPECT_EQ(listSize(), 0) << "a destroyed object leaves the list";
    plugin.unload();
}
